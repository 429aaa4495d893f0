// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// What the page takes from the core: the control tables it draws the windows
// from, the window's handlers run against the page's form, and the error box
// texts. The translations for scripts are plain exports (exports.h).
#include "app/rules/controltable.h"
#include "errors/errormessages.h"
#include "web/provisional/handlers.h"
#include "web/webform.h"

#include <corvane/version.h>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <cstdio>
#include <string>

namespace Corvane::Web {
namespace {

using emscripten::val;
using namespace Corvane::Subs;

constexpr std::string_view kAboutDescription =
    "App Description\r\n\r\nThe Allan-Bradley / Modicon Corvane is designed to help users setup "
    "the mapping of Modbus registers / coils to Allan-Bradley Data files for both Master and "
    "Slave applications";

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Picture:
        return "picture";
    case ControlKind::TitleBox:
        return "titleBox";
    case ControlKind::Button:
        return "button";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::PlainFrame:
        return "plainFrame";
    case ControlKind::Label:
        return "label";
    case ControlKind::Heading:
        return "heading";
    case ControlKind::OutputLabel:
        return "output";
    case ControlKind::TextField:
        return "textField";
    case ControlKind::DropDown:
        return "dropDown";
    case ControlKind::RadioButton:
        return "radio";
    case ControlKind::Line:
        break;
    }
    return "line";
}

std::string_view alignName(TextAlign align)
{
    switch (align) {
    case TextAlign::Right:
        return "right";
    case TextAlign::Centre:
        return "center";
    case TextAlign::Left:
        break;
    }
    return "left";
}

// 0x808080 -> "#808080"
std::string cssColour(unsigned rgb)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%06x", rgb & 0xffffffU);
    return text.data();
}

val text(std::string_view view) { return val(std::string(view)); }

val pixelRect(const TwipsRect &twips)
{
    const PixelRect pixels = toPixels(twips);
    val rect = val::object();
    rect.set("x", pixels.x);
    rect.set("y", pixels.y);
    rect.set("width", pixels.width);
    rect.set("height", pixels.height);
    return rect;
}

val controlRows(std::span<const ControlSpec> rows)
{
    val list = val::array();
    for (const ControlSpec &row : rows) {
        val item = val::object();
        item.set("name", text(row.name));
        item.set("kind", text(kindName(row.kind)));
        item.set("parent", text(row.parent));
        item.set("rect", pixelRect(row.rect));
        item.set("text", text(row.text));
        val font = val::object();
        font.set("face", text(row.font.face));
        font.set("points", row.font.pointSize);
        font.set("bold", row.font.bold);
        item.set("font", font);
        item.set("align", text(alignName(row.align)));
        item.set("namedBy", text(row.namedBy));
        item.set("toolTip", text(row.toolTip));
        item.set("visible", row.visible);
        item.set("checked", row.checked);
        item.set("accessibleName", text(row.accessibleName));
        item.set("lineColour", cssColour(row.lineColour));
        list.call<void>("push", item);
    }
    return list;
}

// The main window: its controls in creation order, the keyboard order, the
// client width in pixels and the heading colour.
val mainWindow()
{
    val window = val::object();
    window.set("controls", controlRows(mainWindowControls()));
    window.set("tabOrder", toArray(tabOrder()));
    window.set("clientWidth", twipsToPixels(kClientWidthTwips));
    window.set("headingColour", "rgb(" + std::to_string(kHeadingRed) + ", " +
                                    std::to_string(kHeadingGreen) + ", " +
                                    std::to_string(kHeadingBlue) + ")");
    return window;
}

// The About window as its Form_Load leaves it.
val aboutWindow()
{
    const std::string title = kApplicationTitle;
    val about = val::object();
    about.set("controls", controlRows(aboutWindowControls()));
    about.set("client", pixelRect(kAboutClientTwips));
    about.set("caption", "About " + title);
    about.set("title", title);
    about.set("version",
              "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor));
    about.set("description", text(kAboutDescription));
    return about;
}

// The title and the text of the error box for a code.
// 11 -> {title: "An Error has Occured!",
//        message: "Invalid Modbus Register/Coil\r\nA Modbus Register/Coil is out of Range"}
val errorBox(int code)
{
    val box = val::object();
    box.set("title", text(kErrorBoxTitle));
    box.set("message", errorText(static_cast<std::int16_t>(code)));
    return box;
}

// Runs one handler of the main window against the page's form; false for a
// name that is no handler.
bool runHandler(const std::string &name, val page)
{
    const Handler handler = handlerNamed(name);
    if (!handler)
        return false;
    WebForm form(std::move(page));
    handler(form);
    return true;
}

} // namespace

EMSCRIPTEN_BINDINGS(corvane)
{
    emscripten::function("mainWindow", &mainWindow);
    emscripten::function("aboutWindow", &aboutWindow);
    emscripten::function("runHandler", &runHandler);
    emscripten::function("errorBox", &errorBox);
}

} // namespace Corvane::Web
