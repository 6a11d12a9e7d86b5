// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/slae/slae_tab.h"

#include "context/view_options.h"
#include "calc/common/apply_output.h"
#include "calc/common/partial.h"
#include "calc/common/typed_input.h"
#include "widgets/names.h"

#include <string>

namespace tc {

namespace {

// Placement inside the page (792 x 592): the inputs and results in a column on
// the left, the written solution on the right, the buttons below the results.
constexpr int kLeft = 8;
constexpr int kColumnWidth = 376;
// The right column: the solution's values, the memo under them.
constexpr int kRight = kLeft + kColumnWidth + 8;
constexpr int kRowPitch = 24;    // result rows inside their group (a field and a gap of 2)
constexpr int kFirstRowTop = 22; // below the group's caption
constexpr int kGridDefaultCol = 55;

// Widgets whose visibility follows the number of equations.
constexpr const char* kThirdUnknown[] = {names::Dx3l, names::DDx3, names::x3l, names::x3};
constexpr const char* kFourthUnknown[] = {names::Dx4l, names::DDx4, names::x4l, names::x4};

// Cell (`col`, `row`) of a system of `n` equations: a coefficient, or in
// the last column the free term.
Place cellPlace(int col, int row, int n) {
    if (col > n) return {Line::place_system_constant, "Equation %1, free term", {std::to_string(row)}};
    return {Line::place_system_coefficient,
            "Equation %1, coefficient of %2",
            {std::to_string(row), "x" + std::to_string(col)}};
}

} // namespace

SlaeTab::SlaeTab(WidgetTree& tree, Env& env)
    : FramedTab(tree, env, {names::TabSheet5, "SLAE", names::SLA, names::CRun, names::CS_Save, "Зберегти", names::CS_Close, false}) {
    buildWidgets();
    using namespace names;
    for (const char* name : {DD, DDx1, DDx2, DDx3, DDx4, x1, x2, x3, x4})
        results_.emplace_back(name, &tree_.get<Edit>(name));
    tree_.onChange(names::Sl1, [this] { Sl1Change(); });
    tree_.onClick(names::CRun, [this] { CRunClick(); });
}

void SlaeTab::buildWidgets() {
    const std::string page = names::TabSheet5;
    // Left: the number of equations, the coefficients and the determinants;
    // right: the values sought and the memo under them. The page then needs
    // little height (a laptop screen at a large scale), and the buttons go
    // under the memo when it is short.

    tree_.addPlain(WidgetKind::GroupBox, names::CSLA_N, page, "Кількість рівнянь", {kLeft, 4, 170, 54});
    sl1_ = &tree_.add<Combo>(names::Sl1, names::CSLA_N, true);
    sl1_->geometry = {12, 22, 80, 24};
    sl1_->items = {"2", "3", "4"};
    sl1_->text = "2";

    // Room for the largest grid, 4 equations: 308 x 128.
    tree_.addPlain(WidgetKind::GroupBox, names::CSLA_Sys, page, "Введіть коефіціенти при невідомих ",
                   {kLeft, 62, kColumnWidth, 168});
    grid_ = &tree_.add<Grid>(names::SLAE, names::CSLA_Sys, 4, 3);
    grid_->geometry = {12, 26, 194, 78};
    grid_->editable = true;
    grid_->defaultColWidth = kGridDefaultCol;
    grid_->defaultRowHeight = 24;

    tree_.addPlain(WidgetKind::GroupBox, names::CSLA_Det, page, "Визначники",
                   {kLeft, 234, kColumnWidth, kFirstRowTop + 5 * kRowPitch + 6});
    addResultRow(names::CSLA_Det, names::DDl, "D", names::DD, 0);
    for (int i = 1; i <= 4; ++i) {
        const std::string d = "Dx" + std::to_string(i);
        addResultRow(names::CSLA_Det, d + "l", d, "D" + d, i);
    }

    Widget& values = tree_.addPlain(WidgetKind::GroupBox, names::CRez_SLA, page, "Шукані значення",
                                    {kRight, 4, kColumnWidth, kFirstRowTop + 4 * kRowPitch + 6});
    const int memoTop = values.geometry.y + values.geometry.h + 4;
    frame_.memo.geometry = {kRight, memoTop, kPageWidth - 8 - kRight, kPageHeight - 8 - memoTop};
    for (int i = 1; i <= 4; ++i) {
        const std::string x = "x" + std::to_string(i);
        addResultRow(names::CRez_SLA, x + "l", x, x, i - 1);
    }

    for (const char* name : kThirdUnknown)
        tree_.get(name).visible = false;
    for (const char* name : kFourthUnknown)
        tree_.get(name).visible = false;
}

void SlaeTab::addResultRow(const char* group, const std::string& label, const std::string& caption,
                           const std::string& field, int row) {
    const int top = kFirstRowTop + row * kRowPitch;
    tree_.addPlain(WidgetKind::Label, label, group, caption, {12, top + 2, 40, 20});
    Edit& edit = tree_.add<Edit>(field, group);
    edit.geometry = {56, top, kColumnWidth - 68, kRowPitch - 2};
}

void SlaeTab::formCreate() {
    Grid& g = *grid_;
    g.setColWidth(0, 20);
    g.geometry.h = 78;
    // Row numbers for the largest system; they stay when the grid grows.
    for (int i = 1; i <= 5; ++i)
        g.setCell(0, i, std::to_string(i));
    g.setCell(1, 0, names::x1);
    g.setCell(2, 0, names::x2);
    g.setCell(3, 0, "B");
    // 2x1+5x2=-1, 3x1+7x2=-2: D = -1, x1 = -3, x2 = 1.
    g.setCell(1, 1, "2");
    g.setCell(2, 1, "5");
    g.setCell(3, 1, "-1");
    g.setCell(1, 2, "3");
    g.setCell(2, 2, "7");
    g.setCell(3, 2, "-2");
}

int SlaeTab::equations() const {
    return sl1_->index < 0 ? 2 : sl1_->index + 2;
}

void SlaeTab::Sl1Change() {
    // Typed text selects no list position; the grid then shows the two
    // equations the computation takes, not a system of one unknown.
    const int p = equations() - 2;
    Grid& g = *grid_;
    g.cols = p + 4;
    g.rows = p + 3;
    for (int i = 1; i <= p + 2; ++i)
        g.setCell(i, 0, "x" + std::to_string(i));
    g.setCell(p + 3, 0, "B");
    g.geometry.w = 57 * (p + 3) + 23;
    g.geometry.h = 26 * (p + 2) + 24;

    const int n = p + 2;
    for (const char* name : kThirdUnknown)
        tree_.get(name).visible = n >= 3;
    for (const char* name : kFourthUnknown)
        tree_.get(name).visible = n >= 4;
}

void SlaeTab::readInputs(SlaeInputs& in, bool exact) const {
    SystemOf<Rational> q;
    for (int c = 1; c <= in.n + 1; ++c)
        for (int r = 1; r <= in.n; ++r) {
            const auto row = static_cast<std::size_t>(r), col = static_cast<std::size_t>(c);
            // In exact mode a cell may hold a fraction "p/q" too.
            if (exact) {
                q[row][col] = ReadCellFraction(env_, *grid_, c, r, cellPlace(c, r, in.n));
                continue;
            }
            in.a[row][col] = ReadCell(env_, *grid_, c, r, cellPlace(c, r, in.n));
            q[row][col] = ReadExactCell(env_.nums, *grid_, c, r);
        }
    in.exact = q;
}

void SlaeTab::CRunClick() {
    // No result of an earlier system may stand beside this one's.
    for (auto& [name, edit] : results_)
        edit->text.clear();

    const ViewOptions view = ReadViewOptions(tree_);
    SlaeInputs start;
    start.n = equations();
    const Partial<SlaeInputs> in =
        SolvePartially(start, [this, &view](SlaeInputs& x) { readInputs(x, view.exact); });
    if (view.exact)
        finish<Rational>(in, view.check);
    else
        finish<Ext>(in, view.check);
}

template <class T> void SlaeTab::finish(const Partial<SlaeInputs>& in, bool check) {
    Partial<SlaeResultOf<T>> solved;
    if (!in.failure)
        solved = SolvePartially(SlaeResultOf<T>{},
                                [&in, check](SlaeResultOf<T>& r) { SolveSlae(in.result, r, check); });
    ApplyOutput(tree_, frame_.memo,
                WriteSlae(in.result, !in.failure, solved.result, solved.failure.has_value(),
                          Wording{env_.nums, env_.messages}));
    in.rethrow();
    solved.rethrow();
}

} // namespace tc
