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

// Called while a failure to read `text` is handled: throws it again worded by
// the file's `line` with the place named, or as it is where the file has no
// such line (a file from before the line keeps the wording of then).
[[noreturn]] void Reword(const Env& env, const std::string& text, const Place& place, Line line,
                         const char* fallback) {
    if (!env.messages.has(line)) throw;
    const std::string where = env.messages.format(place.line, place.fallback, place.args);
    std::string message = env.messages.format(line, fallback, {where, text});
    const char decimal = env.nums.decimal();
    const char other = decimal == '.' ? ',' : '.';
    if (line == Line::fail_not_a_number && NumberWithSeparator(text, other, decimal))
        message +=
            " " + env.messages.format(Line::fail_decimal_separator, "The decimal separator here is '%1'.",
                                      {std::string(1, decimal)});
    throw Failure(message);
}

} // namespace

Ext ReadTyped(const Env& env, const std::string& text, const Place& place) {
    try {
        return env.nums.read(text);
    } catch (const Failure&) {
        Reword(env, text, place, Line::fail_not_a_number, "%1: '%2' is not a number.");
    }
}

Rational ReadCellFraction(const Env& env, const Grid& grid, int col, int row, const Place& place) {
    const std::string& text = grid.cell(col, row);
    try {
        return ReadExact(text, env.nums.decimal(), true);
    } catch (const Failure& f) {
        // Too many digits is its own reason, worded by its own line.
        if (f.line() == Line::fail_exact_too_long) throw;
        if (f.message() == kDivisionByZero)
            Reword(env, text, place, Line::fail_zero_denominator,
                   "%1: the fraction '%2' has a zero denominator.");
        Reword(env, text, place, Line::fail_not_a_number, "%1: '%2' is not a number.");
    }
}

} // namespace tc
