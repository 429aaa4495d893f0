// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "subs/controltable.h"
#include "subs/layouts.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace {

using namespace Corvane::Subs;

constexpr int kPlc3Saving = 1080;

// The row of a main-window control by its object name; the tests speak of
// controls as the windows name them.
std::optional<ControlSpec> findControl(std::string_view name)
{
    for (const ControlSpec &item : mainWindowControls()) {
        if (item.name == name)
            return item;
    }
    return std::nullopt;
}

// The object name of a control, or "" for none (the window itself).
std::string_view nameOf(std::optional<Control> control)
{
    return control ? controlSpec(*control).name : std::string_view{};
}

// The value of one layout property of a control in a state; the table value
// where no layout row touches it.
int layoutValue(std::string_view control, LayoutProperty property, WindowState state)
{
    if (state == WindowState::Slave) {
        for (const LayoutRow &row : slaveLayoutRows()) {
            if (nameOf(row.control) == control && row.property == property)
                return row.value;
        }
    } else {
        for (const MasterLayoutRow &row : masterLayoutRows()) {
            if (nameOf(row.control) == control && row.property == property)
                return state == WindowState::MasterPlc5 ? row.plc5 : row.plc3;
        }
    }
    const auto item = findControl(control);
    return property == LayoutProperty::Top ? item->rect.top : item->rect.height;
}

// The absolute bottom of a frame in the client area, following its containers.
int absoluteBottom(std::string_view control, WindowState state)
{
    int top = layoutValue(control, LayoutProperty::Top, state) +
              layoutValue(control, LayoutProperty::Height, state);
    for (auto item = findControl(control); item->parent;) {
        top += layoutValue(nameOf(item->parent), LayoutProperty::Top, state);
        item = findControl(nameOf(item->parent));
    }
    return top;
}

TEST(MasterLayout, EveryPlc3ValueIsThePlc5ValueLessTheFormatRows)
{
    for (const MasterLayoutRow &row : masterLayoutRows())
        EXPECT_EQ(row.plc5 - row.plc3, kPlc3Saving) << nameOf(row.control);
}

TEST(MasterLayout, EveryRowNamesAControlOrTheWindow)
{
    for (const MasterLayoutRow &row : masterLayoutRows()) {
        if (row.property == LayoutProperty::WindowHeight) {
            EXPECT_FALSE(row.control.has_value());
        } else {
            EXPECT_TRUE(findControl(nameOf(row.control)).has_value()) << nameOf(row.control);
        }
    }
    for (const LayoutRow &row : slaveLayoutRows()) {
        if (row.property != LayoutProperty::WindowHeight) {
            EXPECT_TRUE(findControl(nameOf(row.control)).has_value()) << nameOf(row.control);
        }
    }
}

TEST(MasterLayout, StartUpPositionsEqualThePlc5ColumnButTheCommandHeading)
{
    for (const MasterLayoutRow &row : masterLayoutRows()) {
        if (row.property == LayoutProperty::WindowHeight) {
            EXPECT_EQ(row.plc5, kStartupWindowHeight);
            continue;
        }
        const auto item = findControl(nameOf(row.control));
        const int startUp =
            row.property == LayoutProperty::Top ? item->rect.top : item->rect.height;
        if (nameOf(row.control) == "AddrCmdLbl") {
            EXPECT_EQ(startUp, 1200);
        } else {
            EXPECT_EQ(startUp, row.plc5) << nameOf(row.control);
        }
    }
}

TEST(MasterLayout, EachRowKeepsItsLabelAndFieldOnOneLine)
{
    std::map<int, std::set<std::string_view>> rowsByTop;
    for (const MasterLayoutRow &row : masterLayoutRows()) {
        if (row.property == LayoutProperty::Top &&
            nameOf(findControl(nameOf(row.control))->parent) == "PLCTypeFrm")
            rowsByTop[row.plc3].insert(nameOf(row.control));
    }
    EXPECT_EQ(rowsByTop[2520], (std::set<std::string_view>{"RegLbl", "RegTxt", "RegValLbl"}));
    EXPECT_EQ(rowsByTop[3000],
              (std::set<std::string_view>{"SlaveAddrLbl", "SlaveAddrTxt", "SlaveValLbl"}));
}

