#include "calc/slae/slae_tab.h"

namespace tc {

SlaeTab::SlaeTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(AddTabFrame(tree, {"TabSheet5", "SLAE", "SLA", "CRun", "CS_Save", "Зберегти", "CS_Close", false})) {}

void SlaeTab::formCreate() {}

} // namespace tc
