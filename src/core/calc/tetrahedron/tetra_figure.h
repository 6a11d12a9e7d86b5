// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figure of a Tetraedr computation: the solid ABCD with its six edges and
// four faces, and the heights from each vertex to the foot on the opposite
// face, as far as the computation got.

#include <optional>
#include <string>

#include "calc/common/tab_output.h"
#include "calc/tetrahedron/tetra_solve.h"
#include "figure/figure.h"

namespace tc {

// `result` is null when nothing has been computed (or the data could not be
// read). `highlight` names a face ("ABC") or a height ("H(A)") to highlight.
Figure TetrahedronFigure(const Wording& w, const TetraResult* result, const std::string& highlight = "");

} // namespace tc
