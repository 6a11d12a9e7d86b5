// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of the data every task shares, and the tasks that find a plane
// or a line.

#include "calc/space/space_steps.h"

#include <numeric>

namespace tc {

namespace {

// A zero normal, direction or spanning vector makes no plane or line.
void RequireRows(const SpaceInput& in) {
    const std::vector<SpaceRow>& rows = TaskRows(in.task);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const SpaceRow& r = rows[i];
        if (r.kind == RowKind::Plane && IsZero(in.vec(row))) {
            const std::string name = *r.name ? std::string(" ") + r.name : "";
            throw Failure(Line::sp_fail_zero_normal, "Plane" + name + ": A, B and C are all zero, so this is no plane.",
                          {name});
        }
        const bool vector = r.kind == RowKind::Normal || r.kind == RowKind::Vector || r.kind == RowKind::Direction;
        if (vector && IsZero(in.vec(row)))
            throw Failure(Line::sp_fail_zero_vector, std::string(r.name) + " is the zero vector.", {r.name});
    }
}

void RequireDistinct(const SpaceInput& in, int a, int b) {
    if (in.vec(a) != in.vec(b)) return;
    const auto& rows = TaskRows(in.task);
    const std::string p = rows[static_cast<std::size_t>(a)].name, q = rows[static_cast<std::size_t>(b)].name;
    throw Failure(Line::sp_fail_same_points, "Points " + p + " and " + q + " coincide.", {p, q});
}

mpz_class DenominatorLcm(const std::vector<Rational>& values) {
    mpz_class l = 1;
    for (const Rational& q : values)
        mpz_lcm(l.get_mpz_t(), l.get_mpz_t(), q.get_den_mpz_t());
    return l;
}

// The values times one rational so that they are coprime integers, the
// first nonzero one positive: "x+y-3=0" rather than "-6x-6y+18=0".
std::vector<Rational> Whole(std::vector<Rational> values) {
    const mpz_class l = DenominatorLcm(values);
    mpz_class g = 0;
    for (Rational& q : values) {
        q *= l;
        mpz_gcd(g.get_mpz_t(), g.get_mpz_t(), q.get_num_mpz_t());
    }
    for (const Rational& q : values)
        if (q != 0) {
            if (q < 0) g = -g;
            break;
        }
    if (g != 0)
        for (Rational& q : values)
            q /= g;
    return values;
}

SpacePlane PlaneThrough(const Vec3& n, const Vec3& p) {
    return {n, -Dot(n, p)};
}

} // namespace

namespace space {

void SolvePlane(const SpaceInput& in, SpaceResult& r) {
    const Vec3 p = in.vec(0);
    if (in.task == SpaceTask::PlaneThreePoints) {
        RequireDistinct(in, 0, 1);
        RequireDistinct(in, 0, 2);
        RequireDistinct(in, 1, 2);
        r.u = in.vec(1) - p;
        r.v = in.vec(2) - p;
    } else if (in.task == SpaceTask::PlanePointTwoVectors) {
        r.u = in.vec(1);
        r.v = in.vec(2);
    }
    if (in.task == SpaceTask::PlanePointNormal) {
        r.w = in.vec(1);
    } else {
        r.w = Cross(r.u, r.v);
        r.hasCross = true;
        if (IsZero(r.w) && in.task == SpaceTask::PlaneThreePoints)
            throw Failure(Line::sp_fail_collinear,
                          "Points P1, P2 and P3 lie on one line: they do not determine a plane.", {"P1", "P2", "P3"});
        if (IsZero(r.w))
            throw Failure(Line::sp_fail_collinear_vectors,
                          "The vectors a and b are collinear: they do not determine a plane.", {"a", "b"});
    }
    r.plane = PlaneThrough(r.w, p);
    const std::vector<Rational> whole = Whole({r.plane.n[0], r.plane.n[1], r.plane.n[2], r.plane.d});
    r.planeWhole = {{whole[0], whole[1], whole[2]}, whole[3]};
    // The plane holds each point of the data; for two vectors, P+a and P+b.
    r.putBack.push_back(r.plane.at(p));
    if (in.task == SpaceTask::PlaneThreePoints) {
        r.putBack.push_back(r.plane.at(in.vec(1)));
        r.putBack.push_back(r.plane.at(in.vec(2)));
    } else if (in.task == SpaceTask::PlanePointTwoVectors) {
        r.putBack.push_back(r.plane.at(p + r.u));
        r.putBack.push_back(r.plane.at(p + r.v));
    }
}

void SolveLine(const SpaceInput& in, SpaceResult& r) {
    if (in.task == SpaceTask::LineTwoPoints) {
        RequireDistinct(in, 0, 1);
        r.line = {in.vec(0), in.vec(1) - in.vec(0)};
        return;
    }
    const SpacePlane p1 = in.plane(0), p2 = in.plane(1);
    r.u = p1.n;
    r.v = p2.n;
    r.w = Cross(r.u, r.v);
    r.hasCross = true;
    if (IsZero(r.w)) {
        // N2 = k*N1: the same plane when D2 = k*D1 too.
        const int i = p1.n[0] != 0 ? 0 : p1.n[1] != 0 ? 1 : 2;
        const Rational k = p2.n[static_cast<std::size_t>(i)] / p1.n[static_cast<std::size_t>(i)];
        if (p2.d == k * p1.d)
            throw Failure(Line::sp_fail_same_planes, "The planes coincide: they have no single common line.");
        throw Failure(Line::sp_fail_parallel_planes, "The planes are parallel: they have no common line.");
    }
    // The coordinate set to zero is z where it can be, as a student tries it first.
    for (int axis : {2, 1, 0})
        if (r.w[static_cast<std::size_t>(axis)] != 0) {
            r.zeroAxis = axis;
            break;
        }
    const auto i = static_cast<std::size_t>((r.zeroAxis + 1) % 3), j = static_cast<std::size_t>((r.zeroAxis + 2) % 3);
    // A1*xi + B1*xj = -D1, A2*xi + B2*xj = -D2 by Cramer's rule.
    r.minor = p1.n[i] * p2.n[j] - p1.n[j] * p2.n[i];
    Vec3 point{};
    point[i] = (-p1.d * p2.n[j] + p2.d * p1.n[j]) / r.minor;
    point[j] = (-p1.n[i] * p2.d + p2.n[i] * p1.d) / r.minor;
    r.line = {point, r.w};
    r.putBack = {p1.at(point), p2.at(point)};
}

DistanceValue MakeDistance(const Rational& top, const Rational& bottom) {
    DistanceValue d{top, bottom, MakeRoot(top / bottom), 0.0L};
    d.decimal = RootDecimal(d.exact);
    return d;
}

} // namespace space

SpaceResult SolveSpace(const SpaceInput& in) {
    SpaceResult r;
    r.task = in.task;
    RequireRows(in);
    switch (GroupOf(in.task)) {
    case TaskGroup::Plane: space::SolvePlane(in, r); break;
    case TaskGroup::Line: space::SolveLine(in, r); break;
    case TaskGroup::Distance: space::SolveDistance(in, r); break;
    case TaskGroup::Angle: space::SolveAngle(in, r); break;
    case TaskGroup::Meeting: space::SolveMeeting(in, r); break;
    case TaskGroup::Projection: space::SolveProjection(in, r); break;
    }
    return r;
}

} // namespace tc
