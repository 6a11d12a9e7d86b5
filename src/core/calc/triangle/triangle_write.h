// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Words a Triangle computation: the memo lines of its written solution and the
// texts of its result fields and grid, from the data as read and the solver's
// result. Only the finished steps are written; the writing stops where the
// first empty step begins, after that step's headings, so a failure leaves
// what the solution had shown up to it.

#include <string>
#include <utility>
#include <vector>

#include "calc/common/tab_output.h"
#include "calc/triangle/triangle_solve.h"

namespace tc {

// The memo, the result fields and the cells of the angle grid REZ5. `result`
// is null when the data could not be read; vertices on one line that the
// solver refused give the data alone, as unread ones do.
TabOutput WriteTriangle(const TriangleInput& input, const TriangleResult* result, const Wording& w);

} // namespace tc
