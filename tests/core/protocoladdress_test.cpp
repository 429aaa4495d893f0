// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT

// The Modicon classes and how the protocol names a number of each: the
// 0-based 16-bit offset and the 6-digit reference.
#include "core/modiconclass.h"
#include "core/protocoladdress.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace Corvane::Modbus;

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

struct ClassRow {
    std::string_view reference;
    std::int32_t first;
    std::int32_t last;
    bool movedByTheBit;
};

// The four classes as the slave range mapping knows them, in reference order.
TEST(ModiconClasses, SpanTheirFiveDigitRanges)
{
    const ClassRow expected[] = {
        {"0X", 1, 9999, true},
        {"1X", 10001, 19999, true},
        {"3X", 30001, 39999, false},
        {"4X", 40001, 49999, false},
    };
    const auto classes = modiconClasses();
    ASSERT_EQ(classes.size(), std::size(expected));
    for (std::size_t i = 0; i < classes.size(); ++i) {
        SCOPED_TRACE(expected[i].reference);
        EXPECT_EQ(classes[i].reference, expected[i].reference);
        EXPECT_EQ(classes[i].first, expected[i].first);
        EXPECT_EQ(classes[i].last, expected[i].last);
        EXPECT_EQ(classes[i].bitAddressed, expected[i].movedByTheBit);
        EXPECT_EQ(&modiconClassInfo(classes[i].modiconClass), &classes[i]);
    }
}

struct ClassOfRow {
    const char *name;
    std::int64_t number;
    std::optional<ModiconClass> modiconClass;
};

class ModiconClassOf : public testing::TestWithParam<ClassOfRow> {};

TEST_P(ModiconClassOf, DecidesByTheNumberAlone)
{
    EXPECT_EQ(modiconClassOf(GetParam().number), GetParam().modiconClass);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, ModiconClassOf,
    testing::Values(ClassOfRow{"Zero", 0, std::nullopt}, ClassOfRow{"Negative", -5, std::nullopt},
                    ClassOfRow{"FirstCoil", 1, ModiconClass::Coils},
                    ClassOfRow{"LastCoil", 9999, ModiconClass::Coils},
                    ClassOfRow{"TenThousand", 10000, std::nullopt},
                    ClassOfRow{"FirstInput", 10001, ModiconClass::DiscreteInputs},
                    ClassOfRow{"LastInput", 19999, ModiconClass::DiscreteInputs},
                    ClassOfRow{"TwentyThousand", 20000, std::nullopt},
                    ClassOfRow{"ThirtyThousand", 30000, std::nullopt},
                    ClassOfRow{"FirstInputRegister", 30001, ModiconClass::InputRegisters},
                    ClassOfRow{"LastInputRegister", 39999, ModiconClass::InputRegisters},
                    ClassOfRow{"FortyThousand", 40000, std::nullopt},
                    ClassOfRow{"FirstHolding", 40001, ModiconClass::HoldingRegisters},
                    ClassOfRow{"LastHolding", 49999, ModiconClass::HoldingRegisters},
                    ClassOfRow{"FiftyThousand", 50000, std::nullopt},
                    ClassOfRow{"BeyondThirtyTwoBits", std::int64_t{kMax32} + 1, std::nullopt}),
    Corvane::Testing::RowName{});

struct ProtocolRow {
    const char *name;
    ModiconClass table;
    std::int32_t number;
    std::optional<std::int32_t> offset; // nullopt: outside 0 to 65535
    std::string_view offsetHex;
    std::string_view reference6;
};

class ProtocolAddressRows : public testing::TestWithParam<ProtocolRow> {};

TEST_P(ProtocolAddressRows, OffsetHexAndSixDigitReference)
{
    const ProtocolRow &row = GetParam();
    const ProtocolAddress address = protocolAddress(row.number, row.table);
    EXPECT_EQ(address.offset, row.offset);
    EXPECT_EQ(address.offsetHex, row.offsetHex);
    EXPECT_EQ(address.reference6, row.reference6);
}

