#pragma once
// The Tetraedr tab.

#include "app/env.h"
#include "app/tab_frame.h"

namespace tc {

class TetrahedronTab {
public:
    TetrahedronTab(WidgetTree& tree, Env& env);

    // Start-up fill of the input and edge grids (first step of FormCreate).
    void formCreateInputs();
    // Start-up headings of the result grids (fifth step of FormCreate).
    void formCreateResults();

    Memo& memo() { return frame_.memo; }

private:
    WidgetTree& tree_;
    Env& env_;
    TabFrame frame_;
};

} // namespace tc
