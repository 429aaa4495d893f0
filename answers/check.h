// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/mappingtable.h"
#include "answers/output.h"
#include "core/modiconclass.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// The check of a slave mapping table: two rows that map onto the same
// Modicon registers or coils would let a Modbus master's write to one A-B
// file land in the other.
namespace Corvane::Answers {

// At most this many overlapping pairs are listed; the rest are counted. A
// table of n rows over one range has n(n-1)/2 pairs, far more than anyone
// reads.
inline constexpr std::size_t kMostListedOverlaps = 10'000;

// One answered slave row: its Modicon range, lowest number first.
struct MappedRange {
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::uint32_t row = 0;
    Modbus::ModiconClass table = Modbus::ModiconClass::HoldingRegisters;
};

struct Overlap {
    std::uint32_t firstRow = 0; // the lower row number
    std::uint32_t secondRow = 0;
    Modbus::ModiconClass table = Modbus::ModiconClass::HoldingRegisters;
    std::int32_t low = 0; // the shared range
    std::int32_t high = 0;
};

// Reports every pair of ranges that share a number in the same table, in the
// order of the later range's start (within one start, by row), at most
// `listed` of them; returns how many pairs there are in all. Sorts `ranges`.
// Time O(n log n + pairs listed), memory O(n).
// {rows 1: 40001-40010, 2: 40005-40020, 3: 40011-40011} -> rows 1 and 2 share 40005-40010.
std::uint64_t findOverlaps(std::vector<MappedRange> &ranges, std::size_t listed,
                           const std::function<void(const Overlap &)> &report);

// A run of no word or bit maps onto no Modicon number, so it overlaps nothing.
inline constexpr std::string_view kEmptyRunWarning =
    "the run holds no word or bit: it covers no Modicon number";

// Reads a mapping table and writes each row the rules refuse or cannot read
// and each field a silent rule read, then each overlapping pair of answered
// slave rows, then a summary; as text, or as JSON Lines when `json` is set.
// A run of no word or bit covers no number and is a warning, not a range.
// Clean when nothing was found; a header that cannot be read, or more rows
// than it counts, is the run's problem. Master rows are counted but not
// compared.
RunResult runCheck(InputBuffer &in, Output &out, bool json, Readings readings = Readings::Warn,
                   StopRequested stop = nullptr);

} // namespace Corvane::Answers
