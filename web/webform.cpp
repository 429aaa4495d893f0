// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "web/webform.h"

#include "app/rules/controltable.h"
#include "app/rules/layouts.h"
#include "errors/errormessages.h"

#include <string>

namespace Corvane::Web {

using emscripten::val;

WebForm::WebForm(val page) : m_page(std::move(page)) {}

std::string WebForm::text(std::string_view control) const
{
    return m_page.call<std::string>("text", std::string(control));
}

bool WebForm::isSelected(std::string_view control) const
{
    return m_page.call<bool>("isSelected", std::string(control));
}

void WebForm::setText(std::string_view control, std::string_view text)
{
    m_page.call<void>("setText", std::string(control), std::string(text));
}

void WebForm::setVisible(std::string_view control, bool visible)
{
    m_page.call<void>("setVisible", std::string(control), visible);
}

void WebForm::refillList(std::string_view control, std::string_view shown,
                         std::span<const std::string_view> entries)
{
    m_page.call<void>("refillList", std::string(control), std::string(shown), toArray(entries));
}

void WebForm::setTop(std::string_view control, int twips)
{
    m_page.call<void>("setTop", std::string(control), Subs::twipsToPixels(twips));
}

void WebForm::setHeight(std::string_view control, int twips)
{
    m_page.call<void>("setHeight", std::string(control), Subs::twipsToPixels(twips));
}

void WebForm::setWindowHeight(int twips)
{
    m_page.call<void>("setClientHeight", Subs::twipsToPixels(Subs::clientHeightOf(twips)));
}

void WebForm::showErrorBox(std::int16_t code)
{
    m_page.call<void>("showErrorBox", std::string(Subs::kErrorBoxTitle),
                      toArray(Subs::errorLines(code)));
}

val toArray(std::span<const std::string_view> texts)
{
    val array = val::array();
    for (std::string_view text : texts)
        array.call<void>("push", std::string(text));
    return array;
}

} // namespace Corvane::Web
