#include "calc/matrix/matrix_tab.h"

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
    Edit& e = tree.add<Edit>(name, "Matrix");
    e.geometry = {x, 4, 40, 21};
    e.visible = false;
    e.text = "2";
    return e;
}

int Position(const Combo& c) {
    return c.index < 0 ? 0 : c.index;
}

} // namespace

MatrixTab::MatrixTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(
          AddTabFrame(tree, {"Matrix", "Matrix", "MAT_M", "Mat_But", "M_Save", "Записати", "M_But", false})),
      page_(buildWidgets()) {
    tree_.onChange("TMat_task", [this] { TMat_taskChange(); });
    tree_.onChange("M_N", [this] { M_NChange(); });
    tree_.onChange("M_N1", [this] { M_N1Change(); });
    tree_.onClick("Mat_But", [this] { Mat_ButClick(); });
}

MatrixPage MatrixTab::buildWidgets() {
    WidgetTree& t = tree_;
    // One frame holds everything; the memo and the buttons belong to the tab
    // frame, so they sit on the page at the places their group boxes give them.
    t.addPlain(WidgetKind::GroupBox, "CMat_Frame", "Matrix", "", {0, 0, 792, 585});

    t.addPlain(WidgetKind::GroupBox, "CGM_Task", "CMat_Frame", "Завдання", {8, 15, 225, 57});
    Combo& task = AddCombo(t, "TMat_task", "CGM_Task", {8, 22, 210, 24});
    task.items = {"Додавання", "Віднімання", "Множення", "Визначник", "Обернена матриця"};
    task.text = "Додавання";

    t.addPlain(WidgetKind::GroupBox, "CMat_Roz", "CMat_Frame", "Розмір матриці", {260, 15, 209, 58});
    t.addPlain(WidgetKind::Label, "M_A", "CMat_Roz", "A", {5, 24, 14, 20});
    Combo& sizeA = AddCombo(t, "M_N", "CMat_Roz", {21, 22, 71, 24});
    // The first size is written with a Latin x, the others and the shown text
    // with the Cyrillic letter ha (U+0445).
    sizeA.items = {"2x2",
                   "2\u0445"
                   "3",
                   "2\u0445"
                   "4",
                   "3\u0445"
                   "2",
                   "3\u0445"
                   "3",
                   "3\u0445"
                   "4",
                   "4\u0445"
                   "2",
                   "4\u0445"
                   "3",
                   "4\u0445"
                   "4"};
    sizeA.text = "2\u0445"
                 "2";
    t.addPlain(WidgetKind::Label, "M_B", "CMat_Roz", "B", {99, 24, 14, 20}).visible = false;
    Combo& second = AddCombo(t, "M_N1", "CMat_Roz", {116, 22, 71, 24});
    second.items = {"", "", ""};
    second.text = "2x2";
    second.visible = false;

    t.addPlain(WidgetKind::GroupBox, "CMat_A", "CMat_Frame", "", {8, 88, 337, 193});
    Grid& a = AddMatrixGrid(t, "Mat1", "CMat_A");
    a.look.color = kBlue;
    t.addPlain(WidgetKind::GroupBox, "CMat_B", "CMat_Frame", "", {368, 88, 369, 193});
    Grid& b = AddMatrixGrid(t, "Mat2", "CMat_B");
    t.addPlain(WidgetKind::GroupBox, "CMat_C", "CMat_Frame", "", {8, 287, 281, 226});
    Grid& c = AddMatrixGrid(t, "Mat_R", "CMat_C");
    t.addPlain(WidgetKind::Label, "M_D", "CMat_C", "Det(A)=", {8, 158, 56, 20}).visible = false;
    Edit& det = t.add<Edit>("DET_A", "CMat_C");
    det.geometry = {64, 155, 121, 25};
    det.visible = false;

    t.addPlain(WidgetKind::GroupBox, "CMat_Memo", "CMat_Frame", "", {296, 288, 480, 289});
    frame_.memo.geometry = {296 + 8, 288 + 16, 465, 265};
    frame_.memo.look.color = kNavy;
    frame_.memo.lines = {""};
    t.addPlain(WidgetKind::GroupBox, "CMat_Buttons", "CMat_Frame", "", {8, 528, 281, 49});
    frame_.compute.geometry = {8 + 8, 528 + 16, 97, 25};
    frame_.save.geometry = {8 + 112, 528 + 16, 81, 25};
    frame_.exit.geometry = {8 + 198, 528 + 16, 59, 25};

    // The tab's state between events: row count and column count of A, and the
    // task number (selector position + 2).
    AddHiddenCount(t, "M_M", 700);
    AddHiddenCount(t, "N_N", 720);
    AddHiddenCount(t, "I0", 740);

    return {a, b, c, frame_.memo, det, task, env_};
}

void MatrixTab::formCreate() {
    const std::pair<Grid*, const char*> grids[] = {{&page_.a, "A"}, {&page_.b, "B"}, {&page_.c, "C"}};
    for (const auto& [g, corner] : grids) {
        // Numbers for every row and column a grid can grow to, so they show as it grows.
        for (int i = 1; i <= 4; ++i) {
            g->setCell(0, i, IntToStr(i));
            g->setCell(i, 0, IntToStr(i));
        }
        g->setCell(0, 0, corner);
        g->setColWidth(0, 20);
    }
    page_.a.setCell(1, 1, "2");
    page_.a.setCell(2, 1, "5");
    page_.a.setCell(1, 2, "3");
    page_.a.setCell(2, 2, "7");
    page_.b.setCell(1, 1, "9");
    page_.b.setCell(2, 1, "5");
    page_.b.setCell(1, 2, "4");
    page_.b.setCell(2, 2, "11");
}

