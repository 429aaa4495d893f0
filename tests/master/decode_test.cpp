// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/compositions.h"
#include "master/decode.h"
#include "master/mastertranslation.h"
#include "tests/support/rowname.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace Corvane::Master;
using testing::ElementsAreArray;

constexpr AddressingScheme kXYY{PlcType::Plc5, AddressFormat::XYY};
constexpr AddressingScheme kXYZ{PlcType::Plc5, AddressFormat::XYZ};
constexpr AddressingScheme kYXZ{PlcType::Plc5, AddressFormat::YXZ};
constexpr AddressingScheme kPLC3{PlcType::Plc3, AddressFormat::XYY};

std::string composeWith(const AddressingScheme &scheme, std::string_view command,
                        std::int16_t slave, std::int16_t reg)
{
    if (scheme.plc == PlcType::Plc3)
        return FormatPLC3(command, {}, slave, reg);
    switch (scheme.format) {
    case AddressFormat::XYZ:
        return FormatXYZ(command, {}, slave, reg);
    case AddressFormat::YXZ:
        return FormatYXZ(command, {}, slave, reg);
    case AddressFormat::XYY:
        break;
    }
    return FormatXYY(command, {}, slave, reg);
}

bool validates(const AddressingScheme &scheme, std::string_view messageType,
               std::string_view command, std::int16_t slave, std::int16_t reg)
{
    MasterWindowState state;
    state.plc = scheme.plc;
    state.format = scheme.format;
    state.messageType = messageType;
    state.command = command;
    Corvane::Errors::ErrorState error;
    ValidateMaster(state, slave, reg, error);
    return !error.flag;
}

// "03 Read 5 1234": one decoded request in a form that reads well in a failure.
std::string describe(const DecodedRequest &request)
{
    return std::string(request.command->number) + std::string(request.messageType) + " " +
           std::to_string(request.slaveAddress) + " " + std::to_string(request.registerNumber);
}

std::vector<std::string> describeAll(const Decoding &decoding)
{
    std::vector<std::string> out;
    for (const DecodedRequest &request : decoding.requests)
        out.push_back(describe(request));
    return out;
}

// The round trip over the whole accepted input space of one scheme and one
// command: every request the master translation accepts decodes back from its
// address, and everything decoded is itself an accepted request of that
// address. Together the two prove that decoding yields exactly the requests
// that compose into the address. Unoptimised builds (the sanitizer run) walk
// a sample of the registers so that the sweep stays quick there.
// Every register in optimised builds; otherwise every 41st and each edge of
// the register sets and of the word and thousands digits.
bool sampled(int reg)
{
#ifdef NDEBUG
    (void)reg;
    return true;
#else
    const int word = reg % 1000;
    return reg % 41 == 0 || word <= 1 || word == 255 || word == 256 || word >= 999 || reg >= 9998;
#endif
}

struct RoundTripRow {
    const char *name;
    AddressingScheme scheme;
    std::int16_t function;
};

class DecodeRoundTrip : public testing::TestWithParam<RoundTripRow> {};

TEST_P(DecodeRoundTrip, EveryAcceptedRequestDecodesFromItsAddress)
{
    const RoundTripRow &row = GetParam();
    const ModbusCommand *command = commandWithNumber(std::to_string(row.function));
    ASSERT_NE(command, nullptr);
    long accepted = 0;
    for (std::string_view messageType : {kReadMessageType, kWriteMessageType}) {
        const bool listed =
            command->direction == CommandDirection::Either ||
            (command->direction == CommandDirection::Read) == (messageType == kReadMessageType);
        if (!listed)
            continue;
        for (int slave = -1; slave <= 256; ++slave) {
            for (int reg = 0; reg <= 10000; ++reg) {
                if (!sampled(reg))
                    continue;
                const auto s = static_cast<std::int16_t>(slave);
                const auto r = static_cast<std::int16_t>(reg);
                if (!validates(row.scheme, messageType, command->text, s, r))
                    continue;
                ++accepted;
                const std::string address = composeWith(row.scheme, command->text, s, r);
                const Decoding decoding = DecodeAddress(address, row.scheme);
                bool found = false;
                for (const DecodedRequest &request : decoding.requests) {
                    found = found ||
                            (request.command == command && request.messageType == messageType &&
                             request.slaveAddress == s && request.registerNumber == r);
                    ASSERT_EQ(composeWith(row.scheme, request.command->text, request.slaveAddress,
                                          request.registerNumber),
                              address);
                    ASSERT_TRUE(validates(row.scheme, request.messageType, request.command->text,
                                          request.slaveAddress, request.registerNumber))
                        << address << ": " << describe(request);
                }
                ASSERT_TRUE(found) << address << " does not decode to " << command->number
                                   << messageType << " slave " << s << " register " << r;
                ASSERT_TRUE(decoding.whyNone.empty());
            }
        }
    }
    EXPECT_GT(accepted, 0);
    RecordProperty("AcceptedRequests", std::to_string(accepted));
}

