// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "core/modiconclass.h"

#include <array>

namespace Corvane::Modbus {
namespace {

constexpr std::array kClasses{
    ModiconClassInfo{ModiconClass::Coils, "0X", "coils", 1, 9999, true},
    ModiconClassInfo{ModiconClass::DiscreteInputs, "1X", "discrete inputs", 10001, 19999, true},
    ModiconClassInfo{ModiconClass::InputRegisters, "3X", "input registers", 30001, 39999, false},
    ModiconClassInfo{ModiconClass::HoldingRegisters, "4X", "holding registers", 40001, 49999,
                     false},
};

} // namespace

std::optional<ModiconClass> modiconClassOf(std::int64_t number)
{
    for (const auto &info : kClasses) {
        if (number >= info.first && number <= info.last)
            return info.modiconClass;
    }
    return std::nullopt;
}

const ModiconClassInfo &modiconClassInfo(ModiconClass modiconClass)
{
    return kClasses[static_cast<std::size_t>(modiconClass)];
}

std::span<const ModiconClassInfo> modiconClasses() { return kClasses; }

} // namespace Corvane::Modbus
