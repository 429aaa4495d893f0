// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/mastertranslation.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

namespace NR = Corvane::NumberReading;
using namespace Corvane::Master;

struct ReadingsRow {
    const char *name;
    std::string registerText;
    std::string slaveText;
    std::int32_t registerRead; // -1: the field keeps its fallback
    std::int32_t slaveRead;
    bool rounded;    // the register was a fraction
    bool outOfRange; // the register lies outside 16 bits
    bool noNumber;   // the slave address holds no number
};

class MasterFieldReadings : public testing::TestWithParam<ReadingsRow> {};

// The register and the slave address are noted as 16-bit readings with the
// values the rules went on with; the answer is the one given without notes.
TEST_P(MasterFieldReadings, NoteTheRegisterAndTheSlave)
{
    const ReadingsRow &row = GetParam();
    MasterWindowState state;
    state.format = AddressFormat::XYZ;
    state.messageType = " Read";
    state.command = " 03 - Read Holding Registers  (4X)";
    state.registerText = row.registerText;
    state.slaveAddressText = row.slaveText;
    NR::FieldReadings readings;
    const MasterAnswer noted = TranslateMaster(state, &readings);
    ASSERT_EQ(readings.read().size(), 2u);
    const NR::FieldReading &reg = readings.read()[0];
    const NR::FieldReading &slave = readings.read()[1];
    EXPECT_EQ(reg.field, "register");
    EXPECT_EQ(reg.text, row.registerText);
    EXPECT_EQ(reg.value, row.registerRead);
    EXPECT_EQ(reg.bits, 16);
    EXPECT_EQ(reg.notes.rounded, row.rounded);
    EXPECT_EQ(reg.notes.outOfRange, row.outOfRange);
    EXPECT_EQ(slave.field, "slave");
    EXPECT_EQ(slave.value, row.slaveRead);
    EXPECT_EQ(slave.notes.noNumber, row.noNumber);
    EXPECT_EQ(reg.notes.any() || slave.notes.any(), row.rounded || row.outOfRange || row.noNumber);
    const MasterAnswer plain = TranslateMaster(state);
    EXPECT_EQ(noted.address, plain.address);
    EXPECT_EQ(noted.error.code, plain.error.code);
}

INSTANTIATE_TEST_SUITE_P(
    Master, MasterFieldReadings,
    testing::Values(ReadingsRow{"Plain", "1234", "5", 1234, 5, false, false, false},
                    ReadingsRow{"RoundedRegister", "12.5", "5", 12, 5, true, false, false},
                    ReadingsRow{"RegisterBeyond16Bits", "70000", "5", -1, 5, false, true, false},
                    ReadingsRow{"SlaveOfNoNumber", "1234", "x", 1234, -1, false, false, true}),
    Corvane::Testing::RowName{});

} // namespace
