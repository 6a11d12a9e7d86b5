// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_fields.h"

#include <set>

namespace tc::gui {

bool IsResultField(const std::string& name) {
    // The fields the computations write, by tab. A field not listed takes
    // typing, so that a new input is never locked by mistake.
    static const std::set<std::string> kResults = {
        "Vec_R", "phi1",                                                                      // vectors
        "DET_A",                                                                              // matrices
        "abx",   "aby",   "bcx",   "bcy",  "acx",  "acy",  "AB",  "BC", "AC", "AB_l", "BC_l", // triangle
        "AC_l",  "aMed",  "Med",   "Ha1",  "H1",   "aBis", "Bis", "Ix", "Iy",                 //
        "Vol",                                                                                // tetrahedron
        "DD",    "DDx1",  "DDx2",  "DDx3", "DDx4", "x1",   "x2",  "x3", "x4", // linear systems
        "Eq_X1", "Eq_X2", "Eq_X3",                                            // equations
    };
    return kResults.count(name) > 0;
}

} // namespace tc::gui
