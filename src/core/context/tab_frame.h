// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts every tab has: its page, its explanation memo and the compute,
// save and exit buttons. Each calculator adds its own widgets around them.

#include <optional>
#include <string>

#include "widgets/widget_tree.h"

namespace tc {

struct TabFrameParts {
    const char* page;    // tab sheet name
    const char* caption; // tab caption (fixed in every language)
    const char* memo;    // explanation memo
    const char* compute; // compute button
    const char* save;    // save button
    const char* saveCaption;
    const char* exit;    // exit button
    bool computeEnabled; // the compute buttons but Eq_Run start disabled until start-up enables them
};

struct TabFrame {
    Widget& page;
    Memo& memo;
    Widget& compute;
    Widget& save;
    Widget& exit;
};

// Adds the frame with a default placement: the memo on the right half, the
// buttons in a row at the bottom left. Calculators move them where they fit.
TabFrame AddTabFrame(WidgetTree& tree, const TabFrameParts& parts);

// The names of a tab's frame parts, read back from the tree: the views use
// them for the keyboard (Enter computes; the buttons and the memo close the
// tab order). Null when `page` is no page or lacks a part: AddTabFrame puts
// the memo and the three buttons on the page before any other memo or button.
struct TabFrameNames {
    std::string memo, compute, save, exit;
};
std::optional<TabFrameNames> FindTabFrame(const WidgetTree& tree, const std::string& page);

// Size of a page's client area, in pixels.
inline constexpr int kPageWidth = 792;
inline constexpr int kPageHeight = 592;

} // namespace tc
