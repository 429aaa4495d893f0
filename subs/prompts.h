// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "master/addressingscheme.h"

#include <optional>
#include <span>
#include <string_view>

// What the Master group's boxes and captions show after a pick: the command
// box after a message type is picked, the register field's caption and the two
// range hints. The rules compare whole texts exactly.
namespace Corvane::Subs {

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
