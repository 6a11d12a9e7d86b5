// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/matrix/matrix_tab.h"

#include <algorithm>
#include <iterator>

#include "context/view_options.h"
#include "calc/common/apply_output.h"
#include "calc/common/partial.h"
#include "calc/common/typed_input.h"
#include "widgets/names.h"

namespace tc {

namespace {

constexpr unsigned kSkyBlue = 0xA6CAF0;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kNavy = 0x000080;

// A grid shown with c entry columns and r entry rows below and right of its
// heading row and column; it grows from its fixed top-left corner.
void Reshape(Grid& g, int c, int r) {
    g.cols = 1 + c;
    g.rows = 1 + r;
    g.geometry.w = 57 * c + 25;
    g.geometry.h = 25 * r + 27;
}

Grid& AddMatrixGrid(WidgetTree& tree, const char* name, const char* group) {
    Grid& g = tree.add<Grid>(name, group, 3, 3);
    g.geometry = {8, 16, 0, 0};
    g.defaultColWidth = 55;
    g.defaultRowHeight = 24;
    g.editable = true;
    g.fixedColor = kSkyBlue;
    Reshape(g, 2, 2);
    return g;
}

Combo& AddCombo(WidgetTree& tree, const char* name, const char* group, Rect geometry) {
    Combo& c = tree.add<Combo>(name, group, true);
    c.geometry = geometry;
    return c;
}

Edit& AddHiddenCount(WidgetTree& tree, const char* name, int x) {
    Edit& e = tree.add<Edit>(name, names::Matrix);
    e.geometry = {x, 4, 40, 21};
    e.visible = false;
    e.text = "2";
    return e;
}

int Position(const Combo& c) {
    return c.index < 0 ? 0 : c.index;
}

// Entry (`row`, `col`) of the matrix called `name`.
Place entryPlace(const char* name, int row, int col) {
    return {Line::place_matrix_entry, "Matrix %1, row %2, column %3", {name, IntToStr(row), IntToStr(col)}};
}

} // namespace

MatrixTab::MatrixTab(WidgetTree& tree, Env& env)
    : FramedTab(tree, env, {names::Matrix, "Matrix", names::MAT_M, names::Mat_But, names::M_Save, "Записати", names::M_But, false}),
      w_((buildWidgets(), LookUp(tree))) {
    tree_.onChange(names::TMat_task, [this] { TMat_taskChange(); });
    tree_.onChange(names::M_N, [this] { M_NChange(); });
    tree_.onChange(names::M_N1, [this] { M_N1Change(); });
    tree_.onClick(names::Mat_But, [this] { Mat_ButClick(); });
}

namespace {

// Rows, then columns, of each size in A's list.
constexpr int kSizeRows[] = {2, 2, 2, 3, 3, 3, 4, 4, 4};
constexpr int kSizeCols[] = {2, 3, 4, 2, 3, 4, 2, 3, 4};

// The shown text at start-up, with the Cyrillic letter ha (U+0445).
constexpr const char* kBuiltInSizeText = "2\u0445"
                                         "2";

// The sizes of A's list as "RxC", the first with the sign `first`, the others with `rest`.
std::vector<std::string> SizeTexts(const std::string& first, const std::string& rest) {
    std::vector<std::string> sizes;
    for (std::size_t i = 0; i < std::size(kSizeRows); ++i)
        sizes.push_back(IntToStr(kSizeRows[i]) + (i == 0 ? first : rest) + IntToStr(kSizeCols[i]));
    return sizes;
}

// The built-in list writes the first size with a Latin x, the others with the
// Cyrillic letter ha.
std::vector<std::string> BuiltInSizes() {
    return SizeTexts("x", "\u0445");
}

} // namespace

void MatrixTab::applySizeSign() {
    Combo& sizes = w_.sizeA;
    const std::string sign = env_.messages.text(Line::mat_size_times, "x");
    std::vector<std::string> renamed =
        env_.messages.has(Line::mat_size_times) ? SizeTexts(sign, sign) : BuiltInSizes();
    // The shown text follows when it names a size of the list as it was, the
    // start-up text included, and is left alone when the user typed it.
    const std::string startText =
        env_.messages.has(Line::mat_size_times) ? renamed.front() : kBuiltInSizeText;
    const auto shown = std::find(sizes.items.begin(), sizes.items.end(), sizes.text);
    if (sizes.index >= 0 && sizes.index < static_cast<int>(renamed.size()))
        sizes.text = renamed[static_cast<std::size_t>(sizes.index)];
    else if (sizes.text == kBuiltInSizeText || shown == sizes.items.begin())
        sizes.text = startText;
    else if (shown != sizes.items.end())
        sizes.text = renamed[static_cast<std::size_t>(shown - sizes.items.begin())];
    sizes.items = std::move(renamed);
}

void MatrixTab::buildWidgets() {
    WidgetTree& t = tree_;
    // One frame holds everything; the memo and the buttons belong to the tab
    // frame, so they sit on the page at the places their group boxes give them.
    t.addPlain(WidgetKind::GroupBox, names::CMat_Frame, names::Matrix, "", {0, 0, 792, 585});

    t.addPlain(WidgetKind::GroupBox, names::CGM_Task, names::CMat_Frame, "Завдання", {556, 4, 220, 57});
    Combo& task = AddCombo(t, names::TMat_task, names::CGM_Task, {8, 22, 204, 24});
    task.items = {"Додавання", "Віднімання", "Множення", "Визначник", "Обернена матриця"};
    task.text = "Додавання";

    t.addPlain(WidgetKind::GroupBox, names::CMat_Roz, names::CMat_Frame, "Розмір матриці", {556, 64, 220, 58});
    t.addPlain(WidgetKind::Label, names::M_A, names::CMat_Roz, "A", {5, 24, 14, 20});
    Combo& sizeA = AddCombo(t, names::M_N, names::CMat_Roz, {21, 22, 71, 24});
    sizeA.items = BuiltInSizes();
    sizeA.text = kBuiltInSizeText;
    t.addPlain(WidgetKind::Label, names::M_B, names::CMat_Roz, "B", {99, 24, 14, 20}).visible = false;
    Combo& second = AddCombo(t, names::M_N1, names::CMat_Roz, {116, 22, 71, 24});
    second.items = {"", "", ""};
    second.text = "2x2";
    second.visible = false;

    t.addPlain(WidgetKind::GroupBox, names::CMat_A, names::CMat_Frame, "", {6, 4, 269, 151});
    Grid& a = AddMatrixGrid(t, names::Mat1, names::CMat_A);
    a.look.color = kBlue;
    t.addPlain(WidgetKind::GroupBox, names::CMat_B, names::CMat_Frame, "", {281, 4, 269, 151});
    AddMatrixGrid(t, names::Mat2, names::CMat_B);
    t.addPlain(WidgetKind::GroupBox, names::CMat_C, names::CMat_Frame, "", {6, 159, 269, 180});
    AddMatrixGrid(t, names::Mat_R, names::CMat_C);
    t.addPlain(WidgetKind::Label, names::M_D, names::CMat_C, "Det(A)=", {8, 150, 56, 20}).visible = false;
    Edit& det = t.add<Edit>(names::DET_A, names::CMat_C);
    det.geometry = {64, 147, 121, 25};
    det.visible = false;

    t.addPlain(WidgetKind::GroupBox, names::CMat_Memo, names::CMat_Frame, "", {281, 159, 503, 422});
    frame_.memo.geometry = {281 + 8, 159 + 16, 487, 398};
    frame_.memo.look.color = kNavy;
    frame_.memo.lines = {""};
    t.addPlain(WidgetKind::GroupBox, names::CMat_Buttons, names::CMat_Frame, "", {6, 532, 269, 49});
    frame_.compute.geometry = {6 + 8, 532 + 16, 97, 25};
    frame_.save.geometry = {6 + 112, 532 + 16, 81, 25};
    frame_.exit.geometry = {6 + 198, 532 + 16, 59, 25};

    // The hidden fields that show the tab's state: row count and column count
    // of A, and the task number (selector position + 2).
    AddHiddenCount(t, names::M_M, 700);
    AddHiddenCount(t, names::N_N, 720);
    AddHiddenCount(t, names::I0, 740);
}

MatrixTab::Widgets MatrixTab::LookUp(const WidgetTree& t) {
    using namespace names;
    return {t.get<Grid>(Mat1),
            t.get<Grid>(Mat2),
            t.get<Grid>(Mat_R),
            t.get<Edit>(DET_A),
            t.get<Combo>(TMat_task),
            t.get<Combo>(M_N),
            t.get<Combo>(M_N1),
            t.get(M_A),
            t.get(M_B),
            t.get(M_D),
            t.get<Edit>(M_M),
            t.get<Edit>(N_N),
            t.get<Edit>(I0)};
}

void MatrixTab::formCreate() {
    const std::pair<Grid*, const char*> grids[] = {{&w_.a, "A"}, {&w_.b, "B"}, {&w_.c, "C"}};
    for (const auto& [g, corner] : grids) {
        // Numbers for every row and column a grid can grow to, so they show as it grows.
        for (int i = 1; i <= 4; ++i) {
            g->setCell(0, i, IntToStr(i));
            g->setCell(i, 0, IntToStr(i));
        }
        g->setCell(0, 0, corner);
        g->setColWidth(0, 20);
    }
    w_.a.setCell(1, 1, "2");
    w_.a.setCell(2, 1, "5");
    w_.a.setCell(1, 2, "3");
    w_.a.setCell(2, 2, "7");
    w_.b.setCell(1, 1, "9");
    w_.b.setCell(2, 1, "5");
    w_.b.setCell(1, 2, "4");
    w_.b.setCell(2, 2, "11");
}

void MatrixTab::TMat_taskChange() {
    const int t = Position(w_.task) + 2;
    // The results of the task left go with it; Mat2 holds the cofactors in
    // the inverse and matrix B elsewhere, so it is emptied on the way into
    // the inverse and out of it. The memo keeps the last solution.
    clearResults(state_.task == kInverse ? kInverse : t);
    state_.task = t;
    showState();

    w_.labelA.caption = "A";
    w_.labelB.caption = "B";
    w_.labelA.visible = true;
    w_.sizeA.visible = true;
    w_.labelDet.visible = false;
    w_.det.visible = false;
    w_.second.geometry.x = 116;

    switch (t) {
    case kAddition:
    case kSubtraction:
        w_.a.visible = w_.b.visible = w_.c.visible = true;
        w_.second.visible = w_.labelB.visible = false;
        break;
    case kMultiplication:
        w_.a.visible = w_.b.visible = w_.c.visible = true;
        w_.second.visible = w_.labelB.visible = true;
        break;
    case kDeterminant:
    case kInverse:
        w_.a.visible = w_.second.visible = w_.labelA.visible = true;
        w_.sizeA.visible = w_.labelB.visible = false;
        // The inverse shows the cofactors in Mat2 and the result in Mat_R.
        w_.b.visible = w_.c.visible = t == kInverse;
        w_.second.text = "2x2";
        w_.second.items = {"2x2", "3x3", "4x4"};
        w_.second.index = -1;
        w_.labelDet.visible = w_.det.visible = true;
        // The order takes the place of the size of A.
        w_.second.geometry.x = 21;
        break;
    default: break;
    }
    showComputedSizes(t);
}

void MatrixTab::showComputedSizes(int t) {
    // What is shown is what is computed: each grid the new task uses takes
    // the size its computation will read (no 3x3 grid while its top-left 2x2
    // block is inverted).
    const int m = state_.rows, n = state_.cols;
    switch (t) {
    case kAddition:
    case kSubtraction:
        Reshape(w_.a, n, m);
        Reshape(w_.b, n, m);
        Reshape(w_.c, n, m);
        break;
    case kMultiplication: {
        // Back from the determinant or the inverse the list offers orders:
        // offer B's columns again.
        const std::string rows = IntToStr(n);
        if (w_.second.items != std::vector<std::string>{rows + names::x2, rows + names::x3, rows + names::x4})
            offerProductColumns(n);
        const int k = Position(w_.second) + 2;
        Reshape(w_.a, n, m);
        Reshape(w_.b, k, n);
        Reshape(w_.c, k, m);
        break;
    }
    case kDeterminant: Reshape(w_.a, 2, 2); break;
    case kInverse:
        Reshape(w_.a, 2, 2);
        Reshape(w_.b, 2, 2);
        Reshape(w_.c, 2, 2);
        break;
    default: break;
    }
}

void MatrixTab::offerProductColumns(int n) {
    // The column count of B is offered with the row count it must have; the list
    // is new, so nothing is selected and the product is computed with two columns.
    const std::string rows = IntToStr(n);
    w_.second.text = rows + names::x2;
    w_.second.items = {rows + names::x2, rows + names::x3, rows + names::x4};
    w_.second.index = -1;
}

void MatrixTab::M_NChange() {
    const size_t s = static_cast<size_t>(Position(w_.sizeA));
    state_.rows = kSizeRows[s];
    state_.cols = kSizeCols[s];
    showState();

    const int m = state_.rows, n = state_.cols;
    const int t = state_.task;
    Reshape(w_.a, n, m);
    Reshape(w_.b, n, m);
    if (t == kAddition || t == kSubtraction) Reshape(w_.c, n, m);
    if (t == kMultiplication) {
        // B starts with two columns: as many rows as A has columns.
        Reshape(w_.a, n, m);
        Reshape(w_.b, 2, n);
        Reshape(w_.c, 2, m);
    }
    offerProductColumns(n);
}

void MatrixTab::M_N1Change() {
    // Typed text selects nothing; the grids then show what the computation will
    // use: two columns of B, or order 2.
    const int k = w_.second.index < 0 ? 2 : w_.second.index + 2;
    const int m = state_.rows, n = state_.cols;
    Reshape(w_.b, k, n);
    Reshape(w_.c, k, m);
    // The task comes from the selector itself here; with nothing selected it is
    // neither the determinant nor the inverse, just as the state then holds the sum.
    const int t = w_.task.index + 2;
    if (t == kDeterminant) Reshape(w_.a, k, k);
    if (t == kInverse) {
        Reshape(w_.a, k, k);
        Reshape(w_.b, k, k);
        Reshape(w_.c, k, k);
    }
}

void MatrixTab::clearResults(int task) {
    auto clear = [](Grid& g) {
        for (int col = 1; col <= 4; ++col)
            for (int row = 1; row <= 4; ++row)
                g.setCell(col, row, "");
    };
    // Every result of the tab goes, whatever the task: a sum leaves no
    // determinant of an earlier task, a determinant no earlier Mat_R.
    w_.det.text.clear();
    clear(w_.c);
    if (task == kInverse) clear(w_.b);
}

void MatrixTab::readInputs(MatrixInputs& in, bool exact) const {
    if (in.task < kAddition || in.task > kInverse) return; // I0 names no task: nothing to read
    const bool square = in.task == kDeterminant || in.task == kInverse;
    in.aRows = square ? in.k : in.m;
    in.aCols = square ? in.k : in.n;
    in.bRows = in.task == kMultiplication ? in.n : square ? 0 : in.m;
    in.bCols = in.task == kMultiplication ? in.k : square ? 0 : in.n;
    in.aText = MakeBlock<std::string>(in.aRows, in.aCols);
    in.bText = MakeBlock<std::string>(in.bRows, in.bCols);
    in.a = MakeBlock<Ext>(in.aRows, in.aCols);
    in.b = MakeBlock<Ext>(in.bRows, in.bCols);
    for (int i = 1; i <= in.aRows; ++i)
        for (int j = 1; j <= in.aCols; ++j)
            At(in.aText, i, j) = w_.a.cell(j, i);
    for (int i = 1; i <= in.bRows; ++i)
        for (int j = 1; j <= in.bCols; ++j)
            At(in.bText, i, j) = w_.b.cell(j, i);

    // Column by column; the first cell that holds no number stops the task.
    // In exact mode a cell may hold a fraction "p/q" too.
    const Numbers& nums = env_.nums;
    in.qa = MakeBlock<Rational>(in.aRows, in.aCols);
    in.qb = MakeBlock<Rational>(in.bRows, in.bCols);
    auto readA = [&](int i, int j) {
        if (exact)
            At(in.qa, i, j) = ReadCellFraction(env_, w_.a, j, i, entryPlace("A", i, j));
        else
            At(in.a, i, j) = ReadCell(env_, w_.a, j, i, entryPlace("A", i, j));
    };
    auto readB = [&](int i, int j) {
        if (exact)
            At(in.qb, i, j) = ReadCellFraction(env_, w_.b, j, i, entryPlace("B", i, j));
        else
            At(in.b, i, j) = ReadCell(env_, w_.b, j, i, entryPlace("B", i, j));
    };
    if (in.task == kAddition || in.task == kSubtraction) {
        // A and B side by side, entry by entry.
        for (int j = 1; j <= in.n; ++j)
            for (int i = 1; i <= in.m; ++i) {
                readA(i, j);
                readB(i, j);
            }
    } else {
        for (int j = 1; j <= in.aCols; ++j)
            for (int i = 1; i <= in.aRows; ++i)
                readA(i, j);
        for (int j = 1; j <= in.bCols; ++j)
            for (int i = 1; i <= in.bRows; ++i)
                readB(i, j);
    }
    if (!exact && (in.task == kDeterminant || in.task == kInverse))
        for (int i = 1; i <= in.k; ++i)
            for (int j = 1; j <= in.k; ++j)
                in.exactA.push_back(ReadExactCell(nums, w_.a, j, i));
    in.read = true;
}

void MatrixTab::showState() {
    w_.rows.text = IntToStr(state_.rows);
    w_.cols.text = IntToStr(state_.cols);
    w_.taskNumber.text = IntToStr(state_.task);
}

void MatrixTab::Mat_ButClick() {
    MatrixInputs start;
    start.m = state_.rows;
    start.n = state_.cols;
    start.task = state_.task;
    start.k = Position(w_.second) + 2;
    if (start.k > 4) return; // the lists offer two to four columns, orders 2 to 4
    clearResults(start.task);

    const size_t item = static_cast<size_t>(start.task - 2);
    if (item < w_.task.items.size()) start.taskName = w_.task.items[item];

    const ViewOptions view = ReadViewOptions(tree_);
    const Partial<MatrixInputs> in =
        SolvePartially(std::move(start), [this, &view](MatrixInputs& x) { readInputs(x, view.exact); });
    if (view.exact)
        finish<Rational>(in, view.check);
    else
        finish<Ext>(in, view.check);
}

template <class T> void MatrixTab::finish(const Partial<MatrixInputs>& in, bool check) {
    Partial<MatrixResultOf<T>> solved;
    if (in.result.read)
        solved = SolvePartially(MatrixResultOf<T>{},
                                [&in, check](MatrixResultOf<T>& r) { SolveMatrix(in.result, r, check); });
    ApplyOutput(tree_, frame_.memo, WriteMatrix(in.result, solved.result, Wording{env_.nums, env_.messages}));
    in.rethrow();
    solved.rethrow();
}

} // namespace tc
