// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quadratic equation A*x^2+B*x+C=0 solved by the quadratic formula. No
// widget and no text here: the solution holds every value the written
// solution shows, in extended precision.

#include <optional>

#include "numbers/ext.h"

namespace tc {

// The two roots of a discriminant D >= 0: r = sqrt(D), x1 = (-b+r)/(2a) and
// x2 = (-b-r)/(2a). The root whose formula subtracts nearly equal numbers is
// taken as c/(a*x_other) instead, so that it keeps its digits.
struct RealRootPair {
    Ext r, x1, x2;
};

// The two roots of a discriminant D < 0: s = sqrt(-D) = sqrt(4ac-b^2),
// x = re +- im*i with re = -b/(2a) and im = s/(2a) (negative for a < 0).
struct ComplexRootPair {
    Ext s, re, im;
};

enum class QuadraticCase { TwoReal, Double, Complex };

struct QuadraticSolution {
    Ext a, b, c;
    Ext d; // b*b-4*a*c, computed as written
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

// The discriminant b*b-4*a*c and the square-root argument 4*a*c-b*b of the
// complex case, evaluated in the order the written solution shows them.
Ext Discriminant(Ext a, Ext b, Ext c);
Ext NegatedDiscriminant(Ext a, Ext b, Ext c);

// Fail with an invalid operation when the discriminant has the other sign.
RealRootPair RealRoots(Ext a, Ext b, Ext c);
ComplexRootPair ComplexRoots(Ext a, Ext b, Ext c);

// The case goes by the sign of the discriminant as computed in extended
// precision; `a` must not be zero.
QuadraticSolution SolveQuadratic(Ext a, Ext b, Ext c);

} // namespace tc
