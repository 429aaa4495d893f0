// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "app/widgets/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QString>

namespace Corvane::Desktop {

namespace {

constexpr char kReadAsWindow[] = "corvaneReadAsWindow";

// A label named by another label is an output: its value is its name, so the
// caption beside it says what the value is. Qt tells screen readers of each
// change (setAccessibleName, setAccessibleDescription, QLabel::setText), also
// of a name set to the name it already had, which is left alone here.
void followCaption(QWidget *control, const QString &caption)
{
    const bool output = qobject_cast<QLabel *>(control) != nullptr;
    const QString name = output ? QString() : caption;
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    if (output && control->accessibleDescription() != caption)
        control->setAccessibleDescription(caption);
}

QAccessibleInterface *windowInterface(const QString &className, QObject *object)
{
    // Asked once per class from the most derived one down: answer for that one
    // only, so that no interface of Qt's own takes its place.
    if (!object || !object->isWidgetType() || !object->property(kReadAsWindow).toBool() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

void nameAfterLabel(QWidget *control, QLabel *label)
{
    // No caption has a mnemonic, so the buddy adds the relation and no shortcut.
    label->setBuddy(control);
    followCaption(control, label->text());
}

void setCaptionText(QLabel *label, const QString &caption)
{
    label->setText(caption);
    if (QWidget *named = label->buddy())
        followCaption(named, caption);
}

void readAsWindow(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(&windowInterface);
        return true;
    }();
    static_cast<void>(installed);
    window->setProperty(kReadAsWindow, true);
}

} // namespace Corvane::Desktop
