// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The biquadratic equation A*x^4+B*x^2+C=0: t=x^2 turns it into the quadratic
// A*t^2+B*t+C=0, solved as the quadratic kind solves it, and each root t
// gives x=+-sqrt(t), real or complex. No widget and no text here.

#include <array>

#include "calc/equation/equation_root.h"
#include "calc/equation/quadratic_solve.h"

namespace tc {

struct BiquadraticSolution {
    QuadraticSolution t;        // the quadratic in t
    std::array<Root, 2> tRoots; // T[1] and T[2] as the quadratic's solution gives them
    // sqrt(T[1]), -sqrt(T[1]), sqrt(T[2]), -sqrt(T[2]), sqrt being the
    // principal square root (a complex one has a positive real part, or a
    // positive imaginary part when its real part is 0).
    std::array<Root, 4> x;
};

// `a` must not be zero; `exactDisc` is b*b-4*a*c of the typed coefficients.
BiquadraticSolution SolveBiquadratic(Ext a, Ext b, Ext c, const Rational& exactDisc);

// The principal square root of a real or complex number.
Root PrincipalSqrt(const Root& t);

} // namespace tc
