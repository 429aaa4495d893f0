// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "subs/controltable.h"
#include "subs/layouts.h"
#include "subs/mappingevents.h"
#include "subs/procedures.h"
#include "tests/support/rowname.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace Corvane::Subs;
namespace Events = Corvane::Subs;
using testing::ElementsAre;

// A window without widgets: it keeps each control's text, visibility and
// selection as the control table starts them, and logs every change the
// handlers make, so that the order of the steps can be checked.
class FakeForm : public Form {
public:
    FakeForm()
    {
        for (const ControlSpec &item : mainWindowControls()) {
            m_texts[indexOf(item.id)] = std::string(item.text);
            m_visible[indexOf(item.id)] = item.visible;
            m_selected[indexOf(item.id)] = item.checked;
            m_tops[indexOf(item.id)] = item.rect.top;
            m_heights[indexOf(item.id)] = item.rect.height;
        }
    }

    std::string text(Control control) const override { return m_texts[indexOf(control)]; }
    bool isSelected(Control option) const override { return m_selected[indexOf(option)]; }
    void setText(Control control, std::string_view text) override
    {
        m_texts[indexOf(control)] = std::string(text);
        log(control, "text", text);
    }
    void setVisible(Control control, bool visible) override
    {
        m_visible[indexOf(control)] = visible;
        log(control, visible ? "show" : "hide", "");
    }
    void setSelected(Control option) override
    {
        const auto parent = controlSpec(option).parent;
        for (const ControlSpec &item : mainWindowControls()) {
            if (item.kind == ControlKind::RadioButton && item.parent == parent)
                m_selected[indexOf(item.id)] = item.id == option;
        }
        log(option, "select", "");
    }
    void refillList(Control list, std::string_view shown,
                    std::span<const std::string_view> entries) override
    {
        m_texts[indexOf(list)] = std::string(shown);
        m_entries[indexOf(list)].assign(entries.begin(), entries.end());
        log(list, "refill", shown);
    }
    void setTop(Control control, int twips) override
    {
        m_tops[indexOf(control)] = twips;
        log(control, "top", std::to_string(twips));
    }
    void setHeight(Control control, int twips) override
    {
        m_heights[indexOf(control)] = twips;
        log(control, "height", std::to_string(twips));
    }
    void setWindowHeight(int twips) override
    {
        m_windowHeight = twips;
        m_log.push_back("window " + std::to_string(twips));
    }
    void setCaption(std::string_view caption) override
    {
        m_log.push_back("caption " + std::string(caption));
    }
    void loadAbout() override { m_log.push_back("about"); }
    void showErrorBox(Corvane::Errors::ErrorCode code) override
    {
        m_log.push_back("box " + std::to_string(code));
    }

    // What the user does: types a text, or selects a round mark.
    void type(Control control, std::string text) { m_texts[indexOf(control)] = std::move(text); }
    void choose(Control option) { setSelected(option), m_log.clear(); }

    bool visible(Control control) const { return m_visible[indexOf(control)]; }
    int top(Control control) const { return m_tops[indexOf(control)]; }
    int height(Control control) const { return m_heights[indexOf(control)]; }
    int windowHeight() const { return m_windowHeight; }
    const std::vector<std::string_view> &entries(Control list) const
    {
        return m_entries[indexOf(list)];
    }
    std::vector<std::string> takeLog() { return std::exchange(m_log, {}); }

private:
    void log(Control control, std::string_view what, std::string_view value)
    {
        // Appended piece by piece: GCC 12 at -O3 takes `" " + std::string(...)`
        // for an overlapping copy (-Wrestrict) that cannot happen.
        std::string line(controlSpec(control).name);
        line += ' ';
        line += what;
        if (!value.empty()) {
            line += ' ';
            line += value;
        }
        m_log.push_back(std::move(line));
    }

    std::array<std::string, kControlCount> m_texts;
    std::array<bool, kControlCount> m_visible{};
    std::array<bool, kControlCount> m_selected{};
    std::array<int, kControlCount> m_tops{};
    std::array<int, kControlCount> m_heights{};
    int m_windowHeight = 0;
    std::array<std::vector<std::string_view>, kControlCount> m_entries;
    std::vector<std::string> m_log;
};

