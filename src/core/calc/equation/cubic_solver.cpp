// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/cubic_solver.h"

#include <cmath>

#include "calc/equation/exact_number.h"

namespace tc {

namespace {

// Enough bits that refining a root loses none of the 64 an extended value
// holds, even where its digits cancel against B/(3A) or a nearby root.
constexpr mp_bitcnt_t kBits = 384;

struct ExactReduction {
    mpq_class shift, p, q, disc;
};

// x = t - B/(3A) turns A*x^3+B*x^2+C*x+D into A*(t^3+p*t+q).
ExactReduction Reduce(const std::array<mpq_class, 4>& k) {
    const mpq_class &a = k[0], &b = k[1], &c = k[2], &d = k[3];
    ExactReduction e;
    e.shift = b / (3 * a);
    e.p = (3 * a * c - b * b) / (3 * a * a);
    e.q = (2 * b * b * b - 9 * a * b * c + 27 * a * a * d) / (27 * a * a * a);
    const mpq_class halfQ = e.q / 2, thirdP = e.p / 3;
    e.disc = halfQ * halfQ + thirdP * thirdP * thirdP;
    return e;
}

// A zero of either sign is written "0".
Ext Unsigned0(Ext x) {
    return x == 0.0L ? Ext(0.0L) : x;
}

Ext Cbrt(Ext x) {
    return std::cbrt(x.value());
}

class ExactCubic {
public:
    explicit ExactCubic(const std::array<mpq_class, 4>& k) {
        for (size_t i = 0; i < 4; ++i)
            k_[i] = mpf_class(k[i], kBits);
    }
    const mpf_class& operator[](size_t i) const { return k_[i]; }

    // Newton's iteration on the exact equation from `start`, an approximation
    // of a simple root. The start stands when the iteration leaves it for
    // more than its own error could explain (it would have found another root).
    mpf_class refine(Ext start, Ext scale) const {
        const mpf_class x0 = ToMpf(start, kBits);
        mpf_class x(x0, kBits), f(0, kBits), slope(0, kBits), step(0, kBits);
        for (int i = 0; i < 100; ++i) {
            f = ((k_[0] * x + k_[1]) * x + k_[2]) * x + k_[3];
            slope = (3 * k_[0] * x + 2 * k_[1]) * x + k_[2];
            if (f == 0 || slope == 0) break;
            step = f / slope;
            x -= step;
            mpf_class size(abs(x), kBits);
            mpf_div_2exp(size.get_mpf_t(), size.get_mpf_t(), kBits - 8);
            if (abs(step) <= size) break;
        }
        mpf_class drift(abs(x - x0), kBits), bound(abs(x0) + ToMpf(scale, kBits), kBits);
        bound *= 1e-12;
        return drift <= bound ? x : x0;
    }

private:
    std::array<mpf_class, 4> k_;
};

Root Real(Ext x) {
    return {Unsigned0(x), 0.0L, false};
}

void SolveOneReal(const ExactReduction& e, const ExactCubic& exact, CubicSolution& s) {
    s.sqrtDisc = Sqrt(s.disc);
    // u*v = -p/3: the cube root whose radicand adds two numbers of one sign
    // is taken as computed, the other from the product, so neither cancels.
    s.minusHalfQ = NearestExt(mpq_class(-e.q / 2));
    const Ext minusHalfQ = s.minusHalfQ;
    const Ext minusThirdP = NearestExt(mpq_class(-e.p / 3));
    if (s.q > 0.0L) {
        s.v = Cbrt(minusHalfQ - s.sqrtDisc);
        s.u = Unsigned0(minusThirdP / s.v);
    } else {
        s.u = Cbrt(minusHalfQ + s.sqrtDisc);
        s.v = Unsigned0(minusThirdP / s.u);
    }
    const Ext start = s.u + s.v - s.shift;
    const mpf_class x1 = exact.refine(start, Abs(s.shift) + Abs(s.u) + Abs(s.v));
    s.x[0] = Real(NearestExt(x1));
    // The pair solves the quotient A*x^2+(A*x1+B)*x+(A*x1^2+B*x1+C)=0: its
    // real part is -(x1+B/A)/2 and its product (A*x1^2+B*x1+C)/A = re^2+im^2.
    mpf_class re(-(x1 + exact[1] / exact[0]) / 2, kBits);
    mpf_class imSquared(((exact[0] * x1 + exact[1]) * x1 + exact[2]) / exact[0] - re * re, kBits);
    Ext pairRe, pairIm;
    if (imSquared > 0) {
        pairRe = NearestExt(re);
        pairIm = NearestExt(mpf_class(sqrt(imSquared), kBits));
    } else {
        pairRe = -(s.u + s.v) / 2.0L - s.shift;
        pairIm = Sqrt(3.0L) / 2.0L * (s.u - s.v);
    }
    s.x[1] = {Unsigned0(pairRe), pairIm, true};
    s.x[2] = {Unsigned0(pairRe), -pairIm, true};
}

void SolveThreeReal(const ExactReduction& e, const ExactCubic& exact, CubicSolution& s) {
    s.r = Sqrt(NearestExt(mpq_class(-e.p / 3)));
    s.cosPhi = -s.q / (2.0L * s.r * s.r * s.r);
    // tan(phi) = sqrt(-Q)/(-q/2) gives the angle to full precision also
    // where cos(phi) is near +-1, which arccos would not.
    s.phi = ArcTan2(Sqrt(-s.disc), NearestExt(mpq_class(-e.q / 2)));
    for (int k = 0; k < 3; ++k) {
        const Ext t = 2.0L * s.r * std::cos(((s.phi + 2.0L * k * Pi()) / 3.0L).value());
        const mpf_class x = exact.refine(t - s.shift, Abs(s.shift) + 2.0L * s.r);
        s.x[static_cast<size_t>(k)] = Real(NearestExt(x));
    }
}

} // namespace

CubicSolution SolveCubic(const CubicInputs& in) {
    const ExactReduction e = Reduce(in.exact);
    CubicSolution s;
    s.a = in.kept[0];
    s.b = in.kept[1];
    s.c = in.kept[2];
    s.d = in.kept[3];
    s.shift = NearestExt(e.shift);
    s.p = NearestExt(e.p);
    s.q = NearestExt(e.q);
    s.disc = NearestExt(e.disc);
    const ExactCubic exact(in.exact);
    const int sign = sgn(e.disc);
    if (sign > 0) {
        s.kind = CubicCase::OneReal;
        SolveOneReal(e, exact, s);
    } else if (sign < 0) {
        s.kind = CubicCase::ThreeReal;
        SolveThreeReal(e, exact, s);
    } else if (sgn(e.p) != 0) {
        // Q = 0 with p != 0: t = 3q/p once and t = -3q/(2p) twice.
        s.kind = CubicCase::Double;
        s.x[0] = Real(NearestExt(mpq_class(3 * e.q / e.p - e.shift)));
        s.x[1] = s.x[2] = Real(NearestExt(mpq_class(-3 * e.q / (2 * e.p) - e.shift)));
    } else {
        s.kind = CubicCase::Triple;
        s.x[0] = s.x[1] = s.x[2] = Real(NearestExt(mpq_class(-e.shift)));
    }
    return s;
}

} // namespace tc
