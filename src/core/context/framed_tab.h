// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every calculator tab: the window's widget tree and environment,
// and the frame every tab has (page, memo, compute, save and exit buttons),
// added to the tree before the tab adds its own widgets.

#include "context/env.h"
#include "context/tab.h"
#include "context/tab_frame.h"

namespace tc {

class FramedTab : public Tab {
public:
    Memo& memo() override { return frame_.memo; }

protected:
    FramedTab(WidgetTree& tree, Env& env, const TabFrameParts& frame)
        : tree_(tree), env_(env), frame_(AddTabFrame(tree, frame)) {}

    WidgetTree& tree_; // the View menu; the tab holds its own widgets by reference
    Env& env_;
    TabFrame frame_;
};

} // namespace tc
