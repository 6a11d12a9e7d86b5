// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mathematics of the lines-and-planes tab without widgets or texts: one
// result per task with every value the written solution shows. Degenerate
// data (two equal points, a zero normal or direction, points on one line)
// fail with a Failure naming what is wrong, before anything is computed.

#include <optional>

#include "calc/common/partial.h"
#include "calc/space/root_value.h"
#include "calc/space/space_inputs.h"
#include "numbers/ext.h"

namespace tc {

// How two lines, or a line and a plane, lie.
enum class Verdict { None, Intersecting, Parallel, Skew, Same, Point, InPlane };

// An angle from its cosine or sine, 0 to 90 degrees.
struct AngleValue {
    Rational dot;          // the dot product under the absolute value
    Rational sq1, sq2;     // the squared lengths of the two vectors
    RootValue trig;        // |dot| / sqrt(sq1*sq2): the cosine, or the sine for a line and a plane
    Ext decimal = 0.0L;    // its decimal value
    Ext degrees = 0.0L;
};

// The distance as a formula leaves it: sqrt(top/bottom).
struct DistanceValue {
    Rational top, bottom; // the squared numerator and the squared denominator
    RootValue exact;
    Ext decimal = 0.0L;
};

struct SpaceResult {
    SpaceTask task = SpaceTask::PlaneThreePoints;

    // The cross product the solution shows, w = u x v: the normal of a plane
    // by two of its vectors (P1P2 x P1P3, a x b), the direction of the line
    // of two planes (N1 x N2), M1P x s for a point and a line, s1 x s2 for
    // two lines, M1M2 x s1 for two parallel lines.
    Vec3 u{}, v{}, w{};
    bool hasCross = false;

    // Tasks 0 to 2: the plane found, and the same with whole coprime
    // coefficients (any multiple is the same plane).
    SpacePlane plane{};
    SpacePlane planeWhole{};

    // Tasks 3 and 4: the line found; for two planes, the coordinate set to
    // zero (0 to 2) to find a point of it, by Cramer's rule with `minor`.
    SpaceLine line{};
    int zeroAxis = -1;
    Rational minor;

    // Two lines: M1M2 and the mixed product (M1M2, s1, s2).
    Vec3 between{};
    Rational mixed;

    Verdict verdict = Verdict::None;
    std::optional<DistanceValue> distance;
    std::optional<AngleValue> angle;

    // A line and a plane: N*s and N*M + D, the parameter t, the point.
    // Two lines meeting: the parameters t (line 1) and u (line 2) and the two
    // coordinates (`axes`) whose equations give them, with the system's
    // determinant `minor`.
    Rational ns, atPoint, t, t2;
    std::array<int, 2> axes{};
    std::optional<Vec3> point;

    // Two lines: M1M2 x s1, the cross product of parallel lines; the foot
    // of the common perpendicular on line 2 (`point` holds the one on line 1).
    Vec3 parallelCross{};
    std::optional<Vec3> point2;

    // Projections: t of the perpendicular, the foot H (in `point`) and the
    // point symmetric to P.
    std::optional<Vec3> symmetric;

    // The check: the plane found at each of its data points (tasks 0 to 2),
    // the foot put into the plane or the line's perpendicularity (N*H + D, or
    // PH*s), and |PH|^2 against the squared distance by the formula.
    std::vector<Rational> putBack;
    Rational footSquared;
};

// Solves the task of `in`.
SpaceResult SolveSpace(const SpaceInput& in);

} // namespace tc
