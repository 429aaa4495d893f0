// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <string_view>

// The message types of a PLC message, as the message type box spells them.
// Every rule compares the whole text exactly, leading space included.
namespace Corvane::Master {

inline constexpr std::string_view kReadMessageType = " Read";
inline constexpr std::string_view kWriteMessageType = " Write";

enum class MessageType { Read, Write, Other };

// The entries of the message type box, in its order.
inline constexpr std::array kMessageTypeTexts{kReadMessageType, kWriteMessageType};

// " Read" -> Read, " Write" -> Write, "Read" -> Other.
MessageType messageTypeOf(std::string_view text);

// {" Read", " Write"}, in the order the box lists them.
std::span<const std::string_view> messageTypeTexts();

// The list of a message type: `read` for Read, `write` for Write, none for Other.
// (Write, readCommands, writeCommands) -> writeCommands
std::span<const std::string_view> listOf(MessageType type, std::span<const std::string_view> read,
                                         std::span<const std::string_view> write);

// The first entry of a list, which the box shows after it is refilled; empty
// for an empty list.
std::string_view firstOf(std::span<const std::string_view> list);

} // namespace Corvane::Master
