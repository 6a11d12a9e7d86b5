// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/triangle/triangle_solve.h"

#include "calc/common/flat_figure.h"

namespace tc {

namespace {

// The line through A with direction d: parallel to an axis when d is ("y=Ay"
// also when both components are zero), else y - m*x + c = 0 with the slope and
// constant `slope` gives.
template <class SlopeOf> LineFromA LineThroughA(Point2 d, SlopeOf slope) {
    if (d.y == 0.0L) return {LineFromA::Kind::Horizontal, {}};
    if (d.x == 0.0L) return {LineFromA::Kind::Vertical, {}};
    return {LineFromA::Kind::Slope, slope()};
}

void Sides(TriangleResult& r) {
    const Point2 a = r.a, b = r.b, c = r.c;
    r.vectors = std::array<Point2, 3>{Point2{b.x - a.x, b.y - a.y}, Point2{c.x - b.x, c.y - b.y},
                                      Point2{c.x - a.x, c.y - a.y}};
    r.ab = MeasureSegment(a, b);
    r.bc = MeasureSegment(b, c);
    r.ac = MeasureSegment(a, c);
}

void Angles(TriangleResult& r, bool typedFlat) {
    const auto& [ab, bc, ac] = *r.vectors;
    r.angleA = MeasureAngle(ab, ac, typedFlat);
    r.angleB = MeasureAngle({-ab.x, -ab.y}, bc, typedFlat);
    r.angleC = MeasureAngle({-ac.x, -ac.y}, {-bc.x, -bc.y}, typedFlat);
}

void Median(TriangleResult& r) {
    const Point2 a = r.a;
    r.median = TriangleResult::Median{{(r.b.x + r.c.x) / 2.0L, (r.b.y + r.c.y) / 2.0L}, {}, {}};
    TriangleResult::Median& m = *r.median;
    m.segment = MeasureSegment(a, m.foot);
    const Point2 d = m.segment->d;
    // y - k*x + c = 0 through A with k = dy/dx: c = (Ax/dx - Ay/dy)*dy = k*Ax - Ay.
    m.line = LineThroughA(d, [&] { return Slope{d.y / d.x, (a.x / d.x - a.y / d.y) * d.y}; });
}

void Height(TriangleResult& r) {
    using Height = TriangleResult::Height;
    const Point2 a = r.a, b = r.b;
    const Point2 bc = (*r.vectors)[1];
    if (bc.x == 0.0L) {
        // BC vertical: the height is horizontal, as long as A is from BC.
        r.height = Height{Height::Kind::ToVertical, {}, {}, {}, {}};
        r.height->length = Abs(a.x - b.x);
        return;
    }
    if (bc.y == 0.0L) {
        r.height = Height{Height::Kind::ToHorizontal, {}, {}, {}, {}};
        r.height->length = Abs(a.y - b.y);
        return;
    }
    // The height's slope is k1 = -1/k = -q with k the slope of BC.
    const Ext q = bc.x / bc.y;
    const Ext c = (-q) * a.x - a.y;
    const Ext k = bc.y / bc.x;
    r.height = Height{Height::Kind::Slope, q, c, k, {}};
    // Distance from A to BC written as a*y + b*x + d = 0 with a = 1.
    const Ext bb = -bc.y / bc.x;
    const Ext d = (b.x * bc.y) / bc.x + (-b.y);
    r.height->length = Abs(1.0L * a.y + bb * a.x + d) / Sqrt(bb * bb + 1.0L);
}

void Bisector(TriangleResult& r) {
    const Point2 a = r.a, b = r.b, c = r.c;
    // The bisector from A divides BC in the ratio of the adjacent sides.
    const Ext p = r.ab->length / r.ac->length;
    r.bisector = TriangleResult::Bisector{p, {}, {}, {}};
    TriangleResult::Bisector& bis = *r.bisector;
    bis.foot = Point2{(p * c.x + b.x) / (p + 1.0L), (p * c.y + b.y) / (p + 1.0L)};
    bis.segment = MeasureSegment(a, *bis.foot);
    const Point2 d = bis.segment->d;
    bis.line = LineThroughA(d, [&] {
        const Ext m = d.y / d.x;
        return Slope{m, m * a.x + (-a.y)};
    });
}

} // namespace

Partial<TriangleResult> SolveTriangle(Point2 a, Point2 b, Point2 c, bool typedFlat) {
    TriangleResult start{};
    start.a = a;
    start.b = b;
    start.c = c;
    return SolvePartially(start, [typedFlat](TriangleResult& r) {
        Sides(r);
        Angles(r, typedFlat);
        Median(r);
        Height(r);
        Bisector(r);
        const Ext x = (r.a.x + r.b.x + r.c.x) / 3.0L;
        r.centroidX = x;
        r.centroidY = (r.a.y + r.b.y + r.c.y) / 3.0L;
    });
}

Partial<TriangleResult> SolveTriangle(const TriangleInput& in, char decimal, bool refuseCollinear) {
    const auto& [a, b, c] = *in.vertices;
    const bool flat = TypedOnOneLine(in.typed, decimal);
    Partial<TriangleResult> out;
    if (flat && refuseCollinear) {
        out.result.a = a;
        out.result.b = b;
        out.result.c = c;
        out.failure = Failure(Line::tri_collinear, "The vertices A, B and C lie on one line.");
    } else {
        out = SolveTriangle(a, b, c, flat);
    }
    out.result.collinear = flat;
    return out;
}

} // namespace tc
