// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The complex pair of a cubic with one real root x1. Dividing by x - x1 leaves
// a*x^2+(a*x1+b)*x+(a*x1^2+b*x1+c), whose roots re +- im*i have
//   re   = -(a*x1+b)/(2a)        = (c*x1+d)/(2a*x1^2),
//   im^2 = (3a^2*x1^2+2ab*x1+4ac-b^2)/(4a^2) = -d/(a*x1) - re^2.
// Each form cancels where the other may not (a pair far smaller than x1 has
// a real part that the first form takes as the difference of two huge
// numbers). From an exact bracket of x1 every form gives an exact enclosure;
// the bracket is narrowed in more and more bits until both parts round to one
// extended value each.

#include <gmpxx.h>

#include "calc/equation/exact_cubic.h"

namespace tc {

struct ComplexPair {
    Ext re, im; // im > 0
};

// The pair beside the real root x1 of `p`, which lies in [lo, hi]: the cubic
// has opposite signs at lo and hi, or lo == hi is x1 exactly.
ComplexPair PairBeside(const ExactCubic& p, const mpq_class& lo, const mpq_class& hi);

} // namespace tc
