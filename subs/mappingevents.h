// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "subs/form.h"

// The handlers of the main window Mapping's events, named after the control
// and the event. Each reads what the window shows when it runs and writes its
// changes back; none keeps anything. The windows call them only for the
// user's own clicks and picks.
namespace Corvane::Subs {

// Start-up: the caption, the hidden About window, the Master group, the four
// read commands showing " 01 - Read Coil Status  (0X)" and the height 9930.
void Form_Load(Form &form);

// Master shows the Master group and lays it out for the selected PLC type;
// Slave shows the Slave group.
void MasterOpt_Click(Form &form);
void SlaveOpt_Click(Form &form);

// PLC-3 hides the seven format controls and moves the Master rows up 1080
// twips; PLC-5 brings both back. Both refresh the prompts.
void PLC3Opt_Click(Form &form);
void PLC5Opt_Click(Form &form);

// A format refreshes the prompts and nothing else.
void XYYOpt_Click(Form &form);
void XYZOpt_Click(Form &form);
void YXZOpt_Click(Form &form);

// A picked message type rebuilds the command list (" 08 - Diagnostics", when
// shown, survives and shows the subfunction controls), refills the
// subfunctions and refreshes the prompts.
void MesTypeLst_Click(Form &form);

// A picked standard command hides the subfunction controls; then the prompts.
void ModCmdLst_Click(Form &form);

// The translations: the answer, or the error box and then blank outputs.
// "N7:4/5", "6", "10" -> ModStartTxt 1, ModEndTxt 15, FileTxt 7, WordTxt 4.
void TransSlaveCmd_Click(Form &form);
// PLC-5, NXYZ:Z, " 03 - ...", register 1234, slave 5 -> DTATxt "N451:234".
void TransMasterCmd_Click(Form &form);

} // namespace Corvane::Subs
