// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/vector/vector_figure.h"

#include "calc/common/figure_text.h"

namespace tc {

namespace {

std::vector<double> At(const std::vector<Ext>& v) {
    std::vector<double> at;
    for (const Ext& x : v)
        at.push_back(static_cast<double>(x.value()));
    return at;
}

Ext Decimal(const Ext& x) {
    return x;
}
Ext Decimal(const Rational& x) {
    return NearestOrInfinite(x);
}

template <class Num> std::vector<Ext> Decimals(const std::vector<Num>& v) {
    std::vector<Ext> out;
    for (const Num& x : v)
        out.push_back(Decimal(x));
    return out;
}

} // namespace

template <class Num> VectorDrawing DrawingOf(vec::Task task, int n, const VectorSteps<Num>& steps) {
    return {task, n, Decimals(steps.a), Decimals(steps.b), Decimals(steps.c), steps.phi};
}

template VectorDrawing DrawingOf(vec::Task, int, const VectorSteps<Ext>&);
template VectorDrawing DrawingOf(vec::Task, int, const VectorSteps<Rational>&);

Figure VectorFigure(const Wording& w, const VectorDrawing* drawing, const std::string& highlight) {
    Figure f;
    if (!drawing) {
        f.note = FigureNotComputed(w.messages);
        return f;
    }
    const VectorDrawing& v = *drawing;
    const auto n = static_cast<std::size_t>(v.n);
    f.dimensions = v.n == 3 ? 3 : 2;
    if (v.n > 3) {
        f.note = w.messages.text(Line::fig_vec_no_drawing, "Vectors of 4 or 5 components cannot be drawn.");
        return f;
    }
    // The norm has no B; every other task needs both vectors read in full.
    const bool withB = v.task != vec::kNorm;
    if (v.a.size() != n || (withB && v.b.size() != n)) {
        f.note = FigureNotComputed(w.messages);
        return f;
    }

    const Numbers& nums = w.nums;
    f.points.push_back({"O", std::vector<double>(n, 0.0), PointRole::Origin, "O"});
    const auto arrow = [&](const std::string& label, const std::vector<Ext>& to) {
        f.points.push_back({label, At(to), PointRole::Tip, label + PointText(nums, to)});
        f.segments.push_back({"O", label, SegmentRole::Arrow, "", "", false});
    };
    arrow("A", v.a);
    if (withB) arrow("B", v.b);
    // The result vector once the solver has all of it.
    if (v.c.size() == n) {
        if (v.task == vec::kAddition) arrow("A+B", v.c);
        if (v.task == vec::kSubtraction) arrow("A-B", v.c);
    }
    // The length is of the vector AB, which runs from the point A to B.
    if (v.task == vec::kLength) f.segments.push_back({"A", "B", SegmentRole::Arrow, "", "", false});
    if (v.task == vec::kAngle && v.phi) f.labels.push_back({"O", DegreesText(nums, *v.phi)});
    Highlight(f, highlight);
    DropIfTooLarge(f, FigureTooLarge(w.messages));
    return f;
}

} // namespace tc
