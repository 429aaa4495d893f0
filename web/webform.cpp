// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "web/webform.h"

#include "errors/errormessages.h"
#include "subs/controltable.h"
#include "subs/layouts.h"

#include <string>

namespace Corvane::Web {

using emscripten::val;
using Subs::Control;

WebForm::WebForm(val page) : m_page(std::move(page)) {}

std::string WebForm::text(Control control) const
{
    return m_page.call<std::string>("text", nameOf(control));
}

bool WebForm::isSelected(Control option) const
{
    return m_page.call<bool>("isSelected", nameOf(option));
}

void WebForm::setText(Control control, std::string_view text)
{
    m_page.call<void>("setText", nameOf(control), std::string(text));
}

void WebForm::setVisible(Control control, bool visible)
{
    m_page.call<void>("setVisible", nameOf(control), visible);
}

void WebForm::setSelected(Control option) { m_page.call<void>("setSelected", nameOf(option)); }

void WebForm::refillList(Control list, std::string_view shown,
                         std::span<const std::string_view> entries)
{
    m_page.call<void>("refillList", nameOf(list), std::string(shown), toArray(entries));
}

void WebForm::setTop(Control control, int twips)
{
    m_page.call<void>("setTop", nameOf(control), Subs::twipsToPixels(twips));
}

void WebForm::setHeight(Control control, int twips)
{
    m_page.call<void>("setHeight", nameOf(control), Subs::twipsToPixels(twips));
}

void WebForm::setWindowHeight(int twips)
{
    m_page.call<void>("setClientHeight", Subs::twipsToPixels(Subs::clientHeightOf(twips)));
}

void WebForm::setCaption(std::string_view caption)
{
    m_page.call<void>("setCaption", std::string(caption));
}

void WebForm::loadAbout() { m_page.call<void>("loadAbout"); }

void WebForm::showErrorBox(Errors::ErrorCode code)
{
    m_page.call<void>("showErrorBox", std::string(Errors::kErrorBoxTitle),
                      toArray(Errors::errorLines(code)));
}

void WebForm::setDetails(Control box, std::string_view line)
{
    m_page.call<void>("setDetails", nameOf(box), std::string(line));
}

val toArray(std::span<const std::string_view> texts)
{
    val array = val::array();
    for (std::string_view text : texts)
        array.call<void>("push", std::string(text));
    return array;
}

std::string nameOf(Control control) { return std::string(Subs::controlSpec(control).name); }

} // namespace Corvane::Web
