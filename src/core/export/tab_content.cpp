// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/tab_content.h"

#include <stdexcept>

#include "widgets/controls.h"
#include "widgets/grid.h"
#include "widgets/names.h"

namespace tc {

namespace {

// A row of fields: its label (the caption of `labelWidget`, or `labelText`)
// and the edit fields that follow it.
struct FieldRow {
    const char* labelWidget;
    const char* labelText;
    std::vector<const char*> fields;
};

// One table of the page: a grid, or rows of fields under an optional heading
// row. `caption` names the widget (a group or a label) whose caption heads it.
struct Part {
    bool input;
    const char* caption;
    const char* grid;
    std::vector<const char*> head;
    std::vector<FieldRow> rows;
};

struct TabSpec {
    const char* heading; // the menu item that names the tab in the current language, or null
    // The task: a combo box (its shown text), a group of radio buttons (the
    // checked one's caption) or a label; null for a tab with one task.
    const char* task;
    const char* detail; // a label shown after the task, or null
    std::vector<Part> parts;
};

// Every tab's inputs and results, in the order the page shows them.
const std::vector<TabSpec>& Specs() {
    using namespace names;
    static const std::vector<TabSpec> specs = {
        {N10,
         TVec,
         nullptr,
         {{true, CVec_data, Vec_Table, {}, {}},
          {false, CVec_Rez, V_Rez, {}, {}},
          {false, nullptr, nullptr, {}, {{Vec_lab, nullptr, {Vec_R}}, {phi_l, nullptr, {phi1}}}}}},
        {N11,
         "TMat_task",
         nullptr,
         {{true, nullptr, "Mat1", {}, {}},
          {true, nullptr, "Mat2", {}, {}},
          {false, nullptr, "Mat_R", {}, {}},
          {false, nullptr, nullptr, {}, {{"M_D", nullptr, {"DET_A"}}}}}},
        {N28,
         nullptr,
         nullptr,
         {{true,
           "CTV",
           nullptr,
           {"", "x", "y"},
           {{nullptr, "A", {"ax", "ay"}}, {nullptr, "B", {"bx", "by"}}, {nullptr, "C", {"cx", "cy"}}}},
          {false,
           "CLength",
           nullptr,
           {"", "x", "y", "| |", ""},
           {{nullptr, "AB", {"abx", "aby", "AB", "AB_l"}},
            {nullptr, "BC", {"bcx", "bcy", "BC", "BC_l"}},
            {nullptr, "AC", {"acx", "acy", "AC", "AC_l"}}}},
          {false,
           "CLine",
           nullptr,
           {},
           {{"Tr_LM", nullptr, {"aMed", "Med"}},
            {"Tr_LH", nullptr, {"Ha1", "H1"}},
            {"Tr_LBis", nullptr, {"aBis", "Bis"}}}},
          {false, "CCentre", nullptr, {"", "x", "y"}, {{nullptr, "I", {"Ix", "Iy"}}}},
          {false, "CTri", "REZ5", {}, {}}}},
        {N29,
         nullptr,
         nullptr,
         {{true, "CVersh", "Piram", {}, {}},
          {false, "CStor", "PLine", {}, {}},
          {false, "CPl", "ABC", {}, {}},
          {false, "TVecH", "TVec_H", {}, {}},
          {false, "CKut", "Phi", {}, {}},
          {false, "CT_Alpha", "THam", {}, {}},
          {false, "CVol", nullptr, {}, {{"Label5", nullptr, {"Vol"}}}}}},
        {N32,
         nullptr,
         nullptr,
         {{true, "CSLA_Sys", "SLAE", {}, {}},
          {false,
           "CSLA_Det",
           nullptr,
           {},
           {{"DDl", nullptr, {"DD"}},
            {"Dx1l", nullptr, {"DDx1"}},
            {"Dx2l", nullptr, {"DDx2"}},
            {"Dx3l", nullptr, {"DDx3"}},
            {"Dx4l", nullptr, {"DDx4"}}}},
          {false,
           "CRez_SLA",
           nullptr,
           {},
           {{"x1l", nullptr, {"x1"}},
            {"x2l", nullptr, {"x2"}},
            {"x3l", nullptr, {"x3"}},
            {"x4l", nullptr, {"x4"}}}}}},
        {nullptr,
         "eq_g",
         "Eq_Variant",
         {{true,
           "Eq_i",
           nullptr,
           {},
           {{"Eq_l1", nullptr, {"Eq_e1"}},
            {"Eq_l2", nullptr, {"eq_e2"}},
            {"Eq_l3", nullptr, {"Eq_e3"}},
            {"Eq_l4", nullptr, {"Eq_e4"}}}},
          {false,
           "Eq_rez",
           nullptr,
           {},
           {{"le1", nullptr, {"Eq_X1"}},
            {"le2", nullptr, {"Eq_X2"}},
            {"le3", nullptr, {"Eq_X3"}},
            {"le4", nullptr, {"Eq_X4"}}}}}},
    };
    return specs;
}

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
std::optional<PageTable> GridTable(const WidgetTree& tree, const Part& part) {
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

std::optional<PageTable> FieldTable(const WidgetTree& tree, const Part& part) {
    PageTable table;
    if (!part.head.empty()) {
        table.rows.emplace_back(part.head.begin(), part.head.end());
        table.headRows = 1;
    }
    table.headCols = 1;
    bool anyValue = false;
    for (const FieldRow& fieldRow : part.rows) {
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

void FillTabContent(const WidgetTree& tree, int tab, SolutionPage& page) {
    const std::vector<TabSpec>& specs = Specs();
    if (tab < 0 || tab >= static_cast<int>(specs.size()))
        throw std::logic_error("no tab " + std::to_string(tab));
    const TabSpec& tabParts = specs[static_cast<size_t>(tab)];
    // "Vectors: Addition", "Quadratic A*x^2+B*x+C=0".
    page.title = tabParts.heading ? Trimmed(tree.get(tabParts.heading).caption) : std::string();
    const auto add = [&page](const std::string& part, const char* separator) {
        if (part.empty()) return;
        if (!page.title.empty()) page.title += separator;
        page.title += part;
    };
    if (tabParts.task) add(Trimmed(TaskText(tree, tabParts.task)), ": ");
    if (tabParts.detail) add(Trimmed(tree.get(tabParts.detail).caption), " ");
    for (const Part& part : tabParts.parts) {
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
