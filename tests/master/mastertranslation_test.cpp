// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "errors/errormessages.h"
#include "master/compositions.h"
#include "master/mastertranslation.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

using namespace Corvane::Master;
using Corvane::Errors::ErrorState;

// The command entries exactly as the list shows them.
constexpr const char *kCmd01 = " 01 - Read Coil Status  (0X)";
constexpr const char *kCmd02 = " 02 - Read Input Status  (1X)";
constexpr const char *kCmd03 = " 03 - Read Holding Registers  (4X)";
constexpr const char *kCmd04 = " 04 - Read Input Registers  (3X)";
constexpr const char *kCmd05 = " 05 - Force Single Coil  (0X)";
constexpr const char *kCmd06 = " 06 - Pre-set Single Register  (4X)";
constexpr const char *kCmd08 = " 08 - Diagnostics";
constexpr const char *kCmd15 = " 15 - Force Multiple Coils  (0X)";
constexpr const char *kCmd16 = " 16 - Pre-set Multiple Registers  (4X)";
constexpr const char *kUnknownCmd = " 07 - Read Exception Status";
constexpr const char *kRead = " Read";
constexpr const char *kWrite = " Write";
constexpr const char *kSubfunction = " 00 - Return Data Query";

// File codes.

struct FileCodeRow {
    const char *name;
    std::string command;
    std::string plc5Digit;
    std::string plc3Letter;
};

class CommandFileCodeRows : public testing::TestWithParam<FileCodeRow> {};

