// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "subs/control.h"

#include <optional>
#include <span>

// Where the Master rows stand and how tall the frames and the window are in
// each of the window's three states. All values in twips.
namespace Corvane::Subs {

enum class WindowState { MasterPlc5, MasterPlc3, Slave };

enum class LayoutProperty {
    Top,          // the control's top within its container
    Height,       // the control's height
    WindowHeight, // the main window's outer height, title bar and borders included
};

// A layout row sets a property of one control, or with no control the main
// window's height.
struct MasterLayoutRow {
    std::optional<Control> control;
    LayoutProperty property;
    int plc5;
    int plc3;
};

struct LayoutRow {
    std::optional<Control> control;
    LayoutProperty property;
    int value;
};

// The rows of SetPLC5Layout and SetPLC3Layout, in the order they are assigned.
// The first row is {AddrCmdLbl, Top, 1320, 240}.
std::span<const MasterLayoutRow> masterLayoutRows();

// The rows of SetSlaveLayout: Frame1's height, then the window's height.
std::span<const LayoutRow> slaveLayoutRows();

// The seven addressing-format controls, shown only under PLC-5 and always
// shown or hidden together, in this order.
std::span<const Control> formatControls();

// The title bar and borders of the design: outer height less client height.
inline constexpr int kWindowFrameTwips = 480;

// The main window's outer height at start-up, before any layout has run.
inline constexpr int kStartupWindowHeight = 9930;

// The outer window height of a state. MasterPlc5 -> 9930, MasterPlc3 -> 8850, Slave -> 8370.
int windowHeight(WindowState state);

// The client height of a state. MasterPlc5 -> 9450, MasterPlc3 -> 8370, Slave -> 7890.
int clientHeight(WindowState state);

// The client height of an outer window height. 9930 -> 9450.
constexpr int clientHeightOf(int windowHeightTwips)
{
    return windowHeightTwips - kWindowFrameTwips;
}

} // namespace Corvane::Subs