// The error box comes first, while the old answers still show; the outputs
// are blanked after it, always in the same order.
TEST(TranslateEvents, ARefusedSlaveTranslationShowsTheBoxThenBlanksTheFourOutputs)
{
    FakeForm form;
    form.type(Control::DataFileTxt, "B3/20");
    form.type(Control::StartRegTxt, "1");
    form.type(Control::NumRegTxt, "16");
    Events::TransSlaveCmd_Click(form);
    EXPECT_THAT(form.takeLog(), ElementsAre("box 10", "ModStartTxt text", "ModEndTxt text",
                                            "FileTxt text", "WordTxt text"));
}

TEST(TranslateEvents, AnAnsweredSlaveTranslationWritesStartEndFileWord)
{
    FakeForm form;
    form.type(Control::DataFileTxt, "N7:4/5");
    form.type(Control::StartRegTxt, "6");
    form.type(Control::NumRegTxt, "10");
    Events::TransSlaveCmd_Click(form);
    EXPECT_THAT(form.takeLog(), ElementsAre("ModStartTxt text 1", "ModEndTxt text 15",
                                            "FileTxt text 7", "WordTxt text 4"));
}

TEST(TranslateEvents, TheMasterTranslationReadsTheSelectionsAndTheBoxes)
{
    FakeForm form;
    form.choose(Control::XYZOpt);
    form.type(Control::ModCmdLst, " 03 - Read Holding Registers  (4X)");
    form.type(Control::RegTxt, "1234");
    form.type(Control::SlaveAddrTxt, "5");
    Events::TransMasterCmd_Click(form);
    EXPECT_THAT(form.takeLog(), ElementsAre("DTATxt text N451:234"));

    form.type(Control::SlaveAddrTxt, "10");
    Events::TransMasterCmd_Click(form);
    EXPECT_THAT(form.takeLog(), ElementsAre("box 3", "DTATxt text"));
}

TEST(StartUp, LoadsCaptionAboutGroupsListAndHeightInOrder)
{
    FakeForm form;
    Events::Form_Load(form);
    const auto log = form.takeLog();
    ASSERT_EQ(log.size(), 9u);
    EXPECT_EQ(log[0], "caption Allan-Bradley / Modicon Corvane" + std::string(53, ' ') + "Ver 1.3");
    EXPECT_THAT(std::vector<std::string>(log.begin() + 1, log.end()),
                ElementsAre("about", "MasterFrm show", "SlaveFrm hide", "MasterOpt select",
                            "XYYOpt select", "PLC5Opt select",
                            "ModCmdLst refill  01 - Read Coil Status  (0X)", "window 9930"));
    EXPECT_EQ(form.entries(Control::ModCmdLst).size(), 4u);
}

struct MessageTypePick {
    const char *name;
    std::string messageType;
    std::string command;
    std::string shownCommand;
    bool subfunctionShown;
    std::string shownSubfunction;
    std::string registerCaption;
};

class MessageTypePicks : public testing::TestWithParam<MessageTypePick> {};

TEST_P(MessageTypePicks, RebuildTheCommandAndSubfunctionBoxes)
{
    const MessageTypePick &row = GetParam();
    FakeForm form;
    form.type(Control::MesTypeLst, row.messageType);
    form.type(Control::ModCmdLst, row.command);
    Events::MesTypeLst_Click(form);
    EXPECT_EQ(form.text(Control::ModCmdLst), row.shownCommand);
    EXPECT_EQ(form.visible(Control::DiagSubLbl), row.subfunctionShown);
    EXPECT_EQ(form.visible(Control::DiagSubLst), row.subfunctionShown);
    EXPECT_EQ(form.text(Control::DiagSubLst), row.shownSubfunction);
    EXPECT_EQ(form.text(Control::RegLbl), row.registerCaption);
}

