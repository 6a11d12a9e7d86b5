// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/space/space_figure.h"

#include <algorithm>
#include <cmath>

#include "calc/space/space_text.h"
#include "calc/common/figure_text.h"

namespace tc {

namespace {

// The drawing works in doubles, which cannot fail; a value beyond their
// range is caught by DropIfTooLarge.
using P = std::array<double, 3>;

double D(const Rational& q) {
    return static_cast<double>(NearestOrInfinite(q).value());
}
P Of(const Vec3& v) {
    return {D(v[0]), D(v[1]), D(v[2])};
}
P Add(const P& a, const P& b, double k = 1.0) {
    return {a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2]};
}
double Dot(const P& a, const P& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
P Unit(const P& a) {
    const double n = std::sqrt(Dot(a, a));
    return n > 0 ? P{a[0] / n, a[1] / n, a[2] / n} : P{0, 0, 0};
}
P Cross(const P& a, const P& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

class Drawing {
public:
    Drawing(Figure& f, P centre, double reach) : f_(f), centre_(centre), reach_(reach) {}

    // Adds the point, or finds one already drawn at the same place (a foot
    // that is a data point), whose mark must not be covered; returns its label.
    std::string point(const std::string& label, const Vec3& v, PointRole role = PointRole::Vertex) {
        for (const auto& [known, at] : exact_)
            if (at == v) return known;
        exact_.emplace_back(label, v);
        f_.points.push_back({label, vec(Of(v)), role, label + space::VecText(v)});
        return label;
    }
    void segment(const std::string& from, const std::string& to, SegmentRole role, const std::string& element) {
        f_.segments.push_back({from, to, role, "", element, false});
        addElement(element);
    }
    // The line through `at` along `dir`, drawn across the figure.
    void line(const std::string& element, const Vec3& at, const Vec3& dir) {
        const P u = Unit(Of(dir)), a = Of(at);
        const P middle = Add(a, u, Dot(Add(centre_, a, -1.0), u));
        end(element + "<", Add(middle, u, -reach_));
        end(element + ">", Add(middle, u, reach_));
        segment(element + "<", element + ">", SegmentRole::Side, element);
    }
    // A square patch of the plane around the point nearest the figure's middle.
    void plane(const std::string& element, const SpacePlane& plane) {
        const P n = Unit(Of(plane.n));
        const double off = Dot(Of(plane.n), centre_) + D(plane.d);
        const P middle = Add(centre_, n, -off / std::sqrt(Dot(Of(plane.n), Of(plane.n))));
        const P helper = std::fabs(n[0]) < 0.9 ? P{1, 0, 0} : P{0, 1, 0};
        const P e1 = Unit(Cross(n, helper)), e2 = Cross(n, e1);
        FigureFace face{{}, element, false};
        const double corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (int k = 0; k < 4; ++k) {
            const std::string label = element + "#" + std::to_string(k);
            end(label, Add(Add(middle, e1, corners[k][0] * reach_), e2, corners[k][1] * reach_));
            face.points.push_back(label);
        }
        // The patch's border, which a page without shading shows too.
        for (std::size_t k = 0; k < 4; ++k)
            f_.segments.push_back({face.points[k], face.points[(k + 1) % 4], SegmentRole::Side, "", element, false});
        f_.faces.push_back(face);
        addElement(element);
    }
    // An arrow from `from` along `v`, scaled to half the figure's reach.
    void arrow(const std::string& from, const Vec3& start, const std::string& tip, const Vec3& v) {
        f_.points.push_back({tip, vec(Add(Of(start), Unit(Of(v)), reach_ / 2)), PointRole::Tip, tip});
        segment(from, tip, SegmentRole::Arrow, tip);
    }

private:
    static std::vector<double> vec(const P& p) { return {p[0], p[1], p[2]}; }
    // A point that only ends a drawn line or corners a patch: no caption.
    void end(const std::string& label, const P& p) { f_.points.push_back({label, vec(p), PointRole::Corner, ""}); }
    void addElement(const std::string& element) {
        if (std::find(f_.elements.begin(), f_.elements.end(), element) == f_.elements.end())
            f_.elements.push_back(element);
    }
    Figure& f_;
    std::vector<std::pair<std::string, Vec3>> exact_;
    P centre_;
    double reach_;
};

// The points that the figure must hold, for its middle and its reach.
std::vector<Vec3> KeyPoints(const SpaceInput& in, const SpaceResult* r) {
    std::vector<Vec3> key;
    const std::vector<SpaceRow>& rows = TaskRows(in.task);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].kind == RowKind::Point || rows[i].kind == RowKind::LinePoint)
            key.push_back(in.vec(static_cast<int>(i)));
    if (r && r->point) key.push_back(*r->point);
    if (r && r->point2) key.push_back(*r->point2);
    if (r && r->symmetric) key.push_back(*r->symmetric);
    if (r && (in.task == SpaceTask::LineTwoPlanes)) key.push_back(r->line.point);
    if (key.empty()) key.push_back({0, 0, 0});
    return key;
}

void DrawData(Drawing& d, const SpaceInput& in) {
    const std::vector<SpaceRow>& rows = TaskRows(in.task);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const SpaceRow& r = rows[i];
        const std::string number = r.name[0] && r.name[1] ? r.name + 1 : "";
        switch (r.kind) {
        case RowKind::Point:
        case RowKind::LinePoint: d.point(r.name, in.vec(row)); break;
        case RowKind::Plane: d.plane(*r.name ? std::string("plane ") + r.name : "plane", in.plane(row)); break;
        case RowKind::Direction:
            if (!IsZero(in.vec(row))) d.line(number.empty() ? "line" : "line " + number, in.vec(row - 1), in.vec(row));
            break;
        default: break;
        }
    }
}

