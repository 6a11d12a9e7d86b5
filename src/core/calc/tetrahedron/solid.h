// SPDX-License-Identifier: GPL-3.0-or-later
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

// An edge of the tetrahedron: its vector, the squares of its components and
// their sum, and its length.
struct Edge {
    Point3 v;
    Ext length;
    Ext xx, yy, zz, sum;
};

// The edge from `start` to `end`; fails only on overflow.
Edge MeasureEdge(const Point3& start, const Point3& end);

// The plane a*x + b*y + c*z + d = 0 through three points, its normal (a; b; c)
// being (p2 - p1) x (p3 - p1).
struct Plane {
    Point3 p1;
    Ext a, b, c, d;
};
Plane MeasurePlane(const Point3& p1, const Point3& p2, const Point3& p3);

// The angle between an edge e and a face with normal n, 0 to 90 degrees: its
// sine is |n.e| / (|n| |e|).
struct EdgeFaceValue {
    Ext dot;    // n.e
    Ext nsq;    // |n|^2
    Ext normal; // |n|
    Ext sin;
    Ext degrees;
};
// A zero normal fails as 0/0.
EdgeFaceValue MeasureEdgeFace(const Point3& n, const Point3& e, Ext lengthE);

enum Vertex { kA, kB, kC, kD };
// The edges in the order of the edge grid and of the written solution.
enum EdgeIndex { kAB, kAC, kAD, kBC, kCD, kBD };

using Vertices = std::array<Point3, 4>;
using Edges = std::array<Edge, 6>;

} // namespace tc
