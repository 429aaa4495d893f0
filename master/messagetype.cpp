// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/messagetype.h"

namespace Corvane::Master {

MessageType messageTypeOf(std::string_view text)
{
    if (text == kReadMessageType)
        return MessageType::Read;
    if (text == kWriteMessageType)
        return MessageType::Write;
    return MessageType::Other;
}

std::span<const std::string_view> messageTypeTexts() { return kMessageTypeTexts; }

std::span<const std::string_view> listOf(MessageType type, std::span<const std::string_view> read,
                                         std::span<const std::string_view> write)
{
    switch (type) {
    case MessageType::Read:
        return read;
    case MessageType::Write:
        return write;
    case MessageType::Other:
        break;
    }
    return {};
}

std::string_view firstOf(std::span<const std::string_view> list)
{
    return list.empty() ? std::string_view{} : list.front();
}

} // namespace Corvane::Master
