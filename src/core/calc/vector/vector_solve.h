// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maths of the seven vector tasks, without widgets or texts.

#include "calc/common/partial.h"
#include "calc/vector/vector_steps.h"
#include "numbers/convert.h"

namespace tc {

// Solves the task of `input` in the number type `Num`: Ext from the
// components `a` and `b`, Rational from the exact ones (the addition,
// subtraction, scalar product and norm only, whose results are rational; the
// lengths' roots stay extended values). The components are taken in the order
// they were read; reaching a component that the reading could not take throws
// the reading's failure there, so arithmetic failures on earlier components
// come first. Returns the steps finished and the failure that stopped the solver.
template <class Num> Partial<VectorSteps<Num>> SolveVector(const Partial<VectorInput>& input);

// Whether `task` has an exact solution.
inline bool HasExactSolution(vec::Task task) {
    return task == vec::kAddition || task == vec::kSubtraction || task == vec::kScalarProduct ||
           task == vec::kNorm;
}

} // namespace tc
