// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quadratic equation A*x^2+B*x+C=0 solved by the quadratic formula. No
// widget and no text here: the solution holds every value the written
// solution shows, in extended precision.

#include <optional>

#include "numbers/exact.h"
#include "numbers/ext.h"

namespace tc {

// The two roots of a discriminant D >= 0: r = sqrt(D), x1 = (-b+r)/(2a) and
// x2 = (-b-r)/(2a). The root whose formula subtracts nearly equal numbers is
// taken as c/(a*x_other) instead, so that it keeps its digits.
struct RealRootPair {
    Ext r, x1, x2;
};

// The two roots of a discriminant D < 0: s = sqrt(-D),
// x = re +- im*i with re = -b/(2a) and im = s/(2a) (negative for a < 0).
struct ComplexRootPair {
    Ext s, re, im;
};

enum class QuadraticCase { TwoReal, Double, Complex };

struct QuadraticSolution {
    Ext a, b, c;
    Ext d; // b*b-4*a*c of the typed coefficients
    QuadraticCase kind = QuadraticCase::TwoReal;
    std::optional<RealRootPair> real;       // TwoReal and Double (r = 0)
    std::optional<ComplexRootPair> complex; // Complex
    Ext vertex;                             // -b/(2a): the double root as the field shows it
};

// The check of the roots by Vieta's formulas: their sum against -b/a and their
// product against c/a, with what is left of each (the residual). For a
// complex pair re +- im*i the sum is 2*re and the product re^2+im^2.
struct VietaCheck {
    Ext sum, minusBOverA, sumResidual;
    Ext product, cOverA, productResidual;
};
VietaCheck CheckVieta(const QuadraticSolution& s);

// The discriminant b*b-4*a*c, evaluated in the order the written solution
// shows it.
Ext Discriminant(Ext a, Ext b, Ext c);

// The roots for the discriminant d; fail with an invalid operation when d
// has the other sign.
RealRootPair RealRoots(Ext a, Ext b, Ext c, Ext d);
ComplexRootPair ComplexRoots(Ext a, Ext b, Ext d);

// The typed coefficients are finite decimals, so b*b-4*a*c of them is an exact
// rational: `exactDisc`. The discriminant is still evaluated on a, b and c
// (an overflow there fails as before), then taken as the extended value
// nearest to the exact one, for the value written, the case and the roots: a
// double root of decimals such as 0.3 has D = 0, not a trace of rounding.
// `a` must not be zero.
QuadraticSolution SolveQuadratic(Ext a, Ext b, Ext c, const Rational& exactDisc);

// b*b-4*a*c of exact coefficients.
Rational ExactDiscriminant(const Rational& a, const Rational& b, const Rational& c);

} // namespace tc
