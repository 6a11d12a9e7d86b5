// SPDX-License-Identifier: GPL-3.0-or-later
// Distances and angles.

#include "calc/space/space_steps.h"

#include "calc/tetrahedron/tetra_measure_write.h"

namespace tc::space {

namespace {

// The foot of the perpendicular from p on the line (its point m + t*s with
// t = s*(p-m)/|s|^2), and |p - foot|^2 for the check.
Vec3 FootOnLine(const Vec3& p, const SpaceLine& line, Rational& t) {
    t = Dot(line.dir, p - line.point) / SquaredLength(line.dir);
    return line.point + t * line.dir;
}

Vec3 FootOnPlane(const Vec3& p, const SpacePlane& plane, Rational& t) {
    t = -plane.at(p) / SquaredLength(plane.n);
    return p + t * plane.n;
}

// cos or sin = |dot| / sqrt(sq1*sq2), between 0 and 90 degrees.
AngleValue MakeAngle(const Vec3& a, const Vec3& b, bool bySine) {
    AngleValue v;
    v.dot = Dot(a, b);
    v.sq1 = SquaredLength(a);
    v.sq2 = SquaredLength(b);
    v.trig = MakeRoot(v.dot * v.dot / (v.sq1 * v.sq2));
    v.decimal = RootDecimal(v.trig);
    v.degrees = Degrees(bySine ? ArcSin(v.decimal) : ArcCos(v.decimal));
    return v;
}

} // namespace

void SolveDistance(const SpaceInput& in, SpaceResult& r) {
    switch (in.task) {
    case SpaceTask::DistancePointPlane: {
        const Vec3 p = in.vec(0);
        const SpacePlane plane = in.plane(1);
        r.atPoint = plane.at(p);
        r.distance = MakeDistance(r.atPoint * r.atPoint, SquaredLength(plane.n));
        r.point = FootOnPlane(p, plane, r.t);
        r.footSquared = SquaredLength(*r.point - p);
        break;
    }
    case SpaceTask::DistancePointLine: {
        const Vec3 p = in.vec(0);
        const SpaceLine line = in.line(1);
        r.u = p - line.point;
        r.v = line.dir;
        r.w = Cross(r.u, r.v);
        r.hasCross = true;
        r.distance = MakeDistance(SquaredLength(r.w), SquaredLength(r.v));
        r.point = FootOnLine(p, line, r.t);
        r.footSquared = SquaredLength(*r.point - p);
        break;
    }
    default: {
        ClassifyLines(in.line(0), in.line(2), r);
        const Rational zero = 0;
        switch (r.verdict) {
        case Verdict::Skew: r.distance = MakeDistance(r.mixed * r.mixed, SquaredLength(r.w)); break;
        case Verdict::Parallel:
            r.distance = MakeDistance(SquaredLength(r.parallelCross), SquaredLength(r.u));
            break;
        default: r.distance = MakeDistance(zero, 1); break;
        }
        if (r.point && r.point2) r.footSquared = SquaredLength(*r.point2 - *r.point);
        break;
    }
    }
}

void SolveAngle(const SpaceInput& in, SpaceResult& r) {
    switch (in.task) {
    case SpaceTask::AngleLines: r.angle = MakeAngle(in.vec(1), in.vec(3), false); break;
    case SpaceTask::AngleLinePlane: r.angle = MakeAngle(in.vec(2), in.vec(1), true); break;
    default: r.angle = MakeAngle(in.vec(0), in.vec(1), false); break;
    }
}

void SolveProjection(const SpaceInput& in, SpaceResult& r) {
    const Vec3 p = in.vec(0);
    if (in.task == SpaceTask::ProjectionOnPlane) {
        const SpacePlane plane = in.plane(1);
        // The perpendicular P + t*N put into the plane: |N|^2*t + (N*P + D) = 0.
        r.ns = SquaredLength(plane.n);
        r.atPoint = plane.at(p);
        r.point = FootOnPlane(p, plane, r.t);
        r.putBack = {plane.at(*r.point)};
        r.distance = MakeDistance(r.atPoint * r.atPoint, r.ns);
    } else {
        const SpaceLine line = in.line(1);
        // The line M + t*s put into the plane s*(X - P) = 0: |s|^2*t + s*(M - P) = 0.
        r.ns = SquaredLength(line.dir);
        r.atPoint = Dot(line.dir, line.point - p);
        r.point = FootOnLine(p, line, r.t);
        r.putBack = {Dot(*r.point - p, line.dir)};
        r.u = p - line.point;
        r.v = line.dir;
        r.w = Cross(r.u, r.v);
        r.hasCross = true;
        r.distance = MakeDistance(SquaredLength(r.w), r.ns);
    }
    r.symmetric = Rational(2) * *r.point - p;
    r.footSquared = SquaredLength(*r.point - p);
}

} // namespace tc::space
