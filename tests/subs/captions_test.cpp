// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "subs/captions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Captions, NameTheApplicationAndItsVersionOnce)
{
    using namespace Corvane::Subs;
    const std::string caption = mainWindowCaption();
    EXPECT_EQ(caption, "Allan-Bradley / Modicon Corvane" + std::string(53, ' ') + "Ver 1.3");
    EXPECT_EQ(kTitleBoxText, "Allan-Bradley / Modicon\r\nCorvane\r\n");
    EXPECT_EQ(aboutCaption(), "About Corvane");
    EXPECT_EQ(aboutVersionLine(), "Version 1.3");
    EXPECT_EQ(aboutDescription(),
              "App Description\r\n\r\nThe Allan-Bradley / Modicon Corvane is designed to help "
              "users setup the mapping of Modbus registers / coils to Allan-Bradley Data files "
              "for both Master and Slave applications");
}

} // namespace
