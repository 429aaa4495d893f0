// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "subs/controltable.h"

#include <QHash>

#include <array>
#include <span>

class QButtonGroup;
class QWidget;

namespace Corvane::Desktop {

// The widgets of a window's controls, reached by their Control value; a
// control not built into this window has no widget.
class ControlWidgets {
public:
    // Builds one widget for each row, containers before their contents, into
    // `window`: kind, object name, geometry, font, text, visibility and the
    // names that screen readers read (accessibility.h). Radio buttons exclude
    // each other within their container only.
    void build(std::span<const Subs::ControlSpec> rows, QWidget *window);

    QWidget *widget(Subs::Control control) const { return m_widgets[Subs::indexOf(control)]; }

    // widget<QLabel>(Control::RegLbl)
    template <typename Widget> Widget *widget(Subs::Control control) const
    {
        return qobject_cast<Widget *>(widget(control));
    }

private:
    QButtonGroup *radioGroup(QWidget *container);

    std::array<QWidget *, Subs::kControlCount> m_widgets{};
    QHash<QWidget *, QButtonGroup *> m_radioGroups;
};

} // namespace Corvane::Desktop
