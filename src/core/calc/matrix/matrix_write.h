// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of the Matrix tab: the memo lines and the texts of the
// result cells and of DET_A, worded from a solved task.

#include <optional>
#include <string>
#include <vector>

#include "calc/common/tab_output.h"
#include "calc/matrix/matrix_solve.h"

namespace tc {

// Words every step `r` holds, in decimals for T = Ext and in fractions for
// T = Rational: the memo from the title on, the cells of Mat_R (and of Mat2,
// the cofactors of the inverse) and DET_A. A step that is missing ends the
// solution there, as a failure in it stopped the task.
template <class T> TabOutput WriteMatrix(const MatrixInputs& in, const MatrixResultOf<T>& r, const Wording& w);

} // namespace tc
