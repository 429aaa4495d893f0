// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// What the page takes from the core through embind: the control tables it
// draws both windows from, the captions, the window's handlers run against
// the page's form, and the translations for scripts, whose answers are the
// JSON texts that corvane-cli --json writes.
#include "answers/answer.h"
#include "answers/jsonwriter.h"
#include "answers/link.h"
#include "answers/output.h"
#include "answers/request.h"
#include "answers/resultfields.h"
#include "subs/captions.h"
#include "subs/controltable.h"
#include "subs/mappingevents.h"
#include "web/pageevents.h"
#include "web/webform.h"

#include <corvane/version.h>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace Corvane::Web {
namespace {

using emscripten::val;
using Subs::Control;
using Subs::ControlKind;

// The page's names of the kinds, alignments and pictures, in the order of
// their enumerations.
constexpr std::array<std::string_view, 13> kKindNames{
    "picture", "titleBox", "button",    "frame",    "plainFrame", "label", "paragraph",
    "heading", "output",   "textField", "dropDown", "radio",      "line"};
static_assert(kKindNames.size() == static_cast<std::size_t>(ControlKind::Line) + 1);
constexpr std::array<std::string_view, 3> kAlignNames{"left", "right", "center"};
static_assert(kAlignNames.size() == static_cast<std::size_t>(Subs::TextAlign::Centre) + 1);
constexpr std::array<std::string_view, 3> kArtworkNames{"", "logo", "icon"};
static_assert(kArtworkNames.size() == static_cast<std::size_t>(Subs::Artwork::ApplicationIcon) + 1);

template <typename Enum, std::size_t N>
std::string_view nameIn(const std::array<std::string_view, N> &names, Enum value)
{
    return names[static_cast<std::size_t>(value)];
}

// 0x808080 -> "#808080"
std::string cssColour(unsigned rgb)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%06x", rgb & 0xffffffU);
    return text.data();
}

val text(std::string_view view) { return val(std::string(view)); }

val nameOrEmpty(const std::optional<Control> &control)
{
    return control ? val(nameOf(*control)) : val(std::string());
}

val pixelRect(const Subs::TwipsRect &twips)
{
    const Subs::PixelRect pixels = Subs::toPixels(twips);
    val rect = val::object();
    rect.set("x", pixels.x);
    rect.set("y", pixels.y);
    rect.set("width", pixels.width);
    rect.set("height", pixels.height);
    return rect;
}

val controlRows(std::span<const Subs::ControlSpec> rows)
{
    val list = val::array();
    for (const Subs::ControlSpec &row : rows) {
        val item = val::object();
        item.set("name", text(row.name));
        item.set("kind", text(nameIn(kKindNames, row.kind)));
        item.set("parent", nameOrEmpty(row.parent));
        item.set("rect", pixelRect(row.rect));
        item.set("text", text(row.text));
        val font = val::object();
        font.set("face", text(row.font.face));
        font.set("points", row.font.pointSize);
        font.set("bold", row.font.bold);
        item.set("font", font);
        item.set("align", text(nameIn(kAlignNames, row.align)));
        item.set("namedBy", nameOrEmpty(row.namedBy));
        item.set("toolTip", text(row.toolTip));
        item.set("visible", row.visible);
        item.set("checked", row.checked);
        item.set("accessibleName", text(row.accessibleName));
        item.set("lineColour", cssColour(row.lineColour));
        item.set("artwork", text(nameIn(kArtworkNames, row.artwork)));
        item.set("entries", toArray(row.entries));
        list.call<void>("push", item);
    }
    return list;
}

val names(std::span<const Control> controls)
{
    val list = val::array();
    for (Control control : controls)
        list.call<void>("push", nameOf(control));
    return list;
}

// What a screen reader hears beyond the control table. A field's hint is
// the label beside it with the field's range or an example, read as the
// field's description; a group is a set of controls that a caption above
// them names, as a user sees it.
struct FieldHint {
    Control field;
    Control hint;
};
constexpr std::array kFieldHints{
    FieldHint{Control::RegTxt, Control::RegValLbl},
    FieldHint{Control::SlaveAddrTxt, Control::SlaveValLbl},
    FieldHint{Control::DataFileTxt, Control::DataFileLbl},
    FieldHint{Control::StartRegTxt, Control::StartRegLbl},
};

