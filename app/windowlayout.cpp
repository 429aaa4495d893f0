#include "subs.h"

#include "app/rules/controltable.h"
#include "app/rules/layouts.h"
#include "mapping.h"

#include <QRadioButton>

namespace Corvane::Subs {

namespace {

void applyLayout(Mapping &window, std::string_view name, LayoutProperty property, int twips)
{
    if (property == LayoutProperty::WindowHeight) {
        window.setWindowHeight(twips);
        return;
    }
    QWidget *control = window.control(name);
    if (property == LayoutProperty::Top)
        control->move(control->x(), twipsToPixels(twips));
    else
        control->resize(control->width(), twipsToPixels(twips));
}

} // namespace

void SetPLC5Layout(Mapping &window)
{
    for (const MasterLayoutRow &row : masterLayoutRows())
        applyLayout(window, row.control, row.property, row.plc5);
}

void SetPLC3Layout(Mapping &window)
{
    for (const MasterLayoutRow &row : masterLayoutRows())
        applyLayout(window, row.control, row.property, row.plc3);
}

void SetSlaveLayout(Mapping &window)
{
    for (const LayoutRow &row : slaveLayoutRows())
        applyLayout(window, row.control, row.property, row.value);
}

void SetMasterLayout(Mapping &window)
{
    if (window.option("PLC5Opt")->isChecked())
        SetPLC5Layout(window);
    else
        SetPLC3Layout(window);
}

} // namespace Corvane::Subs
