// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "errors/errormessages.h"
#include "tests/support/rowname.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <string>

namespace {

struct SlaveCase {
    const char *name;
    const char *address;
    const char *start;
    const char *count;
    // The answer as FileTxt, WordTxt, ModStartTxt, ModEndTxt; empty on refusal.
    const char *file;
    const char *word;
    const char *modiconStart;
    const char *modiconEnd;
    int code; // -1: accepted
};

void PrintTo(const SlaveCase &row, std::ostream *out) { *out << row.name; }

class SlaveTranslation : public WindowTest, public testing::WithParamInterface<SlaveCase> {
protected:
    void translate(const SlaveCase &row)
    {
        clickMark("SlaveOpt");
        type("DataFileTxt", QString::fromUtf8(row.address));
        type("StartRegTxt", QString::fromUtf8(row.start));
        type("NumRegTxt", QString::fromUtf8(row.count));
        press("TransSlaveCmd");
    }
};

TEST_P(SlaveTranslation, TypedFieldsGiveTheAnswerOrOneErrorBox)
{
    const SlaveCase &row = GetParam();
    // A previous answer must never survive a refusal.
    translate({"Previous", "N7:0", "40001", "10", "7", "0", "40001", "40010", -1});
    ASSERT_TRUE(m_codes.empty());

    translate(row);
    if (row.code < 0) {
        EXPECT_TRUE(m_codes.empty());
    } else {
        ASSERT_EQ(m_codes.size(), 1u) << "exactly one error box per press";
        EXPECT_EQ(m_codes.front(), row.code);
    }
    EXPECT_EQ(text("FileTxt"), row.file);
    EXPECT_EQ(text("WordTxt"), row.word);
    EXPECT_EQ(text("ModStartTxt"), row.modiconStart);
    EXPECT_EQ(text("ModEndTxt"), row.modiconEnd);
    // The fields keep what the user typed.
    EXPECT_EQ(text("DataFileTxt"), row.address);
    EXPECT_EQ(text("StartRegTxt"), row.start);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, SlaveTranslation,
    testing::Values(
        SlaveCase{"WordToHoldingRegisters", "N7:0", "40001", "10", "7", "0", "40001", "40010", -1},
        SlaveCase{"BitPlaysNoPartForRegisters", "N7:4/5", "40001", "10", "7", "4", "40001", "40010",
                  -1},
        SlaveCase{"FloatingPointDoublesTheCount", "F8:0", "40001", "10", "8", "0", "40001", "40020",
                  -1},
        SlaveCase{"BitsToCoils", "B3/0", "1", "16", "3", "0", "1", "16", -1},
        SlaveCase{"BitCountedFromWordZeroMovesTheStart", "B3/20", "5", "16", "3", "1", "1", "20",
                  -1},
        SlaveCase{"WordBitToCoils", "N7:4/5", "6", "10", "7", "4", "1", "15", -1},
        SlaveCase{"OctalInputBit", "I:012/10", "9", "8", "1", "12", "1", "16", -1},
        SlaveCase{"BitsToInputs", "B3/0", "10001", "32", "3", "0", "10001", "10032", -1},
        SlaveCase{"LastCoil", "N7:0", "9999", "1", "7", "0", "9999", "9999", -1},
        SlaveCase{"CountZero", "N7:0", "40005", "0", "7", "0", "40005", "40004", -1},
        SlaveCase{"MovedStartBelowFirstCoil", "B3/20", "1", "16", "", "", "", "", 10},
        SlaveCase{"CoilsRunningIntoInputs", "N7:0", "9990", "20", "", "", "", "", 10},
        SlaveCase{"RegisterStartBelowItsClass", "N7:0", "39995", "10", "", "", "", "", 11},
        SlaveCase{"NoClass", "N7:0", "20001", "1", "", "", "", "", 11},
        SlaveCase{"EndOnTenThousand", "N7:0", "10000", "1", "", "", "", "", 11},
        SlaveCase{"DoubledCountEndsOnFortyThousand", "F8:0", "39999", "1", "", "", "", "", 11},
        SlaveCase{"UnreadableStartIsZero", "N7:0", "abc", "10", "", "", "", "", 10},
        SlaveCase{"EmptyCount", "N7:0", "40001", "", "", "", "", "", 11},
        SlaveCase{"ReservedFileNumber", "X17:0", "40001", "1", "", "", "", "", 12},
        SlaveCase{"RangeCodeReplacesParserCode", "X17:0", "0", "5", "", "", "", "", 10},
        SlaveCase{"FloatingPointBitAddress", "F8/3", "40001", "1", "", "", "", "", 9},
        SlaveCase{"FloatingPointBitToCoils", "F8/3", "1", "1", "", "", "", "", 10}),
    Corvane::Testing::RowName{});

using SlaveWindow = WindowTest;

TEST_F(SlaveWindow, EnterInAFieldTranslatesNothing)
{
    clickMark("SlaveOpt");
    type("DataFileTxt", QStringLiteral("N7:0"));
    type("StartRegTxt", QStringLiteral("40001"));
    type("NumRegTxt", QStringLiteral("10"));
    for (const char *name : {"DataFileTxt", "StartRegTxt", "NumRegTxt"}) {
        QTest::keyClick(control(name), Qt::Key_Return);
        QTest::keyClick(control(name), Qt::Key_Enter);
        QTest::keyClick(control(name), Qt::Key_Escape);
    }
    EXPECT_TRUE(text("ModStartTxt").isEmpty());
    EXPECT_TRUE(m_codes.empty());
}

TEST_F(SlaveWindow, EveryPressOfAFailingTranslationShowsOneBox)
{
    clickMark("SlaveOpt");
    type("DataFileTxt", QStringLiteral("N7:0"));
    press("TransSlaveCmd");
    press("TransSlaveCmd");
    // Empty start and count: the range ends on -1, in no class.
    EXPECT_EQ(m_codes, (std::vector<std::int16_t>{11, 11}));
    EXPECT_EQ(Corvane::Errors::errorText(m_codes.front()),
              "Invalid Modbus Register/Coil\r\nA Modbus Register/Coil is out of Range");
}

TEST_F(SlaveWindow, TextOutsideAsciiReachesTheTranslationIntact)
{
    clickMark("SlaveOpt");
    type("DataFileTxt", QStringLiteral("N7:0"));
    type("StartRegTxt", QStringLiteral("40001"));
    type("NumRegTxt", QStringLiteral("1\u00b2"));
    press("TransSlaveCmd");
    // "1²" is not a number: the count reads as 0, the end as 40000.
    EXPECT_EQ(m_codes, (std::vector<std::int16_t>{11}));
}

} // namespace
