// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/tetrahedron/tetra_figure.h"

#include "calc/tetrahedron/tetra_tables.h"
#include "calc/common/figure_text.h"

namespace tc {

namespace {

const char* const kVertexNames[4] = {"A", "B", "C", "D"};
const char* const kEdgeNames[6][2] = {{"A", "B"}, {"A", "C"}, {"A", "D"}, {"B", "C"}, {"C", "D"}, {"B", "D"}};
const char* const kFaceNames[4] = {"ABC", "ABD", "ACD", "BCD"};
// The face opposite each vertex, as an index into the planes: A faces BCD.
const std::size_t kOppositeFace[4] = {3, 2, 1, 0};

double D(Ext v) {
    return static_cast<double>(v.value());
}

// The foot of the perpendicular from `p` on the plane, for the drawing only:
// in plain doubles, which cannot fail. None for a plane without a normal.
std::optional<std::vector<double>> Foot(const Point3& p, const Plane& plane) {
    const double a = D(plane.a), b = D(plane.b), c = D(plane.c), d = D(plane.d);
    const double squared = a * a + b * b + c * c;
    if (!(squared > 0)) return std::nullopt;
    const double x = D(p.x), y = D(p.y), z = D(p.z);
    const double t = (a * x + b * y + c * z + d) / squared;
    return std::vector<double>{x - t * a, y - t * b, z - t * c};
}

} // namespace

Figure TetrahedronFigure(const Env& env, const TetraResult* result, const std::string& highlight) {
    Figure f;
    f.dimensions = 3;
    if (!result) {
        f.note = FigureNotComputed(env);
        return f;
    }
    const TetraResult& r = *result;
    for (std::size_t i = 0; i < 4; ++i) {
        const Point3& v = r.vertices[i];
        f.points.push_back({kVertexNames[i],
                            {D(v.x), D(v.y), D(v.z)},
                            PointRole::Vertex,
                            kVertexNames[i] + PointText(env.nums, {v.x, v.y, v.z})});
    }
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string caption = i < r.edges.size() ? LengthText(env.nums, r.edges[i].length) : "";
        f.segments.push_back({kEdgeNames[i][0], kEdgeNames[i][1], SegmentRole::Edge, caption, "", false});
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const tetra::Face& face = tetra::kFaces[i];
        f.faces.push_back(
            {{kVertexNames[face.p1], kVertexNames[face.p2], kVertexNames[face.p3]}, kFaceNames[i], false});
        f.elements.push_back(kFaceNames[i]);
    }
    // The heights once the solution has reached them, each from its vertex to
    // the foot on the plane of the opposite face.
    for (std::size_t i = 0; i < r.heightNormals.size(); ++i) {
        const std::optional<std::vector<double>> at = Foot(r.vertices[i], r.planes[kOppositeFace[i]]);
        if (!at) continue;
        const std::string height = std::string("H(") + kVertexNames[i] + ")";
        f.points.push_back({height, *at, PointRole::Foot, ""});
        f.segments.push_back({kVertexNames[i], height, SegmentRole::Height, "", height, false});
        f.elements.push_back(height);
    }
    Highlight(f, highlight);
    DropIfTooLarge(f, FigureTooLarge(env));
    return f;
}

} // namespace tc
