// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "web/provisional/handlers.h"

#include "app/rules/layouts.h"
#include "app/rules/prompts.h"
#include "master/mastertranslation.h"
#include "slave/slavetranslation.h"

#include <corvane/version.h>

#include <array>
#include <string>

namespace Corvane::Web {
namespace {

using namespace Corvane::Subs;
using Master::AddressFormat;
using Master::PlcType;

constexpr int kCaptionSpaces = 53;

PlcType plcType(const Form &form)
{
    return form.isSelected("PLC5Opt") ? PlcType::Plc5 : PlcType::Plc3;
}

AddressFormat addressFormat(const Form &form)
{
    if (form.isSelected("XYZOpt"))
        return AddressFormat::XYZ;
    if (form.isSelected("YXZOpt"))
        return AddressFormat::YXZ;
    return AddressFormat::XYY;
}

void applyLayout(Form &form, std::string_view control, LayoutProperty property, int twips)
{
    switch (property) {
    case LayoutProperty::Top:
        form.setTop(control, twips);
        break;
    case LayoutProperty::Height:
        form.setHeight(control, twips);
        break;
    case LayoutProperty::WindowHeight:
        form.setWindowHeight(twips);
        break;
    }
}

void SetPLC5Layout(Form &form)
{
    for (const MasterLayoutRow &row : masterLayoutRows())
        applyLayout(form, row.control, row.property, row.plc5);
}

void SetPLC3Layout(Form &form)
{
    for (const MasterLayoutRow &row : masterLayoutRows())
        applyLayout(form, row.control, row.property, row.plc3);
}

void SetSlaveLayout(Form &form)
{
    for (const LayoutRow &row : slaveLayoutRows())
        applyLayout(form, row.control, row.property, row.value);
}

void SetMasterLayout(Form &form)
{
    if (form.isSelected("PLC5Opt"))
        SetPLC5Layout(form);
    else
        SetPLC3Layout(form);
}

void FillDiagSubLst(Form &form)
{
    const MessageType type = messageTypeOf(form.text("MesTypeLst"));
    if (type != MessageType::Other)
        form.refillList("DiagSubLst", defaultSubfunction(type), subfunctionEntries(type));
}

void UpdateFieldPrompts(Form &form)
{
    if (const auto caption = registerCaption(form.text("ModCmdLst")))
        form.setText("RegLbl", *caption);
    const RangeHints hints =
        rangeHints(plcType(form), addressFormat(form), form.text("MesTypeLst"));
    if (hints.registerHint)
        form.setText("RegValLbl", *hints.registerHint);
    if (hints.slaveHint)
        form.setText("SlaveValLbl", *hints.slaveHint);
}

void Form_Load(Form &form)
{
    const std::string caption = "Allan-Bradley / Modicon Corvane" +
                                std::string(kCaptionSpaces, ' ') + "Ver " +
                                std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
    form.setText(kMainWindowName, caption);
    form.setVisible("MasterFrm", true);
    form.setVisible("SlaveFrm", false);
    form.refillList("MesTypeLst", form.text("MesTypeLst"), messageTypeEntries());
    const auto readCommands = commandEntries(MessageType::Read);
    form.refillList("ModCmdLst", readCommands.front(), readCommands);
    form.setWindowHeight(kStartupWindowHeight);
}

void MasterOpt_Click(Form &form)
{
    form.setVisible("MasterFrm", true);
    form.setVisible("SlaveFrm", false);
    SetMasterLayout(form);
}

void SlaveOpt_Click(Form &form)
{
    form.setVisible("MasterFrm", false);
    form.setVisible("SlaveFrm", true);
    SetSlaveLayout(form);
}

void PLC3Opt_Click(Form &form)
{
    for (std::string_view control : formatControls())
        form.setVisible(control, false);
    SetPLC3Layout(form);
    UpdateFieldPrompts(form);
}

void PLC5Opt_Click(Form &form)
{
    for (std::string_view control : formatControls())
        form.setVisible(control, true);
    SetPLC5Layout(form);
    UpdateFieldPrompts(form);
}

void MesTypeLst_Click(Form &form)
{
    if (const auto change = commandListChange(form.text("MesTypeLst"), form.text("ModCmdLst"))) {
        form.setVisible("DiagSubLbl", change->showSubfunction);
        form.setVisible("DiagSubLst", change->showSubfunction);
        form.refillList("ModCmdLst", change->text, change->entries);
        FillDiagSubLst(form);
    }
    UpdateFieldPrompts(form);
}

void ModCmdLst_Click(Form &form)
{
    if (isStandardCommand(form.text("ModCmdLst"))) {
        form.setVisible("DiagSubLbl", false);
        form.setVisible("DiagSubLst", false);
    }
    UpdateFieldPrompts(form);
}

void TransSlaveCmd_Click(Form &form)
{
    const std::string dataFile = form.text("DataFileTxt");
    const std::string start = form.text("StartRegTxt");
    const std::string count = form.text("NumRegTxt");
    const auto answer = Slave::TranslateSlave({dataFile, start, count});
    if (!answer.ok())
        form.showErrorBox(answer.error.code);
    form.setText("ModStartTxt", answer.modiconStart);
    form.setText("ModEndTxt", answer.modiconEnd);
    form.setText("FileTxt", answer.file);
    form.setText("WordTxt", answer.word);
}

void TransMasterCmd_Click(Form &form)
{
    const std::string messageType = form.text("MesTypeLst");
    const std::string command = form.text("ModCmdLst");
    const std::string subfunction = form.text("DiagSubLst");
    const std::string registerText = form.text("RegTxt");
    const std::string slaveAddress = form.text("SlaveAddrTxt");
    Master::MasterWindowState state;
    state.masterMode = form.isSelected("MasterOpt");
    state.plc = plcType(form);
    state.format = addressFormat(form);
    state.messageType = messageType;
    state.command = command;
    state.subfunction = subfunction;
    state.registerText = registerText;
    state.slaveAddressText = slaveAddress;
    const auto answer = Master::TranslateMaster(state);
    if (!answer.ok())
        form.showErrorBox(answer.error.code);
    form.setText("DTATxt", answer.address);
}

struct NamedHandler {
    std::string_view name;
    Handler handler;
};

// The three format buttons only refresh the prompts.
constexpr std::array kHandlers{
    NamedHandler{"Form_Load", Form_Load},
    NamedHandler{"MasterOpt_Click", MasterOpt_Click},
    NamedHandler{"SlaveOpt_Click", SlaveOpt_Click},
    NamedHandler{"PLC3Opt_Click", PLC3Opt_Click},
    NamedHandler{"PLC5Opt_Click", PLC5Opt_Click},
    NamedHandler{"XYYOpt_Click", UpdateFieldPrompts},
    NamedHandler{"XYZOpt_Click", UpdateFieldPrompts},
    NamedHandler{"YXZOpt_Click", UpdateFieldPrompts},
    NamedHandler{"MesTypeLst_Click", MesTypeLst_Click},
    NamedHandler{"ModCmdLst_Click", ModCmdLst_Click},
    NamedHandler{"TransSlaveCmd_Click", TransSlaveCmd_Click},
    NamedHandler{"TransMasterCmd_Click", TransMasterCmd_Click},
};

} // namespace

Handler handlerNamed(std::string_view name)
{
    for (const NamedHandler &entry : kHandlers) {
        if (entry.name == name)
            return entry.handler;
    }
    return nullptr;
}

} // namespace Corvane::Web
