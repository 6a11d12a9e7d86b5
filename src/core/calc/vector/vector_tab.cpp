#include "calc/vector/vector_tab.h"

namespace tc {

VectorTab::VectorTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(AddTabFrame(tree, {"Vector", "Vector", "Vec_M", "CBut1", "CV_Save", "Зберегти", "CClose", false})) {}

void VectorTab::formCreate() {}

} // namespace tc
