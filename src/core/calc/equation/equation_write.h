// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Eq tab's output: the written solution of the kind solved and the texts
// of its root fields, or for a zero A the message that it is not an equation
// of that kind.

#include "calc/common/tab_output.h"
#include "calc/equation/equation_solve.h"

namespace tc {

// Words every step `r` holds; a step that is missing ends the solution there.
TabOutput WriteEquation(const EquationInputs& in, const EquationResult& r, const Wording& w);

} // namespace tc
