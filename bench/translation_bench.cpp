// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/mastertranslation.h"
#include "slave/slavetranslation.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

namespace {

using Corvane::Master::AddressFormat;
using Corvane::Master::MasterWindowState;
using Corvane::Master::PlcType;
using Corvane::Slave::SlaveFieldTexts;

// What users type most: word and bit addresses onto registers and coils,
// floating-point files, octal inputs, and one refusal.
constexpr std::array kSlaveCases{
    SlaveFieldTexts{"N7:4/5", "40001", "10"}, SlaveFieldTexts{"B3/20", "5", "16"},
    SlaveFieldTexts{"F8:0", "40001", "10"},   SlaveFieldTexts{"N7:0", "40001", "10"},
    SlaveFieldTexts{"I:012/10", "9", "8"},    SlaveFieldTexts{"X17:0", "0", "5"},
};
constexpr std::array kSlaveCaseNames{"N7:4/5 40001 10", "B3/20 5 16",   "F8:0 40001 10",
                                     "N7:0 40001 10",   "I:012/10 9 8", "X17:0 0 5 (refused)"};

void BM_TranslateSlave(benchmark::State &state)
{
    const SlaveFieldTexts &fields = kSlaveCases[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(kSlaveCaseNames[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state)
        benchmark::DoNotOptimize(Corvane::Slave::TranslateSlave(fields));
}
BENCHMARK(BM_TranslateSlave)->DenseRange(0, kSlaveCases.size() - 1);

MasterWindowState masterState(PlcType plc, AddressFormat format, std::string_view command,
                              std::string_view registerText, std::string_view slaveText)
{
    MasterWindowState state;
    state.plc = plc;
    state.format = format;
    state.messageType = " Read";
    state.command = command;
    state.subfunction = " 00 - Return Data Query";
    state.registerText = registerText;
    state.slaveAddressText = slaveText;
    return state;
}

const std::array kMasterCases{
    masterState(PlcType::Plc5, AddressFormat::XYZ, " 03 - Read Holding Registers  (4X)", "1234",
                "5"),
    masterState(PlcType::Plc5, AddressFormat::XYY, " 01 - Read Coil Status  (0X)", "100", "12"),
    masterState(PlcType::Plc5, AddressFormat::YXZ, " 15 - Force Multiple Coils  (0X)", "4010", "3"),
    masterState(PlcType::Plc3, AddressFormat::XYY, " 08 - Diagnostics", "1", "20"),
    masterState(PlcType::Plc5, AddressFormat::XYY, " 03 - Read Holding Registers  (4X)", "", "5"),
};
constexpr std::array kMasterCaseNames{"NXYZ:Z 03 1234 5", "NXYY:Z 01 100 12", "NYXZ:Z 15 4010 3",
                                      "PLC-3 08 1 20", "NXYY:Z empty register (refused)"};

void BM_TranslateMaster(benchmark::State &state)
{
    const MasterWindowState &window = kMasterCases[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(kMasterCaseNames[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state)
        benchmark::DoNotOptimize(Corvane::Master::TranslateMaster(window));
}
BENCHMARK(BM_TranslateMaster)->DenseRange(0, kMasterCases.size() - 1);

// Length sweeps: a pasted text of any length is read in time proportional to
// its length. The padding is leading zeros, so every text still translates.

std::string padded(std::string_view prefix, std::string_view number, std::int64_t length)
{
    const auto zeros = static_cast<std::size_t>(length) - prefix.size() - number.size();
    return std::string(prefix) + std::string(zeros, '0') + std::string(number);
}

void BM_TranslateSlaveAddressLength(benchmark::State &state)
{
    const std::string address = padded("N7:", "4", state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Corvane::Slave::TranslateSlave({address, "40001", "10"}));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TranslateSlaveAddressLength)
    ->RangeMultiplier(10)
    ->Range(10, 1'000'000)
    ->Complexity(benchmark::oN);

void BM_TranslateSlaveStartLength(benchmark::State &state)
{
    const std::string start = padded("", "40001", state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Corvane::Slave::TranslateSlave({"N7:4/5", start, "10"}));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TranslateSlaveStartLength)
    ->RangeMultiplier(10)
    ->Range(10, 1'000'000)
    ->Complexity(benchmark::oN);

void BM_TranslateMasterRegisterLength(benchmark::State &state)
{
    const std::string registerText = padded("", "1234", state.range(0));
    const MasterWindowState window = masterState(
        PlcType::Plc5, AddressFormat::XYZ, " 03 - Read Holding Registers  (4X)", registerText, "5");
    for (auto _ : state)
        benchmark::DoNotOptimize(Corvane::Master::TranslateMaster(window));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TranslateMasterRegisterLength)
    ->RangeMultiplier(10)
    ->Range(10, 1'000'000)
    ->Complexity(benchmark::oN);

} // namespace
