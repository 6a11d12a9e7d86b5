// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coefficients of an equation as the user typed them and as the equation
// keeps them.

#include <string>
#include <vector>

#include <gmpxx.h>

#include "context/env.h"
#include "numbers/convert.h"
#include "widgets/controls.h"

namespace tc {

struct Coefficient {
    std::string text; // as typed, for the line that echoes the equation
    double value;     // the number the equation is solved with
};

// The coefficients in the order of `fields`, each read as typed and stored as
// a 64-bit double. All are read before any is judged, so a text that is no
// number fails first; so does a value beyond the double range (an overflow).
std::vector<Coefficient> ReadCoefficients(const Env& env, const std::vector<const Edit*>& fields);

} // namespace tc

namespace tc {

// The exact values of the typed coefficients. A value too small for a double
// was kept as 0 and counts as 0 here too, so the exact equation is the one
// the written solution shows.
std::vector<mpq_class> ExactCoefficients(const std::vector<Coefficient>& k, char decimal);

} // namespace tc
