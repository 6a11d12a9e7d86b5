// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solver's parts, one per group of tasks (space_solve.cpp chooses).

#include "calc/space/space_solve.h"

namespace tc::space {

void SolvePlane(const SpaceInput& in, SpaceResult& r);      // tasks 0 to 2
void SolveLine(const SpaceInput& in, SpaceResult& r);       // tasks 3 and 4
void SolveDistance(const SpaceInput& in, SpaceResult& r);   // tasks 5 to 7
void SolveAngle(const SpaceInput& in, SpaceResult& r);      // tasks 8 to 10
void SolveMeeting(const SpaceInput& in, SpaceResult& r);    // tasks 11 and 12
void SolveProjection(const SpaceInput& in, SpaceResult& r); // tasks 13 and 14

// How two lines lie: s1 x s2 into u, v, w, M1M2 into `between`, then the
// mixed product or M1M2 x s1; the feet of the common perpendicular where the
// directions are not parallel.
void ClassifyLines(const SpaceLine& l1, const SpaceLine& l2, SpaceResult& r);

// The squared distance top/bottom, exactly and in decimals.
DistanceValue MakeDistance(const Rational& top, const Rational& bottom);

inline Rational SquaredLength(const Vec3& v) {
    return Dot(v, v);
}

} // namespace tc::space
