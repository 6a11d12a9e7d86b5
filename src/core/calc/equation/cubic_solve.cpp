// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/cubic_solve.h"

#include <cmath>

#include "calc/equation/cubic_roots.h"
#include "calc/equation/exact_number.h"

namespace tc {

namespace {

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
    const RealAndPair roots = OneRealRoot(exact);
    s.x[0] = Real(roots.x);
    const Ext pairRe = roots.re, pairIm = roots.im;
    s.x[1] = {Unsigned0(pairRe), pairIm, true};
    s.x[2] = {Unsigned0(pairRe), -pairIm, true};
}

void SolveThreeReal(const ExactReduction& e, const ExactCubic& exact, CubicSolution& s) {
    s.r = Sqrt(NearestExt(mpq_class(-e.p / 3)));
    s.cosPhi = -s.q / (2.0L * s.r * s.r * s.r);
    // tan(phi) = sqrt(-Q)/(-q/2) gives the angle to full precision also
    // where cos(phi) is near +-1, which arccos would not.
    s.phi = ArcTan2(Sqrt(-s.disc), NearestExt(mpq_class(-e.q / 2)));
    // The angles phi/3, (phi+2pi)/3 and (phi+4pi)/3 give the largest, the
    // smallest and the middle root.
    const std::array<Ext, 3> x = ThreeRealRoots(exact);
    s.x = {Real(x[2]), Real(x[0]), Real(x[1])};
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
