// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/common/typed_input.h"

#include <algorithm>

namespace tc {

namespace {

// Whether `text` reads as a number once each of its `other` separators is
// written as `decimal`.
bool NumberWithSeparator(std::string text, char other, char decimal) {
    if (text.find(other) == std::string::npos) return false;
    std::replace(text.begin(), text.end(), other, decimal);
    try {
        StrToFloat(text, decimal);
        return true;
    } catch (const Failure&) {
        return false;
    }
}

} // namespace

Ext ReadTyped(const Env& env, const std::string& text, const Place& place) {
    try {
        return env.nums.read(text);
    } catch (const Failure&) {
        // A file from before the line keeps the failure as it was worded then.
        if (!env.messages.has(Line::fail_not_a_number)) throw;
        const std::string where = env.messages.format(place.line, place.fallback, place.args);
        std::string message =
            env.messages.format(Line::fail_not_a_number, "%1: '%2' is not a number.", {where, text});
        const char decimal = env.nums.decimal();
        const char other = decimal == '.' ? ',' : '.';
        if (NumberWithSeparator(text, other, decimal))
            message +=
                " " + env.messages.format(Line::fail_decimal_separator, "The decimal separator here is '%1'.",
                                          {std::string(1, decimal)});
        throw Failure(message);
    }
}

} // namespace tc
