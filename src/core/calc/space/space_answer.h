// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The structured result of a lines-and-planes computation for the runner:
// exact texts where the value is rational, decimal texts with 15 significant
// digits and "." where it is not.
//   {"plane": [A, B, C, D]}                       tasks 0 to 2 (whole coprime)
//   {"line": {"point": [..], "direction": [..]}}  tasks 3 and 4
//   {"distance": ".."}                            tasks 5 and 6
//   {"verdict": "skew", "distance": ".."}         task 7
//   {"angle": ".."}                               tasks 8 to 10, in degrees
//   {"verdict": "point", "point": [..]}           tasks 11 and 12
//   {"projection": [..], "symmetric": [..], "distance": ".."} tasks 13 and 14

#include <nlohmann/json.hpp>

#include "calc/space/space_solve.h"

namespace tc {

nlohmann::json SpaceAnswer(const SpaceResult& r);

// "point", "parallel", "skew", "same", "intersecting", "in plane".
const char* VerdictKey(Verdict v);

} // namespace tc
