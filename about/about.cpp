#include "about.h"

#include "app/qtconversions.h"
#include "app/rules/controltable.h"

#include <corvane/version.h>

#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

using namespace Corvane::Subs;

namespace {

constexpr std::string_view kDescription =
    "App Description\r\n\r\nThe Allan-Bradley / Modicon Corvane is designed to help users setup "
    "the mapping of Modbus registers / coils to Allan-Bradley Data files for both Master and "
    "Slave applications";

constexpr int kIconPixels = 32;

QWidget *createControl(const ControlSpec &item, QWidget *parent)
{
    switch (item.kind) {
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    }
    case ControlKind::Line: {
        auto *line = new QFrame(parent);
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(item.lineColour));
        line->setPalette(palette);
        return line;
    }
    case ControlKind::Button:
        return new QPushButton(toQString(item.text), parent);
    default:
        break;
    }
    return new QWidget(parent);
}

} // namespace

About::About(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    installFontSubstitutes();
    const QRect client = toQRect(kAboutClientTwips);
    setFixedSize(client.size());

    for (const ControlSpec &item : aboutWindowControls()) {
        QWidget *control = createControl(item, this);
        control->setObjectName(toQString(item.name));
        control->setGeometry(toQRect(item.rect));
        control->setFont(toQFont(item.font));
        if (!item.accessibleName.empty())
            control->setAccessibleName(toQString(item.accessibleName));
    }

    auto *icon = findChild<QLabel *>(QStringLiteral("picIcon"));
    icon->setPixmap(windowIcon().pixmap(kIconPixels, kIconPixels));
    m_title = findChild<QLabel *>(QStringLiteral("lblTitle"));
    m_version = findChild<QLabel *>(QStringLiteral("lblVersion"));
    m_description = findChild<QLabel *>(QStringLiteral("lblDescription"));

    // OK is both the default and the cancel button: Enter presses it, and
    // Escape rejects the dialog, which closes it the same way.
    auto *ok = findChild<QPushButton *>(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &About::cmdOK_Click);

    Form_Load();
}

QString About::descriptionText() { return toQString(kDescription); }

void About::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(Corvane::kApplicationTitle));
    m_version->setText(
        QStringLiteral("Version %1.%2").arg(Corvane::kVersionMajor).arg(Corvane::kVersionMinor));
    m_title->setText(QString::fromUtf8(Corvane::kApplicationTitle));
    m_description->setText(descriptionText());
    m_version->setAccessibleName(m_version->text());
    m_title->setAccessibleName(m_title->text());
    m_description->setAccessibleName(m_title->text() + QStringLiteral(" description"));
}

void About::cmdOK_Click() { close(); }
