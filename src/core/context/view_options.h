// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of the View menu: exact fractions and the check step. The menu
// items' checked state is the one place they live; every tab that offers
// them reads them here when it computes.

#include "widgets/names.h"
#include "widgets/widget_tree.h"

namespace tc {

struct ViewOptions {
    bool exact = false; // NExact: exact fractions instead of decimals
    bool check = false; // NCheck: each solution ends with its check
};

// A tab built on its own, without the main window's menu, has both off.
inline ViewOptions ReadViewOptions(const WidgetTree& tree) {
    if (!tree.find(names::NExact) || !tree.find(names::NCheck)) return {};
    return {tree.get<MenuItem>(names::NExact).checked, tree.get<MenuItem>(names::NCheck).checked};
}

} // namespace tc
