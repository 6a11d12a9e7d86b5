// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/tetrahedron/tetrahedron_tab.h"

#include <array>

#include "calc/common/apply_output.h"
#include "calc/common/typed_input.h"
#include "widgets/names.h"

namespace tc {

namespace {

// The tab's grids and group boxes use a smaller type than the window so that
// all six grids, the volume and the explanation fit on the page together.
constexpr int kSmallType = 13;
constexpr int kRowHeight = 18;
// A group box's title band and the margin round the widget it holds.
constexpr int kTitle = 18;
constexpr int kMargin = 6;
// A grid view's frame adds this much to the cells it shows.
constexpr int kFrame = 4;
// The left column of grids; the memo's column takes the rest of the page.
constexpr int kLeftWidth = 456;

Widget& AddGroup(WidgetTree& tree, const char* name, const char* caption, Rect geometry) {
    Widget& box = tree.addPlain(WidgetKind::GroupBox, name, names::TabSheet4, caption, geometry);
    box.look.pixelSize = kSmallType;
    return box;
}

// A grid filling its group box below the title.
Grid& AddGrid(WidgetTree& tree, const char* name, const Widget& box, int cols, int rows) {
    Grid& g = tree.add<Grid>(name, box.name(), cols, rows);
    g.geometry = {kMargin, kTitle, box.geometry.w - 2 * kMargin, box.geometry.h - kTitle - kMargin};
    g.defaultRowHeight = kRowHeight;
    g.look.pixelSize = kSmallType;
    return g;
}

// The height of a box whose grid shows `rows` rows of `rowHeight` pixels, plus
// `extra` pixels (a scroll bar).
int BoxHeight(int rows, int rowHeight, int extra = 0) {
    return kTitle + rows * rowHeight + kFrame + extra + kMargin;
}

const char* const kEdgeNames[6] = {names::AB, names::AC, "AD", names::BC, "CD", "BD"};
const char* const kFaceNames[4] = {names::ABC, "ABD", "ACD", "BCD"};

// An angle grid: the function and the angle down the first column, the twelve
// angles across the first row.
void NameAngles(Grid& g, const char* function, const char* angle, const std::array<const char*, 12>& angles) {
    g.setCell(0, 1, function);
    g.setCell(0, 2, angle);
    for (int c = 1; c <= 12; ++c)
        g.setCell(c, 0, angles[static_cast<std::size_t>(c - 1)]);
}

} // namespace

TetrahedronTab::TetrahedronTab(WidgetTree& tree, Env& env)
    : FramedTab(tree, env, {names::TabSheet4, "Tetraedr", names::Tet_M, names::CP_But, names::CP_Save,
                                "Записати", names::CP_Close, false}) {
    buildLayout();
    frame_.memo.lines = {""};
    tree_.onClick(names::CP_But, [this] { CP_ButClick(); });
}

void TetrahedronTab::buildLayout() {
    // Left column: the grids of the edges, vertices, faces and heights with the
    // volume; right column: the two wide angle grids (they scroll sideways and
    // widen with the window), the explanation under them and the buttons. So
    // the page needs little height: it fits a laptop screen at a large scale.
    Widget& stor = AddGroup(tree_, names::CStor, "Сторони тетраедра", {4, 2, kLeftWidth, BoxHeight(7, kRowHeight)});
    pline_ = &AddGrid(tree_, names::PLine, stor, 6, 7);
    pline_->defaultColWidth = 55;

    const int row2 = stor.geometry.y + stor.geometry.h + 4;
    Widget& versh = AddGroup(tree_, names::CVersh, "Вершини тетраедра", {4, row2, 192, BoxHeight(4, kRowHeight)});
    piram_ = &AddGrid(tree_, names::Piram, versh, 5, 4);
    piram_->editable = true;
    piram_->defaultColWidth = 38;
    piram_->setColWidth(0, 24);

    Widget& pl = AddGroup(tree_, names::CPl, "Рівняння площин тетраедра та їх площі ",
                          {200, row2, kLeftWidth - 196, BoxHeight(4, kRowHeight)});
    abc_ = &AddGrid(tree_, names::ABC, pl, 3, 4);
    abc_->fixedRows = 0;

    const int row3 = versh.geometry.y + versh.geometry.h + 4;
    constexpr int kVolumeWidth = 115;
    Widget& heights = AddGroup(tree_, names::TVecH, "Рівняння висот, проведених з вершин",
                               {4, row3, kLeftWidth - kVolumeWidth - 4, BoxHeight(4, 23)});
    tvecH_ = &AddGrid(tree_, names::TVec_H, heights, 3, 4);
    tvecH_->fixedRows = 0;

    const int volumeX = 4 + kLeftWidth - kVolumeWidth;
    AddGroup(tree_, names::CVol, "Об'єм тетраедра", {volumeX, row3, kVolumeWidth, 56});
    Widget& label = tree_.addPlain(WidgetKind::Label, names::Label5, names::CVol, "V=", {kMargin, 26, 20, 20});
    label.look.pixelSize = kSmallType;
    vol_ = &tree_.add<Edit>(names::Vol, names::CVol);
    vol_->geometry = {28, 22, 81, 26};
    // Opens the figure window, in the free place below the volume; the caption
    // comes with the language.
    tree_.addPlain(WidgetKind::Button, names::Tet_Figure, names::TabSheet4, "Figure",
                   {volumeX, row3 + 64, kVolumeWidth, 30});

    // Thirteen columns are wider than the column: both angle grids scroll sideways.
    constexpr int kRightX = kLeftWidth + 12;
    constexpr int kRightWidth = kPageWidth - 4 - kRightX;
    Widget& kut = AddGroup(tree_, names::CKut, "Кути між сторонами (косинуси, градуси)",
                           {kRightX, 2, kRightWidth, BoxHeight(3, kRowHeight, 16)});
    phi_ = &AddGrid(tree_, names::Phi, kut, 13, 3);
    phi_->defaultColWidth = 58;

    const int row5 = kut.geometry.y + kut.geometry.h + 4;
    Widget& alpha = AddGroup(tree_, names::CT_Alpha, "Кути між сторонами і вершинами",
                             {kRightX, row5, kRightWidth, BoxHeight(3, kRowHeight, 16)});
    tham_ = &AddGrid(tree_, names::THam, alpha, 13, 3);
    tham_->defaultColWidth = 70;

    // The explanation takes the rest of the column, the buttons below it.
    const int memoY = alpha.geometry.y + alpha.geometry.h + 4;
    const int buttons = kPageHeight - 4 - 30;
    frame_.memo.geometry = {kRightX, memoY, kRightWidth, buttons - 6 - memoY};
    frame_.memo.look.pixelSize = kSmallType;
    constexpr int kButtonWidth = 96, kButtonGap = 6;
    const int firstButton = kPageWidth - 4 - 3 * kButtonWidth - 2 * kButtonGap;
    frame_.compute.geometry = {firstButton, buttons, kButtonWidth, 30};
    frame_.save.geometry = {firstButton + kButtonWidth + kButtonGap, buttons, kButtonWidth, 30};
    frame_.exit.geometry = {firstButton + 2 * (kButtonWidth + kButtonGap), buttons, kButtonWidth, 30};
}

void TetrahedronTab::formCreate() {
    Grid& p = *piram_;
    const char* vertexNames[] = {"A", "B", "C", "D"};
    for (int c = 1; c <= 4; ++c)
        p.setCell(c, 0, vertexNames[c - 1]);
    const char* axes[] = {"x", "y", "z"};
    for (int r = 1; r <= 3; ++r)
        p.setCell(0, r, axes[r - 1]);
    // The example: A(7; -2; -3), B(-4; 2; 1), C(2; 4; 6), D(3; 2; -5).
    const char* example[4][3] = {{"7", "-2", "-3"}, {"-4", "2", "1"}, {"2", "4", "6"}, {"3", "2", "-5"}};
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 3; ++r)
            p.setCell(c, r, example[c - 1][r - 1]);

