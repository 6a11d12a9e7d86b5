// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>

#include "numbers/convert.h"

namespace tc {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void NotAFloat(std::string_view text) {
    throw Failure("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void NotAnInteger(std::string_view text) {
    throw Failure("'" + std::string(text) + "' is not a valid integer value");
}

// Reads a number already checked against the C grammar ("-12.5e-3"). The
// classic locale makes the reading independent of LC_NUMERIC, which the window
// sets to the user's. A stream rather than std::from_chars: from_chars refuses
// an underflowing value, while the stream yields the nearest denormal or zero.
// It reports an overflow by its fail state.
bool ReadCNumber(const std::string& number, long double& value) {
    std::istringstream in(number);
    in.imbue(std::locale::classic());
    in >> value;
    return !in.fail() && in.eof() && std::isfinite(value);
}

} // namespace

long double StrToFloat(std::string_view text, char decimal) {
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size && text[i] == ' ')
        ++i;

    // The number is rewritten in the C grammar with both digit groups present,
    // so that ".", "5." and ".5" need no special reading.
    std::string number;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    std::string integer;
    while (i < size && IsDigit(text[i]))
        integer += text[i++];
    bool separator = false;
    std::string fraction;
    if (i < size && text[i] == decimal) {
        separator = true;
        ++i;
        while (i < size && IsDigit(text[i]))
            fraction += text[i++];
    }
    if (integer.empty() && !separator) NotAFloat(text);
    number += integer.empty() ? "0" : integer;
    number += '.';
    number += fraction.empty() ? "0" : fraction;

    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        number += 'e';
        if (i < size && (text[i] == '+' || text[i] == '-')) number += text[i++];
        const std::size_t first = i;
        while (i < size && IsDigit(text[i]))
            number += text[i++];
        if (i == first) NotAFloat(text);
    }

    while (i < size && text[i] == ' ')
        ++i;
    if (i != size) NotAFloat(text);

    long double value = 0.0L;
    if (!ReadCNumber(number, value)) NotAFloat(text);
    return value;
}

std::int32_t StrToInt(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) NotAnInteger(text);
    // The magnitude of INT32_MIN is one more than INT32_MAX; anything beyond it
    // fails before the accumulator could grow further.
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) NotAnInteger(text);
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) NotAnInteger(text);
    }
    if (!negative && magnitude == kLimit) NotAnInteger(text);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace tc
