// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "slave/slavetranslation.h"

#include "core/modiconclass.h"
#include "core/numberreading.h"
#include "slave/datafileaddress.h"

#include <limits>

namespace Corvane::Slave {
namespace {

using Errors::ErrorCode;
using Modbus::ModiconClassInfo;

bool fitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

} // namespace

namespace {

// A whole-text field, 0 when it does not convert.
std::int32_t readWholeText(std::string_view name, std::string_view text,
                           NumberReading::FieldReadings *readings)
{
    const NumberReading::WholeTextReading reading = NumberReading::readWholeText32(text);
    const std::int32_t value = reading.value.value_or(0);
    if (readings)
        readings->add({name, text, value, reading.notes});
    return value;
}

} // namespace

SlaveInputs ReadSlaveInputs(const SlaveFieldTexts &fields, NumberReading::FieldReadings *readings)
{
    SlaveInputs inputs;
    inputs.address = fields.dataFile;
    inputs.start = readWholeText("start", fields.startRegister, readings);
    inputs.count = readWholeText("count", fields.numberOfRegisters, readings);
    return inputs;
}

SlaveRange MapSlaveRange(std::int32_t start, std::int32_t count, std::int32_t bit,
                         Errors::ErrorState &error)
{
    // Worked in 64 bits: start + count - 1 and start - bit can leave the
    // 32-bit range only far outside every Modicon class.
    const std::int64_t end = std::int64_t{start} + count - 1;
    const std::int64_t movedStart = std::int64_t{start} - bit;

    SlaveRange range;
    range.start = start;
    range.end = fitsInt32(end) ? static_cast<std::int32_t>(end)
                               : (end < 0 ? std::numeric_limits<std::int32_t>::min()
                                          : std::numeric_limits<std::int32_t>::max());

    const auto modiconClass = Modbus::modiconClassOf(end);
    if (!modiconClass) {
        error.raise(ErrorCode::RangeOutOfRange);
    } else {
        const ModiconClassInfo &info = Modbus::modiconClassInfo(*modiconClass);
        if (info.bitAddressed) {
            // The moved start is the coil of bit 0, so the number typed still
            // names the bit typed.
            if (fitsInt32(movedStart))
                range.start = static_cast<std::int32_t>(movedStart);
            if (movedStart < info.first)
                error.raise(ErrorCode::MovedStartOutOfRange);
        } else if (start < info.first) {
            error.raise(ErrorCode::RangeOutOfRange);
        }
    }

    if (!fitsInt32(end) || !fitsInt32(movedStart))
        error.raise(ErrorCode::RangeOutOfRange);
    return range;
}

std::optional<Modbus::ModiconRange> answerRange(const SlaveAnswer &answer)
{
    if (!answer.ok())
        return std::nullopt;
    const auto table = Modbus::modiconClassOf(answer.modiconEndValue);
    if (!table)
        return std::nullopt;
    return Modbus::ModiconRange{*table, answer.modiconStartValue, answer.modiconEndValue};
}

SlaveAnswer TranslateSlave(const SlaveFieldTexts &fields, NumberReading::FieldReadings *readings)
{
    SlaveAnswer answer;
    const SlaveInputs inputs = ReadSlaveInputs(fields, readings);
    const DataFileAddress address =
        ParseDataFile(inputs.address, inputs.count, answer.error, readings);
    const SlaveRange range = MapSlaveRange(inputs.start, address.count, address.bit, answer.error);

    if (!answer.ok())
        return answer;

    answer.fileValue = address.file;
    answer.wordValue = address.word;
    answer.modiconStartValue = range.start;
    answer.modiconEndValue = range.end;
    answer.file = std::to_string(address.file);
    answer.word = std::to_string(address.word);
    answer.modiconStart = std::to_string(range.start);
    answer.modiconEnd = std::to_string(range.end);
    return answer;
}

} // namespace Corvane::Slave
