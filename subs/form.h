// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "errors/errorcode.h"
#include "subs/control.h"

#include <span>
#include <string>
#include <string_view>

// The main window as the rules see it: controls to read and to change. The
// desktop window and the web page each implement it over their own widgets,
// so the procedures and handlers that act on it are written once. Nothing a
// rule changes through it runs a handler: only the user's own picks and
// clicks do.
namespace Corvane::Subs {

class Form {
public:
    virtual ~Form() = default;

    // The text of a text field or the text a drop-down box shows, as typed.
    virtual std::string text(Control control) const = 0;
    // Whether a round mark is the selected one of its group.
    virtual bool isSelected(Control option) const = 0;

    // The caption of a label, the text of an output label, or the text a
    // drop-down box shows.
    virtual void setText(Control control, std::string_view text) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    // Selects a round mark, and so unselects the others of its group.
    virtual void setSelected(Control option) = 0;
    // Empties a drop-down box, appends `entries` and leaves `shown` as the
    // box's text, whether or not it is one of them.
    virtual void refillList(Control list, std::string_view shown,
                            std::span<const std::string_view> entries) = 0;
    // Positions and heights in twips, relative to the container's corner.
    virtual void setTop(Control control, int twips) = 0;
    virtual void setHeight(Control control, int twips) = 0;
    // The window's outer height in twips, title bar and borders included.
    virtual void setWindowHeight(int twips) = 0;
    virtual void setCaption(std::string_view caption) = 0;
    // Creates the About window without showing it.
    virtual void loadAbout() = 0;
    // Shows the modal error box for `code`. The window's own box returns when
    // the user has closed it; a page that cannot wait holds back every change
    // made after this call until the box is closed, so the user sees the same
    // order: the old answer under the box, then the blanked one.
    virtual void showErrorBox(Errors::ErrorCode code) = 0;
};

} // namespace Corvane::Subs
