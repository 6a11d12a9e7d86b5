// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Words a Tetraedr computation: the memo lines of its written solution and the
// texts of its result grids and the volume field, from the data as read and
// the solver's result. Only what the solver finished is written; the writing
// stops where the first missing value would stand, so a failure leaves what
// the solution had shown up to it.

#include <optional>
#include <string>
#include <vector>

#include "calc/common/tab_output.h"
#include "calc/tetrahedron/tetra_solve.h"

namespace tc {

// The memo, the cells of the result grids and the volume field. `result` is
// null when the data could not be read (only the heading is written); when
// the solver refused vertices in one plane, the data follow the heading.
TabOutput WriteTetrahedron(const TetraInput& input, const TetraResult* result, const Wording& w);

} // namespace tc
