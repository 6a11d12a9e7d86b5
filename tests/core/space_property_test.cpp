// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of the lines-and-planes solver on random rational data: what it
// finds must agree with a second way of finding it.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/space/space_solve.h"

namespace tc::test {
namespace {

constexpr int kTrials = 300;

class RandomData {
public:
    Rational number() {
        Rational q(std::uniform_int_distribution<int>(-9, 9)(gen_), std::uniform_int_distribution<int>(1, 4)(gen_));
        q.canonicalize();
        return q;
    }
    Vec3 vec() { return {number(), number(), number()}; }
    SpaceInput input(SpaceTask task) {
        SpaceInput in;
        in.task = task;
        for (auto& row : in.values)
            for (Rational& q : row)
                q = number();
        return in;
    }
    void setRow(SpaceInput& in, int row, const Vec3& v) {
        for (std::size_t c = 0; c < 3; ++c)
            in.values[static_cast<std::size_t>(row)][c] = v[c];
    }

private:
    std::mt19937 gen_{20261208};
};

Rational Sq(const Vec3& v) {
    return Dot(v, v);
}

// Solves, or reports that the random data were degenerate.
std::optional<SpaceResult> Solve(const SpaceInput& in) {
    try {
        return SolveSpace(in);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

TEST(SpaceProperties, a_plane_found_contains_its_points) {
    RandomData data;
    for (int i = 0; i < kTrials; ++i)
        for (SpaceTask task : {SpaceTask::PlaneThreePoints, SpaceTask::PlanePointTwoVectors}) {
            const SpaceInput in = data.input(task);
            const auto r = Solve(in);
            if (!r) continue;
            const Vec3 p = in.vec(0);
            const Vec3 q = task == SpaceTask::PlaneThreePoints ? in.vec(1) : p + in.vec(1);
            const Vec3 s = task == SpaceTask::PlaneThreePoints ? in.vec(2) : p + in.vec(2);
            for (const SpacePlane& plane : {r->plane, r->planeWhole})
                for (const Vec3& point : {p, q, s})
                    EXPECT_EQ(plane.at(point), 0);
        }
}

TEST(SpaceProperties, the_line_of_two_planes_lies_in_both) {
    RandomData data;
    for (int i = 0; i < kTrials; ++i) {
        const SpaceInput in = data.input(SpaceTask::LineTwoPlanes);
        const auto r = Solve(in);
        if (!r) continue;
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(in.plane(k).at(r->line.point), 0);
            EXPECT_EQ(in.plane(k).at(r->line.point + r->line.dir), 0);
        }
    }
}

TEST(SpaceProperties, distances_agree_with_the_projection_which_is_the_closest_point) {
    RandomData data;
    for (int i = 0; i < kTrials; ++i)
        for (SpaceTask task : {SpaceTask::DistancePointPlane, SpaceTask::DistancePointLine,
                               SpaceTask::ProjectionOnPlane, SpaceTask::ProjectionOnLine}) {
            const SpaceInput in = data.input(task);
            const auto r = Solve(in);
            if (!r) continue;
            const Vec3 p = in.vec(0), h = *r->point;
            // The distance by its formula is the distance to the foot.
            EXPECT_EQ(r->distance->exact.square, Sq(h - p));
            const bool onPlane = task == SpaceTask::DistancePointPlane || task == SpaceTask::ProjectionOnPlane;
            // The foot lies on the object; any other point of it is no nearer.
            Vec3 other = h;
            if (onPlane) {
                const SpacePlane plane = in.plane(1);
                EXPECT_EQ(plane.at(h), 0);
                const Vec3 along = Cross(plane.n, data.vec());
                other = h + along;
                EXPECT_EQ(plane.at(other), 0);
            } else {
                const SpaceLine line = in.line(1);
                EXPECT_TRUE(IsZero(Cross(h - line.point, line.dir)));
                other = h + data.number() * line.dir;
            }
            EXPECT_GE(Sq(other - p), r->distance->exact.square);
            if (r->symmetric) {
                EXPECT_EQ(*r->symmetric + p, Rational(2) * h);
            }
        }
}

TEST(SpaceProperties, two_lines_are_told_apart_and_measured) {
    RandomData data;
    for (int i = 0; i < kTrials; ++i) {
        SpaceInput in = data.input(SpaceTask::DistanceLines);
        // Every third pair is made to meet at a known point, every third
        // parallel, so that each verdict is reached.
        const Vec3 x = data.vec();
        if (i % 3 == 1) {
            data.setRow(in, 1, x - in.vec(0));
            data.setRow(in, 3, x - in.vec(2));
        } else if (i % 3 == 2) {
            data.setRow(in, 3, data.number() * in.vec(1));
        }
        const auto r = Solve(in);
        if (!r) continue;
        SpaceInput meet = in;
        meet.task = SpaceTask::LinesMeet;
        const auto m = Solve(meet);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->verdict, r->verdict);
        if (r->verdict == Verdict::Skew || r->verdict == Verdict::Intersecting) {
            // The common perpendicular stands at right angles to both lines.
            const Vec3 between = *r->point2 - *r->point;
            EXPECT_EQ(Dot(between, in.vec(1)), 0);
            EXPECT_EQ(Dot(between, in.vec(3)), 0);
            EXPECT_EQ(Sq(between), r->distance->exact.square);
        }
        if (i % 3 == 1 && r->verdict == Verdict::Intersecting) {
            EXPECT_EQ(*m->point, x);
        }
        if (r->verdict == Verdict::Intersecting) {
            EXPECT_EQ(r->distance->exact.square, 0);
        }
        if (i % 3 == 2) {
            EXPECT_TRUE(r->verdict == Verdict::Parallel || r->verdict == Verdict::Same);
        }
    }
}

long double Decimal(const Rational& q) {
    return q.get_d(); // the check's own, plainer route to the same value
}

TEST(SpaceProperties, angles_agree_with_the_dot_product) {
    RandomData data;
    for (int i = 0; i < kTrials; ++i)
        for (SpaceTask task : {SpaceTask::AngleLines, SpaceTask::AngleLinePlane, SpaceTask::AnglePlanes}) {
            const SpaceInput in = data.input(task);
            const auto r = Solve(in);
            if (!r) continue;
            // Planes 0 and 1; lines' directions 1 and 3; a line's direction 1 and the plane 2.
            const Vec3 a = in.vec(task == SpaceTask::AnglePlanes ? 0 : 1);
            const Vec3 b = in.vec(task == SpaceTask::AngleLines ? 3 : task == SpaceTask::AnglePlanes ? 1 : 2);
            const long double cosine =
                std::fabs(Decimal(Dot(a, b))) / std::sqrt(Decimal(Sq(a)) * Decimal(Sq(b)));
            const long double between = std::acos(std::min(cosine, 1.0L)) * 180.0L / 3.14159265358979323846L;
            const long double expected = task == SpaceTask::AngleLinePlane ? 90.0L - between : between;
            EXPECT_NEAR(static_cast<double>(r->angle->degrees.value()), static_cast<double>(expected), 1e-6);
            EXPECT_GE(r->angle->degrees.value(), 0.0L);
            EXPECT_LE(r->angle->degrees.value(), 90.0L);
        }
}

TEST(SpaceProperties, the_point_where_a_line_meets_a_plane_lies_on_both) {
    RandomData data;
    for (int i = 0; i < kTrials; ++i) {
        const SpaceInput in = data.input(SpaceTask::LineMeetsPlane);
        const auto r = Solve(in);
        if (!r || r->verdict != Verdict::Point) continue;
        EXPECT_EQ(in.plane(2).at(*r->point), 0);
        EXPECT_TRUE(IsZero(Cross(*r->point - in.vec(0), in.vec(1))));
    }
}

} // namespace
} // namespace tc::test
