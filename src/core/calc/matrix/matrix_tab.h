#pragma once
// The Matrix tab.

#include "app/env.h"
#include "app/tab_frame.h"

namespace tc {

class MatrixTab {
public:
    MatrixTab(WidgetTree& tree, Env& env);

    // Start-up fill of the tab (a step of the main window's FormCreate).
    void formCreate();

    Memo& memo() { return frame_.memo; }

private:
    WidgetTree& tree_;
    Env& env_;
    TabFrame frame_;
};

} // namespace tc
