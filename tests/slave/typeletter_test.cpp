// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Text that is not ASCII where the parser expects a type letter.
#include "errors/errormessages.h"
#include "slave/datafileaddress.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace Corvane;
using Errors::ErrorState;

struct FirstCharacterRow {
    const char *name;
    std::string_view text;
};

class NotATypeLetter : public testing::TestWithParam<FirstCharacterRow> {};

// However many bytes the first character takes, and even when the text ends
// inside it, it is no type letter: nothing is read and file 0 stays reserved.
TEST_P(NotATypeLetter, LeavesFileZeroAndReportsReservedFile)
{
    ErrorState error;
    const Slave::DataFileAddress address = Slave::ParseDataFile(GetParam().text, 10, error);

    EXPECT_EQ(address.file, 0);
    EXPECT_EQ(address.word, 0);
    EXPECT_EQ(address.bit, 0);
    EXPECT_EQ(address.count, 10);
    ASSERT_TRUE(error.flag);
    EXPECT_EQ(error.code, 12);
    EXPECT_EQ(Errors::errorText(error.code),
              "Invalid AB Datafile\r\nFiles less than 10 are reserved.\r\n"
              "Use the appropriate file type for files less than 10.");
}

INSTANTIATE_TEST_SUITE_P(FirstCharacter, NotATypeLetter,
                         testing::Values(FirstCharacterRow{"TwoByteLetter", "\xC3\x89"
                                                                            "7:0"}, // É7:0
                                         FirstCharacterRow{"ThreeByteSign", "\xE2\x82\xAC"
                                                                            "7:0"}, // €7:0
                                         FirstCharacterRow{"FourByteSymbol", "\xF0\x9F\x93\x88"
                                                                             "7:0"},
                                         FirstCharacterRow{"FourByteLeadAlone", "\xF0"},
                                         FirstCharacterRow{"ThreeByteLeadCutShort", "\xE2\x82"},
                                         FirstCharacterRow{"FourByteLeadCutShort", "\xF0\x9F\x93"},
                                         FirstCharacterRow{"PastLowerZ", "{7:0"}),
                         Corvane::Testing::RowName{});

} // namespace