void DrawResult(Drawing& d, const SpaceInput& in, const SpaceResult& r) {
    using T = SpaceTask;
    const Vec3 p = in.vec(0);
    switch (in.task) {
    case T::PlaneThreePoints:
    case T::PlanePointNormal:
    case T::PlanePointTwoVectors:
        d.plane("plane", r.plane);
        if (in.task == T::PlanePointTwoVectors) {
            d.arrow("P", p, "a", in.vec(1));
            d.arrow("P", p, "b", in.vec(2));
        } else if (in.task == T::PlanePointNormal) {
            d.arrow("P", p, "N", r.plane.n);
        }
        break;
    case T::LineTwoPoints: d.line("line", r.line.point, r.line.dir); break;
    case T::LineTwoPlanes:
        d.line("line", r.line.point, r.line.dir);
        d.point("M", r.line.point);
        break;
    case T::DistanceLines:
        if (r.point && r.point2 && r.verdict == Verdict::Skew)
            d.segment(d.point("H1", *r.point, PointRole::Foot), d.point("H2", *r.point2, PointRole::Foot),
                      SegmentRole::Height, "H1H2");
        break;
    case T::LineMeetsPlane:
    case T::LinesMeet:
        if (r.point) d.point("M0", *r.point, PointRole::Centre);
        break;
    case T::DistancePointPlane:
    case T::DistancePointLine:
    case T::ProjectionOnPlane:
    case T::ProjectionOnLine:
        if (!r.point || *r.point == p) break;
        if (r.symmetric) {
            d.point("H", *r.point, PointRole::Foot);
            d.segment("P", d.point("P'", *r.symmetric), SegmentRole::Height, "PH");
        } else {
            d.segment("P", d.point("H", *r.point, PointRole::Foot), SegmentRole::Height, "PH");
        }
        break;
    default: break;
    }
}

} // namespace

Figure SpaceFigure(const Env& env, const SpaceInput* in, const SpaceResult* result, const std::string& highlight) {
    Figure f;
    f.dimensions = 3;
    if (!in) {
        f.note = FigureNotComputed(env);
        return f;
    }
    const std::vector<Vec3> key = KeyPoints(*in, result);
    P centre{0, 0, 0};
    for (const Vec3& v : key)
        centre = Add(centre, Of(v), 1.0 / static_cast<double>(key.size()));
    double reach = 1.0;
    for (const Vec3& v : key) {
        const P off = Add(Of(v), centre, -1.0);
        reach = std::max(reach, std::sqrt(Dot(off, off)));
    }
    Drawing d(f, centre, 1.5 * reach);
    DrawData(d, *in);
    if (result) DrawResult(d, *in, *result);
    Highlight(f, highlight);
    DropIfTooLarge(f, FigureTooLarge(env));
    return f;
}

} // namespace tc
