// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/addressingscheme.h"

#include "core/wording.h"
#include "master/compositions.h"
#include "master/decoderules.h"

#include <array>
#include <limits>

namespace Corvane::Master {
namespace {

using Errors::ErrorCode;

constexpr std::int16_t kLowestSlave = std::numeric_limits<std::int16_t>::min();

constexpr std::array kChecksXYY{
    ValidationCheck{Checked::Register, 1, 9999, ErrorCode::InvalidRegister},
    ValidationCheck{Checked::Slave, 1, 99, ErrorCode::InvalidSlave99},
};
constexpr std::array kChecksXYZ{
    ValidationCheck{Checked::Register, 1, 9999, ErrorCode::InvalidRegisterXYZ},
    ValidationCheck{Checked::Slave, 1, 9, ErrorCode::InvalidSlave9},
};
// Slave 3 has the short register set, every lower slave (0 and -1 included)
// the long one; a slave above 3 gets no register test.
constexpr std::array kChecksYXZ{
    ValidationCheck{Checked::RegisterSetOfSlave, 1, 5255, ErrorCode::InvalidRegisterSet5255, 3, 3},
    ValidationCheck{Checked::RegisterSetOfSlave, 1, 9255, ErrorCode::InvalidRegisterSet9255,
                    kLowestSlave, 2},
    ValidationCheck{Checked::Slave, 1, 3, ErrorCode::InvalidSlave3},
};
// The broadcast rule comes before the register: a read to slave 0 is refused
// whatever the register holds.
constexpr std::array kChecksPLC3{
    ValidationCheck{Checked::BroadcastRead, 0, 0, ErrorCode::BroadcastRead},
    ValidationCheck{Checked::Register, 1, 9999, ErrorCode::InvalidRegister},
    ValidationCheck{Checked::Slave, 0, 255, ErrorCode::InvalidSlave255},
};

constexpr std::string_view kWordRangeHint = "(1-9999)";
constexpr std::string_view kPlc3Name = "PLC-3";

constexpr std::array kRows{
    SchemeRow{{PlcType::Plc5, AddressFormat::XYY},
              "NXYY:Z",
              kChecksXYY,
              kWordRangeHint,
              "(1-99)",
              "(1-99)",
              false,
              &FormatXYY,
              &InvertXYY,
              &ExplainXYY},
    SchemeRow{{PlcType::Plc5, AddressFormat::XYZ},
              "NXYZ:Z",
              kChecksXYZ,
              kWordRangeHint,
              "(1-9)",
              "(1-9)",
              false,
              &FormatXYZ,
              &InvertXYZ,
              &ExplainXYZ},
    SchemeRow{{PlcType::Plc5, AddressFormat::YXZ},
              "NYXZ:Z",
              kChecksYXZ,
              "(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)",
              "(1-3)",
              "(1-3)",
              false,
              &FormatYXZ,
              &InvertYXZ,
              &ExplainYXZ},
    // Only a write may go to the broadcast address 0, so the slave hint
    // follows the message type.
    SchemeRow{{PlcType::Plc3, AddressFormat::XYY},
              kPlc3Name,
              kChecksPLC3,
              kWordRangeHint,
              "(1-255)",
              "(0-255)",
              true,
              &FormatPLC3,
              &InvertPLC3,
              &ExplainPLC3},
};

constexpr auto kSchemes = [] {
    std::array<AddressingScheme, kRows.size()> schemes{};
    for (std::size_t i = 0; i < kRows.size(); ++i)
        schemes[i] = kRows[i].scheme;
    return schemes;
}();

constexpr std::array kPlcTypes{
    PlcTypeRow{PlcType::Plc5, "5", "PLC-5"},
    PlcTypeRow{PlcType::Plc3, "3", kPlc3Name},
};

} // namespace

const SchemeRow &schemeRow(const AddressingScheme &scheme)
{
    // Each PLC-5 format has a row of its own; PLC-3 has the last row, whatever
    // its hidden format.
    static_assert(kRows.back().scheme.plc == PlcType::Plc3);
    for (const SchemeRow &row : std::span(kRows).first(kRows.size() - 1)) {
        if (row.scheme == scheme)
            return row;
    }
    return kRows.back();
}

std::span<const SchemeRow> schemeRows() { return kRows; }

std::span<const AddressingScheme> addressingSchemes() { return kSchemes; }

std::string_view schemeName(const AddressingScheme &scheme) { return schemeRow(scheme).name; }

std::optional<CheckedRange> checkedRange(const SchemeRow &row, Checked what)
{
    for (const ValidationCheck &check : row.checks) {
        if (check.what == what)
            return CheckedRange{check.low, check.high};
    }
    return std::nullopt;
}

std::optional<AddressFormat> formatNamed(std::string_view name)
{
    for (const SchemeRow &row : kRows) {
        if (row.scheme.plc == PlcType::Plc5 && row.name == name)
            return row.scheme.format;
    }
    return std::nullopt;
}

std::string formatNameList()
{
    std::vector<std::string> names;
    for (const SchemeRow &row : kRows) {
        if (row.scheme.plc == PlcType::Plc5)
            names.emplace_back(row.name);
    }
    return Text::joinedList(names, "or");
}

std::span<const PlcTypeRow> plcTypeRows() { return kPlcTypes; }

const PlcTypeRow &plcTypeRow(PlcType plc) { return kPlcTypes[static_cast<std::size_t>(plc)]; }

std::optional<PlcType> plcTypeNamed(std::string_view number)
{
    for (const PlcTypeRow &row : kPlcTypes) {
        if (row.number == number)
            return row.plc;
    }
    return std::nullopt;
}

std::string plcNumberList()
{
    std::vector<std::string> numbers;
    for (const PlcTypeRow &row : kPlcTypes)
        numbers.emplace_back(row.number);
    return Text::joinedList(numbers, "or");
}

} // namespace Corvane::Master
