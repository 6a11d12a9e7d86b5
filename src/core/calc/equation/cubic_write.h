// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of a cubic equation: the equation, the reduction with
// p, q and B/(3A) put in, the discriminant Q, the case that applies and each
// root with the numbers put into its formula. Every value comes from the
// solution; nothing here computes or touches a widget.

#include "calc/equation/cubic_solve.h"
#include "calc/equation/quadratic_write.h"

namespace tc {

EquationText WriteCubic(const MessageTable& m, const Numbers& n, const CubicSolution& s);

} // namespace tc
