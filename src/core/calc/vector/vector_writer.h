// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of a vector task and the texts of its result widgets.

#include <optional>
#include <string>
#include <vector>

#include "context/env.h"
#include "calc/vector/vector_steps.h"

namespace tc {

// What a computation shows: the memo lines, the result vector's cells (V_Rez
// row 1, components 1.. as computed), the scalar result (Vec_R) and the angle
// (phi1). A field the steps did not reach is empty.
struct VectorOutput {
    std::vector<std::string> lines;
    std::vector<std::string> cells;
    std::optional<std::string> value;
    std::optional<std::string> phi;
};

// Words the steps of `result` for `input`: the heading and the data as typed
// always, then each line whose steps are all finished, in order.
VectorOutput WriteVector(const VectorInput& input, const VectorResult& result, const Numbers& nums,
                         const MessageTable& messages);

// The same for steps in exact fractions: every value of the steps as its
// reduced fraction by `form`, the roots of the lengths in decimals by `nums`.
VectorOutput WriteVector(const VectorInput& input, const VectorSteps<Rational>& result, const Fractions& form,
                         const Numbers& nums, const MessageTable& messages);

} // namespace tc
