// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What of a tab goes on its handed-in page: the task, the inputs and the
// results as tables, read from the widgets the tab shows them in.

#include <vector>

#include "export/solution_page.h"
#include "widgets/widget_tree.h"

namespace tc {

// A row of fields: its label (the caption of `labelWidget`, or `labelText`)
// and the edit fields that follow it.
struct PageFieldRow {
    const char* labelWidget;
    const char* labelText;
    std::vector<const char*> fields;
};

// One table of the page: a grid, or rows of fields under an optional heading
// row. `caption` names the widget (a group or a label) whose caption heads it.
struct PagePart {
    bool input;
    const char* caption;
    const char* grid;
    std::vector<const char*> head;
    std::vector<PageFieldRow> rows;
};

// What of a tab goes on its page, in the order the page shows it.
struct PageLayout {
    const char* heading; // the menu item that names the tab in the current language, or null
    // The task: a combo box (its shown text), a group of radio buttons (the
    // checked one's caption) or a label; null for a tab with one task.
    const char* task;
    const char* detail; // a label shown after the task, or null
    std::vector<PagePart> parts;
};

// The title (the tab and its task), the input tables and the result tables
// of a tab laid out as `layout`, as its widgets now show them. Hidden
// widgets are left out, and so are result tables that hold no value yet.
// Fills page.title, page.inputs and page.results.
void FillTabContent(const WidgetTree& tree, const PageLayout& layout, SolutionPage& page);

// Cells (a grid's selection, row by row) as tab-separated text: a row a
// line, ready to paste into a spreadsheet. A tab or line break
// inside a cell becomes a space, so that it cannot shift the other cells.
std::string TabSeparated(const std::vector<std::vector<std::string>>& rows);

} // namespace tc
