// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The window as the handlers see it, until the rules layer carries its own:
// controls are named as in the control table, and "Mapping" stands for the
// window itself (its caption). Replaced by app/rules/form.h.
namespace Corvane::Web {

class Form {
public:
    virtual ~Form() = default;

    // The text of a field, a drop-down box or a label.
    virtual std::string text(std::string_view control) const = 0;
    // Whether a radio button is selected.
    virtual bool isSelected(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual void setVisible(std::string_view control, bool visible) = 0;
    // Empties a list, appends `entries` and leaves `shown` as the box's text.
    virtual void refillList(std::string_view control, std::string_view shown,
                            std::span<const std::string_view> entries) = 0;
    virtual void setTop(std::string_view control, int twips) = 0;
    virtual void setHeight(std::string_view control, int twips) = 0;
    // The outer window height, title bar and borders included.
    virtual void setWindowHeight(int twips) = 0;
    // The modal error box; what the handler does after it happens after OK.
    virtual void showErrorBox(std::int16_t code) = 0;
};

} // namespace Corvane::Web
