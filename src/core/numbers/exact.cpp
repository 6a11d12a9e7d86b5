// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/exact.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "numbers/convert.h"

namespace tc {

namespace {

// Beyond this many decimal places a decimal's exact value holds more digits
// than any extended value shows; reading it exactly would only cost memory.
constexpr long kLargestExponent = 20000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

mpz_class Pow10(unsigned long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, e);
    return p;
}

// A decimal that StrToFloat has accepted, read digit by digit.
Rational ReadDecimal(std::string_view text, char decimal) {
    const Ext asRead = StrToFloat(text, decimal);
    std::size_t i = 0;
    const std::size_t size = text.size();
    while (i < size && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::string digits;
    long places = 0;
    while (i < size && IsDigit(text[i]))
        digits += text[i++];
    if (i < size && text[i] == decimal) {
        ++i;
        while (i < size && IsDigit(text[i])) {
            digits += text[i++];
            ++places;
        }
    }
    long exponent = 0;
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool down = false;
        if (i < size && (text[i] == '+' || text[i] == '-')) down = text[i++] == '-';
        while (i < size && IsDigit(text[i])) {
            exponent = exponent * 10 + (text[i++] - '0');
            if (exponent > kLargestExponent) return ExactOf(asRead);
        }
        if (down) exponent = -exponent;
    }
    const long scale = exponent - places;
    if (scale > kLargestExponent || scale < -kLargestExponent) return ExactOf(asRead);
    Rational q(mpz_class(digits.empty() ? "0" : digits, 10));
    if (scale >= 0)
        q *= Pow10(static_cast<unsigned long>(scale));
    else
        q /= Pow10(static_cast<unsigned long>(-scale));
    q.canonicalize();
    return negative ? Rational(-q) : q;
}

mpz_class FromUint64(std::uint64_t v) {
    mpz_class z(static_cast<unsigned long>(v >> 32));
    z <<= 32;
    z += static_cast<unsigned long>(v & 0xFFFFFFFFu);
    return z;
}

} // namespace

Rational ReadExact(std::string_view text, char decimal, bool fractions) {
    const std::size_t slash = fractions ? text.find('/') : std::string_view::npos;
    if (slash == std::string_view::npos) return ReadDecimal(text, decimal);
    const std::string_view top = text.substr(0, slash), bottom = text.substr(slash + 1);
    if (bottom.find('/') != std::string_view::npos)
        throw Failure("'" + std::string(text) + "' is not a valid floating point value");
    Rational p, q;
    try {
        p = ReadDecimal(top, decimal);
        q = ReadDecimal(bottom, decimal);
    } catch (const Failure&) {
        throw Failure("'" + std::string(text) + "' is not a valid floating point value");
    }
    if (q == 0) throw Failure(kDivisionByZero);
    return Rational(p / q);
}

Rational ExactOf(Ext x) {
    const long double v = x.value();
    if (v == 0.0L) return Rational(0);
    int e = 0;
    const long double m = std::frexp(std::fabs(v), &e); // 0.5 <= m < 1
    const auto bits = static_cast<std::uint64_t>(std::ldexp(m, 64));
    Rational q(FromUint64(bits));
    e -= 64;
    if (e >= 0)
        q *= Rational(mpz_class(1) << static_cast<mp_bitcnt_t>(e));
    else
        q /= Rational(mpz_class(1) << static_cast<mp_bitcnt_t>(-e));
    q.canonicalize();
    return v < 0.0L ? Rational(-q) : q;
}

Ext NearestExt(const Rational& q) {
    if (q == 0) return Ext(0.0L);
    const bool negative = q < 0;
    const mpz_class num = abs(q.get_num());
    const mpz_class& den = q.get_den();
    // m = floor(num * 2^s / den) with at least 66 significant bits, the rest
    // of the quotient kept as a sticky bit.
    const long e = static_cast<long>(mpz_sizeinbase(num.get_mpz_t(), 2)) -
                   static_cast<long>(mpz_sizeinbase(den.get_mpz_t(), 2));
    const long s = 66 - e;
    mpz_class n = num, d = den;
    if (s >= 0)
        n <<= static_cast<mp_bitcnt_t>(s);
    else
        d <<= static_cast<mp_bitcnt_t>(-s);
    mpz_class m, rest;
    mpz_tdiv_qr(m.get_mpz_t(), rest.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
    const bool sticky = rest != 0;

    // value = m * 2^-s. Keep 64 bits, or fewer where the value is subnormal:
    // the lowest bit an extended value has is 2^-16445.
    const long top = static_cast<long>(mpz_sizeinbase(m.get_mpz_t(), 2)) - 1 - s;
    const long lowest = std::max(top - 63, -16445L);
    const long drop = lowest + s; // >= 2
    mpz_class keep = m >> static_cast<mp_bitcnt_t>(drop);
    const mpz_class dropped = m - (keep << static_cast<mp_bitcnt_t>(drop));
    const mpz_class half = mpz_class(1) << static_cast<mp_bitcnt_t>(drop - 1);
    if (dropped > half || (dropped == half && (sticky || mpz_odd_p(keep.get_mpz_t())))) ++keep;

    // keep <= 2^64 fits an extended value exactly; so does its scaling, unless
    // it overflows.
    const mpz_class high = keep >> 32;
    const mpz_class low = keep - (high << 32);
    const long double whole =
        std::ldexp(static_cast<long double>(high.get_ui()), 32) + static_cast<long double>(low.get_ui());
    if (lowest > 16384) throw Failure(kOverflow);
    const long double v = std::ldexp(whole, static_cast<int>(lowest));
    if (std::isinf(v)) throw Failure(kOverflow);
    return Ext(negative ? -v : v);
}

std::string FractionText(const Rational& q) {
    return q.get_str(10);
}

} // namespace tc
