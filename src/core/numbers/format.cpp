// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "numbers/convert.h"
#include "numbers/exact.h"

namespace tc {

namespace {

// A magnitude as 0.d1d2d3... times ten to the power `exponent`. `digits` has
// no leading or trailing zeros; it is empty when the value rounded to zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The most significant digits any number form keeps.
constexpr int kMostDigits = 18;

int BoundPrecision(int precision) {
    return std::clamp(precision, 2, kMostDigits);
}

// Every digit of |value|, a finite non-zero number, exactly: its exact value
// is n / 2^k, which is n * 5^k / 10^k, a finite decimal. Each number form
// rounds these digits once, to its own precision; rounding a shorter expansion
// first would carry a digit up that the value itself does not reach
// (2.14242852856285499936 is not ...286 at 15 digits).
Decimal Expand(long double value) {
    const Rational q = ExactOf(Ext(std::fabs(value)));
    const auto k = static_cast<unsigned long>(mpz_sizeinbase(q.get_den_mpz_t(), 2) - 1);
    mpz_class n;
    mpz_ui_pow_ui(n.get_mpz_t(), 5, k);
    n *= q.get_num();
    Decimal d;
    d.digits = n.get_str(10);
    d.exponent = static_cast<int>(d.digits.size()) - static_cast<int>(k);
    while (d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Keeps the first `count` digits, rounding half up on the next one (a carry
// through nines adds a digit in front: 0.999 -> 0.1 x 10^1), and drops
// trailing zeros. A negative count leaves nothing, as does count 0 when the
// first digit is below 5.
void RoundHalfUp(Decimal& d, long long count) {
    if (count < 0) {
        d.digits.clear();
    } else if (count < static_cast<long long>(d.digits.size())) {
        const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
        d.digits.resize(static_cast<std::size_t>(count));
        if (up) {
            while (!d.digits.empty() && d.digits.back() == '9')
                d.digits.pop_back();
            if (d.digits.empty()) {
                d.digits = "1";
                ++d.exponent;
            } else {
                ++d.digits.back();
            }
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d.exponent = 0;
}

// The largest finite value rounded half up to fewer digits can exceed it
// ("1.18973149535723177E4932"), and no reader takes such a text back. There
// the digits are cut instead: the value lies between the largest value cut to
// `count` digits and the largest value itself, so its own cut digits are the
// largest value's.
void KeepBelowLargest(Decimal& d, int count) {
    static const Decimal largest = Expand(std::numeric_limits<long double>::max());
    if (d.exponent < largest.exponent) return;
    const std::string cut = largest.digits.substr(0, static_cast<std::size_t>(count));
    if (d.exponent == largest.exponent && d.digits <= cut) return;
    d.digits = cut;
    d.exponent = largest.exponent;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

std::string NotFinite(long double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Fixed notation for exponents -3..limit, scientific otherwise; `d` non-empty.
std::string WriteGeneral(const Decimal& d, bool negative, int limit, char decimal) {
    std::string out = negative ? "-" : "";
    const int e = d.exponent;
    const int count = static_cast<int>(d.digits.size());
    if (e >= -3 && e <= limit) {
        if (e <= 0) {
            out += '0';
            out += decimal;
            out.append(static_cast<std::size_t>(-e), '0');
            out += d.digits;
        } else if (count <= e) {
            out += d.digits;
            out.append(static_cast<std::size_t>(e - count), '0');
        } else {
            out.append(d.digits, 0, static_cast<std::size_t>(e));
            out += decimal;
            out.append(d.digits, static_cast<std::size_t>(e));
        }
    } else {
        out += d.digits[0];
        if (count > 1) {
            out += decimal;
            out.append(d.digits, 1);
        }
        out += 'E';
        out += IntToStr(e - 1);
    }
    return out;
}

} // namespace

std::string FloatToStr(long double value, char decimal) {
    return FormatGeneral(value, 15, decimal);
}

std::string FormatGeneral(long double value, int digits, char decimal) {
    if (!std::isfinite(value)) return NotFinite(value);
    if (value == 0.0L) return "0";
    const int precision = BoundPrecision(digits);
    Decimal d = Expand(value);
    RoundHalfUp(d, precision);
    KeepBelowLargest(d, precision);
    return WriteGeneral(d, value < 0.0L, precision, decimal);
}

std::string FormatFixed(long double value, int decimals, char decimal, int precision) {
    if (!std::isfinite(value)) return NotFinite(value);
    const int p = BoundPrecision(precision);
    const int n = std::max(decimals, 0);
    Decimal d;
    if (value != 0.0L) {
        d = Expand(value);
        // The n-th decimal is significant digit number exponent + n; the earlier
        // of that and the precision decides where the value is rounded.
        RoundHalfUp(d, std::min<long long>(p, static_cast<long long>(d.exponent) + n));
    }
    if (d.exponent > p) return FormatGeneral(value, p, decimal);

    // Zero, and a value that rounded to zero, carry no sign.
    std::string out = !d.digits.empty() && value < 0.0L ? "-" : "";
    const auto digit = [&d](long long index) {
        return index >= 0 && index < static_cast<long long>(d.digits.size())
                   ? d.digits[static_cast<std::size_t>(index)]
                   : '0';
    };
    if (d.exponent <= 0) out += '0';
    for (int i = 0; i < d.exponent; ++i)
        out += digit(i);
    if (n > 0) out += decimal;
    for (int i = 0; i < n; ++i)
        out += digit(static_cast<long long>(d.exponent) + i);
    return out;
}

std::string IntToStr(long long value) {
    char text[24];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

} // namespace tc
