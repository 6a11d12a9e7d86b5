// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cubic equation A*x^3+B*x^2+C*x+D=0. The substitution x=t-B/(3A) gives
// the reduced equation t^3+p*t+q=0, whose discriminant Q=(q/2)^2+(p/3)^3
// decides the case: Q>0 one real root and a complex pair (Cardano's formula),
// Q=0 a double root (or a triple one when p=q=0), Q<0 three distinct real
// roots (the trigonometric form). No widget and no text here.
//
// The typed coefficients are exact decimals, so p, q and Q are computed
// exactly and shown as their nearest extended values: a zero discriminant of
// a multiple root is exactly zero, and the multiple roots are exact rationals.
// The formulas' values (u, v, r, phi) are written as computed; the roots
// themselves are found on the exact equation (cubic_roots.h), each the
// extended value nearest to the true root, however far apart the roots lie.

#include <array>
#include <gmpxx.h>

#include "calc/equation/equation_root.h"

namespace tc {

enum class CubicCase { OneReal, Double, Triple, ThreeReal };

struct CubicSolution {
    Ext a, b, c, d; // the coefficients as the equation keeps them
    Ext shift;      // B/(3A)
    Ext p, q;       // of the reduced equation
    Ext disc;       // Q
    CubicCase kind = CubicCase::OneReal;
    // OneReal: sqrt(Q), u=cbrt(-q/2+sqrt(Q)) and v=cbrt(-q/2-sqrt(Q)), u*v=-p/3.
    Ext minusHalfQ, sqrtDisc, u, v;
    // ThreeReal: r=sqrt(-p/3), cos(phi)=-q/(2*r^3) and phi in [0, pi].
    Ext r, cosPhi, phi;
    // X[1]..X[3], each root as often as its multiplicity: OneReal gives the
    // real root, then re+im*i and re-im*i with im > 0; ThreeReal the roots for
    // the angles phi/3, (phi+2pi)/3, (phi+4pi)/3; Double the simple root, then
    // the double one twice.
    std::array<Root, 3> x;
};

// The exact coefficients A (not zero), B, C and D, and the values the
// equation keeps for them (written into the formulas).
struct CubicInputs {
    std::array<mpq_class, 4> exact;
    std::array<Ext, 4> kept;
};

CubicSolution SolveCubic(const CubicInputs& in);

} // namespace tc
