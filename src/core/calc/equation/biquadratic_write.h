// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of a biquadratic equation: the equation, the
// quadratic in t=x^2 solved as the quadratic kind writes it (roots T[1] and
// T[2]), and x=+-sqrt(t) for each root t.

#include "calc/equation/biquadratic_solve.h"
#include "calc/equation/quadratic_write.h"

namespace tc {

EquationText WriteBiquadratic(const MessageTable& m, const Numbers& n, const BiquadraticSolution& s);

} // namespace tc
