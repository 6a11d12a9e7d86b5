// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/biquadratic_solve.h"

namespace tc {

namespace {

Ext Unsigned0(Ext x) {
    return x == 0.0L ? Ext(0.0L) : x;
}

Root Negated(const Root& r) {
    return {Unsigned0(-r.re), Unsigned0(-r.im), r.complex};
}

} // namespace

Root PrincipalSqrt(const Root& t) {
    if (!t.complex) {
        if (t.re >= 0.0L) return {Sqrt(t.re), 0.0L, false};
        return {0.0L, Sqrt(-t.re), true};
    }
    // sqrt(re+im*i) = g+h*i with g = sqrt((|t|+re)/2) and h = im/(2g); for
    // re < 0 the part computed first is h, so that |t|+-re never cancels.
    const Ext modulus = Sqrt(t.re * t.re + t.im * t.im);
    if (t.re >= 0.0L) {
        const Ext g = Sqrt((modulus + t.re) / 2.0L);
        return {g, t.im / (2.0L * g), true};
    }
    Ext h = Sqrt((modulus - t.re) / 2.0L);
    if (t.im < 0.0L) h = -h;
    return {Unsigned0(t.im / (2.0L * h)), h, true};
}

BiquadraticSolution SolveBiquadratic(Ext a, Ext b, Ext c, const Rational& exactDisc) {
    BiquadraticSolution s;
    s.t = SolveQuadratic(a, b, c, exactDisc);
    if (s.t.real) {
        s.tRoots = {Root{s.t.real->x1, 0.0L, false}, Root{s.t.real->x2, 0.0L, false}};
    } else {
        const ComplexRootPair& p = *s.t.complex;
        s.tRoots = {Root{p.re, p.im, true}, Root{p.re, -p.im, true}};
    }
    for (size_t k = 0; k < 2; ++k) {
        const Root root = PrincipalSqrt(s.tRoots[k]);
        s.x[2 * k] = {Unsigned0(root.re), Unsigned0(root.im), root.complex};
        s.x[2 * k + 1] = Negated(s.x[2 * k]);
    }
    return s;
}

} // namespace tc
