// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The roots of a cubic of typed coefficients, each the extended value nearest
// to the true root (each part of a complex one likewise), whatever the spread
// between them. The textbook formulas in extended precision give start values
// (from the equation and from its reversal x -> 1/x, so that the largest and
// the smallest roots are each found where they cancel nothing); the exact sign
// of the cubic then shows which extended value each root rounds to, and
// bisection on that sign takes over where the start values fail. A complex
// pair is enclosed from a bracket of the real root, narrowed in higher
// precision until both of its parts round to one value.

#include <array>

#include "calc/equation/exact_cubic.h"

namespace tc {

// Three distinct real roots in ascending order; the discriminant of the
// reduced equation must be negative.
std::array<Ext, 3> ThreeRealRoots(const ExactCubic& p);

// The real root and the complex pair re +- im*i (im > 0); the discriminant of
// the reduced equation must be positive.
struct RealAndPair {
    Ext x, re, im;
};
RealAndPair OneRealRoot(const ExactCubic& p);

} // namespace tc
