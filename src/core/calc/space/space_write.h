// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of the lines-and-planes tab and the texts of its
// result fields Sp_R1..Sp_R3, from a result and the wording alone.

#include <array>
#include <optional>

#include "calc/common/tab_output.h"
#include "calc/space/space_solve.h"

namespace tc {

// A text of the tab: its language line and the English one for a file
// without it.
struct SpaceText {
    Line line;
    const char* fallback;
};

// What the result fields of `task` hold, Sp_R1 to Sp_R3; none where unused.
std::array<std::optional<SpaceText>, 3> ResultCaptions(SpaceTask task);

// The task's name, as the selector and the solution's first line show it.
SpaceText TaskName(SpaceTask task);

// The solution of `in`: the task and its data, then, where `result` is not
// null, every step with its numbers and the results; the check steps where
// `check` is set. Without a result (the data could not be read or are
// degenerate) only what was read is written.
TabOutput WriteSpace(const SpaceInput& in, bool read, const SpaceResult* result, const Wording& wording, bool check);

} // namespace tc
