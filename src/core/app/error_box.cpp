// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/error_box.h"

namespace tc {

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

std::string FailureText(const Failure& failure, const MessageTable& messages) {
    if (!failure.line() || !messages.has(*failure.line())) return failure.message();
    return messages.format(*failure.line(), failure.message(), failure.args());
}

} // namespace tc
