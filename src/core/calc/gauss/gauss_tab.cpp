// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/gauss_tab.h"

#include <algorithm>

#include "calc/common/typed_input.h"
#include "calc/gauss/eigen_answer.h"
#include "calc/gauss/eigen_write.h"
#include "calc/gauss/gauss_answer.h"
#include "calc/gauss/gauss_write.h"
#include "context/view_options.h"
#include "widgets/names.h"

namespace tc {

namespace {

// The result grid is never larger than X0 beside ten basis columns.
constexpr int kResultSpan = kGaussMaxSize + 3;

Grid& AddMatrixGrid(WidgetTree& tree, const char* name, const char* group, Rect geometry, bool editable) {
    Grid& g = tree.add<Grid>(name, group, 2, 2);
    g.geometry = geometry;
    g.defaultColWidth = 46;
    g.defaultRowHeight = 22;
    g.editable = editable;
    g.setColWidth(0, 28);
    return g;
}

Combo& AddSizeCombo(WidgetTree& tree, const char* label, const char* name, int x, const char* caption) {
    tree.addPlain(WidgetKind::Label, label, names::Gs_SizeBox, caption, {x, 24, 98, 20});
    Combo& c = tree.add<Combo>(name, names::Gs_SizeBox, false);
    c.geometry = {x + 100, 22, 44, 24};
    for (int i = 1; i <= kGaussMaxSize; ++i)
        c.items.push_back(std::to_string(i));
    return c;
}

bool SquareTask(GaussTask t) {
    return t == GaussTask::Inverse || t == GaussTask::Determinant || t == GaussTask::Eigen;
}

int Position(const Combo& c) {
    return std::clamp(c.index, 0, kGaussMaxSize - 1) + 1;
}

// The grid shows c x r entries under their column numbers, beside their row numbers.
void Reshape(Grid& g, int c, int r) {
    g.cols = 1 + c;
    g.rows = 1 + r;
    for (int j = 1; j <= c; ++j)
        g.setCell(j, 0, std::to_string(j));
    for (int i = 1; i <= r; ++i)
        g.setCell(0, i, std::to_string(i));
}

Place EntryPlace(const char* matrix, int row, int col) {
    return {Line::place_matrix_entry, "Matrix %1, row %2, column %3",
            {matrix, std::to_string(row), std::to_string(col)}};
}

QMatrix ReadMatrix(const Env& env, const Grid& g, const char* name, int rows, int cols) {
    QMatrix m(static_cast<std::size_t>(rows));
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            m[static_cast<std::size_t>(i - 1)].push_back(ReadCellFraction(env, g, j, i, EntryPlace(name, i, j)));
    return m;
}

} // namespace

GaussTab::GaussTab(WidgetTree& tree, Env& env)
    : FramedTab(tree, env, {names::Gs, "Gauss", names::Gs_M, names::Gs_Run, names::Gs_Save, "Зберегти",
                                names::Gs_Close, false}) {
    buildWidgets();
    for (const char* selector : {names::Gs_Task, names::Gs_Rows, names::Gs_Cols, names::Gs_BCols})
        tree_.onChange(selector, [this] { reshape(); });
    tree_.onClick(names::Gs_Run, [this] { GsRunClick(); });
    tree_.onClick(names::NGsSlae, [this] { takeSlaeSystem(); });
}

void GaussTab::buildWidgets() {
    WidgetTree& t = tree_;
    const std::string page = names::Gs;
    t.addPlain(WidgetKind::GroupBox, names::Gs_TaskBox, page, "Завдання", {8, 4, 300, 54});
    task_ = &t.add<Combo>(names::Gs_Task, names::Gs_TaskBox, false);
    task_->geometry = {8, 22, 284, 24};
    task_->items.assign(std::begin(kGaussTaskCaptions), std::end(kGaussTaskCaptions));

    t.addPlain(WidgetKind::GroupBox, names::Gs_SizeBox, page, "Розмір", {316, 4, 460, 54});
    rows_ = &AddSizeCombo(t, names::Gs_RowsL, names::Gs_Rows, 8, "Рядків A");
    cols_ = &AddSizeCombo(t, names::Gs_ColsL, names::Gs_Cols, 156, "Стовпців A");
    bCols_ = &AddSizeCombo(t, names::Gs_BColsL, names::Gs_BCols, 304, "Стовпців B");

    t.addPlain(WidgetKind::GroupBox, names::Gs_ABox, page, "Матриця A", {8, 62, 520, 180});
    a_ = &AddMatrixGrid(t, names::Gs_A, names::Gs_ABox, {8, 18, 504, 154}, true);
    t.addPlain(WidgetKind::GroupBox, names::Gs_BBox, page, "Матриця B", {536, 62, 240, 180});
    b_ = &AddMatrixGrid(t, names::Gs_B, names::Gs_BBox, {8, 18, 224, 154}, true);
    t.addPlain(WidgetKind::GroupBox, names::Gs_RBox, page, "Результат", {8, 248, 300, 148});
    r_ = &AddMatrixGrid(t, names::Gs_R, names::Gs_RBox, {8, 18, 284, 122}, false);

    // The written solution: matrices in aligned columns, long rows scrolled sideways.
    frame_.memo.geometry = {316, 248, 468, 336};
    frame_.memo.table = true;
    frame_.compute.geometry = {8, 552, 97, 25};
    frame_.save.geometry = {112, 552, 84, 25};
    frame_.exit.geometry = {202, 552, 72, 25};
}

void GaussTab::formCreate() {
    task_->select(0);
    rows_->select(2);
    cols_->select(2);
    bCols_->select(0);
    reshape();
    // 2x1+x2-x3=8, -3x1-x2+2x3=-11, -2x1+x2+2x3=-3: x = (2; 3; -1).
    const char* example[3][4] = {{"2", "1", "-1", "8"}, {"-3", "-1", "2", "-11"}, {"-2", "1", "2", "-3"}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            a_->setCell(j + 1, i + 1, example[i][j]);
        b_->setCell(1, i + 1, example[i][3]);
    }
}

GaussTask GaussTab::task() const {
    return static_cast<GaussTask>(std::clamp(task_->index, 0, kGaussTaskCount - 1));
}

int GaussTab::rows() const {
    return Position(*rows_);
}

int GaussTab::cols() const {
    const GaussTask t = task();
    return SquareTask(t) ? rows() : Position(*cols_);
}

int GaussTab::bCount() const {
    const GaussTask t = task();
    return t == GaussTask::RightSide || t == GaussTask::LeftSide ? Position(*bCols_) : 1;
}

void GaussTab::reshape() {
    const GaussTask t = task();
    const bool square = SquareTask(t);
    const bool matrixB = t == GaussTask::RightSide || t == GaussTask::LeftSide;
    const bool hasB = matrixB || t == GaussTask::Gauss || t == GaussTask::Jordan;
    cols_->visible = tree_.get(names::Gs_ColsL).visible = !square;
    bCols_->visible = tree_.get(names::Gs_BColsL).visible = matrixB;
    tree_.get(names::Gs_BColsL).caption = t == GaussTask::LeftSide
                                         ? env_.messages.text(Line::gs_b_rows, "Rows of B")
                                         : env_.messages.text(Line::gs_b_cols, "Columns of B");
    tree_.get(names::Gs_BBox).visible = b_->visible = hasB;
    Reshape(*a_, cols(), rows());
    if (t == GaussTask::LeftSide)
        Reshape(*b_, cols(), bCount());
    else
        Reshape(*b_, bCount(), rows());
    if (!matrixB) b_->setCell(1, 0, "B");
}

GaussInputs GaussTab::readInputs() const {
    GaussInputs in;
    in.task = task();
    in.a = ReadMatrix(env_, *a_, "A", rows(), cols());
    if (!b_->visible) return in;
    if (in.task == GaussTask::LeftSide)
        in.b = ReadMatrix(env_, *b_, "B", bCount(), cols());
    else
        in.b = ReadMatrix(env_, *b_, "B", rows(), bCount());
    return in;
}

void GaussTab::apply(const TabOutput& out) {
    frame_.memo.lines = out.lines;
    for (int i = 0; i < kResultSpan; ++i)
        for (int j = 0; j < kResultSpan; ++j)
            r_->setCell(j, i, "");
    r_->cols = r_->rows = 1;
    for (const GridOutput& g : out.grids) {
        r_->cols = g.cols;
        r_->rows = g.rows;
        for (std::size_t i = 0; i < g.cells.size(); ++i)
            for (std::size_t j = 0; j < g.cells[i].size(); ++j)
                r_->setCell(static_cast<int>(j), static_cast<int>(i), g.cells[i][j]);
    }
}

void GaussTab::GsRunClick() {
    // Nothing of an earlier computation may stand beside a failure.
    last_.reset();
    lastEigen_.reset();
    apply({});
    // The order is told before any cell is read: its cells do not matter.
    const int n = rows();
    if (task() == GaussTask::Eigen && (n < kEigenMinOrder || n > kEigenMaxOrder))
        throw Failure(Line::eg_fail_order,
                      "Eigenvalues are found for a square matrix of order 2, 3 or 4 only; the matrix has " +
                          std::to_string(n) + " rows.",
                      {std::to_string(n)});
    const GaussInputs in = readInputs();
    const ViewOptions view = ReadViewOptions(tree_);
    const Wording wording{env_.nums, env_.messages};
    if (in.task == GaussTask::Eigen) {
        lastEigen_ = SolveEigen(in.a);
        apply(WriteEigen(*lastEigen_, {wording, view.check, view.exact}));
        return;
    }
    last_ = SolveGauss(in);
    apply(WriteGauss(*last_, {wording, view.check, view.exact}));
}

void GaussTab::takeSlaeSystem() {
    const auto* count = dynamic_cast<const Combo*>(tree_.find(names::Sl1));
    const auto* system = dynamic_cast<const Grid*>(tree_.find(names::SLAE));
    if (!count || !system) return;
    // As the linear-system tab reads it: list position + 2 equations, 2 for typed text.
    const int n = count->index < 0 ? 2 : count->index + 2;
    task_->select(static_cast<int>(GaussTask::Gauss));
    rows_->select(n - 1);
    cols_->select(n - 1);
    reshape();
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            a_->setCell(j, i, system->cell(j, i));
        b_->setCell(1, i, system->cell(n + 1, i));
    }
}

