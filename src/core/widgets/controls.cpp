// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls.h"

#include "widgets/grid.h"

namespace tc {

const char* KindName(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Form: return "window";
    case WidgetKind::Page: return "page";
    case WidgetKind::MenuItem: return "menu item";
    case WidgetKind::GroupBox: return "group box";
    case WidgetKind::RadioGroup: return "radio group";
    case WidgetKind::Label: return "label";
    case WidgetKind::Button: return "button";
    case WidgetKind::RadioButton: return "radio button";
    case WidgetKind::Edit: return "edit field";
    case WidgetKind::Memo: return "memo";
    case WidgetKind::Combo: return "combo box";
    case WidgetKind::Grid: return "grid";
    }
    return "widget";
}

void Combo::select(int i) {
    index = i;
    text = (i >= 0 && i < static_cast<int>(items.size())) ? items[static_cast<size_t>(i)] : std::string();
}

void Combo::type(std::string t) {
    index = -1;
    text = std::move(t);
}

const std::string& Grid::cell(int col, int row) const {
    static const std::string empty;
    auto it = cells_.find({col, row});
    return it == cells_.end() ? empty : it->second;
}

void Grid::setCell(int col, int row, std::string text) {
    if (text.empty())
        cells_.erase({col, row});
    else
        cells_[{col, row}] = std::move(text);
}

void Grid::moveRow(int from, int to) {
    move(from, to, true);
}
void Grid::moveColumn(int from, int to) {
    move(from, to, false);
}

void Grid::move(int from, int to, bool rowsMove) {
    if (from == to) return;
    // Where each affected index goes: `from` to `to`, the ones between shift by one.
    auto target = [from, to](int i) {
        if (i == from) return to;
        if (from < to && i > from && i <= to) return i - 1;
        if (from > to && i >= to && i < from) return i + 1;
        return i;
    };
    std::map<std::pair<int, int>, std::string> moved;
    for (auto& [key, text] : cells_) {
        auto [col, row] = key;
        if (rowsMove)
            row = target(row);
        else
            col = target(col);
        moved[{col, row}] = std::move(text);
    }
    cells_ = std::move(moved);
}

int Grid::colWidth(int col) const {
    auto it = colWidths_.find(col);
    return it == colWidths_.end() ? defaultColWidth : it->second;
}

} // namespace tc
