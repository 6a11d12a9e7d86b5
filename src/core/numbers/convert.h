// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading numbers from texts and writing numbers as texts. Nothing here looks at
// the C library's locale: the decimal separator is always passed in.

#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/ext.h"

namespace tc {

// Text-to-number conversion: leading and trailing spaces (only the space
// character), an optional sign, digits with an optional decimal separator and
// fraction (a lone separator reads as 0), an optional exponent. Anything else,
// or a value beyond the extended range, throws Failure
// "'<text>' is not a valid floating point value". An underflowing value reads
// as the nearest representable one (possibly 0).
long double StrToFloat(std::string_view text, char decimal);

// Text-to-integer conversion: an optional sign and decimal digits; anything
// else, or a value outside the 32-bit range, throws Failure
// "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// General number form: 15 significant digits, fixed notation for decimal
// exponents -3..15, otherwise scientific ("1.5E-7", "1E20"). Zero is "0".
std::string FloatToStr(long double value, char decimal);

// General format with `digits` significant digits (bounded to 2..18); fixed
// notation for decimal exponents -3..digits.
std::string FormatGeneral(long double value, int digits, char decimal);

// Fixed number form with `decimals` decimals. `precision` is the number of
// significant digits kept (default 15, bounded to 2..18); when the integer part
// has more than `precision` digits the value is written in the general format
// with `precision` digits instead.
std::string FormatFixed(long double value, int decimals, char decimal, int precision = 15);

// Decimal digits with a leading "-" when negative.
std::string IntToStr(long long value);

// The number forms bound to one decimal separator, for code that writes many
// numbers in a row.
class Numbers {
public:
    explicit Numbers(char decimal = '.') : decimal_(decimal) {}
    char decimal() const { return decimal_; }
    Ext read(std::string_view text) const { return StrToFloat(text, decimal_); }
    // The value in the general form with this separator, as results and
    // written solutions show numbers by default.
    std::string text(Ext v) const { return FloatToStr(v.value(), decimal_); }
    std::string general(Ext v, int digits) const { return FormatGeneral(v.value(), digits, decimal_); }
    std::string fixed(Ext v, int decimals, int precision = 15) const {
        return FormatFixed(v.value(), decimals, decimal_, precision);
    }

private:
    char decimal_;
};

} // namespace tc
