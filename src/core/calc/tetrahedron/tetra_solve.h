// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Tetraedr tab's mathematics without widgets or texts: one result with
// every value the written solution shows, in the order it shows them. Each
// list fills as far as the computation got; a failure leaves the rest empty
// (see calc/common/partial.h).

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/common/partial.h"
#include "calc/tetrahedron/solid.h"
#include "calc/tetrahedron/tetra_measure_write.h"
#include "numbers/convert.h"

namespace tc {

// The data as the tab reads it: the cells of each vertex (x, y, z) as typed,
// for the echo, and the vertices once all twelve are read.
struct TetraInput {
    std::array<std::array<std::string, 3>, 4> typed;
    std::optional<Vertices> vertices;
};

struct TetraResult {
    Vertices vertices{};
    std::vector<Edge> edges;                   // AB, AC, AD, BC, CD, BD
    std::vector<Plane> planes;                 // ABC, ABD, ACD, BCD
    std::vector<Ext> areas;                    // in the same order
    std::vector<EdgeAngleValue> edgeAngles;    // the twelve angles of the grid Phi
    std::vector<Point3> faceNormals;           // per face of tetra::kFaceEdges, as its texts show it
    std::vector<EdgeFaceValue> edgeFaceAngles; // the twelve angles of the grid THam
    std::vector<Point3> heightNormals;         // H(A)..H(D), as the plane texts show them
    std::optional<Ext> volume;
    // The verdict on the vertices as typed: they lie in one plane.
    bool coplanar = false;

    // All six edges measured: the lengths and angles can use the edge table.
    bool hasAllEdges() const { return edges.size() == 6; }
};

// Solves the tetrahedron. `nums` reads the face normals back from their
// written 15-digit texts, as the solution computes with what it shows.
// `typedFlat` as EdgeAngle takes it.
Partial<TetraResult> SolveTetrahedron(const Numbers& nums, const Vertices& vertices, bool typedFlat = false);

// Solves the tetrahedron of the read vertices (`in.vertices` set), judging
// first whether the vertices as typed lie in one plane. Such vertices make no
// tetrahedron: with `refuseCoplanar` the result holds the vertices and the
// verdict alone and fails with the message that says so; without it (a
// language file from before that message) the solution goes on as before.
Partial<TetraResult> SolveTetrahedron(const Numbers& nums, const TetraInput& in, bool refuseCoplanar);

} // namespace tc
