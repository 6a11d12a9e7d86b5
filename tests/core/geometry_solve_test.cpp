// SPDX-License-Identifier: GPL-3.0-or-later
// The solvers of the Triangle and Tetraedr tabs as values: what a computation
// finds, and how far a failure lets it get.

#include <gtest/gtest.h>

#include "calc/tetrahedron/tetra_solve.h"
#include "calc/triangle/triangle_solve.h"

namespace tc {
namespace {

long double V(Ext x) {
    return x.value();
}

// Within a few units of the last place of an extended value near 1.
bool Near(Ext x, long double expected) {
    const long double d = x.value() - expected;
    return (d < 0 ? -d : d) < 1e-17L;
}

TEST(TriangleSolver, finds_the_feet_lengths_and_angles_of_a_right_triangle) {
    // A(0;0), B(4;0), C(0;3): |BC| = 5, the bisector from A meets BC at
    // K = (12/7; 12/7), the median at M = (2; 1.5).
    const Partial<TriangleResult> p = SolveTriangle({0, 0}, {4, 0}, {0, 3});
    ASSERT_FALSE(p.failure);
    const TriangleResult& r = p.result;
    EXPECT_EQ(V(r.bc->length), 5.0L);
    EXPECT_EQ(V(r.angleA->degrees), 90.0L);
    EXPECT_EQ(V(r.median->foot.x), 2.0L);
    EXPECT_EQ(V(r.median->foot.y), 1.5L);
    EXPECT_EQ(V(r.median->segment->length), 2.5L);
    EXPECT_TRUE(Near(r.bisector->foot->x, 12.0L / 7));
    EXPECT_TRUE(Near(r.bisector->foot->y, 12.0L / 7));
    EXPECT_EQ(r.height->kind, TriangleResult::Height::Kind::Slope);
    EXPECT_TRUE(Near(*r.height->length, 2.4L));
    EXPECT_TRUE(Near(*r.centroidY, 1.0L));
}

TEST(TriangleSolver, a_failure_in_the_angles_keeps_the_sides_and_nothing_after) {
    const Partial<TriangleResult> p = SolveTriangle({2, 1}, {2, 1}, {1, 2}); // A = B
    ASSERT_TRUE(p.failure);
    EXPECT_STREQ(p.failure->what(), kInvalidOperation);
    EXPECT_TRUE(p.result.ab && p.result.bc && p.result.ac);
    EXPECT_FALSE(p.result.angleA);
    EXPECT_FALSE(p.result.median);
    EXPECT_FALSE(p.result.centroidX);
}

TEST(TetraSolver, coincident_vertices_keep_the_edges_planes_and_areas_and_stop_at_the_angles) {
    const Partial<TetraResult> p =
        SolveTetrahedron(Numbers('.'), {{{7, -2, -3}, {7, -2, -3}, {2, 4, 6}, {3, 2, -5}}});
    ASSERT_TRUE(p.failure);
    EXPECT_EQ(p.result.edges.size(), 6u);
    EXPECT_EQ(p.result.planes.size(), 4u);
    EXPECT_EQ(p.result.areas.size(), 4u);
    EXPECT_TRUE(p.result.edgeAngles.empty());
    EXPECT_FALSE(p.result.volume);
}

TEST(TetraSolver, an_overflowing_edge_keeps_the_edges_measured_before_it) {
    const Partial<TetraResult> p =
        SolveTetrahedron(Numbers('.'), {{{1e4000L, 0, 0}, {-1e4000L, 0, 0}, {0, 1, 0}, {0, 0, 1}}});
    ASSERT_TRUE(p.failure);
    EXPECT_STREQ(p.failure->what(), kOverflow);
    EXPECT_TRUE(p.result.edges.empty());
    EXPECT_TRUE(p.result.planes.empty());
}

} // namespace
} // namespace tc
