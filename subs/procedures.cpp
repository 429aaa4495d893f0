// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "subs/procedures.h"

#include "master/messagetype.h"
#include "master/subfunctions.h"
#include "subs/layouts.h"
#include "subs/prompts.h"

namespace Corvane::Subs {
namespace {

void applyLayout(Form &form, std::optional<Control> control, LayoutProperty property, int twips)
{
    switch (property) {
    case LayoutProperty::Top:
        form.setTop(*control, twips);
        break;
    case LayoutProperty::Height:
        form.setHeight(*control, twips);
        break;
    case LayoutProperty::WindowHeight:
        form.setWindowHeight(twips);
        break;
    }
}

} // namespace

Master::PlcType selectedPlcType(const Form &form)
{
    return form.isSelected(Control::PLC5Opt) ? Master::PlcType::Plc5 : Master::PlcType::Plc3;
}

Master::AddressFormat selectedAddressFormat(const Form &form)
{
    if (form.isSelected(Control::XYZOpt))
        return Master::AddressFormat::XYZ;
    if (form.isSelected(Control::YXZOpt))
        return Master::AddressFormat::YXZ;
    return Master::AddressFormat::XYY;
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
    if (form.isSelected(Control::PLC5Opt))
        SetPLC5Layout(form);
    else
        SetPLC3Layout(form);
}

void FillDiagSubLst(Form &form)
{
    const Master::MessageType type = Master::messageTypeOf(form.text(Control::MesTypeLst));
    if (type == Master::MessageType::Other)
        return;
    form.refillList(Control::DiagSubLst, Master::defaultSubfunction(type),
                    Master::subfunctionTexts(type));
}

void UpdateFieldPrompts(Form &form)
{
    if (const auto caption = registerCaption(form.text(Control::ModCmdLst)))
        form.setText(Control::RegLbl, *caption);

    const RangeHints hints = rangeHints(selectedPlcType(form), selectedAddressFormat(form),
                                        form.text(Control::MesTypeLst));
    if (hints.registerHint)
        form.setText(Control::RegValLbl, *hints.registerHint);
    if (hints.slaveHint)
        form.setText(Control::SlaveValLbl, *hints.slaveHint);
}

} // namespace Corvane::Subs
