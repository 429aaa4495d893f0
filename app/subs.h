#pragma once

#include <cstdint>
#include <span>
#include <string_view>

class Mapping;
class QComboBox;
class QString;
class QWidget;

// Module Subs: the layout and prompt routines of the main window and the error
// box that both translations use.
namespace Corvane::Subs {

// Shows the modal error box for `code` and returns when the user has closed it.
void ShowErrorBox(QWidget *parent, std::int16_t code);

// A text with CR LF line breaks as Qt shows line breaks.
// "Invalid Modbus Register/Coil\r\nA Modbus ..." -> "Invalid Modbus Register/Coil\nA Modbus ..."
QString toDisplayText(std::string_view text);

// Empties a list box, appends `entries` and leaves `text` shown, whether or
// not it is one of them; runs no handler.
void refillList(QComboBox *box, std::string_view text, std::span<const std::string_view> entries);

void SetPLC5Layout(Mapping &window);
void SetPLC3Layout(Mapping &window);
void SetSlaveLayout(Mapping &window);
void SetMasterLayout(Mapping &window);

void FillDiagSubLst(Mapping &window);
void UpdateFieldPrompts(Mapping &window);

} // namespace Corvane::Subs
