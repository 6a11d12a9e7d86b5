#include "calc/equation/equation_tab.h"

namespace tc {

EquationTab::EquationTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(AddTabFrame(tree, {"Eq", "Eq", "Eq_M", "Eq_Run", "Eq_Save", "Зберегти", "Eq_close", true})) {}

} // namespace tc
