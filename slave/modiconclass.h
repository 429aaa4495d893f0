#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Corvane {

// The four Modicon reference classes that a gateway maps onto.
enum class ModiconClass { Coils, DiscreteInputs, InputRegisters, HoldingRegisters };

// The class a five-digit Modicon number belongs to, or none.
// 40010 -> HoldingRegisters, 10001 -> DiscreteInputs, 10000 -> nullopt, 0 -> nullopt.
std::optional<ModiconClass> modiconClassOf(std::int64_t number);

// What a class is, for people and for the protocol.
struct ModiconClassInfo {
    ModiconClass modiconClass;
    std::string_view reference; // "0X"
    std::string_view table;     // "coils"
    std::int32_t first;         // 1
    std::int32_t last;          // 9999
    bool bitAddressed;          // coils and discrete inputs follow the bit
};

// modiconClassInfo(ModiconClass::HoldingRegisters).first -> 40001
const ModiconClassInfo &modiconClassInfo(ModiconClass modiconClass);

} // namespace Corvane
