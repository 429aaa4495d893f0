// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "web/provisional/form.h"

#include <emscripten/val.h>

// The page's window as a Form: every call goes to the page's JavaScript
// object, whose DOM controls are the window's only state. Geometry leaves
// here in CSS pixels, converted by the control table's own rule.
namespace Corvane::Web {

class WebForm final : public Form {
public:
    // `page` is the page's form object: text(name), isSelected(name),
    // setText(name, text), setVisible(name, visible), refillList(name, shown,
    // entries), setTop(name, px), setHeight(name, px), setClientHeight(px) and
    // showErrorBox(title, lines).
    explicit WebForm(emscripten::val page);

    std::string text(std::string_view control) const override;
    bool isSelected(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setVisible(std::string_view control, bool visible) override;
    void refillList(std::string_view control, std::string_view shown,
                    std::span<const std::string_view> entries) override;
    void setTop(std::string_view control, int twips) override;
    void setHeight(std::string_view control, int twips) override;
    void setWindowHeight(int twips) override;
    void showErrorBox(std::int16_t code) override;

private:
    emscripten::val m_page;
};

// A JavaScript array of the texts. {"a", "b"} -> ["a", "b"]
emscripten::val toArray(std::span<const std::string_view> texts);

} // namespace Corvane::Web
