// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "app/mapping.h"

#include "about/about.h"
#include "app/widgets/accessibility.h"
#include "app/widgets/errorbox.h"
#include "app/widgets/qtconversions.h"
#include "app/widgets/radiokeyboard.h"
#include "subs/layouts.h"
#include "subs/mappingevents.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QSignalBlocker>

namespace Corvane::Desktop {

using Subs::Control;

Mapping::Mapping(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_errorBox(&ShowErrorBox)
{
    setObjectName(QStringLiteral("Mapping"));
    readAsWindow(this);
    installFontSubstitutes();
    setWindowIcon(QIcon(QStringLiteral(":/images/corvane.png")));
    // The header stands on the window-background colour; Frame1 and all inside
    // it on the button face.
    QPalette background = palette();
    background.setColor(QPalette::Window, QApplication::palette().color(QPalette::Base));
    setPalette(background);
    setAutoFillBackground(true);

    m_controls.build(Subs::mainWindowControls(), this);
    new RadioKeyboard(this);
    const auto order = Subs::tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(control(order[i - 1]), control(order[i]));

    connectHandlers();
    Subs::Form_Load(*this);
}

Mapping::~Mapping() = default;

void Mapping::setErrorBox(ErrorBox errorBox) { m_errorBox = std::move(errorBox); }

About *Mapping::aboutWindow() const { return m_about.data(); }

QWidget *Mapping::control(Control control) const { return m_controls.widget(control); }

std::string Mapping::text(Control control) const
{
    if (auto *box = m_controls.widget<QComboBox>(control))
        return toStdString(box->currentText());
    if (auto *field = m_controls.widget<QLineEdit>(control))
        return toStdString(field->text());
    return toStdString(m_controls.widget<QLabel>(control)->text());
}

bool Mapping::isSelected(Control option) const
{
    return m_controls.widget<QRadioButton>(option)->isChecked();
}

void Mapping::setText(Control control, std::string_view text)
{
    const QString shown = toQString(text);
    if (auto *box = m_controls.widget<QComboBox>(control)) {
        const QSignalBlocker blocker(box);
        box->setEditText(shown);
        return;
    }
    // A caption renames the control that it names; an answer is the output
    // label's accessible name, which QLabel::setText announces.
    setCaptionText(m_controls.widget<QLabel>(control), shown);
}

void Mapping::setVisible(Control control, bool visible)
{
    this->control(control)->setVisible(visible);
}

void Mapping::setSelected(Control option)
{
    // A program's selection emits no click, so no handler runs.
    m_controls.widget<QRadioButton>(option)->setChecked(true);
}

void Mapping::refillList(Control list, std::string_view shown,
                         std::span<const std::string_view> entries)
{
    auto *box = m_controls.widget<QComboBox>(list);
    const QSignalBlocker blocker(box);
    const QString text = toQString(shown);
    box->clear();
    box->setEditText(text);
    for (std::string_view entry : entries)
        box->addItem(toQString(entry));
    // An editable box takes the first entry appended to an empty list as its
    // text; the text set above is the one to show.
    box->setEditText(text);
}

void Mapping::setTop(Control control, int twips)
{
    QWidget *widget = this->control(control);
    widget->move(widget->x(), Subs::twipsToPixels(twips));
}

void Mapping::setHeight(Control control, int twips)
{
    QWidget *widget = this->control(control);
    widget->resize(widget->width(), Subs::twipsToPixels(twips));
}

void Mapping::setWindowHeight(int twips)
{
    setFixedSize(Subs::twipsToPixels(Subs::kClientWidthTwips),
                 Subs::twipsToPixels(Subs::clientHeightOf(twips)));
}

void Mapping::setCaption(std::string_view caption) { setWindowTitle(toQString(caption)); }

void Mapping::loadAbout()
{
    if (!m_about)
        m_about = new About(this);
}

void Mapping::showErrorBox(Errors::ErrorCode code)
{
    if (m_errorBox)
        m_errorBox(this, code);
}

void Mapping::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, the About window with it.
    if (m_about)
        m_about->close();
    event->accept();
    QCoreApplication::quit();
}

void Mapping::connectHandlers()
{
    const auto onClick = [this](Control control, void (*handler)(Subs::Form &)) {
        connect(m_controls.widget<QAbstractButton>(control), &QAbstractButton::clicked, this,
                [this, handler] { handler(*this); });
    };
    connect(m_controls.widget<QAbstractButton>(Control::Exit), &QAbstractButton::clicked, this,
            &Mapping::Exit_Click);
    connect(m_controls.widget<QAbstractButton>(Control::Aboutcmd), &QAbstractButton::clicked, this,
            &Mapping::Aboutcmd_Click);
    onClick(Control::TransSlaveCmd, &Subs::TransSlaveCmd_Click);
    onClick(Control::TransMasterCmd, &Subs::TransMasterCmd_Click);
    // A radio button emits clicked for the user's mouse click, Space and arrow
    // keys, never when the program selects it.
    onClick(Control::MasterOpt, &Subs::MasterOpt_Click);
    onClick(Control::SlaveOpt, &Subs::SlaveOpt_Click);
    onClick(Control::PLC3Opt, &Subs::PLC3Opt_Click);
    onClick(Control::PLC5Opt, &Subs::PLC5Opt_Click);
    onClick(Control::XYYOpt, &Subs::XYYOpt_Click);
    onClick(Control::XYZOpt, &Subs::XYZOpt_Click);
    onClick(Control::YXZOpt, &Subs::YXZOpt_Click);
    // activated is the user's pick alone; text changes made in code emit it never.
    connect(m_controls.widget<QComboBox>(Control::MesTypeLst), &QComboBox::activated, this,
            [this] { Subs::MesTypeLst_Click(*this); });
    connect(m_controls.widget<QComboBox>(Control::ModCmdLst), &QComboBox::activated, this,
            [this] { Subs::ModCmdLst_Click(*this); });
}

void Mapping::Exit_Click() { close(); }

void Mapping::Aboutcmd_Click()
{
    loadAbout();
    m_about->show();
}

} // namespace Corvane::Desktop
