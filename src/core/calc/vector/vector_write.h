// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of a vector task and the texts of its result widgets.

#include "calc/common/tab_output.h"
#include "calc/vector/vector_steps.h"

namespace tc {

// Words the steps of `result` for `input`: the heading and the data as typed
// always, then each line whose steps are all finished, in order; the result
// vector's cells (V_Rez row 1), the scalar result (Vec_R) and the angle
// (phi1) as far as the steps reached. Steps in exact fractions are written as
// reduced fractions, the roots of the lengths in decimals (Ext and Rational).
template <class Num>
TabOutput WriteVector(const VectorInput& input, const VectorSteps<Num>& result, const Wording& w);

} // namespace tc
