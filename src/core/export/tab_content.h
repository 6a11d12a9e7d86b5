// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What of a tab goes on its handed-in page: the task, the inputs and the
// results as tables, read from the widgets the tab shows them in.

#include <vector>

#include "export/solution_page.h"
#include "widgets/widget_tree.h"

namespace tc {

// The title (the tab and its task), the input tables and the result tables
// of tab `tab` (0..5, in tab order) as the widgets now show them. Hidden
// widgets are left out, and so are result tables that hold no value yet.
// Fills page.title, page.inputs and page.results.
void FillTabContent(const WidgetTree& tree, int tab, SolutionPage& page);

// Cells (a grid's selection, row by row) as tab-separated text: a row a
// line, ready to paste into a spreadsheet. A tab or line break
// inside a cell becomes a space, so that it cannot shift the other cells.
std::string TabSeparated(const std::vector<std::vector<std::string>>& rows);

} // namespace tc
