// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/exact_cubic.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/equation/exact_number.h"

namespace tc {

namespace {

long Bits(const mpz_class& z) {
    return z == 0 ? 0 : static_cast<long>(mpz_sizeinbase(z.get_mpz_t(), 2));
}

// floor(log2 |x|) for x != 0, up to one: enough to choose a split point.
long Log2(const mpq_class& x) {
    return Bits(x.get_num()) - Bits(x.get_den());
}

} // namespace

ExactCubic::ExactCubic(const std::array<mpq_class, 4>& k) {
    mpz_class common = 1;
    for (const mpq_class& q : k)
        mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), q.get_den_mpz_t());
    mpz_class divisor = 0;
    for (size_t i = 0; i < 4; ++i) {
        k_[i] = k[i].get_num() * (common / k[i].get_den());
        mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), k_[i].get_mpz_t());
    }
    for (mpz_class& z : k_)
        z /= divisor;
    // |x| < 1 + max(|b|,|c|,|d|)/|a| and, with d != 0,
    // |x| >= |d|/(|d| + max(|a|,|b|,|c|)).
    const long top = std::max({Bits(k_[1]), Bits(k_[2]), Bits(k_[3])});
    upper_ = std::max(0L, top - Bits(k_[0]) + 1) + 1;
    const long head = std::max({Bits(k_[0]), Bits(k_[1]), Bits(k_[2])});
    lower_ = Bits(k_[3]) - 2 - std::max(Bits(k_[3]), head);
}

int ExactCubic::signAt(const mpq_class& x) const {
    // The denominator's cube is positive: the sign is that of
    // a*n^3 + b*n^2*m + c*n*m^2 + d*m^3 for x = n/m.
    const mpz_class &n = x.get_num(), &m = x.get_den();
    mpz_class v = k_[0] * n + k_[1] * m;
    const mpz_class m2 = m * m;
    v = v * n + k_[2] * m2;
    v = v * n + k_[3] * (m2 * m);
    return sgn(v);
}

mpq_class ExactCubic::at(const mpq_class& x) const {
    return ((k_[0] * x + k_[1]) * x + k_[2]) * x + k_[3];
}

void ExactCubic::newton(mpf_class& x, mp_bitcnt_t bits) const {
    x.set_prec(bits);
    // The coefficients exactly, however long: rounded ones would move a root
    // that lies close to others (x^3-3x^2+3x-1.00000000000000000001).
    std::array<mpf_class, 4> k;
    for (size_t i = 0; i < 4; ++i)
        k[i] = mpf_class(k_[i], std::max<mp_bitcnt_t>(bits, mpz_sizeinbase(k_[i].get_mpz_t(), 2) + 1));
    const mpf_class &a = k[0], &b = k[1], &c = k[2], &d = k[3];
    mpf_class f(0, bits), slope(0, bits), step(0, bits), size(0, bits), last(0, bits);
    for (int i = 0; i < 12; ++i) {
        f = ((a * x + b) * x + c) * x + d;
        slope = (3 * a * x + 2 * b) * x + c;
        if (f == 0 || slope == 0) return;
        step = f / slope;
        // A step no smaller than the one before is rounding noise: the root
        // is as close as these bits can tell.
        if (i > 1 && abs(step) >= last) return;
        last = abs(step);
        x -= step;
        size = abs(x);
        mpf_div_2exp(size.get_mpf_t(), size.get_mpf_t(), bits - 4);
        if (last <= size) return;
    }
}

Ext ExactCubic::polish(Ext start) const {
    if (!std::isfinite(start.value())) return start;
    mpf_class x = ToMpf(start, 128);
    newton(x, 128);
    // A start far from every root may run beyond the extended range.
    long exponent = 0;
    mpf_get_d_2exp(&exponent, x.get_mpf_t());
    return std::labs(exponent) < 16000 ? NearestExt(x) : start;
}

Ext ExactCubic::rootBetween(mpq_class lo, mpq_class hi) const {
    const int signLo = signAt(lo);
    for (;;) {
        const Ext eLo = NearestExt(lo), eHi = NearestExt(hi);
        if (eLo == eHi) return eLo;
        mpq_class mid;
        if (sgn(lo) != sgn(hi)) {
            mid = 0;
        } else if (std::nextafter(eLo.value(), eHi.value()) == eHi.value()) {
            // Neighbours: only the midpoint between them is left to decide.
            mid = MidpointTowards(eLo, eHi.value());
            const int s = signAt(mid);
            if (s == 0) return NearestExt(mid);
            return s == signLo ? eHi : eLo;
        } else if (std::abs(Log2(lo) - Log2(hi)) > 2) {
            mid = PowerOfTwo((Log2(lo) + Log2(hi)) / 2, sgn(lo));
        } else {
            mid = (lo + hi) / 2;
        }
        const int s = signAt(mid);
        if (s == 0) return NearestExt(mid);
        if (s == signLo)
            lo = mid;
        else
            hi = mid;
        // A root is never nearer to 0 than 2^lower: an end at 0 moves there.
        if (lo == 0) lo = PowerOfTwo(lower_, sgn(hi));
        if (hi == 0) hi = PowerOfTwo(lower_, sgn(lo));
    }
}

bool ExactCubic::rootRoundsTo(Ext e, Ext& root, mpq_class& lo, mpq_class& hi) const {
    const long double inf = std::numeric_limits<long double>::infinity();
    if (!std::isfinite(e.value()) || std::fabs(e.value()) == std::numeric_limits<long double>::max())
        return false;
    const mpq_class exact = ExactOf(e);
    if (signAt(exact) == 0) {
        root = e;
        lo = hi = exact;
        return true;
    }
    lo = MidpointTowards(e, -inf);
    hi = MidpointTowards(e, inf);
    const int signLo = signAt(lo), signHi = signAt(hi);
    if (signLo == 0 || signHi == 0) {
        root = NearestExt(signLo == 0 ? lo : hi);
        lo = hi = signLo == 0 ? lo : hi;
        return true;
    }
    root = e;
    return signLo != signHi;
}

mpq_class PowerOfTwo(long exponent, int sign) {
    mpq_class q(sign);
    if (exponent >= 0)
        mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(exponent));
    else
        mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-exponent));
    return q;
}

mpq_class MidpointTowards(Ext e, long double direction) {
    const long double next = std::nextafter(e.value(), direction);
    return (ExactOf(e) + ExactOf(next)) / 2;
}

Ext NearestSqrt(const mpq_class& v) {
    if (v == 0) return 0.0L;
    // m = floor(sqrt(v * 4^k)) with at least 66 bits; a nonzero rest makes
    // the stand-in m + 1/2, which rounds as the true value does.
    const long k = std::max(0L, (140 - Log2(v)) / 2);
    mpz_class scaled = v.get_num(), rest;
    mpz_mul_2exp(scaled.get_mpz_t(), scaled.get_mpz_t(), static_cast<mp_bitcnt_t>(2 * k));
    mpz_tdiv_qr(scaled.get_mpz_t(), rest.get_mpz_t(), scaled.get_mpz_t(), v.get_den_mpz_t());
    mpz_class m, rootRest;
    mpz_sqrtrem(m.get_mpz_t(), rootRest.get_mpz_t(), scaled.get_mpz_t());
    mpq_class s(m);
    if (rest != 0 || rootRest != 0) s += mpq_class(1, 2);
    mpq_div_2exp(s.get_mpq_t(), s.get_mpq_t(), static_cast<mp_bitcnt_t>(k));
    return NearestExt(s);
}

} // namespace tc