struct CaptionedGroup {
    Control caption;
    std::string_view role;
    std::span<const Control> members;
};
constexpr std::array kPlcMarks{Control::PLC3Opt, Control::PLC5Opt};
constexpr std::array kFormatMarks{Control::XYYOpt, Control::XYZOpt, Control::YXZOpt};
constexpr std::array kRequestFields{Control::MesTypeLst, Control::ModCmdLst, Control::DiagSubLst,
                                    Control::RegTxt, Control::SlaveAddrTxt};
constexpr std::array kCaptionedGroups{
    CaptionedGroup{Control::Label2, "radiogroup", kPlcMarks},
    CaptionedGroup{Control::AddrFrmtLbl, "radiogroup", kFormatMarks},
    CaptionedGroup{Control::AddrCmdLbl, "group", kRequestFields},
};

// {RegTxt: "RegValLbl", ...}
val fieldHints()
{
    val hints = val::object();
    for (const FieldHint &hint : kFieldHints)
        hints.set(nameOf(hint.field), nameOf(hint.hint));
    return hints;
}

// [{caption: "Label2", role: "radiogroup", members: ["PLC3Opt", "PLC5Opt"]}, ...]
val captionedGroups()
{
    val groups = val::array();
    for (const CaptionedGroup &group : kCaptionedGroups) {
        val item = val::object();
        item.set("caption", nameOf(group.caption));
        item.set("role", text(group.role));
        item.set("members", names(group.members));
        groups.call<void>("push", item);
    }
    return groups;
}

// The main window: its controls in creation order, the keyboard order, the
// client width in pixels, the heading colour, the result boxes, the entries
// that a drop-down box holds from its creation, the fields' hints and the
// captioned groups.
val mainWindow()
{
    val window = val::object();
    window.set("controls", controlRows(Subs::mainWindowControls()));
    window.set("tabOrder", names(Subs::tabOrder()));
    window.set("clientWidth", Subs::twipsToPixels(Subs::kClientWidthTwips));
    window.set("headingColour", "rgb(" + std::to_string(Subs::kHeadingRed) + ", " +
                                    std::to_string(Subs::kHeadingGreen) + ", " +
                                    std::to_string(Subs::kHeadingBlue) + ")");
    val boxes = val::array();
    for (const AnswerBox &answerBox : answerBoxes()) {
        val box = val::object();
        box.set("box", nameOf(answerBox.box));
        box.set("answers", names(answerBox.answers));
        boxes.call<void>("push", box);
    }
    window.set("answerBoxes", boxes);
    window.set("hints", fieldHints());
    window.set("groups", captionedGroups());
    return window;
}

// The About window as its Form_Load leaves it.
val aboutWindow()
{
    val about = val::object();
    about.set("controls", controlRows(Subs::aboutWindowControls()));
    about.set("client", pixelRect(Subs::kAboutClientTwips));
    about.set("caption", Subs::aboutCaption());
    val texts = val::object();
    texts.set(nameOf(Control::lblTitle), text(kApplicationTitle));
    texts.set(nameOf(Control::lblVersion), Subs::aboutVersionLine());
    texts.set(nameOf(Control::lblDescription), Subs::aboutDescription());
    about.set("texts", texts);
    return about;
}

// Start-up of the main window, once the page has built its controls.
void formLoad(val page)
{
    WebForm form(std::move(page));
    Subs::Form_Load(form);
}

// A click or pick of the user on a control of the main window; false when
// the window handles none there.
bool userEvent(const std::string &controlName, val page)
{
    const auto control = mainWindowControlNamed(controlName);
    if (!control)
        return false;
    WebForm form(std::move(page));
    return runEvent(*control, form);
}