INSTANTIATE_TEST_SUITE_P(
    Picks, MessageTypePicks,
    testing::Values(MessageTypePick{"WriteResetsTheCommand", " Write",
                                    " 03 - Read Holding Registers  (4X)",
                                    " 05 - Force Single Coil  (0X)", false,
                                    " 01 - Restart Communications", "Start Coil"},
                    MessageTypePick{"DiagnosticsSurvivesAndShowsSubfunctions", " Read",
                                    " 08 - Diagnostics", " 08 - Diagnostics", true,
                                    " 00 - Return Data Query", "Start Register"},
                    MessageTypePick{"DiagnosticsWithoutItsSpaceIsReplaced", " Write",
                                    "08 - Diagnostics", " 05 - Force Single Coil  (0X)", false,
                                    " 01 - Restart Communications", "Start Coil"},
                    // Neither " Read" nor " Write": the boxes stay as they were, and the
                    // start-up caption keeps its leading space.
                    MessageTypePick{"TypedMessageTypeChangesNothing", "Write", "x", "x", false,
                                    " 00 - Return Data Query", " Start Coil"}),
    Corvane::Testing::RowName{});

TEST(CommandEvents, APickedStandardCommandHidesTheSubfunctionsButNeverShowsThem)
{
    FakeForm form;
    form.type(Control::ModCmdLst, " 08 - Diagnostics");
    Events::MesTypeLst_Click(form);
    ASSERT_TRUE(form.visible(Control::DiagSubLst));
    form.type(Control::ModCmdLst, " 08 - Diagnostics");
    Events::ModCmdLst_Click(form);
    EXPECT_TRUE(form.visible(Control::DiagSubLst));
    form.type(Control::ModCmdLst, " 16 - Pre-set Multiple Registers  (4X)");
    Events::ModCmdLst_Click(form);
    EXPECT_FALSE(form.visible(Control::DiagSubLst));
    EXPECT_EQ(form.text(Control::RegLbl), "Start Register");
}

TEST(PlcTypeEvents, Plc3HidesTheFormatControlsMovesTheRowsAndRefreshesThePrompts)
{
    FakeForm form;
    Events::Form_Load(form);
    form.type(Control::MesTypeLst, " Write");
    form.choose(Control::PLC3Opt);
    Events::PLC3Opt_Click(form);
    const auto log = form.takeLog();
    EXPECT_EQ(log.front(), "AddrFrmtLbl hide");
    EXPECT_THAT(log, testing::Contains("AddrCmdLbl top 240"));
    EXPECT_THAT(log, testing::Contains("window 8850"));
    EXPECT_EQ(form.text(Control::SlaveValLbl), "(0-255)");
    EXPECT_EQ(form.text(Control::RegLbl), "Start Coil");
}

TEST(ModeEvents, SlaveLaysOutFrame1ThenTheWindow)
{
    FakeForm form;
    form.choose(Control::SlaveOpt);
    Events::SlaveOpt_Click(form);
    EXPECT_THAT(form.takeLog(), ElementsAre("MasterFrm hide", "SlaveFrm show", "Frame1 height 6255",
                                            "window 8370"));
}

// The handler each round mark runs when the user selects it.
struct RoundMark {
    Control option;
    void (*handler)(Form &);
};
constexpr RoundMark kRoundMarks[] = {
    {Control::MasterOpt, &Events::MasterOpt_Click}, {Control::SlaveOpt, &Events::SlaveOpt_Click},
    {Control::PLC3Opt, &Events::PLC3Opt_Click},     {Control::PLC5Opt, &Events::PLC5Opt_Click},
    {Control::XYYOpt, &Events::XYYOpt_Click},       {Control::XYZOpt, &Events::XYZOpt_Click},
    {Control::YXZOpt, &Events::YXZOpt_Click},
};

void select(FakeForm &form, Control option)
{
    form.choose(option);
    for (const RoundMark &mark : kRoundMarks) {
        if (mark.option == option)
            mark.handler(form);
    }
}

// Where the Master rows stand and how tall Frame1 and the window are.
struct Layout {
    int windowHeight;
    int frame1Height;
    int addrCmdTop;
    int diagSubTop;
    int masterTransTop;
};

