// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figure of a Triangle computation: the triangle ABC, the median AM, the
// height AH and the bisector AK from A with their feet on BC, the centroid I,
// the side lengths and the angles, as far as the computation got.

#include <string>

#include "calc/common/tab_output.h"
#include "calc/triangle/triangle_solve.h"
#include "figure/figure.h"

namespace tc {

// `result` is null when nothing has been computed (or the data could not be
// read); the figure then only has a note. `highlight` names the element to
// highlight: "AM", "AH", "AK" or nothing.
Figure TriangleFigure(const Wording& w, const TriangleResult* result, const std::string& highlight = "");

} // namespace tc
