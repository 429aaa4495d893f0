// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modiconclass.h"
#include "slave/slavetranslation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The Modicon table and numbers that an answer names, which the details under
// it describe: the whole mapped range of a slave answer, the start register
// of a master request.
namespace Corvane::Web {

struct AnswerRange {
    Modbus::ModiconClass table;
    std::int32_t start;
    std::optional<std::int32_t> end; // none for a master request
};

// The end of a slave range decides its class, as the mapping itself does.
// {"N7:0", "40001", "10"} answered -> {HoldingRegisters, 40001, 40010}; refused -> none.
std::optional<AnswerRange> slaveAnswerRange(const Slave::SlaveAnswer &answer);

// The table of the command, at the register's number; none for diagnostics,
// for a text that is no command, and for a register that does not read.
// (" 03 - Read Holding Registers  (4X)", "1234") -> {HoldingRegisters, 41234}
std::optional<AnswerRange> masterAnswerRange(std::string_view command,
                                             std::string_view registerText);

// The details line of a range, empty for none.
// {HoldingRegisters, 40001, 40010} -> "holding registers (4X): offsets 0-9 ..."
std::string detailsOf(const std::optional<AnswerRange> &range);

} // namespace Corvane::Web
