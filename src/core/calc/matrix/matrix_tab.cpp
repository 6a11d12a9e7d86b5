#include "calc/matrix/matrix_tab.h"

namespace tc {

MatrixTab::MatrixTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(AddTabFrame(tree, {"Matrix", "Matrix", "MAT_M", "Mat_But", "M_Save", "Записати", "M_But", false})) {}

void MatrixTab::formCreate() {}

} // namespace tc
