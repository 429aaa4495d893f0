// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Stopping on a signal between two rows: SIGINT, SIGTERM and SIGHUP (where
// the system has it) are caught and noted, a read waiting for input gives
// up, and the table or stream being answered stops before its next row, so
// that every row written is whole.
namespace Corvane::Cli {

// Catches the signals for the rest of the program's life.
void catchStopSignals();

// The signal caught, or 0 while none was.
int stopSignal();

// True once a signal was caught: the answers layer asks it between rows.
bool stopRequested();

// "SIGINT" for SIGINT, "signal 31" for another.
std::string_view signalName(int signal);

} // namespace Corvane::Cli
