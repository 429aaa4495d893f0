#include "subs.h"

#include "app/qtconversions.h"
#include "app/rules/prompts.h"
#include "mapping.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <string>

namespace Corvane::Subs {

void refillList(QComboBox *box, std::string_view text, std::span<const std::string_view> entries)
{
    const QSignalBlocker blocker(box);
    const QString shown = toQString(text);
    box->clear();
    box->setEditText(shown);
    for (std::string_view entry : entries)
        box->addItem(toQString(entry));
    // An editable box takes the first entry appended to an empty list as its
    // text; the text set above is the one to show.
    box->setEditText(shown);
}

void FillDiagSubLst(Mapping &window)
{
    const MessageType type =
        messageTypeOf(toStdString(window.dropDown("MesTypeLst")->currentText()));
    if (type == MessageType::Other)
        return;
    refillList(window.dropDown("DiagSubLst"), defaultSubfunction(type), subfunctionEntries(type));
}

void UpdateFieldPrompts(Mapping &window)
{
    const std::string command = toStdString(window.dropDown("ModCmdLst")->currentText());
    if (const auto caption = registerCaption(command))
        window.setCaption("RegLbl", *caption);

    const std::string messageType = toStdString(window.dropDown("MesTypeLst")->currentText());
    const RangeHints hints = rangeHints(window.plcType(), window.addressFormat(), messageType);
    if (hints.registerHint)
        window.setCaption("RegValLbl", *hints.registerHint);
    if (hints.slaveHint)
        window.setCaption("SlaveValLbl", *hints.slaveHint);
}

} // namespace Corvane::Subs
