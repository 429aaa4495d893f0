// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Links that carry a translation: what a state writes, what a fragment reads
// back, and the fragments that are no such link.
#include "answers/link.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace {

using Corvane::Answers::linkFragment;
using Corvane::Answers::readLinkFragment;
using Corvane::Answers::WindowLink;
using namespace Corvane;

WindowLink slave(std::string address, std::string start, std::string count)
{
    WindowLink link;
    link.master = false;
    link.address = std::move(address);
    link.start = std::move(start);
    link.count = std::move(count);
    return link;
}

WindowLink master(Master::PlcType plc, Master::AddressFormat format, std::string type,
                  std::string command, std::string sub, std::string registerText,
                  std::string slaveAddress)
{
    WindowLink link;
    link.state.plc = plc;
    link.state.format = format;
    link.state.messageType = std::move(type);
    link.state.command = std::move(command);
    link.state.subfunction = std::move(sub);
    link.state.registerText = std::move(registerText);
    link.state.slaveAddressText = std::move(slaveAddress);
    return link;
}

struct LinkRow {
    const char *name;
    WindowLink link;
    std::string fragment;
};

class Links : public testing::TestWithParam<LinkRow> {};

bool sameState(const WindowLink &a, const WindowLink &b)
{
    return a.master == b.master && a.address == b.address && a.start == b.start &&
           a.count == b.count && a.state.plc == b.state.plc && a.state.format == b.state.format &&
           a.state.messageType == b.state.messageType && a.state.command == b.state.command &&
           a.state.subfunction == b.state.subfunction &&
           a.state.registerText == b.state.registerText &&
           a.state.slaveAddressText == b.state.slaveAddressText;
}

TEST_P(Links, WriteAReadableFragmentAndReadItBack)
{
    const LinkRow &row = GetParam();
    EXPECT_EQ(linkFragment(row.link), row.fragment);
    const auto read = readLinkFragment("#" + row.fragment);
    ASSERT_TRUE(read);
    EXPECT_TRUE(sameState(*read, row.link));
}

INSTANTIATE_TEST_SUITE_P(
    States, Links,
    testing::Values(
        LinkRow{"Slave", slave("N7:4/5", "40001", "10"),
                "v=1&mode=slave&address=N7:4/5&start=40001&count=10"},
        LinkRow{"MasterEntries",
                master(Master::PlcType::Plc5, Master::AddressFormat::XYZ, " Read",
                       " 03 - Read Holding Registers  (4X)", " 00 - Return Data Query", "1234",
                       "5"),
                "v=1&mode=master&plc=5&format=NXYZ:Z&type=read&command=03&sub=00&register=1234&"
                "slave=5"},
        // Texts typed into a box are kept as typed, after an apostrophe.
        LinkRow{"MasterTypedTexts",
                master(Master::PlcType::Plc3, Master::AddressFormat::XYY, "Read", "03", "", " 12 ",
                       "x&y=z"),
                "v=1&mode=master&plc=3&format=NXYY:Z&type='Read&command='03&sub='&register="
                "%2012%20&slave=x%26y%3Dz"},
        LinkRow{"EncodedOnlyWhereNeeded", slave("N7:0#1", "100%", "\xC3\xA9\n"),
                "v=1&mode=slave&address=N7:0%231&start=100%25&count=%C3%A9%0A"}),
    Corvane::Testing::RowName{});

struct NotALinkRow {
    const char *name;
    std::string fragment;
};

class NotLinks : public testing::TestWithParam<NotALinkRow> {};

TEST_P(NotLinks, AreNotUnderstood) { EXPECT_FALSE(readLinkFragment(GetParam().fragment)); }

INSTANTIATE_TEST_SUITE_P(
    Fragments, NotLinks,
    testing::Values(NotALinkRow{"Empty", ""}, NotALinkRow{"Junk", "#junk"},
                    NotALinkRow{"OtherVersion", "v=2&mode=slave&address=N7:0&start=1&count=1"},
                    NotALinkRow{"NoMode", "v=1&address=N7:0"},
                    NotALinkRow{"UnknownMode", "v=1&mode=other"},
                    NotALinkRow{"UnknownKey", "v=1&mode=slave&colour=red"},
                    NotALinkRow{"MasterKeyInSlave", "v=1&mode=slave&plc=5"},
                    NotALinkRow{"KeyTwice", "v=1&mode=slave&start=1&start=2"},
                    NotALinkRow{"BrokenEscape", "v=1&mode=slave&start=%4"},
                    NotALinkRow{"NoSuchCommand", "v=1&mode=master&plc=5&format=NXYY:Z&type=read&"
                                                 "command=07&sub=00&register=1&slave=1"},
                    NotALinkRow{"NoSuchPlc", "v=1&mode=master&plc=4&format=NXYY:Z&type=read&"
                                             "command=03&sub=00&register=1&slave=1"}),
    Corvane::Testing::RowName{});

// Any texts at all come back as they went.
TEST(Links, CarryAnyTextsBackUnchanged)
{
    std::mt19937 random(7);
    const auto anyText = [&random] {
        std::string text(random() % 12, ' ');
        for (char &c : text)
            c = static_cast<char>(random() % 256);
        return text;
    };
    for (int i = 0; i < 2000; ++i) {
        const WindowLink link = i % 2 == 0
                                    ? slave(anyText(), anyText(), anyText())
                                    : master(Master::PlcType::Plc5, Master::AddressFormat::YXZ,
                                             anyText(), anyText(), anyText(), anyText(), anyText());
        const auto read = readLinkFragment(linkFragment(link));
        ASSERT_TRUE(read) << linkFragment(link);
        EXPECT_TRUE(sameState(*read, link)) << linkFragment(link);
    }
}

} // namespace
