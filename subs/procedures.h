// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "master/addressingscheme.h"
#include "subs/form.h"

// Module Subs: the layout and prompt procedures that the main window's
// handlers share.
namespace Corvane::Subs {

// The PLC type and addressing format the round marks select. Under PLC-3
// the format buttons are hidden but keep their selection.
Master::PlcType selectedPlcType(const Form &form);
Master::AddressFormat selectedAddressFormat(const Form &form);

// Place the Master rows and set the frame and window heights of a state.
// SetPLC3Layout moves AddrCmdLbl to top 240 and sets the window height 8850.
void SetPLC5Layout(Form &form);
void SetPLC3Layout(Form &form);
// Frame1's height 6255, then the window's height 8370.
void SetSlaveLayout(Form &form);
// SetPLC5Layout or SetPLC3Layout, whichever PLC type is selected.
void SetMasterLayout(Form &form);

// Refills DiagSubLst for the message type shown: " Read" -> the eleven read
// subfunctions showing " 00 - Return Data Query"; another text leaves it.
void FillDiagSubLst(Form &form);

// Sets the captions of RegLbl, RegValLbl and SlaveValLbl from the command,
// the message type, the PLC type and the format. " 03 - ..." under PLC-5 and
// NXYZ:Z -> "Start Register", "(1-9999)", "(1-9)".
void UpdateFieldPrompts(Form &form);

} // namespace Corvane::Subs
