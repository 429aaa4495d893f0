// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "subs/mappingevents.h"

#include "master/commands.h"
#include "master/mastertranslation.h"
#include "slave/slavetranslation.h"
#include "subs/captions.h"
#include "subs/layouts.h"
#include "subs/procedures.h"
#include "subs/prompts.h"

#include <string>

namespace Corvane::Subs {

void Form_Load(Form &form)
{
    form.setCaption(mainWindowCaption());
    form.loadAbout();
    form.setVisible(Control::MasterFrm, true);
    form.setVisible(Control::SlaveFrm, false);
    // Already the selected buttons: selecting them again changes nothing and
    // runs no handler.
    form.setSelected(Control::MasterOpt);
    form.setSelected(Control::XYYOpt);
    form.setSelected(Control::PLC5Opt);
    const Master::MessageType startType = Master::MessageType::Read;
    form.refillList(Control::ModCmdLst, Master::defaultCommand(startType),
                    Master::commandTexts(startType));
    form.setWindowHeight(kStartupWindowHeight);
}

void MasterOpt_Click(Form &form)
{
    form.setVisible(Control::MasterFrm, true);
    form.setVisible(Control::SlaveFrm, false);
    SetMasterLayout(form);
}

void SlaveOpt_Click(Form &form)
{
    form.setVisible(Control::MasterFrm, false);
    form.setVisible(Control::SlaveFrm, true);
    SetSlaveLayout(form);
}

void PLC3Opt_Click(Form &form)
{
    for (Control control : formatControls())
        form.setVisible(control, false);
    SetPLC3Layout(form);
    UpdateFieldPrompts(form);
}

void PLC5Opt_Click(Form &form)
{
    for (Control control : formatControls())
        form.setVisible(control, true);
    SetPLC5Layout(form);
    UpdateFieldPrompts(form);
}

void XYYOpt_Click(Form &form) { UpdateFieldPrompts(form); }

void XYZOpt_Click(Form &form) { UpdateFieldPrompts(form); }

void YXZOpt_Click(Form &form) { UpdateFieldPrompts(form); }

void MesTypeLst_Click(Form &form)
{
    const std::string messageType = form.text(Control::MesTypeLst);
    const std::string command = form.text(Control::ModCmdLst);
    if (const auto change = commandListChange(messageType, command)) {
        form.setVisible(Control::DiagSubLbl, change->showSubfunction);
        form.setVisible(Control::DiagSubLst, change->showSubfunction);
        form.refillList(Control::ModCmdLst, change->text, change->entries);
        FillDiagSubLst(form);
    }
    UpdateFieldPrompts(form);
}

void ModCmdLst_Click(Form &form)
{
    if (Master::isStandardCommand(form.text(Control::ModCmdLst))) {
        form.setVisible(Control::DiagSubLbl, false);
        form.setVisible(Control::DiagSubLst, false);
    }
    UpdateFieldPrompts(form);
}

void TransSlaveCmd_Click(Form &form)
{
    const std::string dataFile = form.text(Control::DataFileTxt);
    const std::string start = form.text(Control::StartRegTxt);
    const std::string count = form.text(Control::NumRegTxt);
    const auto answer = Slave::TranslateSlave({dataFile, start, count});
    if (!answer.ok())
        form.showErrorBox(answer.error.code);
    // Always and in this order; after a refusal the four texts are empty.
    form.setText(Control::ModStartTxt, answer.modiconStart);
    form.setText(Control::ModEndTxt, answer.modiconEnd);
    form.setText(Control::FileTxt, answer.file);
    form.setText(Control::WordTxt, answer.word);
}

void TransMasterCmd_Click(Form &form)
{
    const std::string messageType = form.text(Control::MesTypeLst);
    const std::string command = form.text(Control::ModCmdLst);
    const std::string subfunction = form.text(Control::DiagSubLst);
    const std::string registerText = form.text(Control::RegTxt);
    const std::string slaveAddress = form.text(Control::SlaveAddrTxt);
    Master::MasterWindowState state;
    state.masterMode = form.isSelected(Control::MasterOpt);
    state.plc = selectedPlcType(form);
    state.format = selectedAddressFormat(form);
    state.messageType = messageType;
    state.command = command;
    state.subfunction = subfunction;
    state.registerText = registerText;
    state.slaveAddressText = slaveAddress;
    const auto answer = Master::TranslateMaster(state);
    if (!answer.ok())
        form.showErrorBox(answer.error.code);
    form.setText(Control::DTATxt, answer.address);
}

} // namespace Corvane::Subs
