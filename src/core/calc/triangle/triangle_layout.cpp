// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets of the Triangle tab and where they sit. Coordinates are pixels
// relative to the parent page or group box; a group box's caption takes the
// top 20 pixels. The sides and the angles take the whole width under the
// vertex inputs (the buttons sit beside those); the lines from A and the memo
// share the rest, so that the page fits a small screen at a large scale.

#include "calc/triangle/triangle_tab.h"
#include "widgets/names.h"

namespace tc {

namespace {

constexpr int kRowHeight = 24;
constexpr int kGap = 2;

// Places labels and edit fields left to right along one row of a parent.
class Row {
public:
    Row(WidgetTree& tree, std::string parent, int x, int y)
        : tree_(tree), parent_(std::move(parent)), x_(x), y_(y) {}

    Row& label(const std::string& name, const std::string& text, int width) {
        tree_.addPlain(WidgetKind::Label, name, parent_, text, {x_, y_, width, kRowHeight});
        x_ += width + kGap;
        return *this;
    }
    Row& edit(const std::string& name, int width, std::string text = "") {
        Edit& e = tree_.add<Edit>(name, parent_);
        e.geometry = {x_, y_, width, kRowHeight};
        e.text = std::move(text);
        x_ += width + kGap;
        return *this;
    }
    Row& skip(int width) {
        x_ += width;
        return *this;
    }

private:
    WidgetTree& tree_;
    std::string parent_;
    int x_;
    int y_;
};

constexpr int kCoordWidth = 50;   // a vertex coordinate as typed
constexpr int kPartWidth = 58;    // a side vector's component
constexpr int kNumberWidth = 136; // 15 significant digits and the separator
constexpr int kLineWidth = 240;   // a line's equation with 4-decimal numbers
constexpr int kSidePitch = 26;    // the rows of the sides' group

} // namespace

void TriangleTab::buildInputs() {
    tree_.addPlain(WidgetKind::GroupBox, names::CTV, names::T4, "Вершини трикутника", {8, 2, 426, 56});
    // The example triangle A(1;1), B(2;1), C(1;2).
    Row(tree_, names::CTV, 8, 24)
        .label(names::Tr_LA, "A(", 18)
        .edit(names::ax, kCoordWidth, "1")
        .edit(names::ay, kCoordWidth, "1")
        .label(names::Tr_LB, "), B(", 32)
        .edit(names::bx, kCoordWidth, "2")
        .edit(names::by, kCoordWidth, "1")
        .label(names::Tr_LC, "), C(", 32)
        .edit(names::cx, kCoordWidth, "1")
        .edit(names::cy, kCoordWidth, "2")
        .label(names::Tr_LEnd, ")", 8);
}

void TriangleTab::buildSides(Widget& results) {
    tree_.addPlain(WidgetKind::GroupBox, names::CLength, results.name(), "Довжини сторін", {8, 20, 744, 104});
    Row(tree_, names::CLength, 8, 22)
        .label(names::Tr_LAB, "AB(", 28)
        .edit(names::abx, kPartWidth)
        .edit(names::aby, kPartWidth)
        .label(names::Tr_LBC, "),BC(", 38)
        .edit(names::bcx, kPartWidth)
        .edit(names::bcy, kPartWidth)
        .label(names::Tr_LAC, "), AC(", 42)
        .edit(names::acx, kPartWidth)
        .edit(names::acy, kPartWidth)
        .label(names::Tr_LACEnd, ")", 8);
    // The lengths' row starts with a length, not with the bracket above it.
    Row(tree_, names::CLength, 8, 22 + kSidePitch)
        .label(names::Tr_LlenAB, "|AB|=", 50)
        .edit(names::AB, kNumberWidth)
        .skip(8)
        .label(names::Tr_LlenBC, "|BC|=", 40)
        .edit(names::BC, kNumberWidth)
        .skip(8)
        .label(names::Tr_LlenAC, "|AC|=", 40)
        .edit(names::AC, kNumberWidth);
    Row(tree_, names::CLength, 8, 22 + 2 * kSidePitch)
        .edit(names::AB_l, kLineWidth)
        .edit(names::BC_l, kLineWidth)
        .edit(names::AC_l, kLineWidth);
}

void TriangleTab::buildAngles(Widget& results) {
    // Cosines and angles; its headings are written by the first computation.
    Grid& grid = tree_.add<Grid>(names::REZ5, results.name(), 7, 2);
    // The row headings, the three cosines ("cos(gamma)" is the widest heading)
    // and the three angles in degrees.
    grid.defaultColWidth = 62;
    grid.setColWidth(0, 70);
    for (int c = 1; c <= 3; ++c)
        grid.setColWidth(c, 86);
    grid.geometry = {8, 128, 70 + 3 * 86 + 3 * 62 + 4, 52};
}

void TriangleTab::buildLines(Widget& results) {
    tree_.addPlain(WidgetKind::GroupBox, names::CLine, results.name(),
                   "Рівняння медіани, висоти, бісектриси з т. A", {8, 250, 452, 112});
    constexpr int kLengthWidth = 110;
    constexpr int kEquationWidth = 290;
    Row(tree_, names::CLine, 8, 24)
        .label(names::Tr_LM, "M=", 24)
        .edit(names::aMed, kLengthWidth)
        .edit(names::Med, kEquationWidth);
    Row(tree_, names::CLine, 8, 52)
        .label(names::Tr_LH, "H=", 24)
        .edit(names::Ha1, kLengthWidth)
        .edit(names::H1, kEquationWidth);
    Row(tree_, names::CLine, 8, 80)
        .label(names::Tr_LBis, "B=", 24)
        .edit(names::aBis, kLengthWidth)
        .edit(names::Bis, kEquationWidth);
}

void TriangleTab::buildCentroid(Widget& results) {
    tree_.addPlain(WidgetKind::GroupBox, names::CCentre, results.name(), "Центр ваги", {536, 124, 216, 56});
    Row(tree_, names::CCentre, 8, 24)
        .label(names::Tr_LI, "I(", 12)
        .edit(names::Ix, 88)
        .edit(names::Iy, 88)
        .label(names::Tr_LIEnd, ")", 8);
}

void TriangleTab::placeFrame() {
    frame_.compute.geometry = {472, 16, 100, 32};
    frame_.save.geometry = {578, 16, 100, 32};
    frame_.exit.geometry = {684, 16, 100, 32};
    frame_.memo.geometry = {468, 250, 316, 334};
}

} // namespace tc
