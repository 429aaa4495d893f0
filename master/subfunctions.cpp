#include "master/subfunctions.h"

namespace Corvane::Master {

std::span<const std::string_view> subfunctionTexts(MessageType type)
{
    switch (type) {
    case MessageType::Read:
        return kReadSubfunctions;
    case MessageType::Write:
        return kWriteSubfunctions;
    case MessageType::Other:
        break;
    }
    return {};
}

std::string_view defaultSubfunction(MessageType type)
{
    const auto texts = subfunctionTexts(type);
    return texts.empty() ? std::string_view{} : texts.front();
}

} // namespace Corvane::Master
