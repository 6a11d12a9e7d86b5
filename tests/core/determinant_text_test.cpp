// SPDX-License-Identifier: GPL-3.0-or-later
// Determinant expansions of order 2, 3 and 4: every entry of the written
// solution, the sign rules of the products and terms, and the value.

#include <gtest/gtest.h>

#include <tuple>

#include "numbers_test_support.h"
#include "calc/common/determinant_text.h"

namespace tc {
namespace {

using test::kSeparators;
using test::WithSeparator;

// Both separators: texts are written with "." and the run puts its separator in.
class DeterminantTextTest : public ::testing::TestWithParam<char> {
protected:
    Numbers nums{GetParam()};
    DeterminantLines lines;
    std::string sep(const std::string& text) const { return WithSeparator(text, GetParam()); }
    // A row written with "." and ","; after a decimal comma its entries stand
    // apart by ";" so that "|0,5;1|" reads as two numbers.
    std::string row(std::string text) const {
        if (GetParam() == ',')
            for (char& c : text)
                if (c == ',') c = ';';
        return sep(text);
    }
};

INSTANTIATE_TEST_SUITE_P(BothSeparators, DeterminantTextTest, ::testing::ValuesIn(kSeparators),
                         [](const ::testing::TestParamInfo<char>& run) {
                             return test::SeparatorName(run.param);
                         });

// ---- order 2 ----

TEST_P(DeterminantTextTest, order_two_writes_rows_formula_products_and_value) {
    EXPECT_EQ(Determinant2Text(lines, nums, 2, -1, 3, -5).value(), -7.0L);
    EXPECT_EQ(lines[1], row("|2,-1|"));
    EXPECT_EQ(lines[2], row("|3,-5|"));
    EXPECT_EQ(lines[3], "2*(-5)-(-1)*3");
    EXPECT_EQ(lines[4], "-10+3");
    EXPECT_EQ(lines[5], "-7");
}

TEST_P(DeterminantTextTest, order_two_subtracts_a_positive_side_product_and_keeps_a_negative_lead_bare) {
    Determinant2Text(lines, nums, -1, 2, 3, 4);
    EXPECT_EQ(lines[3], "-1*4-2*3");
    EXPECT_EQ(lines[4], "-4-6");
    EXPECT_EQ(lines[5], "-10");
}

TEST_P(DeterminantTextTest, order_two_with_a_zero_side_product_shows_the_main_product_alone) {
    Determinant2Text(lines, nums, 3, 0, 5, 2);
    EXPECT_EQ(lines[3], "3*2-0*5");
    EXPECT_EQ(lines[4], "6");
    EXPECT_EQ(lines[5], "6");
    // A negative zero side product counts as zero too.
    Determinant2Text(lines, nums, 3, -0.0L, 5, 2);
    EXPECT_EQ(lines[4], "6");
}

TEST_P(DeterminantTextTest, order_two_writes_fractions_with_the_decimal_separator_and_rows_apart_from_it) {
    Determinant2Text(lines, nums, 1.5L, -2.5L, 0.5L, 4);
    EXPECT_EQ(lines[1], row("|1.5,-2.5|"));
    EXPECT_EQ(lines[2], row("|0.5,4|"));
    EXPECT_EQ(lines[3], "1" + sep(".5") + "*4-(-2" + sep(".5") + ")*0" + sep(".5"));
    EXPECT_EQ(lines[4], "6+1" + sep(".25"));
    EXPECT_EQ(lines[5], "7" + sep(".25"));
}

TEST_P(DeterminantTextTest, order_two_leaves_entries_six_to_nine_as_they_were) {
    for (int k = 6; k <= 9; ++k)
        lines[k] = "kept " + std::to_string(k);
    Determinant2Text(lines, nums, 1, 2, 3, 4);
    for (int k = 6; k <= 9; ++k)
        EXPECT_EQ(lines[k], "kept " + std::to_string(k));
}

// ---- order 3 ----

TEST_P(DeterminantTextTest, order_three_follows_the_rule_of_sarrus) {
    EXPECT_EQ(Determinant3Text(lines, nums, 1, 2, 3, 4, 5, 6, 7, 8, 10).value(), -3.0L);
    EXPECT_EQ(lines[1], row("|1,2,3|"));
    EXPECT_EQ(lines[2], row("|4,5,6|"));
    EXPECT_EQ(lines[3], row("|7,8,10|"));
    EXPECT_EQ(lines[6], "1*5*10+2*6*7+3*4*8-(3*5*7+2*4*10+1*6*8)");
    EXPECT_EQ(lines[7], "50+84+96-105-80-48");
    EXPECT_EQ(lines[5], "-3");
    EXPECT_EQ(lines[4], "1*5*10+2*6*7+3*4*8-(3*5*7+2*4*10+1*6*8)=50+84+96-105-80-48=-3");
}

TEST_P(DeterminantTextTest, order_three_wraps_every_negative_factor_but_the_leading_one) {
    // Negative entries everywhere: inside the bracket even the first factor
    // (a13 right after "-(") is wrapped.
    Determinant3Text(lines, nums, -1, -2, -3, 4, -5, 6, -7, 8, -9);
    EXPECT_EQ(lines[6], "-1*(-5)*(-9)+(-2)*6*(-7)+(-3)*4*8-((-3)*(-5)*(-7)+(-2)*4*(-9)+(-1)*6*8)");
    // t1 = -45, t2 = 84, t3 = -96, t4 = 3*(-5)*(-7) = 105, t5 = 2*4*(-9) = -72, t6 = 1*6*8 = 48
    EXPECT_EQ(lines[7], "-45+84-96+105-72+48");
    EXPECT_EQ(lines[5], "24");
}

TEST_P(DeterminantTextTest, order_three_writes_every_later_zero_product_as_plus_zero) {
    // The identity: t4 = (-0)*1*0, t5 = (-0)*0*1, t6 = (-1)*0*0 are negative zeros.
    Determinant3Text(lines, nums, 1, 0, 0, 0, 1, 0, 0, 0, 1);
    EXPECT_EQ(lines[7], "1+0+0+0+0+0");
    EXPECT_EQ(lines[5], "1");
    // A zero first product is written bare.
    Determinant3Text(lines, nums, 0, 1, 0, 0, 0, 1, 1, 0, 0);
    EXPECT_EQ(lines[7], "0+1+0+0+0+0");
    EXPECT_EQ(lines[4], "0*0*0+1*1*1+0*0*0-(0*0*1+1*0*0+0*1*0)=0+1+0+0+0+0=1");
}

TEST_P(DeterminantTextTest, order_three_writes_fractional_products_in_the_general_form) {
    Determinant3Text(lines, nums, 0.5L, 0, 0, 0, 0.5L, 0, 0, 0, -1.5L);
    EXPECT_EQ(lines[3], row("|0,0,-1.5|"));
    EXPECT_EQ(lines[6], sep("0.5*0.5*(-1.5)+0*0*0+0*0*0-(0*0.5*0+0*0*(-1.5)+0.5*0*0)"));
    EXPECT_EQ(lines[7], sep("-0.375+0+0+0+0+0"));
    EXPECT_EQ(lines[5], sep("-0.375"));
}

// ---- order 4 ----

TEST_P(DeterminantTextTest, order_four_of_the_identity) {
    const Matrix4 identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(Determinant4Text(lines, nums, identity).value(), 1.0L);
    EXPECT_EQ(lines[1], row("|1,0,0,0|"));
    EXPECT_EQ(lines[4], row("|0,0,0,1|"));
    EXPECT_EQ(lines[5], "1*(1*1*1+0*0*0+0*0*0-(0*1*0+0*0*1+1*0*0))=");
    EXPECT_EQ(lines[6], "1*(1+0+0+0+0+0)=");
    EXPECT_EQ(lines[7], "1*1=");
    EXPECT_EQ(lines[8], "1=1");
    EXPECT_EQ(lines[9], sep("1.0000"));
}

TEST_P(DeterminantTextTest, order_four_expands_along_the_first_row_with_alternating_signs) {
    // First row 1 2 3 4 over an upper triangle: minors 2*3*4 = 24, then by hand
    // m2 = |0 5 6; 0 3 7; 0 0 4| = 0, m3 = |0 2 6; 0 0 7; 0 0 4| = 0,
    // m4 = |0 2 5; 0 0 3; 0 0 0| = 0.
    const Matrix4 m = {1, 2, 3, 4, 0, 2, 5, 6, 0, 0, 3, 7, 0, 0, 0, 4};
    EXPECT_EQ(Determinant4Text(lines, nums, m).value(), 24.0L);
    EXPECT_EQ(lines[5], "1*(2*3*4+5*7*0+6*0*0-(6*3*0+5*0*4+2*7*0))"
                        "-2*(0*3*4+5*7*0+6*0*0-(6*3*0+5*0*4+0*7*0))"
                        "+3*(0*0*4+2*7*0+6*0*0-(6*0*0+2*0*4+0*7*0))"
                        "-4*(0*0*0+2*3*0+5*0*0-(5*0*0+2*0*0+0*3*0))=");
    EXPECT_EQ(lines[6], "1*(24+0+0+0+0+0)-2*(0+0+0+0+0+0)+3*(0+0+0+0+0+0)-4*(0+0+0+0+0+0)=");
    EXPECT_EQ(lines[7], "1*24-2*0+3*0-4*0=");
    // Term values: 24, -2*0 = -0 and -4*0 = -0 count as not negative.
    EXPECT_EQ(lines[8], "24+0+0+0=24");
    EXPECT_EQ(lines[9], sep("24.0000"));
}

TEST_P(DeterminantTextTest, order_four_wraps_a_negative_minor_value_whatever_the_others) {
    // Minor 1 = |1 0 0; 0 1 0; 0 0 -1| = -1, minor 2 = |0 0 0; 0 1 0; 0 0 -1| = 0.
    const Matrix4 m = {2, 3, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1};
    EXPECT_EQ(Determinant4Text(lines, nums, m).value(), -2.0L);
    EXPECT_EQ(lines[7], "2*(-1)-3*0=");
    EXPECT_EQ(lines[8], "-2+0=-2");
    EXPECT_EQ(lines[9], sep("-2.0000"));
}

TEST_P(DeterminantTextTest, order_four_starts_with_plus_when_a11_is_zero_and_a12_negative) {
    // Minor 2 = |1 0 0; 0 1 0; 0 0 1| = 1 (columns 1, 3, 4 of rows 2-4).
    const Matrix4 m = {0, -2, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(Determinant4Text(lines, nums, m).value(), 2.0L);
    EXPECT_EQ(lines[5], "+2*(1*1*1+0*0*0+0*0*0-(0*1*0+0*0*1+1*0*0))=");
    EXPECT_EQ(lines[6], "+2*(1+0+0+0+0+0)=");
    EXPECT_EQ(lines[7], "+2*1=");
    EXPECT_EQ(lines[8], "+2=2");
}

TEST_P(DeterminantTextTest, order_four_starts_term_values_without_plus_when_that_minor_is_negative) {
    // Same as above with the last diagonal entry -1: minor 2 = -1.
    const Matrix4 m = {0, -2, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1};
    EXPECT_EQ(Determinant4Text(lines, nums, m).value(), -2.0L);
    EXPECT_EQ(lines[7], "+2*(-1)=");
    EXPECT_EQ(lines[8], "-2=-2");
}

TEST_P(DeterminantTextTest, order_four_with_a_zero_first_row_keeps_only_the_equals_signs) {
    const Matrix4 m = {0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
    EXPECT_EQ(Determinant4Text(lines, nums, m).value(), 0.0L);
    EXPECT_EQ(lines[1], row("|0,0,0,0|"));
    EXPECT_EQ(lines[5], "=");
    EXPECT_EQ(lines[6], "=");
    EXPECT_EQ(lines[7], "=");
    EXPECT_EQ(lines[8], "=0");
    EXPECT_EQ(lines[9], sep("0.0000"));
}

TEST_P(DeterminantTextTest,
       order_four_leaves_out_middle_zero_terms_and_negative_coefficients_carry_their_sign) {
    // First row -1 0 0 3; rows 2-4 the identity's last three rows shifted:
    // minor 1 = |1 0 0; 0 1 0; 0 0 1| = 1, minor 4 = |0 1 0; 0 0 1; 0 0 0| = 0.
    const Matrix4 m = {-1, 0, 0, 3, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(Determinant4Text(lines, nums, m).value(), -1.0L);
    EXPECT_EQ(lines[7], "-1*1-3*0=");
    // r4 = 0 * (-3) = -0: written "+0".
    EXPECT_EQ(lines[8], "-1+0=-1");
}

TEST_P(DeterminantTextTest, order_four_builds_its_value_from_the_minors_as_written) {
    // Minor 1 is 1/3 exactly in extended precision only as far as its digits
    // go: its text has 15 digits, and the value is four times that text.
    const Matrix4 m = {4, 0, 0, 0, 0, 1.0L / 3.0L, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const Ext d = Determinant4Text(lines, nums, m);
    EXPECT_EQ(lines[7], sep("4*0.333333333333333="));
    EXPECT_EQ(d.value(), 4.0L * nums.read(sep("0.333333333333333")).value());
    EXPECT_NE(d.value(), 4.0L / 3.0L);
    EXPECT_EQ(lines[8], sep("1.33333333333333=1.33333333333333"));
    EXPECT_EQ(lines[9], sep("1.3333"));
}

TEST_P(DeterminantTextTest, order_four_fixed_value_is_rounded_at_eighteen_digits) {
    // 1.23454999999999999 rounded at 15 digits would be 1.23455 and give 1.2346.
    const Matrix4 m = {1.23454999999999999L, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    Determinant4Text(lines, nums, m);
    EXPECT_EQ(lines[8], sep("1.23455=1.23455"));
    EXPECT_EQ(lines[9], sep("1.2345"));
}

TEST_P(DeterminantTextTest, order_four_returns_a_tiny_determinant_that_entry_nine_rounds_away) {
    const Matrix4 m = {1E-6L, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const Ext d = Determinant4Text(lines, nums, m);
    EXPECT_EQ(d.value(), 1E-6L);
    EXPECT_EQ(lines[8], "1E-6=1E-6");
    EXPECT_EQ(lines[9], sep("0.0000"));
}

TEST_P(DeterminantTextTest,
       order_four_fixed_value_keeps_eighteen_digits_when_it_falls_back_to_the_general_form) {
    // 1E10 on the diagonal: the value 1E40 has more than 18 integer digits.
    const Matrix4 m = {1E10L, 0, 0, 0, 0, 1E10L, 0, 0, 0, 0, 1E10L, 0, 0, 0, 0, 1E10L};
    Determinant4Text(lines, nums, m);
    EXPECT_EQ(lines[8], "1E40=1E40");
    EXPECT_EQ(lines[9], "1E40");
}

TEST_P(DeterminantTextTest, overflow_stops_the_expansion_keeping_the_rows_already_written) {
    lines[5] = "before";
    const Matrix4 m = {1, 0, 0, 0, 0, 1E2000L, 0, 0, 0, 0, 1E2000L, 0, 0, 0, 0, 1E2000L};
    EXPECT_EQ(test::FailureOf([&] { Determinant4Text(lines, nums, m); }), kOverflow);
    EXPECT_EQ(lines[4], row("|0,0,0,1E2000|"));
    EXPECT_EQ(lines[5], "before");
}

TEST(DeterminantLinesTest, has_entries_one_to_nine_only) {
    DeterminantLines lines;
    lines[1] = "first";
    lines[9] = "last";
    EXPECT_EQ(lines[1], "first");
    EXPECT_EQ(lines[9], "last");
    EXPECT_THROW(lines[0], std::out_of_range);
    EXPECT_THROW(lines[10], std::out_of_range);
}

} // namespace
} // namespace tc
