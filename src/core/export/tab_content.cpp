// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/tab_content.h"

#include <optional>

#include "widgets/controls.h"
#include "widgets/grid.h"
#include "widgets/names.h"

namespace tc {

namespace {

// A label's caption as a row heading: "|AB|=" heads its row as "|AB|".
std::string RowLabel(std::string caption) {
    while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ' || caption.back() == '('))
        caption.pop_back();
    return caption;
}

// Menu captions carry spaces that only align the menu.
std::string Trimmed(const std::string& text) {
    const size_t from = text.find_first_not_of(' ');
    if (from == std::string::npos) return {};
    return text.substr(from, text.find_last_not_of(' ') - from + 1);
}

std::string TaskText(const WidgetTree& tree, const char* name) {
    const Widget& w = tree.get(name);
    if (auto* combo = dynamic_cast<const Combo*>(&w)) return combo->text;
    if (w.kind() == WidgetKind::GroupBox || w.kind() == WidgetKind::RadioGroup) {
        for (const Widget* other : tree.all())
            if (auto* r = dynamic_cast<const RadioButton*>(other); r && r->parent() == name && r->checked)
                return r->caption;
        return {};
    }
    return w.caption;
}

bool Shown(const WidgetTree& tree, const char* name) {
    return tree.get(name).visible;
}

// The grid as a table, or nothing when it is hidden or (for a result) holds
// no value outside its headings.
std::optional<PageTable> GridTable(const WidgetTree& tree, const PagePart& part) {
    const Grid& grid = tree.get<Grid>(part.grid);
    if (!grid.visible) return std::nullopt;
    PageTable table;
    table.headRows = grid.fixedRows;
    table.headCols = grid.fixedCols;
    bool anyValue = false;
    for (int r = 0; r < grid.rows; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < grid.cols; ++c) {
            row.push_back(grid.cell(c, r));
            if (r >= grid.fixedRows && c >= grid.fixedCols && !row.back().empty()) anyValue = true;
        }
        table.rows.push_back(std::move(row));
    }
    if (!part.input && !anyValue) return std::nullopt;
    return table;
}

std::optional<PageTable> FieldTable(const WidgetTree& tree, const PagePart& part) {
    PageTable table;
    if (!part.head.empty()) {
        table.rows.emplace_back(part.head.begin(), part.head.end());
        table.headRows = 1;
    }
    table.headCols = 1;
    bool anyValue = false;
    for (const PageFieldRow& fieldRow : part.rows) {
        // The fourth coefficient and root exist only where the window solves
        // cubic equations; a row of widgets the window lacks is left out.
        if (fieldRow.labelWidget && !tree.find(fieldRow.labelWidget)) continue;
        if (fieldRow.labelWidget && !Shown(tree, fieldRow.labelWidget)) continue;
        std::vector<std::string> row{fieldRow.labelWidget ? RowLabel(tree.get(fieldRow.labelWidget).caption)
                                                          : std::string(fieldRow.labelText)};
        bool shown = true;
        for (const char* field : fieldRow.fields) {
            const Edit& edit = tree.get<Edit>(field);
            shown = shown && edit.visible;
            row.push_back(edit.text);
            anyValue = anyValue || !edit.text.empty();
        }
        if (shown) table.rows.push_back(std::move(row));
    }
    if (table.rows.size() == static_cast<size_t>(table.headRows) || (!part.input && !anyValue))
        return std::nullopt;
    return table;
}

} // namespace

void FillTabContent(const WidgetTree& tree, const PageLayout& tabParts, SolutionPage& page) {
    // "Vectors: Addition", "Quadratic A*x^2+B*x+C=0".
    page.title = tabParts.heading ? Trimmed(tree.get(tabParts.heading).caption) : std::string();
    const auto add = [&page](const std::string& part, const char* separator) {
        if (part.empty()) return;
        if (!page.title.empty()) page.title += separator;
        page.title += part;
    };
    if (tabParts.task) add(Trimmed(TaskText(tree, tabParts.task)), ": ");
    if (tabParts.detail) add(Trimmed(tree.get(tabParts.detail).caption), " ");
    for (const PagePart& part : tabParts.parts) {
        std::optional<PageTable> table = part.grid ? GridTable(tree, part) : FieldTable(tree, part);
        if (!table) continue;
        if (part.caption) table->caption = RowLabel(tree.get(part.caption).caption);
        (part.input ? page.inputs : page.results).push_back(std::move(*table));
    }
}

std::string TabSeparated(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c) out += '\t';
            for (char ch : row[c])
                out += ch == '\t' || ch == '\n' || ch == '\r' ? ' ' : ch;
        }
        out += '\n';
    }
    return out;
}

} // namespace tc
