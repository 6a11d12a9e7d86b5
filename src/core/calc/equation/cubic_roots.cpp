// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/cubic_roots.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/equation/complex_pair.h"
#include "numbers/exact.h"

namespace tc {

namespace {

using Real = long double;

// The real roots by the textbook formulas in plain extended arithmetic (an
// overflow gives an infinity or a NaN, which no root then survives): the
// trigonometric form for three real roots, Cardano's formula for one. The root
// largest in magnitude keeps its digits; smaller ones may cancel away.
std::vector<Real> FormulaRoots(Real a, Real b, Real c, Real d, bool threeReal) {
    const Real bn = b / a, cn = c / a, dn = d / a;
    const Real shift = bn / 3.0L;
    const Real p = cn - bn * bn / 3.0L;
    const Real q = 2.0L * bn * bn * bn / 27.0L - bn * cn / 3.0L + dn;
    std::vector<Real> roots;
    if (threeReal) {
        const Real r = std::sqrt(std::max(-p / 3.0L, 0.0L));
        const Real cosPhi = r > 0 ? std::clamp(-q / (2.0L * r * r * r), -1.0L, 1.0L) : 1.0L;
        const Real phi = std::acos(cosPhi);
        for (int k = 0; k < 3; ++k)
            roots.push_back(2.0L * r * std::cos((phi + 2.0L * k * Pi().value()) / 3.0L) - shift);
    } else {
        const Real s = std::sqrt(std::max(q * q / 4.0L + p * p * p / 27.0L, 0.0L));
        // The cube root whose radicand adds two numbers of one sign, the other from u*v = -p/3.
        const Real u = std::cbrt(q > 0 ? -q / 2.0L - s : -q / 2.0L + s);
        const Real v = u != 0 ? -p / (3.0L * u) : 0.0L;
        roots.push_back(u + v - shift);
    }
    return roots;
}

Real LargestInMagnitude(const std::vector<Real>& roots) {
    return *std::max_element(roots.begin(), roots.end(),
                             [](Real x, Real y) { return std::fabs(x) < std::fabs(y); });
}

struct Approximations {
    Real large, small; // the roots largest and smallest in magnitude
};

// The largest root from the equation, the smallest as 1/(the largest root of
// the reversed equation d*y^3+c*y^2+b*y+a=0); d must not be zero.
Approximations Approximate(const ExactCubic& p, bool threeReal) {
    Real k[4];
    for (size_t i = 0; i < 4; ++i)
        k[i] = NearestExt(mpq_class(p[i])).value();
    return {LargestInMagnitude(FormulaRoots(k[0], k[1], k[2], k[3], threeReal)),
            1.0L / LargestInMagnitude(FormulaRoots(k[3], k[2], k[1], k[0], threeReal))};
}

// Points between the roots: the critical points where the derivative
// 3a*x^2+2b*x+c vanishes, computed in more and more bits until the cubic
// has the sign of a local maximum and a local minimum there.
bool Separators(const ExactCubic& p, mpq_class& first, mpq_class& second) {
    const mpz_class &a = p[0], &b = p[1], &c = p[2];
    const mpz_class disc = b * b - 3 * a * c; // > 0 for three distinct real roots
    for (mp_bitcnt_t bits = 128; bits <= 16384; bits *= 2) {
        const mpf_class root = sqrt(mpf_class(disc, bits));
        // -(b + sign(b)*root) adds two numbers of one sign.
        const mpf_class sum(b >= 0 ? mpf_class(-b - root, bits) : mpf_class(-b + root, bits), bits);
        mpq_class x1, x2;
        mpq_set_f(x1.get_mpq_t(), mpf_class(sum / (3 * mpf_class(a, bits)), bits).get_mpf_t());
        mpq_set_f(x2.get_mpq_t(), mpf_class(mpf_class(c, bits) / sum, bits).get_mpf_t());
        first = std::min(x1, x2);
        second = std::max(x1, x2);
        if (p.signAt(first) == sgn(a) && p.signAt(second) == -sgn(a)) return true;
    }
    return false;
}

} // namespace

std::array<Ext, 3> ThreeRealRoots(const ExactCubic& p) {
    std::array<Real, 3> start{};
    if (p[3] == 0) {
        // x*(a*x^2+b*x+c): 0 and the quadratic's roots, the larger one first
        // from the formula that adds numbers of one sign.
        const Real a = NearestExt(mpq_class(p[0])).value(), b = NearestExt(mpq_class(p[1])).value(),
                   c = NearestExt(mpq_class(p[2])).value();
        const Real sum = -(b + std::copysign(std::sqrt(std::max(b * b - 4.0L * a * c, 0.0L)), b)) / 2.0L;
        start = {0.0L, sum / a, c / sum};
    } else {
        const Approximations x = Approximate(p, true);
        const mpq_class product = mpq_class(-p[3]) / p[0]; // of the three roots
        start = {x.large, x.small, NearestExt(product).value() / (x.large * x.small)};
    }
    std::array<Ext, 3> roots{};
    bool certain = true;
    for (size_t i = 0; i < 3 && certain; ++i) {
        mpq_class lo, hi;
        certain = p.rootRoundsTo(p.polish(start[i]), roots[i], lo, hi) ||
                  p.rootRoundsTo(start[i], roots[i], lo, hi);
    }
    std::sort(roots.begin(), roots.end());
    // Three distinct values in three disjoint brackets: one root in each.
    if (certain && roots[0] != roots[1] && roots[1] != roots[2]) return roots;

    mpq_class first, second;
    const mpq_class bound = PowerOfTwo(p.upperExponent(), 1);
    if (!Separators(p, first, second)) return roots;
    return {p.rootBetween(-bound, first), p.rootBetween(first, second), p.rootBetween(second, bound)};
}

RealAndPair OneRealRoot(const ExactCubic& p) {
    RealAndPair out;
    mpq_class lo, hi;
    bool certain = false;
    if (p[3] == 0) {
        out.x = 0.0L;
        lo = hi = 0;
        certain = true;
    } else {
        const Approximations x = Approximate(p, false);
        certain = p.rootRoundsTo(p.polish(x.large), out.x, lo, hi) ||
                  p.rootRoundsTo(p.polish(x.small), out.x, lo, hi) || p.rootRoundsTo(x.large, out.x, lo, hi) ||
                  p.rootRoundsTo(x.small, out.x, lo, hi);
    }
    if (!certain) {
        const mpq_class bound = PowerOfTwo(p.upperExponent(), 1);
        out.x = p.rootBetween(-bound, bound);
        // The bracket of the rounded root; failing that, the bound itself.
        if (!p.rootRoundsTo(out.x, out.x, lo, hi)) {
            lo = -bound;
            hi = bound;
        }
    }
    const ComplexPair pair = PairBeside(p, lo, hi);
    out.re = pair.re;
    out.im = pair.im;
    return out;
}

} // namespace tc
