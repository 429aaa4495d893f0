// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Whole control rectangles converted from twips to pixels.
#include "subs/controltable.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

namespace {

using Corvane::Subs::PixelRect;
using Corvane::Subs::toPixels;
using Corvane::Subs::TwipsRect;

struct PixelRow {
    const char *name;
    TwipsRect twips;
    PixelRect pixels;
};

class ControlRectangle : public testing::TestWithParam<PixelRow> {};

// Every edge is rounded on its own, to the nearest pixel at 15 twips a pixel.
TEST_P(ControlRectangle, ConvertsEveryEdge)
{
    EXPECT_EQ(toPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Twips, ControlRectangle,
    testing::Values(PixelRow{"LeftOfTheFrame", {-120, 1800, 9615, 7695}, {-8, 120, 641, 513}},
                    PixelRow{"RoundsUpAndDown", {1375, 1367, 7, 8}, {92, 91, 0, 1}},
                    PixelRow{"WholeClientArea", {0, 0, 9255, 9450}, {0, 0, 617, 630}}),
    Corvane::Testing::RowName{});

} // namespace
