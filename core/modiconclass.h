// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The four Modicon reference classes that a gateway maps onto, and the
// five-digit numbers each one spans.
namespace Corvane::Modbus {

enum class ModiconClass { Coils, DiscreteInputs, InputRegisters, HoldingRegisters };

// What a class is, for people and for the protocol.
struct ModiconClassInfo {
    ModiconClass modiconClass;
    std::string_view reference; // "0X"
    std::string_view table;     // "coils"
    std::int32_t first;         // 1
    std::int32_t last;          // 9999
    bool bitAddressed;          // coils and discrete inputs follow the bit
};

// The class a five-digit Modicon number belongs to, or none.
// 40010 -> HoldingRegisters, 10001 -> DiscreteInputs, 10000 -> nullopt, 0 -> nullopt.
std::optional<ModiconClass> modiconClassOf(std::int64_t number);

// modiconClassInfo(ModiconClass::HoldingRegisters).first -> 40001
const ModiconClassInfo &modiconClassInfo(ModiconClass modiconClass);

// The four classes in reference order: 0X, 1X, 3X, 4X.
std::span<const ModiconClassInfo> modiconClasses();

// The Modicon numbers an answer names in one table: a mapped range, or the
// start of a request, which has no end of its own.
struct ModiconRange {
    ModiconClass table;
    std::int32_t start;
    std::optional<std::int32_t> end;
};

} // namespace Corvane::Modbus
