// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/exact_number.h"

#include <cmath>
#include <string>

namespace tc {

mpq_class ExactDecimal(std::string_view text, char decimal) {
    return ReadExact(text, decimal);
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
