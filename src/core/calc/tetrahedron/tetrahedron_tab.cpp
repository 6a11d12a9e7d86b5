#include "calc/tetrahedron/tetrahedron_tab.h"

namespace tc {

TetrahedronTab::TetrahedronTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(AddTabFrame(tree, {"TabSheet4", "Tetraedr", "Tet_M", "CP_But", "CP_Save", "Записати", "CP_Close", false})) {}

void TetrahedronTab::formCreateInputs() {}

void TetrahedronTab::formCreateResults() {}

} // namespace tc
