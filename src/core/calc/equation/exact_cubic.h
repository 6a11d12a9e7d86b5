// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cubic of the typed coefficients with integer coefficients: its sign at
// any rational point is decided exactly, so a real root can be pinned between
// two points to whatever width its shown digits need, with no rounding error
// at all. Points are kept as exact rationals; those the search makes are
// dyadic (a finite binary fraction), which keeps the integers short.

#include <array>
#include <gmpxx.h>

#include "numbers/ext.h"

namespace tc {

class ExactCubic {
public:
    // The rational coefficients A (not zero), B, C and D, scaled to coprime
    // integers with the same roots.
    explicit ExactCubic(const std::array<mpq_class, 4>& k);

    // a, b, c, d of a*x^3+b*x^2+c*x+d.
    const mpz_class& operator[](size_t i) const { return k_[i]; }

    // -1, 0 or 1: the sign of the cubic at x.
    int signAt(const mpq_class& x) const;

    // The value at x, exactly.
    mpq_class at(const mpq_class& x) const;

    // Every root has |x| < 2^upperExponent(); with d != 0 every root has
    // |x| >= 2^lowerExponent().
    long upperExponent() const { return upper_; }
    long lowerExponent() const { return lower_; }

    // Newton's iteration towards a simple root in `bits` bits, from x (a few
    // steps: enough from a start right to half as many bits).
    void newton(mpf_class& x, mp_bitcnt_t bits) const;

    // The extended value that Newton's iteration in 128 bits reaches from
    // `start` (which stays when it is no finite number).
    Ext polish(Ext start) const;

    // The extended value nearest to the only root in (lo, hi), where the
    // cubic has opposite nonzero signs at lo and hi: bisection on the exact
    // sign, by halving the exponent while lo and hi lie far apart and the
    // interval once its ends are close.
    Ext rootBetween(mpq_class lo, mpq_class hi) const;

    // Whether the root nearest to `e` rounds to `e`: true when the cubic is 0
    // at e or changes its sign between the two midpoints to e's neighbours.
    // `root` is then the extended value of that root (a root exactly on a
    // midpoint rounds to the even neighbour). The two midpoints are returned
    // in `lo` and `hi` as a bracket of the root.
    bool rootRoundsTo(Ext e, Ext& root, mpq_class& lo, mpq_class& hi) const;

private:
    std::array<mpz_class, 4> k_;
    long upper_ = 0, lower_ = 0;
};

// sign * 2^exponent.
mpq_class PowerOfTwo(long exponent, int sign);

// The exact midpoint between e and its neighbour towards `direction`.
mpq_class MidpointTowards(Ext e, long double direction);

// The extended value nearest to sqrt(v), v >= 0, rounded once (ties to even).
Ext NearestSqrt(const mpq_class& v);

} // namespace tc
