// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/triangle/triangle_tab.h"

#include "calc/common/apply_output.h"
#include "calc/common/typed_input.h"
#include "widgets/names.h"

namespace tc {

namespace n = names;

namespace {
// The vertex fields hold x and y of A, B and C in this order.
const char* const kVertexNames[] = {"A", "B", "C"};
const char* const kAxisNames[] = {"x", "y"};
} // namespace

TriangleTab::TriangleTab(WidgetTree& tree, Env& env)
    : FramedTab(tree, env, {n::T4, "Triangle", n::TM, n::CTr_But, names::CRecord3,
                                                        "Записати", names::CClose3, false}) {
    buildInputs();
    // The caption follows the Vector tab's result group.
    Widget& results = tree_.addPlain(WidgetKind::GroupBox, names::CTri, n::T4, "Результат", {8, 60, 760, 186});
    buildSides(results);
    buildAngles(results);
    // The lines from A sit under the results, beside the memo.
    buildLines(tree_.get(n::T4));
    buildCentroid(results);
    placeFrame();
    // Opens the figure window; the caption comes with the language.
    tree_.addPlain(WidgetKind::Button, n::Tr_Figure, n::T4, "Figure", {8, 366, 232, 32});

    const char* vertices[] = {n::ax, n::ay, n::bx, n::by, n::cx, n::cy};
    for (std::size_t i = 0; i < vertexFields_.size(); ++i)
        vertexFields_[i] = &tree_.get<Edit>(vertices[i]);
    for (const char* name :
         {n::abx,  n::aby,  n::bcx,  n::bcy, n::acx, n::acy, n::AB,   n::BC,  n::AC, n::AB_l,
          n::BC_l, n::AC_l, n::aMed, n::Med, n::Ha1, n::H1,  n::aBis, n::Bis, n::Ix, n::Iy})
        resultFields_[name] = &tree_.get<Edit>(name);
    angleGrid_ = &tree_.get<Grid>(n::REZ5);
    tree_.onClick(n::CTr_But, [this] { CTr_ButClick(); });
}

void TriangleTab::formShow() {
    // Below the grid's two rows, so it shows only if the grid ever grows.
    angleGrid_->setCell(0, 2, "cos(alpha)");
}

void TriangleTab::clearResults() {
    for (auto& [name, field] : resultFields_)
        field->text.clear();
    // The headings stay: they name the columns, not a result.
    for (int col = 1; col < angleGrid_->cols; ++col)
        angleGrid_->setCell(col, 1, "");
}

void TriangleTab::CTr_ButClick() {
    clearResults();
    last_.reset();
    TriangleInput start;
    for (std::size_t i = 0; i < vertexFields_.size(); ++i)
        start.typed[i] = vertexFields_[i]->text;
    // Read in field order, so the first bad field is the one reported.
    const Partial<TriangleInput> read = SolvePartially(start, [this](TriangleInput& in) {
        std::array<Ext, 6> v;
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = ReadField(env_, *vertexFields_[i], VertexPlace(kVertexNames[i / 2], kAxisNames[i % 2]));
        in.vertices = std::array<Point2, 3>{Point2{v[0], v[1]}, Point2{v[2], v[3]}, Point2{v[4], v[5]}};
    });
    const Wording wording{env_.nums, env_.messages};
    if (read.failure) {
        ApplyOutput(tree_, frame_.memo, WriteTriangle(read.result, nullptr, wording));
        read.rethrow();
    }
    // A language file from before the message on vertices on one line
    // computes such vertices on as before.
    const Partial<TriangleResult> solved =
        SolveTriangle(read.result, env_.nums.decimal(), env_.messages.has(Line::tri_collinear));
    last_ = solved.result;
    ApplyOutput(tree_, frame_.memo, WriteTriangle(read.result, &solved.result, wording));
    solved.rethrow();
}

} // namespace tc