    Grid& e = *pline_;
    for (int r = 1; r <= 6; ++r)
        e.setCell(0, r, kEdgeNames[r - 1]);
    for (int c = 1; c <= 3; ++c)
        e.setCell(c, 0, axes[c - 1]);
    applyHeadings();
    e.setColWidth(0, 30);
    e.setColWidth(4, 70);
    e.setColWidth(5, 175);

    Grid& f = *abc_;
    for (int r = 0; r < 4; ++r)
        f.setCell(0, r, kFaceNames[r]);
    f.setColWidth(0, 40);
    f.setColWidth(1, 145);
    f.setColWidth(2, 59);

    NameAngles(*phi_, "cos(phi)", "phi",
               {"AB^AC", "BA^BC", "CA^CB", "AB^AD", "BA^BD", "DA^DB", "AC^AD", "CA^CD", "DA^DC", "DC^DB",
                "CD^CB", "BC^BD"});
    phi_->setColWidth(0, 52);

    // The height and edge-face-angle grids.
    Grid& h = *tvecH_;
    const char* heightNames[] = {"H(A)", "H(B)", "H(C)", "H(D)"};
    for (int r = 0; r < 4; ++r)
        h.setCell(0, r, heightNames[r]);
    h.setColWidth(0, 40);
    h.setColWidth(1, 226);
    h.setColWidth(2, 55);
    h.defaultRowHeight = 23;

