// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last step of every tab's compute handler: what its writer made of a
// result goes into the widgets, the same way on every tab.

#include "calc/common/tab_output.h"
#include "widgets/widget_tree.h"

namespace tc {

// Sets the memo's lines, then each field, whole grid and single cell `out`
// names, in that order. A name the tree does not hold is a fault of the
// writer and throws as WidgetTree::get does.
void ApplyOutput(WidgetTree& tree, Memo& memo, const TabOutput& out);

} // namespace tc
