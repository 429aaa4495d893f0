#pragma once

#include "master/commands.h"
#include "master/mastertranslation.h"

#include <optional>
#include <span>
#include <string_view>

// The texts of the three drop-down boxes of the Master group and the rules that
// choose the register caption and the two range hints. Every text begins with a
// space, and the rules compare whole texts exactly.
namespace Corvane::Subs {

inline constexpr std::string_view kReadMessage = Master::kReadMessageType;
inline constexpr std::string_view kWriteMessage = Master::kWriteMessageType;

// Recognised by every rule, but an entry of neither command list: the command
// box holds it only when the user typed it.
inline constexpr std::string_view kDiagnosticsCommand = Master::kDiagnosticsCommand;

enum class MessageType { Read, Write, Other };

// " Read" -> Read, " Write" -> Write, "Read" -> Other.
MessageType messageTypeOf(std::string_view text);

// {" Read", " Write"}, the entries of MesTypeLst.
std::span<const std::string_view> messageTypeEntries();

// The four commands of a message type in list order; empty for Other.
// commandEntries(Write)[1] -> " 06 - Pre-set Single Register  (4X)"
std::span<const std::string_view> commandEntries(MessageType type);

// The command a message type starts with; empty for Other.
// defaultCommand(Read) -> " 01 - Read Coil Status  (0X)"
std::string_view defaultCommand(MessageType type);

// The diagnostic subfunctions of a message type in list order; empty for Other.
// subfunctionEntries(Read).size() -> 11
std::span<const std::string_view> subfunctionEntries(MessageType type);

// defaultSubfunction(Write) -> " 01 - Restart Communications"
std::string_view defaultSubfunction(MessageType type);

// True for the eight commands of the two lists, false for the diagnostics
// command and for any typed text.
bool isStandardCommand(std::string_view command);

// What a pick in MesTypeLst does to the command box: the entries to append, the
// text the box shows afterwards and whether the subfunction controls show.
// nullopt when the message type text is neither " Read" nor " Write".
// (" Write", " 08 - Diagnostics") -> {Write commands, " 08 - Diagnostics", shown}
struct CommandListChange {
    std::span<const std::string_view> entries;
    std::string_view text;
    bool showSubfunction = false;
};
std::optional<CommandListChange> commandListChange(std::string_view messageType,
                                                   std::string_view command);

// The caption of RegLbl for a command text; nullopt leaves the caption as it is.
// " 03 - Read Holding Registers  (4X)" -> "Start Register"; "08 - Diagnostics" -> nullopt
std::optional<std::string_view> registerCaption(std::string_view command);

// The range hints beside RegTxt and SlaveAddrTxt; a nullopt hint stays as it is.
// (Plc5, YXZ, any) -> {"(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)", "(1-3)"};
// (Plc3, any, " Write") -> {"(1-9999)", "(0-255)"}; (Plc3, any, "x") -> {"(1-9999)", nullopt}
struct RangeHints {
    std::optional<std::string_view> registerHint;
    std::optional<std::string_view> slaveHint;
};
RangeHints rangeHints(Master::PlcType plc, Master::AddressFormat format,
                      std::string_view messageType);

} // namespace Corvane::Subs