// Start-up places AddrCmdLbl at 1200, the PLC-5 layout at 1320; Slave mode
// sets only the heights, so the rows stay where they were.
constexpr Layout kStartUp{9930, 7695, 1200, 3000, 4800};
constexpr Layout kPlc5{9930, 7695, 1320, 3000, 4800};
constexpr Layout kPlc3{8850, 6615, 240, 1920, 3720};
constexpr Layout kSlaveFromStartUp{8370, 6255, 1200, 3000, 4800};

// RegLbl, RegValLbl and SlaveValLbl. The start-up caption of RegLbl has a
// leading space that a refresh of the prompts drops.
struct Prompts {
    const char *registerCaption;
    const char *registerHint;
    const char *slaveHint;
};

constexpr Prompts kStartUpPrompts{" Start Coil", "(1-9999)", "(1-99)"};
constexpr Prompts kNxyyPrompts{"Start Coil", "(1-9999)", "(1-99)"};
constexpr Prompts kNxyzPrompts{"Start Coil", "(1-9999)", "(1-9)"};
constexpr Prompts kNyxzPrompts{"Start Coil", "(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)",
                               "(1-3)"};

// What the window shows after start-up, a message type typed and a run of
// round marks selected.
struct SelectionRow {
    const char *name;
    const char *messageType;
    std::vector<Control> picks;
    Layout layout;
    bool masterShown;
    bool formatShown;
    Control plc;
    Control format;
    Prompts prompts;
};

class Selections : public testing::TestWithParam<SelectionRow> {};

TEST_P(Selections, LayOutTheWindowAndRefreshThePrompts)
{
    const SelectionRow &row = GetParam();
    FakeForm form;
    Events::Form_Load(form);
    form.type(Control::MesTypeLst, row.messageType);
    for (Control option : row.picks)
        select(form, option);

    EXPECT_EQ(form.windowHeight(), row.layout.windowHeight);
    EXPECT_EQ(form.height(Control::Frame1), row.layout.frame1Height);
    EXPECT_EQ(form.top(Control::AddrCmdLbl), row.layout.addrCmdTop);
    EXPECT_EQ(form.top(Control::DiagSubLst), row.layout.diagSubTop);
    EXPECT_EQ(form.top(Control::MasterTransFrm), row.layout.masterTransTop);
    EXPECT_EQ(form.visible(Control::MasterFrm), row.masterShown);
    EXPECT_EQ(form.visible(Control::SlaveFrm), !row.masterShown);
    for (Control control : formatControls())
        EXPECT_EQ(form.visible(control), row.formatShown) << controlSpec(control).name;
    EXPECT_TRUE(form.isSelected(row.plc));
    EXPECT_TRUE(form.isSelected(row.format));
    EXPECT_EQ(form.text(Control::RegLbl), row.prompts.registerCaption);
    EXPECT_EQ(form.text(Control::RegValLbl), row.prompts.registerHint);
    EXPECT_EQ(form.text(Control::SlaveValLbl), row.prompts.slaveHint);
}

constexpr Control kPlc3Mark = Control::PLC3Opt;
constexpr Control kPlc5Mark = Control::PLC5Opt;
constexpr Control kMaster = Control::MasterOpt;
constexpr Control kSlave = Control::SlaveOpt;
constexpr Control kNxyy = Control::XYYOpt;
constexpr Control kNxyz = Control::XYZOpt;
constexpr Control kNyxz = Control::YXZOpt;

