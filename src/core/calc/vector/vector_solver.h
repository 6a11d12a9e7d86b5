// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maths of the seven vector tasks, without widgets or texts.

#include "calc/common/partial.h"
#include "calc/vector/vector_steps.h"
#include "numbers/convert.h"

namespace tc {

// Solves the task of `input`, taking the components in the order they were
// read; reaching a component that the reading could not take throws the
// reading's failure there, so arithmetic failures on earlier components come
// first. Returns the steps finished and the failure that stopped the solver.
Partial<VectorResult> SolveVector(const Partial<VectorInput>& input);

// The same in exact fractions, from the exact components of `input`, for the
// addition, subtraction, scalar product and norm (whose results are rational;
// the lengths' roots stay extended values).
Partial<VectorSteps<Rational>> SolveVectorExact(const Partial<VectorInput>& input);

// Whether `task` has an exact solution.
inline bool HasExactSolution(vec::Task task) {
    return task == vec::kAddition || task == vec::kSubtraction || task == vec::kScalarProduct ||
           task == vec::kNorm;
}

} // namespace tc
