// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figure of a Vector computation: A and B as arrows from the origin O on
// axes, and the sum or difference as a third arrow. Vectors of 2 components
// are drawn in the plane, of 3 in space; 4 or 5 components cannot be drawn,
// and the figure then only says so.

#include <optional>
#include <string>
#include <vector>

#include "calc/common/tab_output.h"
#include "calc/vector/vector_steps.h"
#include "figure/figure.h"

namespace tc {

// What a figure needs of one computation: which task ran, with how many
// components, and as decimals the vectors the solver took (A, B) and found
// (c, as far as it got), and the angle in degrees.
struct VectorDrawing {
    vec::Task task = vec::kAddition;
    int n = 2;
    std::vector<Ext> a, b, c;
    std::optional<Ext> phi;
};

// The drawing of the steps in `Num`: exact fractions are drawn at their
// nearest decimals, one beyond the extended range at infinity (too large to draw).
template <class Num> VectorDrawing DrawingOf(vec::Task task, int n, const VectorSteps<Num>& steps);

// The figure of `drawing`, or only a note when there is none yet (null), its
// data could not all be read, or it has more than 3 components.
Figure VectorFigure(const Wording& w, const VectorDrawing* drawing, const std::string& highlight = "");

} // namespace tc