std::vector<RoundTripRow> roundTripRows()
{
    struct Named {
        const char *prefix;
        AddressingScheme scheme;
    };
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const char *prefix : {"NXYY", "NXYZ", "NYXZ", "PLC3"}) {
            for (const ModbusCommand &command : modbusCommands())
                all.push_back(std::string(prefix) + "_Function" + std::string(command.number));
        }
        return all;
    }();
    std::vector<RoundTripRow> rows;
    std::size_t index = 0;
    for (const Named &named :
         {Named{"NXYY", kXYY}, Named{"NXYZ", kXYZ}, Named{"NYXZ", kYXZ}, Named{"PLC3", kPLC3}}) {
        for (const ModbusCommand &command : modbusCommands())
            rows.push_back({names[index++].c_str(), named.scheme, command.functionCode});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(AllSchemesAndCommands, DecodeRoundTrip, testing::ValuesIn(roundTripRows()),
                         Corvane::Testing::RowName{});

// Addresses of the composition tables, decoded: every request that the
// window would turn into them, in function code order.
struct DecodeRow {
    const char *name;
    const char *address;
    AddressingScheme scheme;
    std::vector<std::string> requests;
};

class DecodeExamples : public testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeExamples, FindsEveryRequest)
{
    const DecodeRow &row = GetParam();
    const Decoding decoding = DecodeAddress(row.address, row.scheme);
    EXPECT_THAT(describeAll(decoding), ElementsAreArray(row.requests));
    EXPECT_TRUE(decoding.whyNone.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Compositions, DecodeExamples,
    testing::Values(
        DecodeRow{"HoldingRegistersShareDigitFour",
                  "N451:234",
                  kXYZ,
                  {"03 Read 5 1234", "06 Write 5 1234", "16 Write 5 1234"}},
        DecodeRow{"WordKeepsLeadingZeros",
                  "N451:005",
                  kXYZ,
                  {"03 Read 5 1005", "06 Write 5 1005", "16 Write 5 1005"}},
        DecodeRow{"CoilsOmitTheirDigit", "N5:100", kXYY, {"01 Read 5 100", "15 Write 5 100"}},
        DecodeRow{"SlaveBelowTenIsPadded",
                  "N409:7",
                  kXYY,
                  {"03 Read 9 7", "06 Write 9 7", "16 Write 9 7"}},
        DecodeRow{"ForceSingleCoilSharesReadInputDigit",
                  "N110:999",
                  kXYZ,
                  {"02 Read 1 999", "05 Write 1 999"}},
        DecodeRow{"DiagnosticsEitherMessageType",
                  "N899:9999",
                  kXYY,
                  {"08 Read 99 9999", "08 Write 99 9999"}},
        DecodeRow{"FileZeroIsSlaveOneCoils", "N0:100", kYXZ, {"01 Read 1 100", "15 Write 1 100"}},
        DecodeRow{"SlaveDigitBeforeCode",
                  "N245:255",
                  kYXZ,
                  {"03 Read 3 5255", "06 Write 3 5255", "16 Write 3 5255"}},
        DecodeRow{"CoilDigitKeptAfterSlaveDigit",
                  "N204:010",
                  kYXZ,
                  {"01 Read 3 4010", "15 Write 3 4010"}},
        DecodeRow{
            "Plc3LetterSplitsReadAndWrite", "S7:100", kPLC3, {"04 Read 7 100", "06 Write 7 100"}},
        DecodeRow{"BroadcastOnlyWrites", "B0:5", kPLC3, {"15 Write 0 5"}},
        DecodeRow{"BroadcastDiagnosticsOnlyWrite", "D0:1", kPLC3, {"08 Write 0 1"}}),
    Corvane::Testing::RowName{});

// Addresses into which nothing composes say which rule they break.
struct WhyNoneRow {
    const char *name;
    const char *address;
    AddressingScheme scheme;
    const char *why;
};

class DecodeRefusals : public testing::TestWithParam<WhyNoneRow> {};

TEST_P(DecodeRefusals, ExplainsTheBrokenRule)
{
    const WhyNoneRow &row = GetParam();
    const Decoding decoding = DecodeAddress(row.address, row.scheme);
    EXPECT_TRUE(decoding.requests.empty()) << describeAll(decoding).front();
    EXPECT_EQ(decoding.whyNone, row.why);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DecodeRefusals,
    testing::Values(
        WhyNoneRow{"NotAnAddress", "N7", kXYY,
                   "not a data table address: a file type letter, a file number, \":\" and a "
                   "word are expected, as in N451:234"},
        WhyNoneRow{"BitAddress", "N7:4/5", kXYY,
                   "not a data table address: a file type letter, a file number, \":\" and a "
                   "word are expected, as in N451:234"},
        WhyNoneRow{"Plc5IntegerFilesOnly", "B3:5", kXYZ,
                   "PLC-5 messages always target an integer file: the letter must be N"},
        WhyNoneRow{"XyyWordHasNoLeadingZeros", "N405:0100", kXYY,
                   "the word must be a start register or coil from 1 to 9999, without leading "
                   "zeros"},
        WhyNoneRow{"XyyUnknownFunctionDigit", "N205:100", kXYY,
                   "the file number must be a slave address from 1 to 99 (coil commands 01 and "
                   "15), or a function digit 1, 3, 4 or 8 followed by a two-digit slave address "
                   "from 01 to 99"},
        WhyNoneRow{"XyzThreeDigitWordNeedsThousands", "N450:005", kXYZ,
                   "the word must be the register itself (1 to 999, no leading zeros) when the "
                   "file number ends in 0, otherwise the register's last three digits (000 to "
                   "999)"},
        WhyNoneRow{"XyzSlaveAboveNine", "N4101:234", kXYZ,
                   "the file number must be a function digit 1, 3, 4 or 8 (none for coil "
                   "commands 01 and 15), a slave address from 1 to 9 and the register's "
                   "thousands digit"},
        WhyNoneRow{"YxzWordAbove255", "N41:300", kYXZ,
                   "the word must be the register's last three digits, 0 to 255 (register "
                   "sets 1-255, 1000-1255, 2000-2255, ...), written without leading zeros when "
                   "the file number ends in 0"},
        WhyNoneRow{"YxzSlaveThreeStopsAt5255", "N246:100", kYXZ,
                   "slave address 3 takes registers up to 5255 only"},
        WhyNoneRow{"YxzSlaveFour", "N340:100", kYXZ,
                   "the file number must be the slave address less one (none for slave 1), a "
                   "function digit 1, 3, 4 or 8 (none for coil commands 01 and 15 with slave 1) "
                   "and the register's thousands digit"},
        WhyNoneRow{"Plc3UnknownLetter", "T4:0", kPLC3,
                   "the file type letter must be the letter of a command: B (01, 15), F (02, "
                   "05), N (03, 16), S (04, 06) or D (08)"},
        WhyNoneRow{"Plc3SlaveAbove255", "N451:234", kPLC3,
                   "the file number must be a slave address from 0 to 255, without leading "
                   "zeros"},
        WhyNoneRow{"Plc3RegisterZero", "N7:0", kPLC3,
                   "the word must be a start register or coil from 1 to 9999, without leading "
                   "zeros"}),
    Corvane::Testing::RowName{});

constexpr const char *kNotAnAddress = "not a data table address: a file type letter, a file "
                                      "number, \":\" and a word are expected, as in N451:234";
constexpr const char *kYxzFileRule =
    "the file number must be the slave address less one (none for slave 1), a function digit 1, "
    "3, 4 or 8 (none for coil commands 01 and 15 with slave 1) and the register's thousands digit";

// Each piece of the address, and each rule, at the edge where it stops composing.
INSTANTIATE_TEST_SUITE_P(
    Edges, DecodeRefusals,
    testing::Values(
        WhyNoneRow{"EmptyText", "", kXYY, kNotAnAddress},
        WhyNoneRow{"DigitForTheLetter", "7:1", kXYY, kNotAnAddress},
        WhyNoneRow{"SignBetweenTheCases", "[1:1", kPLC3, kNotAnAddress},
        WhyNoneRow{"SignAfterTheLowerCase", "{1:1", kPLC3, kNotAnAddress},
        WhyNoneRow{"NoFileNumber", "N:1", kXYY, kNotAnAddress},
        WhyNoneRow{"NoWord", "N4:", kXYZ, kNotAnAddress},
        WhyNoneRow{"LetterInTheFileNumber", "N4a:1", kXYZ, kNotAnAddress},
        WhyNoneRow{"LetterInTheWord", "N45:1a", kYXZ, kNotAnAddress},
        WhyNoneRow{"XyyIntegerFilesOnly", "F405:1", kXYY,
                   "PLC-5 messages always target an integer file: the letter must be N"},
        WhyNoneRow{"YxzIntegerFilesOnly", "S41:1", kYXZ,
                   "PLC-5 messages always target an integer file: the letter must be N"},
        WhyNoneRow{"XyyRegisterZero", "N405:0", kXYY,
                   "the word must be a start register or coil from 1 to 9999, without leading "
                   "zeros"},
        WhyNoneRow{"XyzRegisterZero", "N450:0", kXYZ,
                   "the word must be the register itself (1 to 999, no leading zeros) when the "
                   "file number ends in 0, otherwise the register's last three digits (000 to "
                   "999)"},
        WhyNoneRow{"YxzFourDigitFile", "N1246:100", kYXZ, kYxzFileRule},
        WhyNoneRow{"YxzHighThousandsOfAnotherSlave", "N156:100", kYXZ, kYxzFileRule},
        WhyNoneRow{"Plc3SlaveWithLeadingZero", "B007:5", kPLC3,
                   "the file number must be a slave address from 0 to 255, without leading "
                   "zeros"},
        WhyNoneRow{"Plc3TwoDigitSlaveRegisterZero", "B12:0", kPLC3,
                   "the word must be a start register or coil from 1 to 9999, without leading "
                   "zeros"}),
    Corvane::Testing::RowName{});

// The command table is what the CLI's shortcuts and the defaults read.
struct CommandRow {
    const char *name;
    const char *number;
    const char *text; // nullptr: no such command
    const char *defaultMessageType;
};

class CommandLookup : public testing::TestWithParam<CommandRow> {};

TEST_P(CommandLookup, NumberTextAndMessageType)
{
    const CommandRow &row = GetParam();
    const ModbusCommand *command = commandWithNumber(row.number);
    if (row.text == nullptr) {
        EXPECT_EQ(command, nullptr);
        return;
    }
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->text, row.text);
    EXPECT_EQ(commandWithText(row.text), command);
    EXPECT_EQ(defaultMessageType(command->text), row.defaultMessageType);
}

