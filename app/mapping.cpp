#include "mapping.h"

#include "about.h"
#include "app/qtconversions.h"
#include "app/rules/controltable.h"
#include "app/rules/layouts.h"
#include "app/rules/prompts.h"
#include "slave/slavetranslation.h"
#include "subs.h"

#include <corvane/version.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
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
#include <string>

using namespace Corvane::Subs;
using Corvane::Master::AddressFormat;
using Corvane::Master::PlcType;

namespace {

constexpr int kCaptionSpaces = 53;

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

QWidget *createControl(const ControlSpec &item, QWidget *parent)
{
    const QPalette standard = QApplication::palette();
    switch (item.kind) {
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case ControlKind::TitleBox: {
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
    case ControlKind::Button: {
        auto *button = new QPushButton(toQString(item.text), parent);
        // Enter and Escape press no button of this window.
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
    case ControlKind::Heading: {
        QLabel *heading = createLabel(item, parent);
        QPalette palette = heading->palette();
        palette.setColor(QPalette::WindowText, QColor(kHeadingRed, kHeadingGreen, kHeadingBlue));
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
        auto *box = new QComboBox(parent);
        box->setEditable(true);
        // Enter neither adds the typed text to the list nor completes it from the
        // list: the box shows exactly what was typed.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->setEditText(toQString(item.text));
        return box;
    }
    case ControlKind::RadioButton: {
        auto *option = new QRadioButton(parent);
        option->setChecked(item.checked);
        return option;
    }
    case ControlKind::Line:
        break;
    }
    return new QWidget(parent);
}

} // namespace

Mapping::Mapping(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_errorBox(&Corvane::Subs::ShowErrorBox)
{
    setObjectName(QStringLiteral("Mapping"));
    installFontSubstitutes();
    setWindowIcon(QIcon(QStringLiteral(":/images/corvane.png")));
    // The header stands on the window-background colour; Frame1 and all inside
    // it on the button face.
    fillWith(this, QPalette::Window, QApplication::palette().color(QPalette::Base));
    buildControls();
    connectHandlers();
    Form_Load();
}

Mapping::~Mapping() = default;

void Mapping::setErrorBox(ErrorBox errorBox) { m_errorBox = std::move(errorBox); }

About *Mapping::aboutWindow() const { return m_about.data(); }

QWidget *Mapping::control(std::string_view name) const
{
    QWidget *widget = m_controls.value(toQString(name));
    Q_ASSERT_X(widget, "Mapping::control", "name not in the control table");
    return widget;
}

QLabel *Mapping::label(std::string_view name) const
{
    return qobject_cast<QLabel *>(control(name));
}

QComboBox *Mapping::dropDown(std::string_view name) const
{
    return qobject_cast<QComboBox *>(control(name));
}

QLineEdit *Mapping::field(std::string_view name) const
{
    return qobject_cast<QLineEdit *>(control(name));
}

QRadioButton *Mapping::option(std::string_view name) const
{
    return qobject_cast<QRadioButton *>(control(name));
}

PlcType Mapping::plcType() const
{
    return option("PLC5Opt")->isChecked() ? PlcType::Plc5 : PlcType::Plc3;
}

AddressFormat Mapping::addressFormat() const
{
    if (option("XYZOpt")->isChecked())
        return AddressFormat::XYZ;
    if (option("YXZOpt")->isChecked())
        return AddressFormat::YXZ;
    return AddressFormat::XYY;
}

void Mapping::setCaption(std::string_view labelName, std::string_view caption)
{
    const QString text = toQString(caption);
    label(labelName)->setText(text);
    for (const ControlSpec &item : mainWindowControls()) {
        if (item.namedBy == labelName)
            control(item.name)->setAccessibleName(text.trimmed());
    }
}

void Mapping::setWindowHeight(int twips)
{
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(clientHeightOf(twips)));
}

void Mapping::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, the About window with it.
    if (m_about)
        m_about->close();
    event->accept();
    QCoreApplication::quit();
}

void Mapping::buildControls()
{
    for (const ControlSpec &item : mainWindowControls()) {
        QWidget *parent = item.parent.empty() ? this : control(item.parent);
        QWidget *widget = createControl(item, parent);
        widget->setObjectName(toQString(item.name));
        widget->setGeometry(toQRect(item.rect));
        widget->setFont(toQFont(item.font));
        widget->setVisible(item.visible);
        m_controls.insert(widget->objectName(), widget);
        if (item.kind == ControlKind::RadioButton)
            radioGroup(item.parent)->addButton(qobject_cast<QRadioButton *>(widget));
    }
    for (const ControlSpec &item : mainWindowControls()) {
        QWidget *widget = control(item.name);
        if (!item.accessibleName.empty())
            widget->setAccessibleName(toQString(item.accessibleName));
        else if (!item.namedBy.empty())
            widget->setAccessibleName(label(item.namedBy)->text().trimmed());
        else
            widget->setAccessibleName(toQString(item.text).trimmed());
    }
    QComboBox *messageTypes = dropDown("MesTypeLst");
    refillList(messageTypes, toStdString(messageTypes->currentText()), messageTypeEntries());

    const auto order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(control(order[i - 1]), control(order[i]));
}

QButtonGroup *Mapping::radioGroup(std::string_view container)
{
    // Qt's automatic exclusivity gathers the radio buttons of a container and
    // of every container inside it, so the mode buttons would fight the PLC type
    // and format buttons: a second click could clear a selection, and Tab would
    // skip the inner groups. An explicit group per container keeps them apart.
    const QString name = toQString(container);
    QButtonGroup *&group = m_radioGroups[name];
    if (!group) {
        group = new QButtonGroup(this);
        group->setObjectName(name + QStringLiteral("Group"));
        group->setExclusive(true);
    }
    return group;
}

void Mapping::connectHandlers()
{
    const auto onClick = [this](std::string_view name, void (Mapping::*handler)()) {
        connect(qobject_cast<QAbstractButton *>(control(name)), &QAbstractButton::clicked, this,
                handler);
    };
    onClick("Exit", &Mapping::Exit_Click);
    onClick("Aboutcmd", &Mapping::Aboutcmd_Click);
    onClick("TransSlaveCmd", &Mapping::TransSlaveCmd_Click);
    onClick("TransMasterCmd", &Mapping::TransMasterCmd_Click);
    // A radio button emits clicked for the user's mouse click, Space and arrow
    // keys, never when the program selects it.
    onClick("MasterOpt", &Mapping::MasterOpt_Click);
    onClick("SlaveOpt", &Mapping::SlaveOpt_Click);
    onClick("PLC3Opt", &Mapping::PLC3Opt_Click);
    onClick("PLC5Opt", &Mapping::PLC5Opt_Click);
    onClick("XYYOpt", &Mapping::XYYOpt_Click);
    onClick("XYZOpt", &Mapping::XYZOpt_Click);
    onClick("YXZOpt", &Mapping::YXZOpt_Click);
    // activated is the user's pick alone; text changes made in code emit it never.
    connect(dropDown("MesTypeLst"), &QComboBox::activated, this, &Mapping::MesTypeLst_Click);
    connect(dropDown("ModCmdLst"), &QComboBox::activated, this, &Mapping::ModCmdLst_Click);
}

void Mapping::setAnswer(std::string_view labelName, const QString &text)
{
    QLabel *output = label(labelName);
    output->setText(text);
    output->setAccessibleDescription(text);
}

void Mapping::showErrorBox(std::int16_t code)
{
    if (m_errorBox)
        m_errorBox(this, code);
}

void Mapping::Form_Load()
{
    setWindowTitle(
        QStringLiteral("Allan-Bradley / Modicon Corvane") +
        QString(kCaptionSpaces, QLatin1Char(' ')) +
        QStringLiteral("Ver %1.%2").arg(Corvane::kVersionMajor).arg(Corvane::kVersionMinor));
    m_about = new About(this);
    control("MasterFrm")->show();
    control("SlaveFrm")->hide();
    // Already the selected buttons; selecting them in code runs no handler.
    option("MasterOpt")->setChecked(true);
    option("XYYOpt")->setChecked(true);
    option("PLC5Opt")->setChecked(true);
    const auto readCommands = commandEntries(MessageType::Read);
    refillList(dropDown("ModCmdLst"), readCommands.front(), readCommands);
    setWindowHeight(kStartupWindowHeight);
}

void Mapping::Exit_Click() { close(); }

void Mapping::Aboutcmd_Click()
{
    if (!m_about)
        m_about = new About(this);
    m_about->show();
}

void Mapping::TransSlaveCmd_Click()
{
    const std::string dataFile = toStdString(field("DataFileTxt")->text());
    const std::string start = toStdString(field("StartRegTxt")->text());
    const std::string count = toStdString(field("NumRegTxt")->text());
    const auto answer = Corvane::Slave::TranslateSlave({dataFile, start, count});
    if (!answer.ok())
        showErrorBox(answer.error.code);
    setAnswer("ModStartTxt", toQString(answer.modiconStart));
    setAnswer("ModEndTxt", toQString(answer.modiconEnd));
    setAnswer("FileTxt", toQString(answer.file));
    setAnswer("WordTxt", toQString(answer.word));
}

void Mapping::TransMasterCmd_Click()
{
    const std::string messageType = toStdString(dropDown("MesTypeLst")->currentText());
    const std::string command = toStdString(dropDown("ModCmdLst")->currentText());
    const std::string subfunction = toStdString(dropDown("DiagSubLst")->currentText());
    const std::string registerText = toStdString(field("RegTxt")->text());
    const std::string slaveAddress = toStdString(field("SlaveAddrTxt")->text());
    Corvane::Master::MasterWindowState state;
    state.masterMode = option("MasterOpt")->isChecked();
    state.plc = plcType();
    state.format = addressFormat();
    state.messageType = messageType;
    state.command = command;
    state.subfunction = subfunction;
    state.registerText = registerText;
    state.slaveAddressText = slaveAddress;
    const auto answer = Corvane::Master::TranslateMaster(state);
    if (!answer.ok())
        showErrorBox(answer.error.code);
    setAnswer("DTATxt", toQString(answer.address));
}

void Mapping::MasterOpt_Click()
{
    control("MasterFrm")->show();
    control("SlaveFrm")->hide();
    SetMasterLayout(*this);
}

void Mapping::SlaveOpt_Click()
{
    control("MasterFrm")->hide();
    control("SlaveFrm")->show();
    SetSlaveLayout(*this);
}

void Mapping::PLC3Opt_Click()
{
    for (std::string_view name : formatControls())
        control(name)->hide();
    SetPLC3Layout(*this);
    UpdateFieldPrompts(*this);
}

void Mapping::PLC5Opt_Click()
{
    for (std::string_view name : formatControls())
        control(name)->show();
    SetPLC5Layout(*this);
    UpdateFieldPrompts(*this);
}

void Mapping::XYYOpt_Click() { UpdateFieldPrompts(*this); }

void Mapping::XYZOpt_Click() { UpdateFieldPrompts(*this); }

void Mapping::YXZOpt_Click() { UpdateFieldPrompts(*this); }

void Mapping::MesTypeLst_Click()
{
    const std::string messageType = toStdString(dropDown("MesTypeLst")->currentText());
    const std::string command = toStdString(dropDown("ModCmdLst")->currentText());
    if (const auto change = commandListChange(messageType, command)) {
        label("DiagSubLbl")->setVisible(change->showSubfunction);
        dropDown("DiagSubLst")->setVisible(change->showSubfunction);
        refillList(dropDown("ModCmdLst"), change->text, change->entries);
        FillDiagSubLst(*this);
    }
    UpdateFieldPrompts(*this);
}

void Mapping::ModCmdLst_Click()
{
    if (isStandardCommand(toStdString(dropDown("ModCmdLst")->currentText()))) {
        label("DiagSubLbl")->hide();
        dropDown("DiagSubLst")->hide();
    }
    UpdateFieldPrompts(*this);
}