struct StateCase {
    const char *name;
    WindowState state;
    int windowHeight;
    int clientHeight;
    int clientPixels;
};

class WindowStates : public testing::TestWithParam<StateCase> {};

TEST_P(WindowStates, HaveTheirHeights)
{
    const StateCase &row = GetParam();
    EXPECT_EQ(windowHeight(row.state), row.windowHeight);
    EXPECT_EQ(clientHeight(row.state), row.clientHeight);
    EXPECT_EQ(twipsToPixels(clientHeight(row.state)), row.clientPixels);
}

TEST_P(WindowStates, ShowOnlyTheTopEdgesOfTheOuterFrames)
{
    const WindowState state = GetParam().state;
    const int client = clientHeight(state);
    const std::string_view group = state == WindowState::Slave ? "SlaveFrm" : "MasterFrm";
    for (std::string_view frame : {std::string_view{"Frame1"}, group}) {
        const int bottom = absoluteBottom(frame, state);
        EXPECT_GT(bottom, client) << frame;
        // Just below: a few pixels, never a visible strip of frame.
        EXPECT_LE(bottom - client, 165) << frame;
    }
    // The result box of the group is whole inside the client area.
    const std::string_view resultBox =
        state == WindowState::Slave ? "SlaveTransFrm" : "MasterTransFrm";
    EXPECT_LT(absoluteBottom(resultBox, state), client);
}

INSTANTIATE_TEST_SUITE_P(
    States, WindowStates,
    testing::Values(StateCase{"MasterPlc5", WindowState::MasterPlc5, 9930, 9450, 630},
                    StateCase{"MasterPlc3", WindowState::MasterPlc3, 8850, 8370, 558},
                    StateCase{"Slave", WindowState::Slave, 8370, 7890, 526}),
    Corvane::Testing::RowName{});

TEST(OuterFrames, ReachPastBothSidesOfTheClientArea)
{
    const auto frame1 = findControl("Frame1");
    EXPECT_LT(frame1->rect.left, 0);
    EXPECT_GT(frame1->rect.left + frame1->rect.width, kClientWidthTwips);
    for (std::string_view group : {"MasterFrm", "SlaveFrm"}) {
        const auto item = findControl(group);
        EXPECT_GT(frame1->rect.left + item->rect.left + item->rect.width, kClientWidthTwips)
            << group;
    }
}

TEST(FormatControls, AreTheSevenControlsOfTheFormatChoice)
{
    const auto controls = formatControls();
    ASSERT_EQ(controls.size(), 7u);
    EXPECT_EQ(nameOf(controls.front()), "AddrFrmtLbl");
    for (Control control : controls) {
        const std::string_view name = nameOf(control);
        const auto item = findControl(name);
        ASSERT_TRUE(item.has_value()) << name;
        EXPECT_EQ(nameOf(item->parent), "PLCTypeFrm");
        // They stand above the rows that PLC-3 moves up into their place.
        EXPECT_LT(item->rect.top + item->rect.height, 1200 + kPlc3Saving) << name;
    }
}

// --- The control table ----------------------------------------------------------

TEST(ControlTable, NamesAreUniqueAndContainersComeFirst)
{
    for (const auto table : {mainWindowControls(), aboutWindowControls()}) {
        std::set<std::string_view> seen;
        for (const ControlSpec &item : table) {
            EXPECT_TRUE(seen.insert(item.name).second) << "twice: " << item.name;
            if (!item.parent)
                continue;
            const std::string_view parentName = nameOf(item.parent);
            EXPECT_TRUE(seen.contains(parentName)) << item.name << " before " << parentName;
            const ControlSpec &parent = controlSpec(*item.parent);
            EXPECT_TRUE(parent.kind == ControlKind::Frame || parent.kind == ControlKind::PlainFrame)
                << parentName;
        }
    }
}

