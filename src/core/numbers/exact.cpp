// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/exact.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numbers/convert.h"

namespace tc {

namespace {

// Beyond this many decimal places a decimal's exact value holds more digits
// than any extended value shows; reading it exactly would only cost memory.
constexpr long long kLargestExponent = 20000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

mpz_class Pow10(unsigned long e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, e);
    return p;
}

// A decimal that StrToFloat has accepted, split into its parts: the value is
// digits * 10^(exponent - places).
struct DecimalParts {
    bool negative = false;
    std::string digits;
    long long places = 0;
    long long exponent = 0; // beyond kLargestExponent in size only as a mark
};

DecimalParts SplitDecimal(std::string_view text, char decimal) {
    DecimalParts d;
    std::size_t i = 0;
    const std::size_t size = text.size();
    while (i < size && text[i] == ' ')
        ++i;
    if (i < size && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
    while (i < size && IsDigit(text[i]))
        d.digits += text[i++];
    if (i < size && text[i] == decimal) {
        ++i;
        while (i < size && IsDigit(text[i])) {
            d.digits += text[i++];
            ++d.places;
        }
    }
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool down = false;
        if (i < size && (text[i] == '+' || text[i] == '-')) down = text[i++] == '-';
        while (i < size && IsDigit(text[i]) && d.exponent <= kLargestExponent)
            d.exponent = d.exponent * 10 + (text[i++] - '0');
        if (down) d.exponent = -d.exponent;
    }
    return d;
}

Rational Scaled(const mpz_class& digits, long long scale, bool negative) {
    Rational q(digits);
    if (scale >= 0)
        q *= Pow10(static_cast<unsigned long>(scale));
    else
        q /= Pow10(static_cast<unsigned long>(-scale));
    q.canonicalize();
    return negative ? Rational(-q) : q;
}

// A decimal as the determinants of typed values read it: a decimal that
// reaches beyond kLargestExponent is taken as its extended value.
Rational ReadDecimal(std::string_view text, char decimal) {
    const Ext asRead = StrToFloat(text, decimal);
    const DecimalParts d = SplitDecimal(text, decimal);
    const long long scale = d.exponent - d.places;
    if (d.exponent > kLargestExponent || d.exponent < -kLargestExponent || scale > kLargestExponent ||
        scale < -kLargestExponent)
        return ExactOf(asRead);
    return Scaled(mpz_class(d.digits.empty() ? "0" : d.digits, 10), scale, d.negative);
}

Failure ExactTooLong(std::string_view text) {
    const std::string digits = IntToStr(kExactDigits), places = IntToStr(kExactPlaces);
    return Failure(Line::fail_exact_too_long,
                   "\"" + std::string(text) + "\" has too many digits for exact fractions: a number may have at most " +
                       digits + " significant digits and " + places + " decimal places",
                   {std::string(text), digits, places});
}

// A decimal typed in exact fractions, which are computed with all their
// digits: beyond kExactDigits significant digits or kExactPlaces decimal
// places it is refused, never cut or taken as a nearby value.
Rational ReadLimitedDecimal(std::string_view text, char decimal) {
    StrToFloat(text, decimal); // the grammar and the extended range
    const DecimalParts d = SplitDecimal(text, decimal);
    const std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) return Rational(0);
    const std::size_t last = d.digits.find_last_not_of('0');
    const auto trailing = static_cast<long long>(d.digits.size() - 1 - last);
    const long long places = d.places - trailing - d.exponent;
    if (last - first + 1 > static_cast<std::size_t>(kExactDigits) || places > kExactPlaces)
        throw ExactTooLong(text);
    return Scaled(mpz_class(d.digits.substr(first, last - first + 1), 10), -places, d.negative);
}

mpz_class FromUint64(std::uint64_t v) {
    mpz_class z(static_cast<unsigned long>(v >> 32));
    z <<= 32;
    z += static_cast<unsigned long>(v & 0xFFFFFFFFu);
    return z;
}

} // namespace

Rational ReadExact(std::string_view text, char decimal, bool fractions) {
    if (!fractions) return ReadDecimal(text, decimal);
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return ReadLimitedDecimal(text, decimal);
    const std::string_view top = text.substr(0, slash), bottom = text.substr(slash + 1);
    if (bottom.find('/') != std::string_view::npos)
        throw Failure("'" + std::string(text) + "' is not a valid floating point value");
    Rational p, q;
    try {
        p = ReadLimitedDecimal(top, decimal);
        q = ReadLimitedDecimal(bottom, decimal);
    } catch (const Failure& f) {
        if (f.line() == Line::fail_exact_too_long) throw ExactTooLong(text);
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

Ext NearestOrInfinite(const Rational& q) {
    try {
        return NearestExt(q);
    } catch (const Failure&) {
        const long double inf = std::numeric_limits<long double>::infinity();
        return Ext(q < 0 ? -inf : inf);
    }
}

std::string FractionText(const Rational& q) {
    return q.get_str(10);
}

} // namespace tc
