// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/quadratic_solve.h"

namespace tc {

namespace {

// Neither magnitude exceeds twice the other.
bool WithinFactorTwo(Ext p, Ext q) {
    return p <= 2.0L * q && q <= 2.0L * p;
}

} // namespace

Ext Discriminant(Ext a, Ext b, Ext c) {
    return b * b - 4.0L * a * c;
}

Rational ExactDiscriminant(const Rational& a, const Rational& b, const Rational& c) {
    return b * b - 4 * a * c;
}

RealRootPair RealRoots(Ext a, Ext b, Ext c, Ext d) {
    const Ext r = Sqrt(d);
    RealRootPair p{r, (-b + r) / (2.0L * a), (-b - r) / (2.0L * a)};
    // -b+r cancels for b > 0 and -b-r for b < 0 when |b| and r are close; the
    // product of the roots, x1*x2 = c/a, then gives that root from the other
    // one without cancellation (1*x^2+1E10*x+1=0 has -1E-10, not 0).
    // With c = 0 that root is exactly 0 either way; the product would give it
    // the sign of a negative zero.
    if (r > 0.0L && c != 0.0L && WithinFactorTwo(Abs(b), r)) {
        if (b > 0.0L)
            p.x1 = c / (a * p.x2);
        else if (b < 0.0L)
            p.x2 = c / (a * p.x1);
    }
    return p;
}

ComplexRootPair ComplexRoots(Ext a, Ext b, Ext d) {
    const Ext s = Sqrt(-d);
    return {s, -b / (2.0L * a), s / (2.0L * a)};
}

QuadraticSolution SolveQuadratic(Ext a, Ext b, Ext c, const Rational& exactDisc) {
    QuadraticSolution s;
    s.a = a;
    s.b = b;
    s.c = c;
    // Evaluated as written for its failures (an overflow), then replaced.
    static_cast<void>(Discriminant(a, b, c));
    s.d = NearestExt(exactDisc);
    s.vertex = -b / (2.0L * a);
    if (s.d > 0.0L) {
        s.kind = QuadraticCase::TwoReal;
        s.real = RealRoots(a, b, c, s.d);
    } else if (s.d == 0.0L) {
        s.kind = QuadraticCase::Double;
        s.real = RealRoots(a, b, c, s.d);
    } else {
        s.kind = QuadraticCase::Complex;
        s.complex = ComplexRoots(a, b, s.d);
    }
    return s;
}

VietaCheck CheckVieta(const QuadraticSolution& s) {
    VietaCheck v;
    if (s.complex) {
        v.sum = s.complex->re + s.complex->re;
        v.product = s.complex->re * s.complex->re + s.complex->im * s.complex->im;
    } else {
        v.sum = s.real->x1 + s.real->x2;
        v.product = s.real->x1 * s.real->x2;
    }
    v.minusBOverA = -s.b / s.a;
    v.cOverA = s.c / s.a;
    v.sumResidual = v.sum - v.minusBOverA;
    v.productResidual = v.product - v.cOverA;
    return v;
}

} // namespace tc