// A mode change leaves the prompts alone; a PLC type change refreshes them,
// and under PLC-3 the slave hint follows the message type.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ModeAndPlcType, Selections,
    testing::Values(
        SelectionRow{"Plc3FromStartUp", " Read", {kPlc3Mark}, kPlc3, true, false, kPlc3Mark, kNxyy,
                     {"Start Coil", "(1-9999)", "(1-255)"}},
        SelectionRow{"Plc3WhileWriting", " Write", {kPlc3Mark}, kPlc3, true, false, kPlc3Mark,
                     kNxyy, {"Start Coil", "(1-9999)", "(0-255)"}},
        SelectionRow{"Plc3WithATypedMessageTypeKeepsTheSlaveHint", "Write", {kPlc3Mark}, kPlc3,
                     true, false, kPlc3Mark, kNxyy, {"Start Coil", "(1-9999)", "(1-99)"}},
        SelectionRow{"SlaveFromStartUp", " Read", {kSlave}, kSlaveFromStartUp, false, true,
                     kPlc5Mark, kNxyy, kStartUpPrompts},
        SelectionRow{"MasterAgainKeepsPlc3", " Write", {kPlc3Mark, kSlave, kMaster}, kPlc3, true,
                     false, kPlc3Mark, kNxyy, {"Start Coil", "(1-9999)", "(0-255)"}},
        SelectionRow{"MasterAgainLaysOutPlc5", " Read", {kSlave, kMaster}, kPlc5, true, true,
                     kPlc5Mark, kNxyy, kStartUpPrompts},
        SelectionRow{"Plc5AfterPlc3KeepsNxyz", " Read", {kNxyz, kPlc3Mark, kPlc5Mark}, kPlc5, true,
                     true, kPlc5Mark, kNxyz, kNxyzPrompts},
        SelectionRow{"Plc5AfterPlc3BringsBackTheNyxzHints", " Write", {kNyxz, kPlc3Mark, kPlc5Mark},
                     kPlc5, true, true, kPlc5Mark, kNyxz, kNyxzPrompts}),
    Corvane::Testing::RowName{});

// Under PLC-5 the hints follow the format alone, never the message type.
INSTANTIATE_TEST_SUITE_P(
    Format, Selections,
    testing::Values(
        SelectionRow{"Nxyz", " Read", {kNxyz}, kStartUp, true, true, kPlc5Mark, kNxyz,
                     kNxyzPrompts},
        SelectionRow{"NyxzWhileWriting", " Write", {kNyxz}, kStartUp, true, true, kPlc5Mark, kNyxz,
                     kNyxzPrompts},
        SelectionRow{"NyxzWithATypedMessageType", "x", {kNyxz}, kStartUp, true, true, kPlc5Mark,
                     kNyxz, kNyxzPrompts},
        SelectionRow{"NxyyAfterNyxz", " Read", {kNyxz, kNxyy}, kStartUp, true, true, kPlc5Mark,
                     kNxyy, kNxyyPrompts}),
    Corvane::Testing::RowName{});
// clang-format on

TEST(FormatEvents, AFormatRefreshesTheThreeCaptionsAndNothingElse)
{
    FakeForm form;
    form.type(Control::ModCmdLst, " 04 - Read Input Registers  (3X)");
    select(form, Control::XYZOpt);
    EXPECT_THAT(form.takeLog(), ElementsAre("RegLbl text Start Register", "RegValLbl text (1-9999)",
                                            "SlaveValLbl text (1-9)"));
}

TEST(PlcTypeEvents, Plc5ShowsTheSevenFormatControlsBeforeItMovesTheRows)
{
    FakeForm form;
    select(form, Control::PLC3Opt);
    form.choose(Control::PLC5Opt);
    Events::PLC5Opt_Click(form);
    const auto log = form.takeLog();
    ASSERT_GT(log.size(), 8u);
    EXPECT_THAT(std::vector<std::string>(log.begin(), log.begin() + 8),
                ElementsAre("AddrFrmtLbl show", "XYYOpt show", "XYYLbl show", "XYZOpt show",
                            "XYZLbl show", "YXZOpt show", "YXZLbl show", "AddrCmdLbl top 1320"));
}

// Only " Read" and " Write" have subfunctions; any other text keeps the list.
TEST(FillDiagSubLst, ATypedMessageTypeLeavesTheList)
{
    FakeForm form;
    form.type(Control::MesTypeLst, " Write");
    FillDiagSubLst(form);
    form.takeLog();
    form.type(Control::MesTypeLst, "Read");
    FillDiagSubLst(form);
    EXPECT_TRUE(form.takeLog().empty());
    EXPECT_EQ(form.text(Control::DiagSubLst), " 01 - Restart Communications");
    EXPECT_EQ(form.entries(Control::DiagSubLst).size(), 5u);
}

} // namespace
