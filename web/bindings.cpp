// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// What the page takes from the core: the control tables it draws the windows
// from, the window's handlers run against the page's form, and the two
// translations as plain functions for scripts and tests.
#include "app/rules/controltable.h"
#include "errors/errormessages.h"
#include "master/decode.h"
#include "master/mastertranslation.h"
#include "slave/slavetranslation.h"
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

val refusal(const ErrorState &error)
{
    val result = val::object();
    result.set("ok", false);
    result.set("code", error.code);
    result.set("title", text(kErrorBoxTitle));
    result.set("message", errorText(error.code));
    return result;
}

// The slave translation of three field texts, shaped as corvane-cli's JSON.
// ("N7:4/5", "6", "10") -> {ok: true, file: 7, word: 4, modicon_start: 1, modicon_end: 15}
val translateSlave(const std::string &address, const std::string &start, const std::string &count)
{
    const Slave::SlaveAnswer answer = Slave::TranslateSlave({address, start, count});
    if (!answer.ok())
        return refusal(answer.error);
    val result = val::object();
    result.set("ok", true);
    result.set("file", answer.fileValue);
    result.set("word", answer.wordValue);
    result.set("modicon_start", answer.modiconStartValue);
    result.set("modicon_end", answer.modiconEndValue);
    return result;
}

std::string field(const val &request, const char *name)
{
    const val value = request[name];
    return value.isString() ? value.as<std::string>() : std::string();
}

// The master translation of a request written as the window shows it:
// {plc: "5", format: "NXYZ:Z", message_type: " Read",
//  command: " 03 - Read Holding Registers  (4X)", subfunction: "...",
//  register: "1234", slave: "5"} -> {ok: true, address: "N451:234"}.
// A plc other than "3" is PLC-5; an unknown format is NXYY:Z.
val translateMaster(const val &request)
{
    const std::string plc = field(request, "plc");
    const std::string format = field(request, "format");
    const std::string messageType = field(request, "message_type");
    const std::string command = field(request, "command");
    const std::string subfunction = field(request, "subfunction");
    const std::string registerText = field(request, "register");
    const std::string slaveAddress = field(request, "slave");

    Master::MasterWindowState state;
    state.plc = plc == "3" ? Master::PlcType::Plc3 : Master::PlcType::Plc5;
    for (const Master::AddressingScheme &scheme : Master::addressingSchemes()) {
        if (scheme.plc == Master::PlcType::Plc5 && Master::schemeName(scheme) == format)
            state.format = scheme.format;
    }
    state.messageType = messageType;
    state.command = command;
    state.subfunction = subfunction;
    state.registerText = registerText;
    state.slaveAddressText = slaveAddress;

    const Master::MasterAnswer answer = Master::TranslateMaster(state);
    if (!answer.ok())
        return refusal(answer.error);
    val result = val::object();
    result.set("ok", true);
    result.set("address", answer.address);
    return result;
}

} // namespace

EMSCRIPTEN_BINDINGS(corvane)
{
    emscripten::function("mainWindow", &mainWindow);
    emscripten::function("aboutWindow", &aboutWindow);
    emscripten::function("runHandler", &runHandler);
    emscripten::function("translateSlave", &translateSlave);
    emscripten::function("translateMaster", &translateMaster);
}

} // namespace Corvane::Web
