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

} // namespace

Figure VectorFigure(const Env& env, const VectorComputed* computed, const std::string& highlight) {
    Figure f;
    if (!computed) {
        f.note = FigureNotComputed(env);
        return f;
    }
    const VectorComputed& v = *computed;
    const VectorResult& r = v.steps;
    const auto n = static_cast<std::size_t>(v.n);
    f.dimensions = v.n == 3 ? 3 : 2;
    if (v.n > 3) {
        f.note = env.messages.text(Line::fig_vec_no_drawing, "Vectors of 4 or 5 components cannot be drawn.");
        return f;
    }
    // The norm has no B; every other task needs both vectors read in full.
    const bool withB = v.task != vec::kNorm;
    if (r.a.size() != n || (withB && r.b.size() != n)) {
        f.note = FigureNotComputed(env);
        return f;
    }

    const Numbers& nums = env.nums;
    f.points.push_back({"O", std::vector<double>(n, 0.0), PointRole::Origin, "O"});
    const auto arrow = [&](const std::string& label, const std::vector<Ext>& to) {
        f.points.push_back({label, At(to), PointRole::Tip, label + PointText(nums, to)});
        f.segments.push_back({"O", label, SegmentRole::Arrow, "", "", false});
    };
    arrow("A", r.a);
    if (withB) arrow("B", r.b);
    // The result vector once the solver has all of it.
    if (r.c.size() == n) {
        if (v.task == vec::kAddition) arrow("A+B", r.c);
        if (v.task == vec::kSubtraction) arrow("A-B", r.c);
    }
    // The length is of the vector AB, which runs from the point A to B.
    if (v.task == vec::kLength) f.segments.push_back({"A", "B", SegmentRole::Arrow, "", "", false});
    if (v.task == vec::kAngle && r.phi) f.labels.push_back({"O", DegreesText(nums, *r.phi)});
    Highlight(f, highlight);
    DropIfTooLarge(f, FigureTooLarge(env));
    return f;
}

} // namespace tc
