// SPDX-License-Identifier: GPL-3.0-or-later
// The segment and angle texts of the Triangle tab: every entry, the sign
// rules, the special lines and the failures.

#include <gtest/gtest.h>

#include "base/failure.h"
#include "calc/triangle/triangle_text.h"

namespace tc {
namespace {

const Numbers kDot('.');

// The texts of the angle between u(ux; uy) and v(vx; vy).
AngleTexts Angle(long double ux, long double uy, long double vx, long double vy) {
    return AngleText(kDot, MeasureAngle({ux, uy}, {vx, vy}));
}

struct SegmentCase {
    const char* name;
    long double x1, y1, x2, y2;
    const char* vector;
    const char* line;
    const char* slope; // empty when the segment has no slope
};

struct CaseName {
    std::string operator()(const ::testing::TestParamInfo<SegmentCase>& row) const { return row.param.name; }
};

class SegmentTextTest : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentTextTest, writes_the_vector_and_both_forms_of_the_line) {
    const SegmentCase& c = GetParam();
    const Segment2 s = MeasureSegment({c.x1, c.y1}, {c.x2, c.y2});
    const SegmentTexts e = SegmentText(kDot, s);
    EXPECT_EQ(e.vector, c.vector);
    EXPECT_EQ(e.line, c.line);
    EXPECT_EQ(e.slopeForm, c.slope);
    EXPECT_EQ(s.slope.has_value(), *c.slope != '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SegmentTextTest,
    ::testing::Values(
        SegmentCase{"horizontal", 1, 1, 2, 1, "(2-1;1-1)=(1;0)", "y=1", ""},
        SegmentCase{"vertical_from_a_negative_start", 3, -1, 3, 4, "(3-3;4-(-1))=(0;5)", "x=3", ""},
        SegmentCase{"a_point_gives_the_horizontal_form", 2, -3, 2, -3, "(2-2;-3-(-3))=(0;0)", "y=-3", ""},
        SegmentCase{"from_the_origin", 0, 0, 2, 4, "(2-0;4-0)=(2;4)", "x/2=y/4", "y-2.0000x=0"},
        SegmentCase{"falling", 2, 1, 1, 2, "(1-2;2-1)=(-1;1)", "(x-2)/(-1)=(y-1)/1", "y+1.0000x-3.0000=0"},
        SegmentCase{"negative_start_x", -1, 2, 3, 5, "(3-(-1);5-2)=(4;3)", "(x+1)/4=(y-2)/3",
                    "y-0.7500x-2.7500=0"},
        SegmentCase{"positive_constant", 1, -4, 3, -2, "(3-1;-2-(-4))=(2;2)", "(x-1)/2=(y+4)/2",
                    "y-1.0000x+5.0000=0"},
        // The constant -0.00001 rounds to 0.0000; its sign is still written,
        // so the equation never reads "x0.0000".
        SegmentCase{"constant_rounding_to_zero", 0, 0.00001L, 1, 1.00001L, "(1-0;1.00001-1E-5)=(1;1)",
                    "x/1=(y-1E-5)/1", "y-1.0000x-0.0000=0"}),
    CaseName());

TEST(SegmentText, writes_the_components_and_the_length_in_general_and_fixed_form) {
    const SegmentTexts e = SegmentText(kDot, MeasureSegment({2, 1}, {1, 2}));
    EXPECT_EQ(e.dx, "-1");
    EXPECT_EQ(e.dy, "1");
    EXPECT_EQ(e.lengthFormula, "(1+1)^(1/2)=1.4142135623731");
    EXPECT_EQ(e.length, "1.4142");
}

TEST(SegmentText, writes_numbers_with_a_comma_where_that_is_the_separator) {
    const SegmentTexts e = SegmentText(Numbers(','), MeasureSegment({-0.5L, 0}, {1, 3}));
    EXPECT_EQ(e.vector, "(1-(-0,5);3-0)=(1,5;3)");
    EXPECT_EQ(e.line, "(x+0,5)/1,5=y/3");
    EXPECT_EQ(e.slopeForm, "y-2,0000x-1,0000=0");
    EXPECT_EQ(e.lengthFormula, "(2,25+9)^(1/2)=3,35410196624968");
}

TEST(AngleText, writes_the_scalar_product_lengths_cosine_and_angle) {
    const AngleTexts e = Angle(1, 0, 0, 1);
    EXPECT_EQ(e.product, "1*0+0*1=0+0=0");
    EXPECT_EQ(e.lengthU, "(1+0)^(1/2)=(1)^(1/2)=1");
    EXPECT_EQ(e.lengthV, "(0+1)^(1/2)=(1)^(1/2)=1");
    EXPECT_EQ(e.cosine, "0/(1.0000*1.0000)=0.000000");
    // With pi taken as 3.14 this would read 90.0456.
    EXPECT_EQ(e.degrees, "arccos(0.0000)/Pi*180=90.0000");

    const AngleTexts diagonal = Angle(1, 0, 1, 1);
    EXPECT_EQ(diagonal.cosine, "1/(1.0000*1.4142)=0.707107");
    EXPECT_EQ(diagonal.degrees, "arccos(0.7071)/Pi*180=45.0000");
}

TEST(AngleText, brackets_negative_factors_after_the_first_and_joins_a_negative_second_product) {
    const AngleTexts e = Angle(-1, -2, -3, -4);
    EXPECT_EQ(e.product, "-1*(-3)+(-2)*(-4)=3+8=11");
    EXPECT_EQ(e.lengthU, "(1+4)^(1/2)=(5)^(1/2)=2.23606797749979");
    EXPECT_EQ(e.lengthV, "(9+16)^(1/2)=(25)^(1/2)=5");
    EXPECT_EQ(e.cosine, "11/(2.2361*5.0000)=0.983870");
    EXPECT_EQ(e.degrees, "arccos(0.9839)/Pi*180=10.3048");

    const AngleTexts mixed = Angle(1, 2, 3, -4);
    EXPECT_EQ(mixed.product, "1*3+2*(-4)=3-8=-5");
    EXPECT_EQ(mixed.cosine, "-5/(2.2361*5.0000)=-0.447214");
    EXPECT_EQ(mixed.degrees, "arccos(-0.4472)/Pi*180=116.5651");
}

TEST(AngleText, gives_the_straight_and_zero_angles_of_parallel_vectors) {
    EXPECT_EQ(Angle(1, 0, -2, 0).degrees, "arccos(-1.0000)/Pi*180=180.0000");
    EXPECT_EQ(Angle(0, 3, 0, 1).degrees, "arccos(1.0000)/Pi*180=0.0000");
}

TEST(AngleText, keeps_eighteen_digits_before_rounding_long_lengths) {
    // 15 significant digits would write the length 123456789012.3460.
    const AngleTexts e = Angle(123456789012.3456L, 0, 1, 0);
    EXPECT_EQ(e.cosine, "123456789012.346/(123456789012.3456*1.0000)=1.000000");
}

TEST(AngleText, fails_as_an_invalid_operation_for_a_zero_vector) {
    for (const auto& [ux, uy, vx, vy] : {std::array<long double, 4>{0, 0, 1, 2}, {3, -1, 0, 0}}) {
        try {
            Angle(ux, uy, vx, vy);
            ADD_FAILURE() << "no failure for " << ux << ";" << uy << " and " << vx << ";" << vy;
        } catch (const Failure& f) {
            EXPECT_STREQ(f.what(), kInvalidOperation);
        }
    }
}

} // namespace
} // namespace tc