// The answer of the last translation as JSON text, valid until the next one.
// It reaches the script as a view on the module's memory rather than as a
// string: embind decodes a returned string with TextDecoder, which costs
// more than the whole translation.
val answerBytes(const Answers::Answer &answer)
{
    // Kept from call to call, so a translation allocates nothing here.
    static Answers::StringSink sink;
    static Answers::Output out(sink, 1024);
    sink.text.clear();
    Answers::JsonWriter json(out);
    Answers::writeJson(json, answer);
    out.flush();
    return val(emscripten::typed_memory_view(
        sink.text.size(), reinterpret_cast<const unsigned char *>(sink.text.data())));
}

// The slave translation of three field texts, as corvane-cli slave --json
// answers it. ("N7:4/5", "6", "10") -> {"ok":true,"file":7,"word":4,
// "modicon_start":1,"modicon_end":15,"table":"coils",...}
val translateSlave(const std::string &address, const std::string &start, const std::string &count)
{
    return answerBytes(Answers::translateSlave({address, start, count}));
}

// The master translation of the window's own texts, taken verbatim: a plc
// other than "3" is PLC-5, a format none of the three NXYY:Z.
// ("5", "NXYZ:Z", " Read", " 03 - ...", "", "1234", "5") -> {"ok":true,"address":"N451:234",...}
val translateMaster(const std::string &plc, const std::string &format,
                    const std::string &messageType, const std::string &command,
                    const std::string &subfunction, const std::string &registerText,
                    const std::string &slave)
{
    const Answers::MasterTexts texts{plc,         format,       messageType, command,
                                     subfunction, registerText, slave};
    return answerBytes(Answers::translateMaster(Answers::verbatimState(texts)));
}

// The fragment of the page's address that carries the window's state:
// (master, "5", "NXYZ:Z", " Read", " 03 - ...", " 00 - ...", "1234", "5", ...)
// -> "v=1&mode=master&plc=5&format=NXYZ:Z&type=read&command=03&sub=00&register=1234&slave=5".
// A plc other than "3" is PLC-5, a format none of the three NXYY:Z.
std::string linkOf(bool master, const std::string &plc, const std::string &format,
                   const std::string &messageType, const std::string &command,
                   const std::string &subfunction, const std::string &registerText,
                   const std::string &slave, const std::string &address, const std::string &start,
                   const std::string &count)
{
    Answers::WindowLink link;
    link.master = master;
    link.address = address;
    link.start = start;
    link.count = count;
    const Answers::MasterTexts texts{plc,         format,       messageType, command,
                                     subfunction, registerText, slave};
    link.state = Answers::verbatimState(texts);
    return Answers::linkFragment(link);
}

// The window's state a fragment carries, as the page's texts, or null when
// the fragment is no link: {master: true, plc: "5", format: "NXYZ:Z",
// message_type: " Read", command: " 03 - ...", subfunction: " 00 - ...",
// register: "1234", slave: "5", address: "", start: "", count: ""}.
val stateOfLink(const std::string &fragment)
{
    const auto link = Answers::readLinkFragment(fragment);
    if (!link)
        return val::null();
    const Master::MasterWindowState &state = link->state;
    val out = val::object();
    out.set("master", link->master);
    out.set("plc", text(Master::plcTypeRow(state.plc).number));
    out.set("format", text(Master::schemeName({Master::PlcType::Plc5, state.format})));
    out.set("message_type", state.messageType);
    out.set("command", state.command);
    out.set("subfunction", state.subfunction);
    out.set("register", state.registerText);
    out.set("slave", state.slaveAddressText);
    out.set("address", link->address);
    out.set("start", link->start);
    out.set("count", link->count);
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(corvane)
{
    emscripten::function("mainWindow", &mainWindow);
    emscripten::function("aboutWindow", &aboutWindow);
    emscripten::function("formLoad", &formLoad);
    emscripten::function("userEvent", &userEvent);
    emscripten::function("translateSlave", &translateSlave);
    emscripten::function("translateMaster", &translateMaster);
    emscripten::function("linkOf", &linkOf);
    emscripten::function("stateOfLink", &stateOfLink);
}

} // namespace Corvane::Web
