// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figure of a Vector computation: A and B as arrows from the origin O on
// axes, and the sum or difference as a third arrow. Vectors of 2 components
// are drawn in the plane, of 3 in space; 4 or 5 components cannot be drawn,
// and the figure then only says so.

#include <optional>
#include <string>

#include "context/env.h"
#include "calc/vector/vector_steps.h"
#include "figure/figure.h"

namespace tc {

// What a figure needs of one computation: which task ran, with how many
// components, and the steps the solver finished.
struct VectorComputed {
    vec::Task task = vec::kAddition;
    int n = 2;
    VectorResult steps;
};

// The figure of `computed`, or only a note when there is none yet (null), its
// data could not all be read, or it has more than 3 components.
Figure VectorFigure(const Env& env, const VectorComputed* computed, const std::string& highlight = "");

} // namespace tc
