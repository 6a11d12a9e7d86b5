// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a tab follows the window's size. Every page is drawn for a client area
// of kPageWidth x kPageHeight; a larger window gives the extra room to the
// memo (and to the group boxes round it, and to those above it in its column,
// with the grids that fill them), and the buttons below the memo go with its
// bottom edge. A smaller one takes the room from the memo first: the
// row of buttons under the inputs then moves under the memo, so that the
// inputs, the results and the buttons stay whole.

#include <memory>
#include <string>

#include "widgets/widget_tree.h"

namespace tc {

struct PageSize {
    int w = 0, h = 0;
};

// One page's plan for following its size, read from its design once: the
// view places every widget of a page through one PageFitter rather than working
// the plan out again for each widget. It reads the tree's geometry when it is
// made; make a new one after the design changes.
class PageFitter {
public:
    PageFitter(const WidgetTree& tree, const std::string& page);
    // As SmallestPage(tree, page).
    PageSize smallest() const { return least_; }
    // As PlacedOnPage(tree, w, size) for a widget of this page; any other
    // widget keeps its own geometry.
    Rect placed(const Widget& w, PageSize size) const;

    struct Plan;

private:
    const WidgetTree* tree_;
    std::string page_;
    std::shared_ptr<const Plan> plan_; // null for a page without a memo and its buttons
    PageSize least_;
};

// The place of `w` (a page's own child, or a widget in a group box on a page)
// on a page of `size`, relative to its parent as Widget::geometry is. A page of the designed size,
// and a widget on no page, keep their own geometry. `size` is taken as at
// least SmallestPage of the widget's page.
Rect PlacedOnPage(const WidgetTree& tree, const Widget& w, PageSize size);

// The smallest page of `page` that shows all its inputs, results and buttons
// whole, with the memo at its least useful size.
PageSize SmallestPage(const WidgetTree& tree, const std::string& page);

// The page that holds `w`, or null for a widget on no page (a menu item, the
// About window).
const Widget* PageOf(const WidgetTree& tree, const Widget& w);

} // namespace tc
