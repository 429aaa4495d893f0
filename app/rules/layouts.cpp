#include "app/rules/layouts.h"

#include <algorithm>
#include <array>

namespace Corvane::Subs {

namespace {

using P = LayoutProperty;

// Without the addressing-format rows PLC-3 needs 1080 twips less: every row
// moves up by that much and the frames and the window shrink with it.
constexpr auto kMasterRows = std::to_array<MasterLayoutRow>({
    {"AddrCmdLbl", P::Top, 1320, 240},
    {"MesTypeLbl", P::Top, 1800, 720},
    {"MesTypeLst", P::Top, 1800, 720},
    {"ModCmdLbl", P::Top, 2400, 1320},
    {"ModCmdLst", P::Top, 2400, 1320},
    {"DiagSubLbl", P::Top, 3000, 1920},
    {"DiagSubLst", P::Top, 3000, 1920},
    {"RegLbl", P::Top, 3600, 2520},
    {"RegTxt", P::Top, 3600, 2520},
    {"RegValLbl", P::Top, 3600, 2520},
    {"SlaveAddrLbl", P::Top, 4080, 3000},
    {"SlaveAddrTxt", P::Top, 4080, 3000},
    {"SlaveValLbl", P::Top, 4080, 3000},
    {"PLCTypeFrm", P::Height, 6135, 5055},
    {"MasterFrm", P::Height, 7095, 6015},
    {"MasterTransFrm", P::Top, 4800, 3720},
    {"Frame1", P::Height, 7695, 6615},
    {kMainWindowName, P::WindowHeight, 9930, 8850},
});

constexpr auto kSlaveRows = std::to_array<LayoutRow>({
    {"Frame1", P::Height, 6255},
    {kMainWindowName, P::WindowHeight, 8370},
});

constexpr auto kFormatControls = std::to_array<std::string_view>({
    "AddrFrmtLbl",
    "XYYOpt",
    "XYYLbl",
    "XYZOpt",
    "XYZLbl",
    "YXZOpt",
    "YXZLbl",
});

int windowRowValue(bool plc5)
{
    const auto row = std::ranges::find(kMasterRows, P::WindowHeight, &MasterLayoutRow::property);
    return plc5 ? row->plc5 : row->plc3;
}

} // namespace

std::span<const MasterLayoutRow> masterLayoutRows() { return kMasterRows; }

std::span<const LayoutRow> slaveLayoutRows() { return kSlaveRows; }

std::span<const std::string_view> formatControls() { return kFormatControls; }

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
    return std::ranges::find(kSlaveRows, P::WindowHeight, &LayoutRow::property)->value;
}

int clientHeight(WindowState state) { return clientHeightOf(windowHeight(state)); }

} // namespace Corvane::Subs
