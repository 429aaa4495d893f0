// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/stopping.h"

#include <csignal>
#include <string>

#ifndef _WIN32
#include <signal.h>
#endif

namespace Corvane::Cli {
namespace {

volatile std::sig_atomic_t g_caught = 0;

extern "C" void noteSignal(int signal) { g_caught = signal; }

} // namespace

void catchStopSignals()
{
#ifdef _WIN32
    std::signal(SIGINT, noteSignal);
    std::signal(SIGTERM, noteSignal);
#else
    // Without SA_RESTART a read that waits for input returns EINTR, so a
    // program waiting on a pipe stops too.
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
#endif
}

int stopSignal() { return g_caught; }

bool stopRequested() { return g_caught != 0; }

std::string_view signalName(int signal)
{
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
#ifdef SIGHUP
    case SIGHUP:
        return "SIGHUP";
#endif
    default:
        break;
    }
    return "a signal";
}

} // namespace Corvane::Cli
