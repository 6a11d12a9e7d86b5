#pragma once
// The Eq tab.

#include "app/env.h"
#include "app/tab_frame.h"

namespace tc {

class EquationTab {
public:
    EquationTab(WidgetTree& tree, Env& env);

    Memo& memo() { return frame_.memo; }

private:
    WidgetTree& tree_;
    Env& env_;
    TabFrame frame_;
};

} // namespace tc