TEST_P(CommandFileCodeRows, GivesTheDigitOrTheLetter)
{
    EXPECT_EQ(CommandFileCode(GetParam().command, PlcType::Plc5), GetParam().plc5Digit);
    EXPECT_EQ(CommandFileCode(GetParam().command, PlcType::Plc3), GetParam().plc3Letter);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandFileCodeRows,
    testing::Values(FileCodeRow{"ReadCoils", kCmd01, "0", "B"},
                    FileCodeRow{"ReadInputs", kCmd02, "1", "F"},
                    FileCodeRow{"ReadHoldingRegisters", kCmd03, "4", "N"},
                    FileCodeRow{"ReadInputRegisters", kCmd04, "3", "S"},
                    FileCodeRow{"ForceSingleCoilTakesTheInputCodes", kCmd05, "1", "F"},
                    FileCodeRow{"PresetSingleRegisterTakesLetterS", kCmd06, "4", "S"},
                    FileCodeRow{"Diagnostics", kCmd08, "8", "D"},
                    FileCodeRow{"ForceMultipleCoils", kCmd15, "0", "B"},
                    FileCodeRow{"PresetMultipleRegisters", kCmd16, "4", "N"}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    UnknownTexts, CommandFileCodeRows,
    testing::Values(
        FileCodeRow{"Empty", "", "", ""}, FileCodeRow{"OtherFunction", kUnknownCmd, "", ""},
        FileCodeRow{"WithoutLeadingBlank", "03 - Read Holding Registers  (4X)", "", ""},
        FileCodeRow{"OneBlankBeforeParenthesis", " 03 - Read Holding Registers (4X)", "", ""},
        FileCodeRow{"TrailingBlank", " 03 - Read Holding Registers  (4X) ", "", ""},
        FileCodeRow{"OtherCase", " 03 - READ HOLDING REGISTERS  (4X)", "", ""},
        FileCodeRow{"NumberOnly", " 03", "", ""}, FileCodeRow{"MessageTypeText", kRead, "", ""}),
    Corvane::Testing::RowName{});

// The four compositions.

enum class Composition { XYY, XYZ, YXZ, PLC3 };

struct FormatRow {
    const char *name;
    Composition composition;
    std::string command;
    std::int16_t slave;
    std::int16_t registerNumber;
    std::string address;
};

class FormatRows : public testing::TestWithParam<FormatRow> {};

std::string compose(const FormatRow &row, std::string_view subfunction)
{
    switch (row.composition) {
    case Composition::XYY:
        return FormatXYY(row.command, subfunction, row.slave, row.registerNumber);
    case Composition::XYZ:
        return FormatXYZ(row.command, subfunction, row.slave, row.registerNumber);
    case Composition::YXZ:
        return FormatYXZ(row.command, subfunction, row.slave, row.registerNumber);
    case Composition::PLC3:
        return FormatPLC3(row.command, subfunction, row.slave, row.registerNumber);
    }
    return {};
}

TEST_P(FormatRows, ComposesTheAddress) { EXPECT_EQ(compose(GetParam(), ""), GetParam().address); }

TEST_P(FormatRows, SubfunctionNeverChangesTheAddress)
{
    EXPECT_EQ(compose(GetParam(), kSubfunction), GetParam().address);
    EXPECT_EQ(compose(GetParam(), " 04 - Force Listen Only Mode"), GetParam().address);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FormatRows,
    testing::Values(
        FormatRow{"XyyHoldingRegisters", Composition::XYY, kCmd03, 5, 100, "N405:100"},
        FormatRow{"XyyCoilsDropDigitAndZero", Composition::XYY, kCmd01, 5, 100, "N5:100"},
        FormatRow{"XyyCoilsTwoDigitSlave", Composition::XYY, kCmd01, 12, 7, "N12:7"},
        FormatRow{"XyyInputRegistersSlaveOne", Composition::XYY, kCmd04, 1, 1, "N301:1"},
        FormatRow{"XyyDiagnosticsLargest", Composition::XYY, kCmd08, 99, 9999, "N899:9999"},
        FormatRow{"XyzBelowOneThousand", Composition::XYZ, kCmd03, 5, 100, "N450:100"},
        FormatRow{"XyzThousandsDigit", Composition::XYZ, kCmd03, 5, 1234, "N451:234"},
        FormatRow{"XyzWordKeepsLeadingZeros", Composition::XYZ, kCmd03, 5, 1005, "N451:005"},
        FormatRow{"XyzCoilsDropDigit", Composition::XYZ, kCmd01, 7, 2500, "N72:500"},
        FormatRow{"XyzInputsLargestWord", Composition::XYZ, kCmd02, 1, 999, "N110:999"},
        FormatRow{"YxzSlaveOneDropsY", Composition::YXZ, kCmd03, 1, 100, "N40:100"},
        FormatRow{"YxzSlaveTwo", Composition::YXZ, kCmd03, 2, 1200, "N141:200"},
        FormatRow{"YxzSlaveThreeLargest", Composition::YXZ, kCmd03, 3, 5255, "N245:255"},
        FormatRow{"YxzCoilsSlaveOneFileZero", Composition::YXZ, kCmd01, 1, 100, "N0:100"},
        FormatRow{"YxzCoilsSlaveOneThousands", Composition::YXZ, kCmd01, 1, 1100, "N1:100"},
        FormatRow{"YxzCoilsKeepZeroAfterY", Composition::YXZ, kCmd01, 2, 100, "N100:100"},
        FormatRow{"YxzForceCoilsSlaveThree", Composition::YXZ, kCmd15, 3, 4010, "N204:010"},
        FormatRow{"Plc3HoldingRegisters", Composition::PLC3, kCmd03, 7, 100, "N7:100"},
        FormatRow{"Plc3Coils", Composition::PLC3, kCmd01, 3, 5, "B3:5"},
        FormatRow{"Plc3ForceSingleCoil", Composition::PLC3, kCmd05, 8, 12, "F8:12"},
        FormatRow{"Plc3Broadcast", Composition::PLC3, kCmd16, 0, 1, "N0:1"},
        FormatRow{"Plc3Diagnostics", Composition::PLC3, kCmd08, 20, 1, "D20:1"}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, FormatRows,
    testing::Values(
        FormatRow{"XyyUnknownCommandKeepsZero", Composition::XYY, kUnknownCmd, 5, 100, "N05:100"},
        FormatRow{"XyzUnknownCommand", Composition::XYZ, kUnknownCmd, 5, 100, "N50:100"},
        FormatRow{"YxzUnknownCommandSlaveOne", Composition::YXZ, kUnknownCmd, 1, 100, "N0:100"},
        FormatRow{"YxzUnknownCommandSlaveTwo", Composition::YXZ, kUnknownCmd, 2, 100, "N10:100"},
        FormatRow{"Plc3UnknownCommand", Composition::PLC3, kUnknownCmd, 7, 100, "7:100"},
        FormatRow{"XyyDiagnosticsSlaveNine", Composition::XYY, kCmd08, 9, 1, "N809:1"},
        FormatRow{"XyySlaveNinePadded", Composition::XYY, kCmd03, 9, 1, "N409:1"},
        FormatRow{"XyyReadCoilsSlaveNine", Composition::XYY, kCmd01, 9, 1, "N9:1"},
        FormatRow{"XyyForceCoilsSlaveNine", Composition::XYY, kCmd15, 9, 1, "N9:1"},
        FormatRow{"XyySlaveTenUnpadded", Composition::XYY, kCmd03, 10, 1, "N410:1"},
        FormatRow{"XyyForceSingleCoilIsNoCoilCode", Composition::XYY, kCmd05, 5, 1, "N105:1"},
        FormatRow{"XyzRegisterOneThousand", Composition::XYZ, kCmd03, 5, 1000, "N451:000"},
        FormatRow{"XyzLargestRegister", Composition::XYZ, kCmd16, 9, 9999, "N499:999"},
        FormatRow{"XyzOneDigitRegister", Composition::XYZ, kCmd04, 1, 5, "N310:5"},
        FormatRow{"XyzTwoDigitRegisterNoZeros", Composition::XYZ, kCmd06, 2, 42, "N420:42"},
        FormatRow{"YxzRegisterOneThousand", Composition::YXZ, kCmd03, 2, 1000, "N141:000"},
        FormatRow{"YxzCoilsSlaveOneSmallRegister", Composition::YXZ, kCmd15, 1, 1, "N0:1"},
        FormatRow{"YxzCoilsSlaveOneLargest", Composition::YXZ, kCmd15, 1, 9255, "N9:255"},
        FormatRow{"YxzInputsSlaveThree", Composition::YXZ, kCmd02, 3, 5001, "N215:001"},
        FormatRow{"Plc3InputRegisters", Composition::PLC3, kCmd04, 255, 9999, "S255:9999"},
        FormatRow{"Plc3PresetSingleRegister", Composition::PLC3, kCmd06, 1, 1, "S1:1"},
        FormatRow{"Plc3ReadInputs", Composition::PLC3, kCmd02, 1, 1, "F1:1"},
        FormatRow{"Plc3ForceMultipleCoils", Composition::PLC3, kCmd15, 1, 1, "B1:1"}),
    Corvane::Testing::RowName{});
// clang-format on

// Reading the two numbers.

struct ReadRow {
    const char *name;
    std::string registerText;
    std::string slaveText;
    std::int16_t registerNumber;
    std::int16_t slave;
};

class ReadMasterInputsRows : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadMasterInputsRows, ReadsWholeTextsAndMinusOneForTheRest)
{
    MasterWindowState state;
    state.command = kCmd03;
    state.subfunction = kSubfunction;
    state.registerText = GetParam().registerText;
    state.slaveAddressText = GetParam().slaveText;
    const MasterRequest request = ReadMasterInputs(state);
    EXPECT_EQ(request.command, kCmd03);
    EXPECT_EQ(request.subfunction, kSubfunction);
    EXPECT_EQ(request.registerNumber, GetParam().registerNumber);
    EXPECT_EQ(request.slaveAddress, GetParam().slave);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ReadMasterInputsRows,
    testing::Values(
        ReadRow{"Plain", "1234", "5", 1234, 5}, ReadRow{"BlanksAround", " 12 ", "\t5 ", 12, 5},
        ReadRow{"HalfToEvenDown", "2.5", "0.5", 2, 0}, ReadRow{"HalfToEvenUp", "3.5", "1.5", 4, 2},
        ReadRow{"BothEmpty", "", "", -1, -1}, ReadRow{"RegisterEmptyOnly", "", "7", -1, 7},
        ReadRow{"SlaveEmptyOnly", "7", "", 7, -1}, ReadRow{"Letters", "abc", "x", -1, -1},
        ReadRow{"BeyondSixteenBits", "70000", "-32769", -1, -1},
        ReadRow{"SixteenBitLimits", "32767", "-32768", 32767, -32768},
        ReadRow{"HalfPastLargestOverflows", "32767.5", "-32768.5", -1, -32768},
        ReadRow{"ExponentAndHexRefused", "1e3", "0x10", -1, -1},
        ReadRow{"GroupSeparatorRefused", "1,000", "1 0", -1, -1},
        ReadRow{"MinusOneTypedIsMinusOne", "-1", "-1", -1, -1}),
    Corvane::Testing::RowName{});

// Validation.

struct ValidateRow {
    const char *name;
    PlcType plc;
    AddressFormat format;
    const char *messageType;
    std::int16_t slave;
    std::int16_t registerNumber;
    std::optional<std::int16_t> code;
};

class ValidateMasterRows : public testing::TestWithParam<ValidateRow> {};

TEST_P(ValidateMasterRows, FirstFailingCheckOfTheGroupWins)
{
    const ValidateRow &row = GetParam();
    MasterWindowState state;
    state.plc = row.plc;
    state.format = row.format;
    state.messageType = row.messageType;
    ErrorState error;
    const std::int16_t returned = ValidateMaster(state, row.slave, row.registerNumber, error);
    EXPECT_EQ(error.flag, row.code.has_value());
    EXPECT_EQ(returned, row.code.value_or(0));
    EXPECT_EQ(error.code, row.code.value_or(0));
}

constexpr auto P5 = PlcType::Plc5;
constexpr auto P3 = PlcType::Plc3;
constexpr auto XYY = AddressFormat::XYY;
constexpr auto XYZ = AddressFormat::XYZ;
constexpr auto YXZ = AddressFormat::YXZ;
constexpr std::optional<std::int16_t> kPass;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FormatXyy, ValidateMasterRows,
    testing::Values(
        ValidateRow{"LargestAccepted", P5, XYY, kRead, 99, 9999, kPass},
        ValidateRow{"SmallestAccepted", P5, XYY, kRead, 1, 1, kPass},
        ValidateRow{"RegisterEmpty", P5, XYY, kRead, 5, -1, 0},
        ValidateRow{"RegisterZero", P5, XYY, kRead, 5, 0, 0},
        ValidateRow{"RegisterTenThousand", P5, XYY, kRead, 5, 10000, 0},
        ValidateRow{"SlaveHundred", P5, XYY, kRead, 100, 100, 1},
        ValidateRow{"SlaveZero", P5, XYY, kWrite, 0, 100, 1},
        ValidateRow{"SlaveEmpty", P5, XYY, kRead, -1, 100, 1},
        ValidateRow{"RegisterReportedBeforeSlave", P5, XYY, kRead, 100, 0, 0}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    FormatXyz, ValidateMasterRows,
    testing::Values(
        ValidateRow{"LargestAccepted", P5, XYZ, kRead, 9, 9999, kPass},
        ValidateRow{"SmallestAccepted", P5, XYZ, kRead, 1, 1, kPass},
        ValidateRow{"SlaveTen", P5, XYZ, kRead, 10, 5, 3},
        ValidateRow{"SlaveZero", P5, XYZ, kWrite, 0, 5, 3},
        ValidateRow{"RegisterZero", P5, XYZ, kRead, 5, 0, 2},
        ValidateRow{"RegisterTenThousand", P5, XYZ, kRead, 5, 10000, 2},
        ValidateRow{"RegisterEmpty", P5, XYZ, kRead, 5, -1, 2},
        ValidateRow{"RegisterReportedBeforeSlave", P5, XYZ, kRead, 10, 0, 2}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    FormatYxz, ValidateMasterRows,
    testing::Values(
        ValidateRow{"SlaveThreeLargestShortSet", P5, YXZ, kRead, 3, 5255, kPass},
        ValidateRow{"SlaveThreeFirstOfSet", P5, YXZ, kRead, 3, 1, kPass},
        ValidateRow{"SlaveThreeBlockStart", P5, YXZ, kRead, 3, 1000, kPass},
        ValidateRow{"SlaveThreeAboveShortSet", P5, YXZ, kRead, 3, 5256, 4},
        ValidateRow{"SlaveThreeSixThousand", P5, YXZ, kRead, 3, 6000, 4},
        ValidateRow{"SlaveThreeGapInBlock", P5, YXZ, kRead, 3, 1256, 4},
        ValidateRow{"SlaveThreeRegisterZero", P5, YXZ, kRead, 3, 0, 4},
        ValidateRow{"SlaveTwoLargestLongSet", P5, YXZ, kRead, 2, 9255, kPass},
        ValidateRow{"SlaveOneSixThousand", P5, YXZ, kRead, 1, 6000, kPass},
        ValidateRow{"SlaveTwoGap256", P5, YXZ, kRead, 2, 256, 5},
        ValidateRow{"SlaveTwoGap999", P5, YXZ, kRead, 2, 999, 5},
        ValidateRow{"SlaveTwoAboveLongSet", P5, YXZ, kRead, 2, 9256, 5},
        ValidateRow{"SlaveTwoTenThousand", P5, YXZ, kRead, 2, 10000, 5},
        ValidateRow{"SlaveOneRegisterEmpty", P5, YXZ, kRead, 1, -1, 5},
        ValidateRow{"SlaveFourNoRegisterTest", P5, YXZ, kRead, 4, 300, 6},
        ValidateRow{"SlaveZeroRegisterInSet", P5, YXZ, kWrite, 0, 100, 6},
        ValidateRow{"SlaveZeroRegisterOutsideSet", P5, YXZ, kWrite, 0, 300, 5},
        ValidateRow{"SlaveEmptyRegisterInSet", P5, YXZ, kRead, -1, 100, 6},
        ValidateRow{"SlaveEmptyRegisterOutsideSet", P5, YXZ, kRead, -1, 300, 5},
        ValidateRow{"LargestSlaveLargestRegister", P5, YXZ, kRead, 32767, 32767, 6},
        ValidateRow{"SmallestSlaveSmallestRegister", P5, YXZ, kRead, -32768, -32768, 5}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Plc3, ValidateMasterRows,
    testing::Values(
        ValidateRow{"BroadcastReadBeforeRegister", P3, XYY, kRead, 0, -1, 8},
        ValidateRow{"BroadcastReadGoodRegister", P3, XYY, kRead, 0, 1, 8},
        ValidateRow{"BroadcastWriteAccepted", P3, XYY, kWrite, 0, 1, kPass},
        ValidateRow{"BroadcastOtherMessageTextAccepted", P3, XYY, "Read", 0, 1, kPass},
        ValidateRow{"BroadcastEmptyMessageTextAccepted", P3, XYY, "", 0, 1, kPass},
        ValidateRow{"BroadcastWriteBadRegister", P3, XYY, kWrite, 0, 0, 0},
        ValidateRow{"SlaveTooLarge", P3, XYY, kRead, 256, 100, 7},
        ValidateRow{"SlaveNegative", P3, XYY, kRead, -5, 100, 7},
        ValidateRow{"SlaveEmpty", P3, XYY, kRead, -1, 100, 7},
        ValidateRow{"LargestSlaveAccepted", P3, XYY, kRead, 255, 100, kPass},
        ValidateRow{"LargestRegisterAccepted", P3, XYY, kRead, 1, 9999, kPass},
        ValidateRow{"RegisterTenThousand", P3, XYY, kRead, 1, 10000, 0},
        ValidateRow{"RegisterReportedBeforeSlave", P3, XYY, kRead, 256, 0, 0},
        ValidateRow{"FormatButtonIgnored", P3, YXZ, kRead, 200, 9999, kPass}),
    Corvane::Testing::RowName{});
// clang-format on

// The whole translation.

struct TranslateRow {
    const char *name;
    bool masterMode;
    PlcType plc;
    AddressFormat format;
    const char *messageType;
    const char *command;
    std::string registerText;
    std::string slaveText;
    std::string address;
    std::optional<std::int16_t> code;
};

class TranslateMasterRows : public testing::TestWithParam<TranslateRow> {};

TEST_P(TranslateMasterRows, AnswersOrRefuses)
{
    const TranslateRow &row = GetParam();
    MasterWindowState state;
    state.masterMode = row.masterMode;
    state.plc = row.plc;
    state.format = row.format;
    state.messageType = row.messageType;
    state.command = row.command;
    state.subfunction = kSubfunction;
    state.registerText = row.registerText;
    state.slaveAddressText = row.slaveText;
    const MasterAnswer answer = TranslateMaster(state);
    EXPECT_EQ(answer.address, row.address);
    EXPECT_EQ(answer.ok(), !row.code.has_value());
    if (row.code) {
        EXPECT_EQ(answer.error.code, *row.code);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EndToEnd, TranslateMasterRows,
    testing::Values(
        TranslateRow{"XyzThousandsDigit", true, P5, XYZ, kRead, kCmd03, "1234", "5", "N451:234", kPass},
        TranslateRow{"XyyHoldingRegisters", true, P5, XYY, kRead, kCmd03, "100", "5", "N405:100", kPass},
        TranslateRow{"YxzSlaveTwo", true, P5, YXZ, kRead, kCmd03, "1200", "2", "N141:200", kPass},
        TranslateRow{"Plc3Coils", true, P3, XYY, kRead, kCmd01, "5", "3", "B3:5", kPass},
        TranslateRow{"Plc3BroadcastWrite", true, P3, XYY, kWrite, kCmd16, "1", "0", "N0:1", kPass},
        TranslateRow{"Plc3IgnoresFormatButton", true, P3, YXZ, kRead, kCmd08, "1", "20", "D20:1", kPass},
        TranslateRow{"BlanksAndFractionsRead", true, P5, XYY, kRead, kCmd04, " 12 ", "2.5", "N302:12", kPass},
        TranslateRow{"UnknownCommandStillComposes", true, P5, XYY, kRead, kUnknownCmd, "100", "5", "N05:100", kPass},
        TranslateRow{"XyyRegisterEmpty", true, P5, XYY, kRead, kCmd03, "", "5", "", 0},
        TranslateRow{"XyySlaveEmpty", true, P5, XYY, kRead, kCmd03, "100", "", "", 1},
        TranslateRow{"XyyBothEmptyRegisterFirst", true, P5, XYY, kRead, kCmd03, "", "", "", 0},
        TranslateRow{"XyzSlaveTen", true, P5, XYZ, kRead, kCmd03, "5", "10", "", 3},
        TranslateRow{"YxzShortSetExceeded", true, P5, YXZ, kRead, kCmd03, "5256", "3", "", 4},
        TranslateRow{"YxzLongSetGap", true, P5, YXZ, kRead, kCmd03, "256", "2", "", 5},
        TranslateRow{"YxzSlaveFour", true, P5, YXZ, kRead, kCmd03, "300", "4", "", 6},
        TranslateRow{"Plc3BroadcastReadRegisterEmpty", true, P3, XYY, kRead, kCmd03, "", "0", "", 8},
        TranslateRow{"Plc3SlaveTooLarge", true, P3, XYY, kRead, kCmd03, "100", "256", "", 7},
        TranslateRow{"RegisterOutOfSixteenBits", true, P5, XYY, kRead, kCmd03, "70000", "5", "", 0},
        TranslateRow{"RegisterLetters", true, P5, XYY, kRead, kCmd03, "abc", "5", "", 0},
        TranslateRow{"SlaveModeComposesNothing", false, P5, XYY, kRead, kCmd03, "100", "5", "", kPass},
        TranslateRow{"SlaveModeStillValidates", false, P5, XYY, kRead, kCmd03, "", "5", "", 0}),
    Corvane::Testing::RowName{});
// clang-format on

TEST(TranslateMasterRefusal, TheCodeShownNamesTheFault)
{
    MasterWindowState state;
    state.plc = PlcType::Plc3;
    state.messageType = kRead;
    state.command = kCmd03;
    state.slaveAddressText = "0";
    const MasterAnswer answer = TranslateMaster(state);
    ASSERT_FALSE(answer.ok());
    EXPECT_EQ(Corvane::Errors::errorText(answer.error.code),
              "Invalid Command\r\nOnly Write functions are supported with the Broadcast Address");
}

} // namespace
