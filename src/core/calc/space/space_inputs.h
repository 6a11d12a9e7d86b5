// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tasks of the lines-and-planes tab and what each reads from the input
// grid: points and vectors as x, y, z; planes as A, B, C, D of
// Ax+By+Cz+D=0; a line as two rows, a point on it and its direction vector.
// All values are exact: every typed number is a decimal or a fraction.

#include <array>
#include <string>
#include <vector>

#include "numbers/exact.h"

namespace tc {

using Vec3 = std::array<Rational, 3>;

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
inline Vec3 operator*(const Rational& k, const Vec3& a) {
    return {k * a[0], k * a[1], k * a[2]};
}
inline Rational Dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
// (a2*b3-a3*b2; a3*b1-a1*b3; a1*b2-a2*b1)
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline bool IsZero(const Vec3& a) {
    return a[0] == 0 && a[1] == 0 && a[2] == 0;
}

// Ax+By+Cz+D=0 with the normal n = (A; B; C).
struct SpacePlane {
    Vec3 n;
    Rational d;
    // A*x+B*y+C*z+D at the point p: zero exactly when p lies in the plane.
    Rational at(const Vec3& p) const { return Dot(n, p) + d; }
};

// The line through `point` with direction vector `dir`.
struct SpaceLine {
    Vec3 point;
    Vec3 dir;
};

enum class SpaceTask {
    PlaneThreePoints,
    PlanePointNormal,
    PlanePointTwoVectors,
    LineTwoPoints,
    LineTwoPlanes,
    DistancePointPlane,
    DistancePointLine,
    DistanceLines,
    AngleLines,
    AngleLinePlane,
    AnglePlanes,
    LineMeetsPlane,
    LinesMeet,
    ProjectionOnPlane,
    ProjectionOnLine,
};
inline constexpr int kSpaceTaskCount = 15;

// The tasks that the solver and the writer treat alike.
enum class TaskGroup { Plane, Line, Distance, Angle, Meeting, Projection };
inline TaskGroup GroupOf(SpaceTask task) {
    const int t = static_cast<int>(task);
    return t < 3 ? TaskGroup::Plane : t < 5 ? TaskGroup::Line : t < 8 ? TaskGroup::Distance
         : t < 11 ? TaskGroup::Angle : t < 13 ? TaskGroup::Meeting : TaskGroup::Projection;
}
inline constexpr int kSpaceMaxRows = 4;

// What a row of the input grid holds.
enum class RowKind { Point, Normal, Vector, LinePoint, Direction, Plane };

struct SpaceRow {
    RowKind kind;
    const char* name; // "P1", "n", "s1"; for a plane its number ("1", "2") or ""
    int columns() const { return kind == RowKind::Plane ? 4 : 3; }
};

// The rows task `task` reads, top to bottom.
const std::vector<SpaceRow>& TaskRows(SpaceTask task);

// The data as read: the texts typed (for the written data) and the exact
// values, row by row; a point or vector leaves its fourth value zero.
struct SpaceInput {
    SpaceTask task = SpaceTask::PlaneThreePoints;
    std::array<std::array<std::string, 4>, kSpaceMaxRows> typed{};
    std::array<std::array<Rational, 4>, kSpaceMaxRows> values{};

    Vec3 vec(int row) const;
    SpacePlane plane(int row) const;
    // The line of rows `row` (its point) and `row` + 1 (its direction).
    SpaceLine line(int row) const;
};

} // namespace tc
