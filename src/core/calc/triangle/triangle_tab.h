#pragma once
// The Triangle tab.

#include "app/env.h"
#include "app/tab_frame.h"

namespace tc {

class TriangleTab {
public:
    TriangleTab(WidgetTree& tree, Env& env);

    // What the main window's FormShow writes into this tab.
    void formShow();

    Memo& memo() { return frame_.memo; }

private:
    WidgetTree& tree_;
    Env& env_;
    TabFrame frame_;
};

} // namespace tc