INSTANTIATE_TEST_SUITE_P(
    Shortcuts, CommandLookup,
    testing::Values(
        CommandRow{"OneDigit", "3", " 03 - Read Holding Registers  (4X)", " Read"},
        CommandRow{"TwoDigits", "03", " 03 - Read Holding Registers  (4X)", " Read"},
        CommandRow{"ForceSingleCoilWrites", "5", " 05 - Force Single Coil  (0X)", " Write"},
        CommandRow{"PresetSingleWrites", "06", " 06 - Pre-set Single Register  (4X)", " Write"},
        CommandRow{"DiagnosticsReadsByDefault", "8", " 08 - Diagnostics", " Read"},
        CommandRow{"ForceMultipleWrites", "15", " 15 - Force Multiple Coils  (0X)", " Write"},
        CommandRow{"PresetMultipleWrites", "16", " 16 - Pre-set Multiple Registers  (4X)",
                   " Write"},
        CommandRow{"SevenIsNoCommand", "07", nullptr, ""},
        CommandRow{"SevenAloneIsNoCommand", "7", nullptr, ""},
        CommandRow{"ThreeDigitsAreNoCommand", "003", nullptr, ""},
        CommandRow{"EmptyIsNoCommand", "", nullptr, ""}),
    Corvane::Testing::RowName{});

