// SPDX-License-Identifier: GPL-3.0-or-later
// The text operations of the Tetraedr tab, on the example tetrahedron
// A(7;-2;-3), B(-4;2;1), C(2;4;6), D(3;2;-5) and on the edge cases of their
// sign rules.

#include <gtest/gtest.h>

#include "calc/tetrahedron/tetra_measure_write.h"

namespace tc {
namespace {

const Point3 A{7, -2, -3}, B{-4, 2, 1}, C{2, 4, 6}, D{3, 2, -5};
const Numbers dot('.');
const Numbers comma(',');

// The texts of the edge from `start` to `end` as the solution measures it.
EdgeTexts EdgeOf(const Numbers& nums, const Point3& start, const Point3& end) {
    return EdgeText(nums, start, end, MeasureEdge(start, end));
}

PlaneTexts PlaneOf(const Numbers& nums, const Point3& p1, const Point3& p2, const Point3& p3) {
    return PlaneText(nums, MeasurePlane(p1, p2, p3));
}

TEST(TetraEdgeText, a_zero_start_coordinate_has_no_sign_part_and_opens_its_line_term_bare) {
    const EdgeTexts t = EdgeOf(dot, {0, 0, 0}, {2, -3, 4});
    EXPECT_EQ(t.vector, "(2;-3;4)=(2;-3;4)");
    // x/ for x, but (y)/ and (z)/ for the other two.
    EXPECT_EQ(t.line, "x/2=(y)/(-3)=(z)/4");
    EXPECT_EQ(t.length, "(2^2+(-3)^2+4^2)^(1/2)=(4+9+16)^(1/2)=(29)^(1/2)=5.3852");
}

TEST(TetraEdgeText, a_coincident_end_gives_a_zero_vector_and_length) {
    const EdgeTexts t = EdgeOf(dot, A, A);
    EXPECT_EQ(t.vector, "(7-7;-2+2;-3+3)=(0;0;0)");
    EXPECT_EQ(t.length, "(0^2+0^2+0^2)^(1/2)=(0+0+0)^(1/2)=(0)^(1/2)=0.0000");
    EXPECT_EQ(t.line, "(x-7)/0=(y+2)/0=(z+3)/0");
}

TEST(TetraEdgeText, writes_the_users_decimal_separator) {
    const EdgeTexts t = EdgeOf(comma, {0.5L, -1.5L, 0}, {2, 1, 0.25L});
    EXPECT_EQ(t.vector, "(2-0,5;1+1,5;0,25)=(1,5;2,5;0,25)");
    EXPECT_EQ(t.line, "(x-0,5)/1,5=(y+1,5)/2,5=(z)/0,25");
    EXPECT_EQ(t.length, "(1,5^2+2,5^2+0,25^2)^(1/2)=(2,25+6,25+0,0625)^(1/2)=(8,5625)^(1/2)=2,9262");
}

TEST(TetraPlaneText, leaves_out_zero_terms_so_a_zero_x_coefficient_opens_with_plus) {
    // u = (0;2;3), v = (1;0;0): normal (0;3;-2) through (1;1;1).
    const PlaneTexts t = PlaneOf(dot, {1, 1, 1}, {1, 3, 4}, {2, 1, 1});
    EXPECT_EQ(t.equation, "+3y-2z-1=0");
    EXPECT_EQ(t.a, "0");
    // A plane through the origin has no constant term.
    EXPECT_EQ(PlaneOf(dot, {0, 0, 0}, {0, 0, 1}, {1, 0, 0}).equation, "+1y=0");
    // Three collinear points have no normal: nothing but "=0" is left.
    const PlaneTexts line = PlaneOf(dot, {0, 0, 0}, {1, 1, 1}, {2, 2, 2});
    EXPECT_EQ(line.equation, "=0");
    EXPECT_EQ(line.a + line.b + line.c, "000");
}

TEST(TetraPlaneText, normal_is_read_back_from_its_fifteen_digit_texts) {
    // Thirds make coefficients with more digits than the texts keep.
    const PlaneTexts t = PlaneOf(dot, {0, 0, 0}, {1.0L / 3, 1, 0}, {0, 1.0L / 3, 1});
    EXPECT_EQ(t.a, "1");
    EXPECT_EQ(t.b, "-0.333333333333333");
    const Point3 n = NormalFromText(dot, t);
    EXPECT_EQ(n.y.value(), -0.333333333333333L);
    EXPECT_NE(n.y.value(), -1.0L / 3);
    // The comma texts read back with the comma.
    EXPECT_EQ(NormalFromText(comma, PlaneOf(comma, {0, 0, 0}, {1.0L / 3, 1, 0}, {0, 1.0L / 3, 1})).y.value(),
              -0.333333333333333L);
}

TEST(TetraTriangleArea, is_half_the_cross_product_in_four_decimals) {
    EXPECT_EQ(comma.fixed(TriangleArea(C - B, D - B), 4), "36,6776");
    EXPECT_EQ(TriangleArea({1, 1, 1}, {2, 2, 2}).value(), 0.0L);
}

// The length as the edge table holds it.
Ext Length(const Point3& v) {
    return Sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// The angle between an edge and a face, measured and worded.
EdgeFaceTexts EdgeFaceAngle(const Numbers& nums, const Point3& n, const Point3& e, Ext length) {
    return EdgeFaceText(nums, n, e, length, MeasureEdgeFace(n, e, length));
}

TEST(TetraEdgeAngle, converts_with_pi_at_full_precision) {
    const EdgeAngleValue right = EdgeAngle({1, 0, 0}, {0, 3, 0}, 1, 3);
    EXPECT_EQ(right.cos.value(), 0.0L);
    EXPECT_EQ(dot.fixed(right.degrees, 12), "90.000000000000");
    EXPECT_EQ(dot.fixed(EdgeAngle({1, 0, 0}, {-2, 0, 0}, 1, 2).degrees, 12), "180.000000000000");
}

TEST(TetraEdgeAngle, a_zero_edge_fails_as_an_invalid_operation) {
    try {
        EdgeAngle({0, 0, 0}, {1, 2, 3}, 0, Length({1, 2, 3}));
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_STREQ(f.what(), kInvalidOperation);
    }
}

TEST(TetraEdgeFaceAngle, zero_normal_components_still_write_their_terms) {
    const EdgeFaceTexts t = EdgeFaceAngle(dot, {2, 0, 0}, {1, 2, -3}, Length({1, 2, -3}));
    EXPECT_EQ(t.dot, "2*1+0*2+0*(-3)=2");
    EXPECT_EQ(t.normalLength, "(2^2+0^2+0^2)^(1/2)=(4)^(1/2)=2.0000");
}

TEST(TetraEdgeFaceAngle, an_edge_perpendicular_to_its_face_is_at_ninety_degrees) {
    // |N| |e| = sqrt(2) sqrt(2) rounds above 2 here: the sine must not leave -1..1.
    const Point3 n{1, -1, 0}, e{1, -1, 0};
    const EdgeFaceTexts up = EdgeFaceAngle(dot, n, e, Length(e));
    EXPECT_EQ(up.sine, "2/(1.4142*1.4142)=1.0000");
    EXPECT_EQ(up.degrees, "90.0000");
    // The other way out of the face is the same angle between line and plane.
    const EdgeFaceTexts down = EdgeFaceAngle(dot, n, -e, Length(e));
    EXPECT_EQ(down.dot, "1*(-1)-1*1+0*0=-2");
    EXPECT_EQ(down.sine, "2/(1.4142*1.4142)=1.0000");
    EXPECT_EQ(down.degrees, "90.0000");
}

TEST(TetraEdgeFaceAngle, lies_between_zero_and_ninety_degrees_whichever_side_the_edge_leaves_to) {
    // The dot product keeps its sign; the sine takes its size.
    const Point3 n{0, 0, 2}, e{3, 0, -4};
    const EdgeFaceValue value = MeasureEdgeFace(n, e, Length(e));
    EXPECT_EQ(value.dot, -8.0L);
    EXPECT_EQ(value.sin, 0.8L);
    const EdgeFaceTexts t = EdgeFaceText(comma, n, e, Length(e), value);
    EXPECT_EQ(t.dot, "0*3+0*0+2*(-4)=-8");
    EXPECT_EQ(t.sine, "8/(2,0000*5,0000)=0,8000");
    EXPECT_EQ(t.degrees, "53,1301");
}

TEST(TetraEdgeFaceAngle, a_zero_normal_fails_as_an_invalid_operation) {
    try {
        EdgeFaceAngle(dot, {0, 0, 0}, {1, 2, 3}, Length({1, 2, 3}));
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_STREQ(f.what(), kInvalidOperation);
    }
}

TEST(TetraHeightText, opens_each_term_by_the_sign_of_the_vertex_coordinate) {
    EXPECT_EQ(HeightText(dot, {12, 79, -46}, D), "(x-3)/12=(y-2)/79=(z+5)/(-46)");
    EXPECT_EQ(HeightText(dot, {12, 79, -46}, {0, 2, -5}), "x/12=(y-2)/79=(z+5)/(-46)");
    EXPECT_EQ(HeightText(dot, {-48, -46, 4}, B), "(x+4)/(-48)=(y-2)/(-46)=(z-1)/4");
    EXPECT_EQ(HeightText(dot, {-1, 0, 0}, {0, 0, 0}), "x/(-1)=y/0=z/0");
    EXPECT_EQ(HeightText(comma, {0.5L, 1, -2.5L}, {1.5L, 0, 0}), "(x-1,5)/0,5=y/1=z/(-2,5)");
}

TEST(TetraVolume, is_a_sixth_of_the_determinant_whatever_the_vertex_order) {
    EXPECT_EQ(TetraVolume(B - A, C - A, D - A).value(), 60.0L);
    // Swapping A and B turns the determinant's sign.
    EXPECT_EQ(TetraVolume(A - B, C - B, D - B).value(), 60.0L);
    EXPECT_EQ(TetraVolume(C - A, B - A, D - A).value(), 60.0L);
    // Four points in one plane.
    EXPECT_EQ(TetraVolume({1, 0, 0}, {0, 1, 0}, {1, 1, 0}).value(), 0.0L);
    EXPECT_EQ(dot.text(TetraVolume({1, 0, 0}, {0, 1, 0}, {0, 0, 1})), "0.166666666666667");
}

} // namespace
} // namespace tc
