// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

// Every control of the main window and of the About window, by the name the
// windows give it. The control table carries one row for each, in this order,
// and the window code reaches its widgets through these values alone.
namespace Corvane::Subs {

enum class Control {
    // The main window's header.
    LogoPic,
    TitleTxt,
    Exit,
    Aboutcmd,
    Frame1,
    // The mode row.
    MasterOpt,
    MasterLbL,
    SlaveOpt,
    SlaveLbl,
    MasterFrm,
    SlaveFrm,
    // The Master group.
    Label2,
    PLC3Opt,
    PLC3Lbl,
    PLC5Opt,
    PLC5Lbl,
    PLCTypeFrm,
    AddrFrmtLbl,
    XYYOpt,
    XYYLbl,
    XYZOpt,
    XYZLbl,
    YXZOpt,
    YXZLbl,
    AddrCmdLbl,
    MesTypeLbl,
    MesTypeLst,
    ModCmdLbl,
    ModCmdLst,
    DiagSubLbl,
    DiagSubLst,
    RegLbl,
    RegTxt,
    RegValLbl,
    SlaveAddrLbl,
    SlaveAddrTxt,
    SlaveValLbl,
    MasterTransFrm,
    TransMasterCmd,
    DTALbl,
    DTATxt,
    // The Slave group.
    ABDataFileLbl,
    DataFileTxt,
    DataFileLbl,
    ModiconStartRegLbl,
    StartRegTxt,
    StartRegLbl,
    NumRegLbl,
    NumRegTxt,
    SlaveTransFrm,
    TransSlaveCmd,
    ABStartLbl,
    ModStartLbl,
    ModEndLbl,
    FileLbl,
    WordLbl,
    ModStartTxt,
    ModEndTxt,
    FileTxt,
    WordTxt,
    // The About window.
    picIcon,
    lblTitle,
    lblVersion,
    lblDescription,
    Line1_1,
    Line1_0,
    cmdOK,
};

inline constexpr std::size_t kMainWindowControlCount =
    static_cast<std::size_t>(Control::WordTxt) + 1;
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::cmdOK) + 1;

constexpr std::size_t indexOf(Control control) { return static_cast<std::size_t>(control); }

} // namespace Corvane::Subs
