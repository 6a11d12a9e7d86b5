// SPDX-License-Identifier: GPL-3.0-or-later
// Where a line meets a plane or another line, and how two lines lie.

#include "calc/space/space_steps.h"

namespace tc::space {

void ClassifyLines(const SpaceLine& l1, const SpaceLine& l2, SpaceResult& r) {
    r.u = l1.dir;
    r.v = l2.dir;
    r.w = Cross(r.u, r.v);
    r.hasCross = true;
    r.between = l2.point - l1.point;
    if (IsZero(r.w)) {
        r.parallelCross = Cross(r.between, l1.dir);
        r.verdict = IsZero(r.parallelCross) ? Verdict::Same : Verdict::Parallel;
        return;
    }
    r.mixed = Dot(r.between, r.w);
    r.verdict = r.mixed == 0 ? Verdict::Intersecting : Verdict::Skew;
    // The feet of the common perpendicular: M1 + t*s1 and M2 + u*s2 with the
    // segment between them at right angles to s1 and s2.
    const Rational a = SquaredLength(l1.dir), b = Dot(l1.dir, l2.dir), c = SquaredLength(l2.dir);
    const Rational e = Dot(l1.dir, r.between), f = Dot(l2.dir, r.between);
    const Rational det = a * c - b * b;
    r.point = l1.point + ((e * c - b * f) / det) * l1.dir;
    r.point2 = l2.point + ((b * e - a * f) / det) * l2.dir;
}

void SolveMeeting(const SpaceInput& in, SpaceResult& r) {
    if (in.task == SpaceTask::LineMeetsPlane) {
        const SpaceLine line = in.line(0);
        const SpacePlane plane = in.plane(2);
        // A(x0+l*t) + B(y0+m*t) + C(z0+n*t) + D = 0, that is (N*s)*t + (N*M + D) = 0.
        r.ns = Dot(plane.n, line.dir);
        r.atPoint = plane.at(line.point);
        if (r.ns == 0) {
            r.verdict = r.atPoint == 0 ? Verdict::InPlane : Verdict::Parallel;
            return;
        }
        r.verdict = Verdict::Point;
        r.t = -r.atPoint / r.ns;
        r.point = line.point + r.t * line.dir;
        r.putBack = {plane.at(*r.point)};
        return;
    }
    const SpaceLine l1 = in.line(0), l2 = in.line(2);
    ClassifyLines(l1, l2, r);
    if (r.verdict != Verdict::Intersecting) {
        r.point.reset();
        r.point2.reset();
        return;
    }
    // M1 + t*s1 = M2 + u*s2 on the two coordinates i, j whose system
    // t*l1i - u*l2i = dxi, t*l1j - u*l2j = dxj has a nonzero determinant.
    for (int k : {2, 1, 0})
        if (r.w[static_cast<std::size_t>(k)] != 0) {
            r.axes = {(k + 1) % 3, (k + 2) % 3};
            break;
        }
    const auto i = static_cast<std::size_t>(r.axes[0]), j = static_cast<std::size_t>(r.axes[1]);
    const Vec3& d = r.between;
    r.minor = -l1.dir[i] * l2.dir[j] + l1.dir[j] * l2.dir[i];
    r.t = (-d[i] * l2.dir[j] + l2.dir[i] * d[j]) / r.minor;
    r.t2 = (l1.dir[i] * d[j] - l1.dir[j] * d[i]) / r.minor;
    r.point = l1.point + r.t * l1.dir;
    r.point2.reset();
    // The point lies on line 2 as well: M2 + u*s2 - point = 0.
    const Vec3 off = l2.point + r.t2 * l2.dir - *r.point;
    r.putBack = {off[0], off[1], off[2]};
}

} // namespace tc::space
