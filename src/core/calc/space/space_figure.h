// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figure of a lines-and-planes computation: the planes as shaded
// patches, the lines as long segments, the data points and what the task
// found (the foot of a perpendicular, the common perpendicular, the meeting
// point, the symmetric point).

#include <string>

#include "calc/space/space_solve.h"
#include "context/env.h"
#include "figure/figure.h"

namespace tc {

// `in` and `result` are null when nothing has been computed; `result` alone
// is null when the data were read but are degenerate: the data are drawn.
// `highlight` names an element ("plane 1", "line 2", "PH").
Figure SpaceFigure(const Env& env, const SpaceInput* in, const SpaceResult* result, const std::string& highlight = "");

} // namespace tc
