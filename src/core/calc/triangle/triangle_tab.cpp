#include "calc/triangle/triangle_tab.h"

namespace tc {

TriangleTab::TriangleTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(AddTabFrame(tree, {"T4", "Triangle", "TM", "CTr_But", "CRecord3", "Записати", "CClose3", false})) {}

void TriangleTab::formShow() {}

} // namespace tc
