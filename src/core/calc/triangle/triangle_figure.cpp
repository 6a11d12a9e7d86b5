// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/triangle/triangle_figure.h"

#include "calc/common/figure_text.h"

namespace tc {

namespace {

std::vector<double> At(Point2 p) {
    return {static_cast<double>(p.x.value()), static_cast<double>(p.y.value())};
}

// The foot of the perpendicular from A on the line BC; B itself when B = C.
// Computed for the drawing only, in plain doubles that cannot fail.
std::vector<double> HeightFoot(Point2 a, Point2 b, Point2 c) {
    const double ax = static_cast<double>(a.x.value()), ay = static_cast<double>(a.y.value());
    const double bx = static_cast<double>(b.x.value()), by = static_cast<double>(b.y.value());
    const double dx = static_cast<double>(c.x.value()) - bx, dy = static_cast<double>(c.y.value()) - by;
    const double squared = dx * dx + dy * dy;
    const double t = squared > 0 ? ((ax - bx) * dx + (ay - by) * dy) / squared : 0.0;
    return {bx + t * dx, by + t * dy};
}

} // namespace

Figure TriangleFigure(const Env& env, const TriangleResult* result, const std::string& highlight) {
    Figure f;
    f.dimensions = 2;
    if (!result) {
        f.note = FigureNotComputed(env);
        return f;
    }
    const TriangleResult& r = *result;
    const Numbers& nums = env.nums;
    f.points = {{"A", At(r.a), PointRole::Vertex, "A" + PointText(nums, {r.a.x, r.a.y})},
                {"B", At(r.b), PointRole::Vertex, "B" + PointText(nums, {r.b.x, r.b.y})},
                {"C", At(r.c), PointRole::Vertex, "C" + PointText(nums, {r.c.x, r.c.y})}};
    const auto side = [&](const char* from, const char* to, const std::optional<Segment2>& s) {
        f.segments.push_back({from, to, SegmentRole::Side, s ? LengthText(nums, s->length) : "", "", false});
    };
    side("A", "B", r.ab);
    side("B", "C", r.bc);
    side("C", "A", r.ac);
    if (r.angleC) {
        f.labels.push_back({"A", DegreesText(nums, r.angleA->degrees)});
        f.labels.push_back({"B", DegreesText(nums, r.angleB->degrees)});
        f.labels.push_back({"C", DegreesText(nums, r.angleC->degrees)});
    }

    // The lines from A, each with its foot on BC, once the solution has them.
    const auto fromA = [&](const char* foot, std::vector<double> at, SegmentRole role) {
        f.points.push_back({foot, std::move(at), PointRole::Foot, foot});
        const std::string element = std::string("A") + foot;
        f.segments.push_back({"A", foot, role, "", element, false});
        f.elements.push_back(element);
    };
    if (r.median && r.median->segment) fromA("M", At(r.median->foot), SegmentRole::Median);
    if (r.height) fromA("H", HeightFoot(r.a, r.b, r.c), SegmentRole::Height);
    if (r.bisector && r.bisector->foot) fromA("K", At(*r.bisector->foot), SegmentRole::Bisector);
    if (r.centroidY) {
        f.points.push_back(
            {"I",
             {static_cast<double>(r.centroidX->value()), static_cast<double>(r.centroidY->value())},
             PointRole::Centre,
             "I"});
    }
    Highlight(f, highlight);
    DropIfTooLarge(f, FigureTooLarge(env));
    return f;
}

} // namespace tc
