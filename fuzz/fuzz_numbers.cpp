// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a typed number with either decimal separator, and
// as the raw bits of an extended value; every number form the program writes
// must read back, and the forms that keep 18 digits must come back close.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "numbers/convert.h"
#include "base/failure.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// What a written text reads back as; aborts when the reader refuses it.
long double ReadBack(const std::string& text, char decimal) {
    try {
        return tc::StrToFloat(text, decimal);
    } catch (const tc::Failure&) {
        std::abort();
    }
}

// `text` holds `value` rounded to `digits` significant digits.
void RequireClose(long double value, const std::string& text, int digits, char decimal) {
    const long double back = ReadBack(text, decimal);
    Require(std::isfinite(back));
    Require(std::fabs(back - value) <= std::fabs(value) * 2 * std::pow(10.0L, 1 - digits));
}

// The 15- and 18-digit forms always, and one more general and one fixed form
// chosen by `pick`, so that each run stays short.
void WriteForms(long double value, unsigned pick) {
    const char decimal = pick & 1 ? ',' : '.';
    RequireClose(value, tc::FloatToStr(value, decimal), 15, decimal);
    RequireClose(value, tc::FormatGeneral(value, 18, decimal), 18, decimal);
    const int digits = 2 + static_cast<int>((pick >> 1) % 17);
    RequireClose(value, tc::FormatGeneral(value, digits, decimal), digits, decimal);

    const int decimals = static_cast<int>((pick >> 6) % 12);
    const int precision = 14 + static_cast<int>((pick >> 10) % 7);
    const long double back = ReadBack(tc::FormatFixed(value, decimals, decimal, precision), decimal);
    // Rounded to the decimals, or to the kept digits when those are fewer.
    const long double step = std::fmax(std::pow(10.0L, -decimals),
                                       std::fabs(value) * 2 * std::pow(10.0L, 1 - std::min(precision, 18)));
    Require(std::fabs(back - value) <= step);
}

// The bits of an x87 extended value with its explicit integer bit made to agree
// with the exponent, so that no unnormal reaches the writers (the hardware
// treats those as invalid operands, and no computation yields one).
long double FromBits(const std::uint8_t* data) {
    unsigned char bits[sizeof(long double)] = {};
    std::memcpy(bits, data, 10);
    const bool normal = ((bits[9] & 0x7F) | bits[8]) != 0;
    bits[7] = static_cast<unsigned char>(normal ? bits[7] | 0x80 : bits[7] & 0x7F);
    long double value;
    std::memcpy(&value, bits, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    unsigned pick = static_cast<unsigned>(size) * 2654435761u;
    for (std::size_t i = 0; i < size && i < 4; ++i)
        pick = pick * 31 + data[i];
    for (char decimal : {'.', ','}) {
        try {
            const long double value = tc::StrToFloat(text, decimal);
            Require(std::isfinite(value));
            WriteForms(value, pick);
        } catch (const tc::Failure& e) {
            // The failure text quotes the input; it must be whole.
            Require(e.message().find(text) != std::string::npos);
        }
    }
    try {
        const std::int32_t n = tc::StrToInt(text);
        Require(tc::StrToInt(tc::IntToStr(n)) == n);
    } catch (const tc::Failure&) {
    }
    if (size >= 10 && std::numeric_limits<long double>::digits == 64) {
        const long double value = FromBits(data);
        if (std::isfinite(value)) WriteForms(value, pick);
    }
    return 0;
}
