#pragma once
// Points and edge vectors in space, and the tables one computation of the
// Tetraedr tab shares between its stages.

#include <array>

#include "numbers/ext.h"

namespace tc {

struct Point3 {
    Ext x, y, z;
};

// The vector from `from` to `to`.
inline Point3 operator-(const Point3& to, const Point3& from) {
    return {to.x - from.x, to.y - from.y, to.z - from.z};
}
inline Point3 operator-(const Point3& p) {
    return {-p.x, -p.y, -p.z};
}

// An edge of the tetrahedron: its vector and its length.
struct Edge {
    Point3 v;
    Ext length;
};

enum Vertex { kA, kB, kC, kD };
// The edges in the order of the edge grid and of the written solution.
enum EdgeIndex { kAB, kAC, kAD, kBC, kCD, kBD };

using Vertices = std::array<Point3, 4>;
using Edges = std::array<Edge, 6>;

} // namespace tc
