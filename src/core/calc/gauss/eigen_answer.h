// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The structured answer of the eigenvalue task, for the runner's `answer`:
// {"polynomial": [coefficients of det(A - λE) from λ^n down, exact texts],
//  "eigenvalues": [{"value", "algebraic", and for a real one "geometric" and
//  "vectors": a basis of its eigenspace}, ..], "diagonalizable": bool}.
// A rational value is its fraction text, an irrational one its decimals,
// a complex one "a+b*i".

#include <nlohmann/json.hpp>

#include "calc/gauss/eigen_solve.h"
#include "numbers/convert.h"

namespace tc {

nlohmann::json EigenAnswer(const EigenResult& r, const Numbers& nums);

} // namespace tc
