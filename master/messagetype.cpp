#include "master/messagetype.h"

#include <array>

namespace Corvane::Master {
namespace {

constexpr std::array kMessageTypes{kReadMessageType, kWriteMessageType};

} // namespace

MessageType messageTypeOf(std::string_view text)
{
    if (text == kReadMessageType)
        return MessageType::Read;
    if (text == kWriteMessageType)
        return MessageType::Write;
    return MessageType::Other;
}

std::span<const std::string_view> messageTypeTexts() { return kMessageTypes; }

} // namespace Corvane::Master
