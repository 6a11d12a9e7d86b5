// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which vertices and edges each part of a Tetraedr computation takes, in the
// order of the grids and of the written solution. The solver and the writer
// walk the same tables, so a result's n-th value is the n-th row here.

#include "calc/tetrahedron/solid.h"

namespace tc::tetra {

// Each edge runs from its first named vertex to its second.
struct EdgeEnds {
    Vertex start, end;
};
inline constexpr EdgeEnds kEdges[6] = {{kA, kB}, {kA, kC}, {kA, kD}, {kB, kC}, {kC, kD}, {kB, kD}};

// The faces in the order of the face grid.
struct Face {
    Vertex p1, p2, p3;
};
inline constexpr Face kFaces[4] = {{kA, kB, kC}, {kA, kB, kD}, {kA, kC, kD}, {kB, kC, kD}};

// Each face's area from two edges spanning it, faces in grid order.
struct Area {
    EdgeIndex u, v;
};
inline constexpr Area kAreas[4] = {{kAB, kAC}, {kAB, kBD}, {kAC, kAD}, {kBC, kBD}};

// An edge as an angle uses it: a stored edge or its reverse (YX = -XY).
struct EdgeRef {
    EdgeIndex index;
    bool reversed;
};
template <class EdgeList> Point3 VectorOf(const EdgeList& edges, EdgeRef r) {
    const Point3& v = edges[r.index].v;
    return r.reversed ? -v : v;
}
inline constexpr EdgeRef AB{kAB, false}, BA{kAB, true}, AC{kAC, false}, CA{kAC, true}, AD{kAD, false},
    DA{kAD, true}, BC{kBC, false}, CB{kBC, true}, CD{kCD, false}, DC{kCD, true}, BD{kBD, false},
    DB{kBD, true};

// The angles at the vertices of the faces, three per face, in the column
// order of the grid Phi.
struct VertexAngle {
    const char* name;
    EdgeRef u, v;
};
inline constexpr VertexAngle kVertexAngles[4][3] = {
    {{"AB^AC", AB, AC}, {"BA^BC", BA, BC}, {"CA^CB", CA, CB}},
    {{"AB^AD", AB, AD}, {"BA^BD", BA, BD}, {"DA^DB", DA, DB}},
    {{"AC^AD", AC, AD}, {"CA^CD", CA, CD}, {"DA^DC", DA, DC}},
    {{"DC^DB", DC, DB}, {"CD^CB", CD, CB}, {"BC^BD", BC, BD}},
};

// Each face with the three edges that leave it for the fourth vertex, in the
// column order of the grid THam.
struct EdgeToFace {
    const char* name; // "AD^ABC"
    const char* edge; // "AD"
    EdgeRef e;
};
struct FaceEdges {
    Face face;
    const char* faceName;
    EdgeToFace edges[3];
};
inline constexpr FaceEdges kFaceEdges[4] = {
    {{kA, kB, kC}, "ABC", {{"AD^ABC", "AD", AD}, {"BD^ABC", "BD", BD}, {"CD^ABC", "CD", CD}}},
    {{kA, kB, kD}, "ABD", {{"AC^ABD", "AC", AC}, {"BC^ABD", "BC", BC}, {"DC^ABD", "DC", DC}}},
    {{kB, kC, kD}, "BCD", {{"BA^BCD", "BA", BA}, {"CA^BCD", "CA", CA}, {"DA^BCD", "DA", DA}}},
    {{kA, kC, kD}, "ACD", {{"AB^ACD", "AB", AB}, {"CB^ACD", "CB", CB}, {"DB^ACD", "DB", DB}}},
};

// A height runs from its vertex perpendicular to the opposite face.
struct Height {
    Vertex vertex;
    Face face;
};
inline constexpr Height kHeights[4] = {
    {kA, {kB, kC, kD}}, {kB, {kA, kC, kD}}, {kC, {kA, kB, kD}}, {kD, {kA, kB, kC}}};

} // namespace tc::tetra
