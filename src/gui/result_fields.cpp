// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_fields.h"
#include "widgets/names.h"

#include <set>

namespace tc::gui {

bool IsResultField(const std::string& name) {
    // The fields the computations write, by tab. A field not listed takes
    // typing, so that a new input is never locked by mistake.
    static const std::set<std::string> kResults = {
        names::Vec_R, names::phi1,                                                                      // vectors
        names::DET_A,                                                                              // matrices
        names::abx,   names::aby,   names::bcx,   names::bcy,  names::acx,  names::acy,  names::AB,  names::BC, names::AC, names::AB_l, names::BC_l, // triangle
        names::AC_l,  names::aMed,  names::Med,   names::Ha1,  names::H1,   names::aBis, names::Bis, names::Ix, names::Iy,                 //
        names::Vol,                                                                                // tetrahedron
        names::DD,    names::DDx1,  names::DDx2,  names::DDx3, names::DDx4, names::x1,   names::x2,  names::x3, names::x4, // linear systems
        names::Eq_X1, names::Eq_X2, names::Eq_X3,                                            // equations
    };
    return kResults.count(name) > 0;
}

} // namespace tc::gui
