// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "subs/form.h"

#include <emscripten/val.h>

#include <span>
#include <string_view>

// The page's window as a Form: every call goes to the page's script object,
// whose DOM controls are the window's only state. Controls leave here by
// their names in the control table, geometry in CSS pixels.
namespace Corvane::Web {

class WebForm final : public Subs::Form {
public:
    // `page` is the page's form object: text(name), isSelected(name),
    // setText(name, text), setVisible(name, visible), setSelected(name),
    // refillList(name, shown, entries), setTop(name, px), setHeight(name, px),
    // setClientHeight(px), setCaption(text), loadAbout(), showErrorBox(title,
    // lines) and setDetails(box, text). After showErrorBox the page holds
    // every later change back until the box is closed.
    explicit WebForm(emscripten::val page);

    std::string text(Subs::Control control) const override;
    bool isSelected(Subs::Control option) const override;
    void setText(Subs::Control control, std::string_view text) override;
    void setVisible(Subs::Control control, bool visible) override;
    void setSelected(Subs::Control option) override;
    void refillList(Subs::Control list, std::string_view shown,
                    std::span<const std::string_view> entries) override;
    void setTop(Subs::Control control, int twips) override;
    void setHeight(Subs::Control control, int twips) override;
    void setWindowHeight(int twips) override;
    void setCaption(std::string_view caption) override;
    void loadAbout() override;
    void showErrorBox(Errors::ErrorCode code) override;

    // The details line under the answer of a result box.
    void setDetails(Subs::Control box, std::string_view line);

private:
    emscripten::val m_page;
};

// A JavaScript array of the texts. {"a", "b"} -> ["a", "b"]
emscripten::val toArray(std::span<const std::string_view> texts);

// The name of a control as the control table gives it, for the page's ids.
// Control::RegTxt -> "RegTxt"
std::string nameOf(Subs::Control control);

} // namespace Corvane::Web
