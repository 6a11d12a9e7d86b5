// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The structured answer of a solved task, for the runner's `answer`: exact
// numbers as texts ("-7/3", "2"), the ranks among them; the free unknowns'
// numbers (from 1) as integers.
//   systems (tasks 0, 1): {"rank", "rank_augmented", "verdict": "unique" |
//     "infinite" | "none", "solution": [x1, ...] for one solution,
//     "particular": [..], "basis": [[..], ..], "free": [numbers from 1] for
//     infinitely many};
//   rank: {"rank"}; inverse: {"verdict": "unique", "inverse": [[row], ..]} or
//   {"verdict": "singular"}; A*X=B and X*A=B: {"verdict", "X": [[row], ..]
//   for one solution, "particular" and "basis" (matrices) for infinitely
//   many}; determinant: {"det"}.

#include <nlohmann/json.hpp>

#include "calc/gauss/gauss_solve.h"

namespace tc {

nlohmann::json GaussAnswer(const GaussResult& r);

} // namespace tc