// Offset 0 is the first number of each class; the class digit leads the
// 6-digit reference, which counts from 1.
INSTANTIATE_TEST_SUITE_P(
    EveryClass, ProtocolAddressRows,
    testing::Values(
        ProtocolRow{"FirstCoil", ModiconClass::Coils, 1, 0, "0x0000", "000001"},
        ProtocolRow{"LastCoil", ModiconClass::Coils, 9999, 9998, "0x270E", "009999"},
        ProtocolRow{"FirstInput", ModiconClass::DiscreteInputs, 10001, 0, "0x0000", "100001"},
        ProtocolRow{"LastInput", ModiconClass::DiscreteInputs, 19999, 9998, "0x270E", "109999"},
        ProtocolRow{"FirstInputRegister", ModiconClass::InputRegisters, 30001, 0, "0x0000",
                    "300001"},
        ProtocolRow{"LastInputRegister", ModiconClass::InputRegisters, 39999, 9998, "0x270E",
                    "309999"},
        ProtocolRow{"FirstHolding", ModiconClass::HoldingRegisters, 40001, 0, "0x0000", "400001"},
        ProtocolRow{"TenthHolding", ModiconClass::HoldingRegisters, 40010, 9, "0x0009", "400010"},
        ProtocolRow{"BeyondFiveDigits", ModiconClass::HoldingRegisters, 50000, 9999, "0x270F",
                    "410000"},
        ProtocolRow{"LastHolding", ModiconClass::HoldingRegisters, 49999, 9998, "0x270E",
                    "409999"}),
    Corvane::Testing::RowName{});

// Beyond the five-digit numbers the protocol still reaches offset 65535; the
// hexadecimal digits are upper case and each of the four is placed.
INSTANTIATE_TEST_SUITE_P(
    SixteenBitOffsets, ProtocolAddressRows,
    testing::Values(ProtocolRow{"EveryHexDigitPlaced", ModiconClass::HoldingRegisters, 41234, 1233,
                                "0x04D1", "401234"},
                    ProtocolRow{"LetterDigits", ModiconClass::HoldingRegisters, 40001 + 0xABCD,
                                0xABCD, "0xABCD", "443982"},
                    ProtocolRow{"LastCoilOffset", ModiconClass::Coils, 65536, 65535, "0xFFFF",
                                "065536"},
                    ProtocolRow{"LastInputOffset", ModiconClass::DiscreteInputs, 75536, 65535,
                                "0xFFFF", "165536"},
                    ProtocolRow{"LastHoldingOffset", ModiconClass::HoldingRegisters, 105536, 65535,
                                "0xFFFF", "465536"}),
    Corvane::Testing::RowName{});

// A number before its class's first, or past offset 65535, has neither an
// offset nor a reference; the extremes of the 32-bit range do not wrap.
INSTANTIATE_TEST_SUITE_P(
    NoOffset, ProtocolAddressRows,
    testing::Values(
        ProtocolRow{"CoilZero", ModiconClass::Coils, 0, std::nullopt, "", ""},
        ProtocolRow{"PastTheLastCoilOffset", ModiconClass::Coils, 65537, std::nullopt, "", ""},
        ProtocolRow{"BeforeTheFirstInput", ModiconClass::DiscreteInputs, 10000, std::nullopt, "",
                    ""},
        ProtocolRow{"BeforeTheFirstInputRegister", ModiconClass::InputRegisters, 30000,
                    std::nullopt, "", ""},
        ProtocolRow{"PastTheLastHoldingOffset", ModiconClass::HoldingRegisters, 105537,
                    std::nullopt, "", ""},
        ProtocolRow{"SmallestNumber", ModiconClass::HoldingRegisters, kMin32, std::nullopt, "", ""},
        ProtocolRow{"LargestNumber", ModiconClass::Coils, kMax32, std::nullopt, "", ""}),
    Corvane::Testing::RowName{});

struct NumberRow {
    const char *name;
    ModiconClass table;
    std::int32_t registerNumber;
    std::int32_t modiconNumber;
};

class ModiconNumberRows : public testing::TestWithParam<NumberRow> {};

TEST_P(ModiconNumberRows, PutsTheRegisterIntoItsTable)
{
    EXPECT_EQ(modiconNumber(GetParam().table, GetParam().registerNumber), GetParam().modiconNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ModiconNumberRows,
    testing::Values(NumberRow{"Coil", ModiconClass::Coils, 5, 5},
                    NumberRow{"FirstInput", ModiconClass::DiscreteInputs, 1, 10001},
                    NumberRow{"LastInputRegister", ModiconClass::InputRegisters, 9999, 39999},
                    NumberRow{"Holding", ModiconClass::HoldingRegisters, 1234, 41234}),
    Corvane::Testing::RowName{});

} // namespace
