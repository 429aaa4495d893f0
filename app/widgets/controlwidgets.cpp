// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "app/widgets/controlwidgets.h"

#include "app/widgets/accessibility.h"
#include "app/widgets/editablelist.h"
#include "app/widgets/qtconversions.h"

#include <QApplication>
#include <QButtonGroup>
#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <limits>

namespace Corvane::Desktop {
namespace {

using Subs::ControlKind;
using Subs::ControlSpec;
using Subs::TextAlign;

constexpr int kIconPixels = 32;

Qt::Alignment toQtAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void fillWith(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *createLabel(const ControlSpec &item, QWidget *parent)
{
    auto *label = new QLabel(toQString(item.text), parent);
    label->setAlignment(toQtAlignment(item.align));
    // Every caption is one line; wrapping would push a word below the box.
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPixmap artworkPixmap(Subs::Artwork artwork, QWidget *parent)
{
    switch (artwork) {
    case Subs::Artwork::Logo:
        return QPixmap(QStringLiteral(":/images/logo.png"));
    case Subs::Artwork::ApplicationIcon:
        return parent->window()->windowIcon().pixmap(kIconPixels, kIconPixels);
    case Subs::Artwork::None:
        break;
    }
    return {};
}

QWidget *createTitleBox(const ControlSpec &item, QWidget *parent)
{
    auto *title = new QTextEdit(parent);
    title->setFrameShape(QFrame::NoFrame);
    title->setReadOnly(true);
    title->setFocusPolicy(Qt::NoFocus);
    title->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    title->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    title->setFont(toQFont(item.font));
    title->setPlainText(toDisplayText(item.text));
    // Centre every line, the empty one after the last line break included.
    QTextCursor cursor(title->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    return title;
}

QWidget *createControl(const ControlSpec &item, QWidget *parent)
{
    const QPalette standard = QApplication::palette();
    switch (item.kind) {
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setPixmap(artworkPixmap(item.artwork, parent));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case ControlKind::TitleBox:
        return createTitleBox(item, parent);
    case ControlKind::Button: {
        auto *button = new QPushButton(toQString(item.text), parent);
        // Enter and Escape press no button of the main window; the About
        // window makes its own button the default.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::Frame: {
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        fillWith(frame, QPalette::Window, standard.color(QPalette::Button));
        return frame;
    }
    case ControlKind::PlainFrame:
        return new QFrame(parent);
    case ControlKind::Label:
        return createLabel(item, parent);
    case ControlKind::Paragraph: {
        auto *label = new QLabel(toQString(item.text), parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    }
    case ControlKind::Heading: {
        QLabel *heading = createLabel(item, parent);
        QPalette palette = heading->palette();
        palette.setColor(QPalette::WindowText,
                         QColor(Subs::kHeadingRed, Subs::kHeadingGreen, Subs::kHeadingBlue));
        heading->setPalette(palette);
        return heading;
    }
    case ControlKind::OutputLabel: {
        QLabel *output = createLabel(item, parent);
        output->setAlignment(Qt::AlignCenter);
        output->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        output->setTextInteractionFlags(Qt::TextSelectableByMouse);
        fillWith(output, QPalette::Window, standard.color(QPalette::Base));
        return output;
    }
    case ControlKind::TextField: {
        auto *field = new QLineEdit(parent);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(std::numeric_limits<int>::max());
        field->setToolTip(toQString(item.toolTip));
        return field;
    }
    case ControlKind::DropDown: {
        auto *box = new EditableList(parent);
        for (std::string_view entry : item.entries)
            box->addItem(toQString(entry));
        // The first entry added becomes the box's text; the table's text is the one to show.
        box->setEditText(toQString(item.text));
        return box;
    }
    case ControlKind::RadioButton: {
        auto *option = new QRadioButton(parent);
        option->setChecked(item.checked);
        return option;
    }
    case ControlKind::Line: {
        auto *line = new QFrame(parent);
        line->setFrameShape(QFrame::NoFrame);
        fillWith(line, QPalette::Window, QColor::fromRgb(item.lineColour));
        return line;
    }
    }
    return new QWidget(parent);
}

} // namespace

void ControlWidgets::build(std::span<const ControlSpec> rows, QWidget *window)
{
    for (const ControlSpec &item : rows) {
        QWidget *parent = item.parent ? widget(*item.parent) : window;
        QWidget *created = createControl(item, parent);
        created->setObjectName(toQString(item.name));
        created->setGeometry(toQRect(item.rect));
        created->setFont(toQFont(item.font));
        created->setVisible(item.visible);
        m_widgets[Subs::indexOf(item.id)] = created;
        if (auto *option = qobject_cast<QRadioButton *>(created))
            radioGroup(parent)->addButton(option);
    }
    // Names come after every widget exists: a label may name a control built
    // before it. Labels and buttons are read by their own text.
    for (const ControlSpec &item : rows) {
        QWidget *created = widget(item.id);
        if (!item.accessibleName.empty())
            created->setAccessibleName(toQString(item.accessibleName));
        else if (item.namedBy)
            nameAfterLabel(created, widget<QLabel>(*item.namedBy));
    }
}

QButtonGroup *ControlWidgets::radioGroup(QWidget *container)
{
    // Qt's automatic exclusivity gathers the radio buttons of a container and
    // of every container inside it, so the mode buttons would fight the PLC type
    // and format buttons: a second click could clear a selection, and Tab would
    // skip the inner groups. An explicit group per container keeps them apart.
    QButtonGroup *&group = m_radioGroups[container];
    if (!group) {
        group = new QButtonGroup(container);
        group->setObjectName(container->objectName() + QStringLiteral("Group"));
        group->setExclusive(true);
    }
    return group;
}

} // namespace Corvane::Desktop
