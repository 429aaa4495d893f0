// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

// How corvane-cli ends, as a script sees it.
namespace Corvane::Cli {

// Answered: every translation succeeded, or check found nothing.
inline constexpr int kExitAnswered = 0;
// The command line is wrong: a one-line hint on standard error.
inline constexpr int kExitUsage = 1;
// The rules refused something, a request, row or header could not be read,
// or check found overlaps.
inline constexpr int kExitRefused = 2;
// The input could not be read or the output could not be written (or memory
// ran out): a message on standard error, and what was written before stands.
inline constexpr int kExitIoError = 3;
// The reader of the output went away while SIGPIPE was ignored: the status a
// shell reports for a program that SIGPIPE ended, 128 + 13, without a message.
// With SIGPIPE at its default the system ends the program first.
inline constexpr int kExitBrokenPipe = 141;

} // namespace Corvane::Cli
