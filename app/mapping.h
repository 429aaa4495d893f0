// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/widgets/controlwidgets.h"
#include "subs/form.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace Corvane::Desktop {

class About;

// The main window: every control of both modes, built from the control table.
// Its controls are its only state; the handlers of the rules read and change
// them through the Form interface whenever the user clicks or picks.
class Mapping : public QWidget, public Subs::Form {
    Q_OBJECT

public:
    // Shows the error box for a code and returns when the user has closed it.
    using ErrorBox = std::function<void(QWidget *parent, std::int16_t code)>;

    explicit Mapping(QWidget *parent = nullptr);
    ~Mapping() override;

    // Replaces the modal error box, so that tests can record the codes shown.
    void setErrorBox(ErrorBox errorBox);

    // The About window while it exists (hidden or shown), else null.
    About *aboutWindow() const;

    // The widget of a main-window control.
    QWidget *control(Subs::Control control) const;

    // Subs::Form
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

    using QWidget::setVisible;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void Exit_Click();
    void Aboutcmd_Click();

    ControlWidgets m_controls;
    QPointer<About> m_about;
    ErrorBox m_errorBox;
};

} // namespace Corvane::Desktop
