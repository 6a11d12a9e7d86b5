// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/complex_pair.h"

#include <algorithm>
#include <initializer_list>

#include "calc/equation/exact_number.h"

namespace tc {

namespace {

// The most bits a bracket of x1 is narrowed to. The widest spread of roots that
// typed coefficients allow needs about 4,300; beyond that only a part lying
// exactly on a rounding boundary would go on, and takes the nearer side.
constexpr mp_bitcnt_t kMostBits = 16384;

struct Range {
    mpq_class lo, hi;
};

Range Of(std::initializer_list<mpq_class> values) {
    return {std::min(values), std::max(values)};
}

// The coefficients as rationals, for exact enclosures.
struct Coefficients {
    mpq_class a, b, c, d;
    explicit Coefficients(const ExactCubic& p) : a(p[0]), b(p[1]), c(p[2]), d(p[3]) {}
};

mpq_class RealPart(const Coefficients& k, const mpq_class& x) {
    return -(k.a * x + k.b) / (2 * k.a);
}

mpq_class ImaginarySquared(const Coefficients& k, const mpq_class& x) {
    return ((3 * k.a * k.a * x + 2 * k.a * k.b) * x + 4 * k.a * k.c - k.b * k.b) / (4 * k.a * k.a);
}

ComplexPair Rounded(const mpq_class& re, const mpq_class& imSquared) {
    return {NearestExt(re), NearestSqrt(imSquared)};
}

// Both parts from a bracket [lo, hi] of x1 that holds no 0, when each of
// their enclosures lies within what rounds to one extended value.
bool FromBracket(const Coefficients& k, const mpq_class& lo, const mpq_class& hi, ComplexPair& out) {
    if (sgn(lo) * sgn(hi) <= 0) return false;
    const Range first = Of({RealPart(k, lo), RealPart(k, hi)});
    const Range numerator = Of({k.c * lo + k.d, k.c * hi + k.d});
    const Range denominator = Of({2 * k.a * lo * lo, 2 * k.a * hi * hi}); // no 0 inside
    const Range second = Of({numerator.lo / denominator.lo, numerator.lo / denominator.hi,
                             numerator.hi / denominator.lo, numerator.hi / denominator.hi});
    const Range re{std::max(first.lo, second.lo), std::min(first.hi, second.hi)};
    if (re.lo > re.hi) return false;

    // im^2 as a quadratic in x1 has its extreme value at x1 = -b/(3a).
    Range direct = Of({ImaginarySquared(k, lo), ImaginarySquared(k, hi)});
    const mpq_class vertex = -k.b / (3 * k.a);
    if (lo < vertex && vertex < hi) {
        const mpq_class v = ImaginarySquared(k, vertex);
        direct = {std::min(direct.lo, v), std::max(direct.hi, v)};
    }
    const Range modulus = Of({-k.d / (k.a * lo), -k.d / (k.a * hi)});
    const Range reSquared = sgn(re.lo) * sgn(re.hi) <= 0
                                ? Range{0, std::max(re.lo * re.lo, re.hi * re.hi)}
                                : Of({re.lo * re.lo, re.hi * re.hi});
    const mpq_class fromModulusLo = modulus.lo - reSquared.hi, fromModulusHi = modulus.hi - reSquared.lo;
    const Range im{std::max(direct.lo, fromModulusLo), std::min(direct.hi, fromModulusHi)};
    if (im.lo <= 0 || im.lo > im.hi) return false;

    const ComplexPair low = Rounded(re.lo, im.lo), high = Rounded(re.hi, im.hi);
    if (low.re != high.re || low.im != high.im) return false;
    out = low;
    return true;
}

mpq_class Exact(const mpf_class& f) {
    mpq_class q;
    mpq_set_f(q.get_mpq_t(), f.get_mpf_t());
    return q;
}

// The narrowest of [mid -+ |mid|*2^-s] with s from bits-16 down to 64 where
// the cubic changes its sign. A root close to others is found by Newton's
// iteration to fewer bits than it computes with: as many fewer as the
// evaluation near the cluster cancels.
bool BracketAround(const ExactCubic& p, const mpq_class& mid, mp_bitcnt_t bits, mpq_class& below,
                   mpq_class& above) {
    for (mp_bitcnt_t shift = bits - 16; shift > 64; shift -= std::max<mp_bitcnt_t>(32, shift / 4)) {
        mpq_class width = abs(mid);
        mpq_div_2exp(width.get_mpq_t(), width.get_mpq_t(), shift);
        below = mid - width;
        above = mid + width;
        if (p.signAt(below) * p.signAt(above) < 0) return true;
    }
    return false;
}

// `times` halvings of [lo, hi], which holds one root; true when a middle
// is the root itself (then lo = hi = the root).
bool Halve(const ExactCubic& p, mpq_class& lo, mpq_class& hi, int times) {
    const int signLo = p.signAt(lo);
    for (int i = 0; i < times; ++i) {
        const mpq_class mid = (lo + hi) / 2;
        const int s = p.signAt(mid);
        if (s == 0) {
            lo = hi = mid;
            return true;
        }
        (s == signLo ? lo : hi) = mid;
    }
    return false;
}

} // namespace

ComplexPair PairBeside(const ExactCubic& p, const mpq_class& lo, const mpq_class& hi) {
    const Coefficients k(p);
    // a*d = b*c with c/a > 0: the cubic is (a*x+b)*(x^2+c/a), the pair +-i*sqrt(c/a).
    if (p[0] * p[3] == p[1] * p[2] && sgn(p[0]) == sgn(p[2])) return {0.0L, NearestSqrt(k.c / k.a)};
    if (lo == hi) return Rounded(RealPart(k, lo), ImaginarySquared(k, lo));
    ComplexPair out;
    if (FromBracket(k, lo, hi, out)) return out;

    // Each round starts from the middle of the narrowest bracket so far:
    // Newton's iteration narrows it fast where it converges, and where it
    // cannot (a root close to others, a start on the critical point), the
    // bracket is halved on the exact sign instead.
    mpq_class bestLo = lo, bestHi = hi;
    for (mp_bitcnt_t bits = 128; bits <= kMostBits; bits *= 2) {
        mpf_class x((bestLo + bestHi) / 2, bits);
        p.newton(x, bits);
        const mpq_class mid = Exact(x);
        if (p.signAt(mid) == 0) return Rounded(RealPart(k, mid), ImaginarySquared(k, mid));
        mpq_class below, above;
        if (BracketAround(p, mid, bits, below, above) && above - below < bestHi - bestLo) {
            bestLo = below;
            bestHi = above;
        } else if (Halve(p, bestLo, bestHi, 64)) {
            return Rounded(RealPart(k, bestLo), ImaginarySquared(k, bestLo));
        }
        if (FromBracket(k, bestLo, bestHi, out)) return out;
    }
    // Only a part exactly on a rounding boundary gets here: the middle of the
    // last bracket decides.
    const mpq_class mid = (bestLo + bestHi) / 2;
    const mpq_class imSquared = ImaginarySquared(k, mid);
    return {NearestExt(RealPart(k, mid)), imSquared > 0 ? NearestSqrt(imSquared) : Ext(0.0L)};
}

} // namespace tc