void MatrixTab::TMat_taskChange() {
    const int t = Position(page_.task) + 2;
    Edit& i0 = tree_.get<Edit>("I0");
    i0.text = IntToStr(t);

    Widget& labelA = tree_.get("M_A");
    Widget& labelB = tree_.get("M_B");
    Widget& sizeA = tree_.get("M_N");
    Combo& second = tree_.get<Combo>("M_N1");
    Widget& labelDet = tree_.get("M_D");
    labelA.caption = "A";
    labelB.caption = "B";
    labelA.visible = true;
    sizeA.visible = true;
    labelDet.visible = false;
    page_.det.visible = false;
    second.geometry.x = 116;

    switch (t) {
    case kAddition:
    case kSubtraction:
        page_.a.visible = page_.b.visible = page_.c.visible = true;
        second.visible = labelB.visible = false;
        break;
    case kMultiplication:
        page_.a.visible = page_.b.visible = page_.c.visible = true;
        second.visible = labelB.visible = true;
        break;
    case kDeterminant:
    case kInverse:
        page_.a.visible = second.visible = labelA.visible = true;
        sizeA.visible = labelB.visible = false;
        // The inverse shows the cofactors in Mat2 and the result in Mat_R.
        page_.b.visible = page_.c.visible = t == kInverse;
        second.text = "2x2";
        second.items = {"2x2", "3x3", "4x4"};
        second.index = -1;
        labelDet.visible = page_.det.visible = true;
        // The order takes the place of the size of A.
        second.geometry.x = 21;
        break;
    default: break;
    }
}

void MatrixTab::M_NChange() {
    static const int kRows[] = {2, 2, 2, 3, 3, 3, 4, 4, 4};
    static const int kCols[] = {2, 3, 4, 2, 3, 4, 2, 3, 4};
    const Combo& sizeA = tree_.get<Combo>("M_N");
    const size_t s = static_cast<size_t>(Position(sizeA));
    Edit& rowsEdit = tree_.get<Edit>("M_M");
    Edit& colsEdit = tree_.get<Edit>("N_N");
    rowsEdit.text = IntToStr(kRows[s]);
    colsEdit.text = IntToStr(kCols[s]);

    const int m = StrToInt(rowsEdit.text), n = StrToInt(colsEdit.text);
    const int t = StrToInt(tree_.get<Edit>("I0").text);
    Reshape(page_.a, n, m);
    Reshape(page_.b, n, m);
    if (t == kAddition || t == kSubtraction) Reshape(page_.c, n, m);
    if (t == kMultiplication) {
        // B starts with two columns: as many rows as A has columns.
        Reshape(page_.a, n, m);
        Reshape(page_.b, 2, n);
        Reshape(page_.c, 2, m);
    }

    // The column count of B is offered with the row count it must have; the list
    // is new, so nothing is selected and the product is computed with two columns.
    Combo& second = tree_.get<Combo>("M_N1");
    const std::string rows = IntToStr(n);
    second.text = rows + "x2";
    second.items = {rows + "x2", rows + "x3", rows + "x4"};
    second.index = -1;
}

namespace {

// The hidden size fields hold the order the size selector chose, 2 to 4 (a
// matrix of one row or column still computes). Anything else can only come
// from outside the window and would ask for grids of any size: refuse it as
// the grids refuse an index they do not have.
int ReadOrder(const Edit& edit) {
    const int value = StrToInt(edit.text);
    if (value < 1 || value > 4) throw Failure("Grid index out of range");
    return value;
}

} // namespace

void MatrixTab::M_N1Change() {
    const Combo& second = tree_.get<Combo>("M_N1");
    // Typed text selects nothing; the grids then show what the computation will
    // use: two columns of B, or order 2.
    const int k = second.index < 0 ? 2 : second.index + 2;
    const int m = ReadOrder(tree_.get<Edit>("M_M")), n = ReadOrder(tree_.get<Edit>("N_N"));
    Reshape(page_.b, k, n);
    Reshape(page_.c, k, m);
    // The task comes from the selector itself here; with nothing selected it is
    // neither the determinant nor the inverse, just as I0 then holds 2.
    const int t = page_.task.index + 2;
    if (t == kDeterminant) Reshape(page_.a, k, k);
    if (t == kInverse) {
        Reshape(page_.a, k, k);
        Reshape(page_.b, k, k);
        Reshape(page_.c, k, k);
    }
}

void MatrixTab::Mat_ButClick() {
    const int m = ReadOrder(tree_.get<Edit>("M_M"));
    const int n = ReadOrder(tree_.get<Edit>("N_N"));
    const int t = StrToInt(tree_.get<Edit>("I0").text);
    const int k = Position(tree_.get<Combo>("M_N1")) + 2;
    page_.memo.clear();
    page_.memo.add(env_.messages(11));
    switch (t) {
    case kAddition: return AddOrSubtract(page_, m, n, false);
    case kSubtraction: return AddOrSubtract(page_, m, n, true);
    case kMultiplication: return Multiply(page_, m, n, k);
    case kDeterminant: return DeterminantTask(page_, k);
    case kInverse: return InverseTask(page_, k);
    default: return;
    }
}

} // namespace tc