TEST(CommandLookup, UnknownTextReadsByDefault)
{
    EXPECT_EQ(defaultMessageType("08 - Diagnostics"), kReadMessageType);
    EXPECT_EQ(commandWithText("03"), nullptr);
}

} // namespace

namespace {

struct TableCommandsRow {
    const char *name;
    Corvane::Modbus::ModiconClass table;
    CommandDirection direction;
    std::vector<std::int16_t> functions;
};

class TableCommandsRows : public testing::TestWithParam<TableCommandsRow> {};

TEST_P(TableCommandsRows, ListsTheFunctionsOfTheTable)
{
    std::vector<std::int16_t> functions;
    for (const ModbusCommand *command : commandsFor(GetParam().table, GetParam().direction))
        functions.push_back(command->functionCode);
    EXPECT_THAT(functions, ElementsAreArray(GetParam().functions));
}

using Corvane::Modbus::ModiconClass;
INSTANTIATE_TEST_SUITE_P(
    CommandTable, TableCommandsRows,
    testing::Values(
        TableCommandsRow{"CoilsRead", ModiconClass::Coils, CommandDirection::Read, {1}},
        TableCommandsRow{"CoilsWrite", ModiconClass::Coils, CommandDirection::Write, {5, 15}},
        TableCommandsRow{"InputsRead", ModiconClass::DiscreteInputs, CommandDirection::Read, {2}},
        TableCommandsRow{
            "InputsWriteNone", ModiconClass::DiscreteInputs, CommandDirection::Write, {}},
        TableCommandsRow{
            "InputRegistersRead", ModiconClass::InputRegisters, CommandDirection::Read, {4}},
        TableCommandsRow{
            "InputRegistersWriteNone", ModiconClass::InputRegisters, CommandDirection::Write, {}},
        TableCommandsRow{
            "HoldingRead", ModiconClass::HoldingRegisters, CommandDirection::Read, {3}},
        TableCommandsRow{
            "HoldingWrite", ModiconClass::HoldingRegisters, CommandDirection::Write, {6, 16}}),
    Corvane::Testing::RowName{});

} // namespace
