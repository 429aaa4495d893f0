// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "subs/layouts.h"

#include <algorithm>
#include <array>

namespace Corvane::Subs {

namespace {

using P = LayoutProperty;

// Without the addressing-format rows PLC-3 needs 1080 twips less: every row
// moves up by that much and the frames and the window shrink with it.
constexpr auto kMasterRows = std::to_array<MasterLayoutRow>({
    {Control::AddrCmdLbl, P::Top, 1320, 240},
    {Control::MesTypeLbl, P::Top, 1800, 720},
    {Control::MesTypeLst, P::Top, 1800, 720},
    {Control::ModCmdLbl, P::Top, 2400, 1320},
    {Control::ModCmdLst, P::Top, 2400, 1320},
    {Control::DiagSubLbl, P::Top, 3000, 1920},
    {Control::DiagSubLst, P::Top, 3000, 1920},
    {Control::RegLbl, P::Top, 3600, 2520},
    {Control::RegTxt, P::Top, 3600, 2520},
    {Control::RegValLbl, P::Top, 3600, 2520},
    {Control::SlaveAddrLbl, P::Top, 4080, 3000},
    {Control::SlaveAddrTxt, P::Top, 4080, 3000},
    {Control::SlaveValLbl, P::Top, 4080, 3000},
    {Control::PLCTypeFrm, P::Height, 6135, 5055},
    {Control::MasterFrm, P::Height, 7095, 6015},
    {Control::MasterTransFrm, P::Top, 4800, 3720},
    {Control::Frame1, P::Height, 7695, 6615},
    {std::nullopt, P::WindowHeight, 9930, 8850},
});

constexpr auto kSlaveRows = std::to_array<LayoutRow>({
    {Control::Frame1, P::Height, 6255},
    {std::nullopt, P::WindowHeight, 8370},
});

constexpr auto kFormatControls = std::to_array<Control>({
    Control::AddrFrmtLbl,
    Control::XYYOpt,
    Control::XYYLbl,
    Control::XYZOpt,
    Control::XYZLbl,
    Control::YXZOpt,
    Control::YXZLbl,
});

int windowRowValue(bool plc5)
{
    const auto row = std::find_if(kMasterRows.begin(), kMasterRows.end(),
                                  [](const auto &row) { return row.property == P::WindowHeight; });
    return plc5 ? row->plc5 : row->plc3;
}

} // namespace

std::span<const MasterLayoutRow> masterLayoutRows() { return kMasterRows; }

std::span<const LayoutRow> slaveLayoutRows() { return kSlaveRows; }

std::span<const Control> formatControls() { return kFormatControls; }

int windowHeight(WindowState state)
{
    switch (state) {
    case WindowState::MasterPlc5:
        return windowRowValue(true);
    case WindowState::MasterPlc3:
        return windowRowValue(false);
    case WindowState::Slave:
        break;
    }
    return std::find_if(kSlaveRows.begin(), kSlaveRows.end(),
                        [](const auto &row) { return row.property == P::WindowHeight; })
        ->value;
}

int clientHeight(WindowState state) { return clientHeightOf(windowHeight(state)); }

} // namespace Corvane::Subs
