// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/tetrahedron/tetra_solve.h"

#include "calc/common/flat_figure.h"

#include "calc/tetrahedron/tetra_tables.h"

namespace tc {

namespace {

Plane FacePlane(const Vertices& v, tetra::Face f) {
    return MeasurePlane(v[f.p1], v[f.p2], v[f.p3]);
}

// The normal of the face as its plane's coefficient texts show it.
Point3 WrittenNormal(const Numbers& nums, const Vertices& v, tetra::Face f) {
    return NormalFromText(nums, PlaneText(nums, FacePlane(v, f)));
}

} // namespace

Partial<TetraResult> SolveTetrahedron(const Numbers& nums, const Vertices& vertices, bool typedFlat) {
    TetraResult start;
    start.vertices = vertices;
    return SolvePartially(std::move(start), [&nums, typedFlat](TetraResult& r) {
        const Vertices& v = r.vertices;
        for (const tetra::EdgeEnds& e : tetra::kEdges)
            r.edges.push_back(MeasureEdge(v[e.start], v[e.end]));
        const std::vector<Edge>& edges = r.edges;
        for (const tetra::Face& f : tetra::kFaces)
            r.planes.push_back(FacePlane(v, f));
        for (const tetra::Area& a : tetra::kAreas)
            r.areas.push_back(TriangleArea(edges[a.u].v, edges[a.v].v));

        for (const auto& face : tetra::kVertexAngles)
            for (const tetra::VertexAngle& a : face)
                r.edgeAngles.push_back(EdgeAngle(VectorOf(edges, a.u), VectorOf(edges, a.v),
                                                 edges[a.u.index].length, edges[a.v.index].length, typedFlat));
        for (const tetra::FaceEdges& face : tetra::kFaceEdges) {
            const Point3 n = WrittenNormal(nums, v, face.face);
            r.faceNormals.push_back(n);
            for (const tetra::EdgeToFace& ef : face.edges)
                r.edgeFaceAngles.push_back(
                    MeasureEdgeFace(n, VectorOf(edges, ef.e), edges[ef.e.index].length));
        }

        for (const tetra::Height& h : tetra::kHeights)
            r.heightNormals.push_back(WrittenNormal(nums, v, h.face));
        r.volume = TetraVolume(edges[kAB].v, edges[kAC].v, edges[kAD].v);
    });
}

Partial<TetraResult> SolveTetrahedron(const Numbers& nums, const TetraInput& in, bool refuseCoplanar) {
    const bool flat = TypedInOnePlane(in.typed, nums.decimal());
    Partial<TetraResult> out;
    if (flat && refuseCoplanar) {
        out.result.vertices = *in.vertices;
        out.failure = Failure(Line::tet_coplanar, "The vertices A, B, C and D lie in one plane.");
    } else {
        out = SolveTetrahedron(nums, *in.vertices, flat);
    }
    out.result.coplanar = flat;
    return out;
}

} // namespace tc
