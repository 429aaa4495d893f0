// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "subs/control.h"

#include <optional>
#include <span>
#include <string_view>

// The controls of the main window and of the About window as data: the window
// code builds every control from these rows, and the tests check the built
// window against the same rows.
namespace Corvane::Subs {

enum class ControlKind {
    Picture,     // LogoPic, picIcon
    TitleBox,    // TitleTxt: multi-line text box without border
    Button,      // push button, never a default or cancel button in the main window
    Frame,       // container with an etched border line
    PlainFrame,  // container without border (PLCTypeFrm)
    Label,       // static text on one line
    Paragraph,   // static text that wraps at the label's width and can be selected
    Heading,     // teal label
    OutputLabel, // bordered, centred, bold label that a translation writes into
    TextField,   // single-line text field, text centred
    DropDown,    // editable drop-down box
    RadioButton, // round mark only; the label to its right names it
    Line,        // a separator line of the About window
};

enum class TextAlign { Left, Right, Centre };

// What a picture shows; each face keeps its own copy of the images.
enum class Artwork { None, Logo, ApplicationIcon };

// Positions in twips, relative to the container's corner.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect &) const = default;
};

struct FontSpec {
    std::string_view face;
    double pointSize = 0;
    bool bold = false;
};

inline constexpr std::string_view kSerifFace = "Times New Roman";
inline constexpr std::string_view kDialogFace = "MS Sans Serif";
inline constexpr FontSpec kDefaultFont{kSerifFace, 12.0, false};

// The heading colour, RGB(53, 116, 117).
inline constexpr int kHeadingRed = 53;
inline constexpr int kHeadingGreen = 116;
inline constexpr int kHeadingBlue = 117;

struct ControlSpec {
    Control id;
    std::string_view name; // the object name, as the windows name the control
    ControlKind kind;
    std::optional<Control> parent{}; // none: the window's client area
    TwipsRect rect;
    std::string_view text{}; // caption or text at start-up
    FontSpec font = kDefaultFont;
    TextAlign align = TextAlign::Left;
    std::optional<Control> namedBy{}; // the label whose caption names this control
    std::string_view toolTip{};
    bool visible = true;
    bool checked = false;              // radio buttons only
    std::string_view accessibleName{}; // for controls with neither text nor naming label
    unsigned lineColour = 0;           // lines only, 0xRRGGBB
    Artwork artwork = Artwork::None;   // pictures only
    // Drop-down boxes: the entries the box holds when it is created, before
    // any handler refills it.
    std::span<const std::string_view> entries{};
};

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels at 96 dots per inch, rounded to the nearest pixel.
// 1375 -> 92, -120 -> -8, 255 -> 17.
int twipsToPixels(int twips);
// {-120, 1800, 9615, 7695} -> {-8, 120, 641, 513}
PixelRect toPixels(const TwipsRect &rect);

// The main window's client width; its height depends on the state (layouts.h).
inline constexpr int kClientWidthTwips = 9255;

// Every control of the main window, containers before their contents, each
// container's rows in the order the controls are created.
std::span<const ControlSpec> mainWindowControls();

// Every control of the About window; the window's client area is kAboutClientTwips.
inline constexpr TwipsRect kAboutClientTwips{0, 0, 5730, 3255};
std::span<const ControlSpec> aboutWindowControls();

// The row of a control of either window.
// controlSpec(Control::RegTxt).rect.top -> 3600; controlSpec(Control::cmdOK).text -> "OK"
const ControlSpec &controlSpec(Control control);

// The keyboard order of the main window's controls that take focus.
std::span<const Control> tabOrder();

} // namespace Corvane::Subs
