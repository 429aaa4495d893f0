// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <string_view>

namespace Corvane::Testing {

// How many rounds a random loop runs: everyRun in the test command, soak when
// CORVANE_SOAK=1 (for a release). loopSize(60, 300) is 60, or 300 soaking.
inline int loopSize(int everyRun, int soak)
{
    const char *setting = std::getenv("CORVANE_SOAK");
    return setting != nullptr && std::string_view(setting) == "1" ? soak : everyRun;
}

} // namespace Corvane::Testing
