// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Whatever a script asks, an answer reported as translated is one that the
// reverse lookup finds again: every command, named every way, under every
// addressing scheme and message type, with registers and slave addresses at
// and around every limit.
#include "answers/answer.h"
#include "master/decode.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace Corvane;

struct Named {
    const Master::ModbusCommand *command;
    std::string text; // as a script gives it
};

std::vector<Named> namings()
{
    std::vector<Named> all;
    for (const Master::ModbusCommand &command : Master::modbusCommands()) {
        const std::string text(command.text);
        all.push_back({&command, text});
        all.push_back({&command, std::string(command.number)});
        all.push_back({&command, std::to_string(command.functionCode)});
        all.push_back({&command, "  " + text.substr(1) + " "});
    }
    return all;
}

TEST(TranslatedAnswers, AreFoundAgainByTheReverseLookup)
{
    const std::vector<std::optional<std::string>> messageTypes{
        std::nullopt, "read", "write", " Read", " Write", "Read", "anything"};
    const std::vector<std::string> registers{"0",    "1",    "5",    "100",  "255",  "256",
                                             "999",  "1000", "1234", "1255", "4010", "5255",
                                             "5256", "9255", "9256", "9999", "10000"};
    const std::vector<std::string> slaves{"0", "1", "2", "3", "4", "5", "9", "10", "99", "255"};
    int translated = 0;
    for (const Master::AddressingScheme &scheme : Master::addressingSchemes()) {
        for (const Named &named : namings()) {
            for (const auto &messageType : messageTypes) {
                for (const std::string &registerText : registers) {
                    for (const std::string &slave : slaves) {
                        Answers::MasterTexts texts;
                        texts.plc = std::string(Master::plcTypeRow(scheme.plc).number);
                        texts.format =
                            std::string(Master::schemeName({Master::PlcType::Plc5, scheme.format}));
                        texts.command = named.text;
                        texts.messageType = messageType;
                        texts.registerText = registerText;
                        texts.slave = slave;
                        const Answers::Answer answer = Answers::translate(Answers::Request{texts});
                        if (answer.status != Answers::Status::Translated)
                            continue;
                        ++translated;
                        const std::string request =
                            std::string(Master::schemeName(scheme)) + " " + named.text + " " +
                            messageType.value_or("(none)") + " " + registerText + " " + slave;
                        const Master::Decoding decoding =
                            Master::DecodeAddress(answer.address, scheme);
                        bool found = false;
                        for (const Master::DecodedRequest &decoded : decoding.requests) {
                            found =
                                found || (decoded.command == named.command &&
                                          std::to_string(decoded.registerNumber) == registerText &&
                                          std::to_string(decoded.slaveAddress) == slave);
                        }
                        EXPECT_TRUE(found)
                            << request << " -> " << answer.address << ": " << decoding.whyNone;
                        // Every command but diagnostics reads or writes a table.
                        EXPECT_EQ(answer.range.has_value(), named.command->table.has_value())
                            << request;
                    }
                }
            }
        }
    }
    EXPECT_GT(translated, 1000);
}

} // namespace
