#pragma once

#include <cstdint>

namespace Corvane {

// The error flag and code that travel through one translation. Once raised the
// flag stays set; a later raise only replaces the code. Code 0 is a real error,
// so callers test the flag, never the code.
struct ErrorState {
    bool flag = false;
    std::int16_t code = 0;

    void raise(std::int16_t newCode)
    {
        flag = true;
        code = newCode;
    }
};

} // namespace Corvane