    NameAngles(*tham_, "sin(alpha)", "alpha",
               {"AD^ABC", "BD^ABC", "CD^ABC", "AC^ABD", "BC^ABD", "DC^ABD", "BA^BCD", "CA^BCD", "DA^BCD",
                "AB^ACD", "CB^ACD", "DB^ACD"});
}

void TetrahedronTab::applyHeadings() {
    pline_->setCell(4, 0, env_.messages.text(Line::tet_length_heading, "Length"));
    pline_->setCell(5, 0, env_.messages.text(Line::tet_line_heading, "Line"));
}

void TetrahedronTab::clearResults() {
    // Heading cells name the rows and columns and stay.
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 5; ++c)
            pline_->setCell(c, r, "");
    for (int r = 0; r < 4; ++r) {
        abc_->setCell(1, r, "");
        abc_->setCell(2, r, "");
        tvecH_->setCell(1, r, "");
    }
    for (Grid* angles : {phi_, tham_})
        for (int c = 1; c <= 12; ++c)
            for (int r = 1; r <= 2; ++r)
                angles->setCell(c, r, "");
    vol_->text.clear();
}

void TetrahedronTab::CP_ButClick() {
    clearResults();
    last_.reset();
    TetraInput start;
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 3; ++r)
            start.typed[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)] =
                piram_->cell(c, r);
    // Every coordinate is read before anything else is written, so a cell
    // that is no number leaves the grids empty.
    const Partial<TetraInput> read = SolvePartially(start, [this](TetraInput& in) {
        // The headings name the vertex (column) and the axis (row) of a cell.
        auto readCoordinate = [this](int c, int r) {
            return ReadCell(env_, *piram_, c, r, VertexPlace(piram_->cell(c, 0), piram_->cell(0, r)));
        };
        Vertices v;
        for (int c = 1; c <= 4; ++c)
            v[static_cast<std::size_t>(c - 1)] = {readCoordinate(c, 1), readCoordinate(c, 2),
                                                  readCoordinate(c, 3)};
        in.vertices = v;
    });
    const Wording wording{env_.nums, env_.messages};
    if (read.failure) {
        ApplyOutput(tree_, frame_.memo, WriteTetrahedron(read.result, nullptr, wording));
        read.rethrow();
    }
    // A language file from before the message on vertices in one plane
    // computes such vertices on as before.
    const Partial<TetraResult> solved =
        SolveTetrahedron(env_.nums, read.result, env_.messages.has(Line::tet_coplanar));
    last_ = solved.result;
    ApplyOutput(tree_, frame_.memo, WriteTetrahedron(read.result, &solved.result, wording));
    solved.rethrow();
}

} // namespace tc