TEST(ControlTable, EveryUnlabelledControlIsNamedByALabelBesideIt)
{
    for (const ControlSpec &item : mainWindowControls()) {
        const bool needsLabel =
            item.kind == ControlKind::RadioButton || item.kind == ControlKind::TextField ||
            item.kind == ControlKind::DropDown || item.kind == ControlKind::OutputLabel;
        if (!needsLabel) {
            EXPECT_FALSE(item.namedBy.has_value()) << item.name;
            continue;
        }
        const auto label = findControl(nameOf(item.namedBy));
        ASSERT_TRUE(label.has_value()) << item.name;
        EXPECT_EQ(label->kind, ControlKind::Label) << item.name;
        EXPECT_EQ(label->parent, item.parent) << item.name;
    }
}

TEST(ControlTable, RadioButtonsAreSizedToTheirMarkAndOneIsSelectedPerGroup)
{
    std::map<std::string_view, int> selectedPerGroup;
    for (const ControlSpec &item : mainWindowControls()) {
        if (item.kind != ControlKind::RadioButton)
            continue;
        EXPECT_EQ(item.rect.width, 255) << item.name;
        EXPECT_TRUE(item.text.empty()) << item.name;
        selectedPerGroup[nameOf(item.parent)] += item.checked ? 1 : 0;
    }
    EXPECT_EQ(selectedPerGroup, (std::map<std::string_view, int>{
                                    {"Frame1", 1}, {"MasterFrm", 1}, {"PLCTypeFrm", 1}}));
}

TEST(ControlTable, TabOrderNamesEveryControlThatTakesFocus)
{
    std::set<std::string_view> focusable;
    for (const ControlSpec &item : mainWindowControls()) {
        if (item.kind == ControlKind::RadioButton || item.kind == ControlKind::TextField ||
            item.kind == ControlKind::DropDown || item.kind == ControlKind::Button)
            focusable.insert(item.name);
    }
    std::set<std::string_view> ordered;
    for (Control control : tabOrder())
        ordered.insert(nameOf(control));
    EXPECT_EQ(ordered, focusable);
    EXPECT_EQ(tabOrder().size(), focusable.size());
}

TEST(ControlTable, OnlyTheSlaveFieldsHaveTooltips)
{
    std::set<std::string_view> withTips;
    for (const ControlSpec &item : mainWindowControls()) {
        if (!item.toolTip.empty())
            withTips.insert(item.name);
    }
    EXPECT_EQ(withTips, (std::set<std::string_view>{"DataFileTxt", "StartRegTxt", "NumRegTxt"}));
}

struct PixelCase {
    const char *name;
    int twips;
    int pixels;
};

class TwipsToPixels : public testing::TestWithParam<PixelCase> {};

TEST_P(TwipsToPixels, RoundToTheNearestPixel)
{
    EXPECT_EQ(twipsToPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Values, TwipsToPixels,
                         testing::Values(PixelCase{"ExactPixel", 9255, 617},
                                         PixelCase{"RoundsUp", 1375, 92},
                                         PixelCase{"RoundsDown", 350, 23},
                                         PixelCase{"Negative", -120, -8},
                                         PixelCase{"RadioWidth", 255, 17}, PixelCase{"Zero", 0, 0}),
                         Corvane::Testing::RowName{});

TEST(ControlTable, LookUpByControl)
{
    EXPECT_EQ(controlSpec(Control::RegTxt).rect.top, 3600);
    EXPECT_EQ(controlSpec(Control::RegTxt).name, "RegTxt");
    EXPECT_EQ(controlSpec(Control::cmdOK).name, "cmdOK"); // the About window's rows follow
    EXPECT_EQ(controlSpec(Control::WordTxt).name, "WordTxt");
}

} // namespace
