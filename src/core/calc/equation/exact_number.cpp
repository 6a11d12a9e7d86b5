#include "calc/equation/exact_number.h"

#include <cmath>
#include <string>

namespace tc {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// 10^k as an exact rational, for k of either sign.
mpq_class PowerOfTen(long k) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(k < 0 ? -k : k));
    return k < 0 ? mpq_class(1, p) : mpq_class(p);
}

// The bit length of a positive integer.
long Bits(const mpz_class& z) {
    return static_cast<long>(mpz_sizeinbase(z.get_mpz_t(), 2));
}

} // namespace

mpq_class ExactDecimal(std::string_view text, char decimal) {
    size_t at = 0;
    auto skipSpaces = [&] {
        while (at < text.size() && text[at] == ' ')
            ++at;
    };
    skipSpaces();
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::string digits;
    long scale = 0; // the value is digits * 10^scale
    for (; at < text.size() && IsDigit(text[at]); ++at)
        digits += text[at];
    if (at < text.size() && text[at] == decimal)
        for (++at; at < text.size() && IsDigit(text[at]); ++at) {
            digits += text[at];
            --scale;
        }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool down = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) down = text[at++] == '-';
        long exponent = 0;
        // A longer exponent puts the value beyond the extended range, which
        // reading has refused already; the bound only keeps the count finite.
        for (; at < text.size() && IsDigit(text[at]); ++at)
            if (exponent < 100000) exponent = exponent * 10 + (text[at] - '0');
        scale += down ? -exponent : exponent;
    }
    if (digits.find_first_not_of('0') == std::string::npos) return 0;
    mpq_class value(mpz_class(digits, 10));
    value *= PowerOfTen(scale);
    value.canonicalize();
    return negative ? mpq_class(-value) : value;
}

Ext NearestExt(const mpq_class& q) {
    if (sgn(q) == 0) return 0.0L;
    const mpz_class num = abs(q.get_num());
    const mpz_class& den = q.get_den();
    // num/den * 2^shift lies in [2^65, 2^67): 64 bits, a rounding bit and more.
    const long shift = 66 - (Bits(num) - Bits(den));
    mpz_class n = num, d = den;
    if (shift > 0)
        n <<= static_cast<mp_bitcnt_t>(shift);
    else
        d <<= static_cast<mp_bitcnt_t>(-shift);
    mpz_class quotient, remainder;
    mpz_fdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
    long extra = Bits(quotient) - 64;
    const bool half = mpz_tstbit(quotient.get_mpz_t(), static_cast<mp_bitcnt_t>(extra - 1)) != 0;
    const bool beyondHalf =
        remainder != 0 || mpz_scan1(quotient.get_mpz_t(), 0) < static_cast<mp_bitcnt_t>(extra - 1);
    mpz_class m = quotient >> static_cast<mp_bitcnt_t>(extra);
    if (half && (beyondHalf || mpz_odd_p(m.get_mpz_t()))) ++m;
    if (Bits(m) > 64) {
        m >>= 1;
        ++extra;
    }
    const long exponent = extra - shift; // the value is m * 2^exponent
    if (exponent + 63 > 16383) throw Failure(kOverflow);
    if (exponent + 63 < -16500) return 0.0L;
    const long double magnitude =
        std::ldexp(static_cast<long double>(mpz_get_ui(m.get_mpz_t())), static_cast<int>(exponent));
    return sgn(q) < 0 ? -magnitude : magnitude;
}

Ext NearestExt(const mpf_class& f) {
    mpq_class q;
    mpq_set_f(q.get_mpq_t(), f.get_mpf_t());
    return NearestExt(q);
}

mpf_class ToMpf(Ext x, mp_bitcnt_t bits) {
    int exponent = 0;
    const long double fraction = std::frexp(x.value(), &exponent); // |fraction| in [0.5, 1)
    const long double scaled = std::ldexp(std::fabs(fraction), 64);
    mpf_class out(0, bits);
    mpf_set_ui(out.get_mpf_t(), 0);
    // The 64 bits of the significand, in two halves that each fit an unsigned long.
    const auto high = static_cast<unsigned long>(scaled / 0x1p32L);
    const auto low = static_cast<unsigned long>(scaled - static_cast<long double>(high) * 0x1p32L);
    mpf_class part(high, bits);
    part *= 4294967296.0;
    part += low;
    if (exponent - 64 >= 0)
        mpf_mul_2exp(out.get_mpf_t(), part.get_mpf_t(), static_cast<mp_bitcnt_t>(exponent - 64));
    else
        mpf_div_2exp(out.get_mpf_t(), part.get_mpf_t(), static_cast<mp_bitcnt_t>(64 - exponent));
    return x < 0.0L ? mpf_class(-out, bits) : out;
}

} // namespace tc
