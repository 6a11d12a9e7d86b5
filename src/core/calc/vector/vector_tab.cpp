// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/vector/vector_tab.h"

#include "calc/common/apply_output.h"
#include "calc/common/typed_input.h"
#include "context/view_options.h"
#include "calc/vector/vector_solve.h"
#include "calc/vector/vector_write.h"
#include "widgets/names.h"

namespace tc {

namespace {

using namespace names;

// The most components a vector has (V_N lists 2 to 5).
constexpr int kMaxComponents = 5;

// A grid column of components is 55 pixels wide; with its grid line it takes 57.
constexpr int kComponentWidth = 55;
constexpr int kComponentPitch = 57;
constexpr int kRowHeight = 25;
constexpr int kBlue = 0x0000FF;

// Widths of the two grids for n components: the heading column and the frame
// come on top of the component columns.
int TableWidth(int n) {
    return n * kComponentPitch + 33;
}
int ResultWidth(int n) {
    return n * kComponentPitch + 43;
}

// The built-in (Ukrainian) captions and task names; a language file replaces them.
const char* const kTaskNames[] = {"Додавання ", "Віднімання ",       "Скалярний добуток",       "Довжина ",
                                  "Норма ",     "Кут між векторами", "Проекція одного на інший"};

Widget& AddGroup(WidgetTree& tree, const char* name, const char* caption, Rect geometry) {
    return tree.addPlain(WidgetKind::GroupBox, name, names::Vector, caption, geometry);
}

Widget& AddBoldLabel(WidgetTree& tree, const char* name, const char* parent, const char* caption,
                     Rect geometry) {
    Widget& label = tree.addPlain(WidgetKind::Label, name, parent, caption, geometry);
    label.look.bold = true;
    return label;
}

// The tab's own widgets in the layout of the addition task with two
// components; the frame (memo and buttons) is already there.
void AddWidgets(WidgetTree& tree) {
    // The size's group is as wide as its longest caption ("Розмірність вектора");
    // the task's list opens as wide as its longest task.
    AddGroup(tree, CVec_Task, "Завдання", {8, 4, 232, 64});
    Combo& task = tree.add<Combo>(TVec, CVec_Task, true);
    task.geometry = {10, 26, 214, 28};
    task.items.assign(std::begin(kTaskNames), std::end(kTaskNames));
    task.text = "Додавання ";

    AddGroup(tree, CRoz_N, "Розмір  вектора", {246, 4, 146, 64});
    AddBoldLabel(tree, Vec_N, CRoz_N, "N", {14, 30, 16, 22});
    Combo& size = tree.add<Combo>(V_N, CRoz_N, true);
    size.geometry = {36, 26, 86, 28};
    size.items = {"2", "3", "4", "5"};
    size.text = "2";

    AddGroup(tree, CVec_data, "Дані", {8, 74, 384, 116});
    Grid& table = tree.add<Grid>(Vec_Table, CVec_data, 3, 3);
    table.geometry = {12, 26, TableWidth(2), 81};
    table.editable = true;
    table.movable = true;
    table.defaultColWidth = kComponentWidth;
    table.defaultRowHeight = kRowHeight;
    table.look.color = kBlue;

    AddGroup(tree, CVec_Rez, "Результат", {8, 196, 384, 168});
    Grid& result = tree.add<Grid>(V_Rez, CVec_Rez, 3, 2);
    result.geometry = {12, 26, ResultWidth(2), 56};
    result.defaultColWidth = kComponentWidth;
    result.defaultRowHeight = kRowHeight;
    AddBoldLabel(tree, Vec_lab, CVec_Rez, "|A+B|", {12, 96, 90, 24});
    tree.add<Edit>(Vec_R, CVec_Rez).geometry = {104, 94, 160, 28};
    AddBoldLabel(tree, phi_l, CVec_Rez, "phi", {12, 130, 90, 24}).visible = false;
    Edit& phi = tree.add<Edit>(phi1, CVec_Rez);
    phi.geometry = {104, 128, 160, 28};
    phi.visible = false;

    // Opens the figure window; the caption comes with the language. It sits
    // under the results, in the free space above the frame's buttons.
    tree.addPlain(WidgetKind::Button, Vec_Figure, names::Vector, "Figure", {8, 372, 120, 30});
}

// Component `component` of the vector in row `row`. The row heading names the
// vector as the tab shows it ("A", "B", or "AB" for the norm).
Place ComponentPlace(const Grid& table, int component, int row) {
    return {Line::place_vector_component,
            "Vector %1, component %2",
            {table.cell(0, row), std::to_string(component)}};
}

} // namespace

VectorTab::VectorTab(WidgetTree& tree, Env& env)
    : FramedTab(tree, env, {names::Vector, "Vector", names::Vec_M, names::CBut1,
                                                        names::CV_Save, "Зберегти", names::CClose, false}),
      task_((AddWidgets(tree), tree.get<Combo>(names::TVec))), size_(tree.get<Combo>(names::V_N)),
      table_(tree.get<Grid>(names::Vec_Table)), result_(tree.get<Grid>(names::V_Rez)),
      label_(tree.get(names::Vec_lab)), value_(tree.get<Edit>(names::Vec_R)),
      phiLabel_(tree.get(names::phi_l)), phi_(tree.get<Edit>(names::phi1)) {
    tree.onChange(names::TVec, [this] { TVecChange(); });
    tree.onChange(names::V_N, [this] { V_NChange(); });
    tree.onClick(names::CBut1, [this] { CBut1Click(); });
}

void VectorTab::formCreate() {
    table_.setColWidth(0, 30);
    table_.setCell(0, 1, "A");
    table_.setCell(0, 2, "B");
    // The result's columns are the same components as the data's.
    for (int i = 1; i <= kMaxComponents; ++i) {
        table_.setCell(i, 0, std::to_string(i));
        result_.setCell(i, 0, std::to_string(i));
    }
    table_.setCell(1, 1, "2");
    table_.setCell(2, 1, "5");
    table_.setCell(1, 2, "3");
    table_.setCell(2, 2, "7");
    result_.setColWidth(0, 40);
    result_.setCell(0, 1, "A+B");
}

vec::Task VectorTab::task() const {
    return task_.index < 0 ? vec::kAddition : static_cast<vec::Task>(task_.index);
}

int VectorTab::components() const {
    return size_.index < 0 ? 2 : size_.index + 2;
}

void VectorTab::V_NChange() {
    // Typed text leaves no list position; the grids then show the two
    // components that a computation reads, so what is shown is what is computed.
    const int n = components();
    table_.cols = n + 1;
    result_.cols = n + 1;
    result_.geometry.w = ResultWidth(n);
    if (task() == vec::kNorm) {
        result_.cols = 2;
        result_.geometry.w = 110;
    }
    table_.geometry.w = TableWidth(n);
}

void VectorTab::TVecChange() {
    // The fields keep their places but change meaning (the sum's length
    // would stand under "cos(phi)"): the old results go, the memo stays.
    clearResults();
    const int n = components();
    result_.geometry.w = ResultWidth(n);
    result_.cols = n + 1;
    result_.visible = true;
    // Row 2 (B) comes back with the texts it held when the norm task hid it.
    table_.rows = 3;
    table_.geometry.h = 81;
    table_.setCell(0, 1, "A");
    phi_.visible = false;
    phiLabel_.visible = false;

    // With no task selected (typed text) the computation is an addition, so
    // the tab shows the addition's layout.
    switch (task()) {
    case vec::kAddition:
        result_.setCell(0, 1, "A+B");
        label_.caption = "|A+B|";
        break;
    case vec::kSubtraction:
        result_.setCell(0, 1, "A-B");
        label_.caption = "|A-B|";
        break;
    case vec::kScalarProduct:
        result_.visible = false;
        label_.caption = "A*B";
        break;
    case vec::kLength:
        result_.setCell(0, 1, names::AB);
        label_.caption = "|AB|";
        break;
    case vec::kNorm:
        result_.setCell(0, 1, "|AB|");
        result_.cols = 2;
        result_.geometry.w = 110;
        result_.visible = false;
        table_.rows = 2;
        table_.geometry.h = 56;
        table_.setCell(0, 1, names::AB);
        label_.caption = "|AB|";
        break;
    case vec::kAngle:
        result_.visible = false;
        label_.caption = "cos(phi)";
        phi_.visible = true;
        phiLabel_.visible = true;
        break;
    case vec::kProjection:
        result_.visible = false;
        label_.caption = "Pr[A/B]";
        break;
    default: break;
    }
}

Partial<VectorInput> VectorTab::readInput(bool exact) const {
    VectorInput start;
    start.task = task();
    start.n = components();
    const auto k = static_cast<size_t>(start.task);
    start.taskName = k < task_.items.size() ? task_.items[k] : std::string();
    for (int i = 1; i <= start.n; ++i) {
        start.textA.push_back(table_.cell(i, 1));
        start.textB.push_back(table_.cell(i, 2));
    }
    // A reading failure ends the reading like a solver's failure ends its steps.
    return SolvePartially(std::move(start), [this, exact](VectorInput& in) {
        for (int i = 1; i <= in.n; ++i) {
            // The norm is of the one vector in row 1: row 2 is not read.
            const bool readB = in.task != vec::kNorm;
            if (exact) {
                // In exact fractions a cell may hold "p/q" too.
                in.exactA.push_back(ReadCellFraction(env_, table_, i, 1, ComponentPlace(table_, i, 1)));
                if (readB)
                    in.exactB.push_back(ReadCellFraction(env_, table_, i, 2, ComponentPlace(table_, i, 2)));
                continue;
            }
            in.a.push_back(readComponent(i, 1));
            if (readB) in.b.push_back(readComponent(i, 2));
        }
    });
}

Ext VectorTab::readComponent(int component, int row) const {
    return ReadCell(env_, table_, component, row, ComponentPlace(table_, component, row));
}

void VectorTab::clearResults() {
    for (int i = 1; i <= kMaxComponents; ++i)
        result_.setCell(i, 1, "");
    value_.text.clear();
    phi_.text.clear();
}

template <class Num> void VectorTab::solve(const Partial<VectorInput>& input) {
    const Partial<VectorSteps<Num>> solved = SolveVector<Num>(input);
    show(WriteVector(input.result, solved.result, {env_.nums, env_.messages}));
    last_ = DrawingOf(input.result.task, input.result.n, solved.result);
    solved.rethrow();
}

void VectorTab::CBut1Click() {
    clearResults();
    // The length, the angle and the projection are irrational in general:
    // they keep their decimals in exact mode too.
    const bool exact = ReadViewOptions(tree_).exact && HasExactSolution(task());
    const Partial<VectorInput> input = readInput(exact);
    if (exact)
        solve<Rational>(input);
    else
        solve<Ext>(input);
    // The solver takes every component read, so it has met any reading failure already.
    input.rethrow();
}

void VectorTab::show(TabOutput out) {
    // The cells go to row 1 of V_Rez; the headings stay as the task set them.
    ApplyOutput(tree_, frame_.memo, out);
}

} // namespace tc
