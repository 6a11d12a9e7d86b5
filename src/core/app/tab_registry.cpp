// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tab_registry.h"

#include "calc/equation/equation_tab.h"
#include "calc/gauss/gauss_tab.h"
#include "calc/matrix/matrix_tab.h"
#include "calc/slae/slae_tab.h"
#include "calc/space/space_tab.h"
#include "calc/tetrahedron/tetrahedron_tab.h"
#include "calc/triangle/triangle_tab.h"
#include "calc/vector/vector_tab.h"

namespace tc {

const std::vector<TabEntry>& RegisteredTabs() {
    static const std::vector<TabEntry> tabs = {
        RegisterTab<VectorTab>(),      RegisterTab<MatrixTab>(), RegisterTab<TriangleTab>(),
        RegisterTab<TetrahedronTab>(), RegisterTab<SlaeTab>(),   RegisterTab<EquationTab>(),
        RegisterTab<GaussTab>(),
        RegisterTab<SpaceTab>(),
    };
    return tabs;
}

} // namespace tc