nlohmann::json GaussTab::answer() const {
    if (lastEigen_) return EigenAnswer(*lastEigen_, env_.nums);
    return last_ ? GaussAnswer(*last_) : nlohmann::json(nullptr);
}

void GaussTab::applyLanguage(const MessageTable& messages) {
    for (int i = 0; i < kGaussTaskCount; ++i) {
        const std::string name = GaussTaskName(messages, static_cast<GaussTask>(i));
        task_->items[static_cast<std::size_t>(i)] = messages.has(Line::gs_task_gauss) ? name : kGaussTaskCaptions[i];
        if (Widget* item = tree_.find(kGaussTaskItems[i])) item->caption = task_->items[static_cast<std::size_t>(i)];
    }
    if (task_->index >= 0) task_->text = task_->items[static_cast<std::size_t>(task_->index)];
    // The captions of the page and the menu, each from its optional line.
    static const struct {
        const char* widget;
        Line line;
        const char* fallback;
    } kCaptions[] = {
        {names::NGs, Line::gs_menu, "Метод Гаусса"},
        {names::NGsSlae, Line::gs_from_slae, "Система з вкладки СЛАР методом Гаусса"},
        {names::Gs_TaskBox, Line::gs_task_group, "Завдання"},
        {names::Gs_SizeBox, Line::gs_size_group, "Розмір"},
        {names::Gs_RowsL, Line::gs_rows, "Рядків A"},
        {names::Gs_ColsL, Line::gs_cols, "Стовпців A"},
        {names::Gs_ABox, Line::gs_matrix_a, "Матриця A"},
        {names::Gs_BBox, Line::gs_matrix_b, "Матриця B"},
        {names::Gs_RBox, Line::gs_result_group, "Результат"},
        {names::Gs_Run, Line::gs_run, "Розв'язати"},
        {names::Gs_Save, Line::gs_save, "Зберегти"},
        {names::Gs_Close, Line::gs_close, "Закрити"},
    };
    for (const auto& c : kCaptions)
        if (Widget* w = tree_.find(c.widget)) w->caption = messages.text(c.line, c.fallback);
    tree_.get(names::Gs_BColsL).caption = task() == GaussTask::LeftSide ? messages.text(Line::gs_b_rows, "Рядків B")
                                                                   : messages.text(Line::gs_b_cols, "Стовпців B");
}

} // namespace tc
