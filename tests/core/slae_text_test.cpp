// SPDX-License-Identifier: GPL-3.0-or-later
// The equation lines and the order-2 Cramer lines of the linear-system solution.

#include <gtest/gtest.h>

#include "calc/slae/slae_text.h"
#include "numbers_test_support.h"

namespace tc {
namespace {

using test::WithSeparator;

class SlaeTextTest : public ::testing::TestWithParam<char> {
protected:
    Numbers nums{GetParam()};
    std::string sep(const std::string& text) const { return WithSeparator(text, GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(BothSeparators, SlaeTextTest, ::testing::ValuesIn(test::kSeparators),
                         [](const ::testing::TestParamInfo<char>& run) {
                             return test::SeparatorName(run.param);
                         });

TEST_P(SlaeTextTest, equation_lines_skip_zero_terms_and_sign_the_later_ones) {
    EXPECT_EQ(EquationLine(nums, {2, 5}, -1), "2x1+5x2=-1");
    EXPECT_EQ(EquationLine(nums, {2, 0, -1.5L}, 4), sep("2x1-1.5x3=4"));
    EXPECT_EQ(EquationLine(nums, {-1, 1, 1, -0.25L}, 0.5L), sep("-1x1+1x2+1x3-0.25x4=0.5"));
}

TEST_P(SlaeTextTest, equation_line_with_a_zero_first_coefficient_starts_with_the_sign_of_the_next_term) {
    EXPECT_EQ(EquationLine(nums, {0, 3}, -1), "+3x2=-1");
    EXPECT_EQ(EquationLine(nums, {0, -3, 2}, 1), "-3x2+2x3=1");
    EXPECT_EQ(EquationLine(nums, {0, 0, 0, 7}, 1), "+7x4=1");
}

TEST_P(SlaeTextTest, equation_line_keeps_its_right_hand_side_when_the_last_coefficient_is_zero) {
    EXPECT_EQ(EquationLine(nums, {2, 0}, 4), "2x1=4");
    EXPECT_EQ(EquationLine(nums, {1, -2, 0, 0}, 2.5L), sep("1x1-2x2=2.5"));
    // A negative zero is no term either.
    EXPECT_EQ(EquationLine(nums, {-0.0L, 3, -0.0L}, -0.0L), "+3x2=0");
}

TEST_P(SlaeTextTest, equation_line_of_zero_coefficients_reads_zero_equals_the_right_hand_side) {
    EXPECT_EQ(EquationLine(nums, {0, 0}, 5), "0=5");
    EXPECT_EQ(EquationLine(nums, {0, 0, 0}, 0), "0=0");
}

TEST_P(SlaeTextTest, cramer_line_writes_both_products_and_the_value) {
    const Cramer2 d = Cramer2Line(nums, "D", 2, 5, 3, 7);
    EXPECT_EQ(d.line, "D=2*7-3*5=14-15=-1");
    EXPECT_EQ(d.value.value(), -1.0L);
    EXPECT_EQ(Cramer2Line(nums, "D", 2, 5, 3, -7).line, "D=2*(-7)-3*5=-14-15=-29");
}

TEST_P(SlaeTextTest, cramer_line_writes_a_zero_second_product_as_plus_zero) {
    // -r*q = -(0*5) is a negative zero, and still "+0".
    const Cramer2 d = Cramer2Line(nums, "D", 3, 5, 0, 2);
    EXPECT_EQ(d.line, "D=3*2-0*5=6+0=6");
    EXPECT_EQ(Cramer2Line(nums, "D", 0, 3, 2, -1).line, "D=0*(-1)-2*3=0-6=-6");
}

TEST_P(SlaeTextTest, cramer_line_writes_fractions_with_the_decimal_separator) {
    const Cramer2 d = Cramer2Line(nums, "D", 0.5L, -1.5L, 2, 0.25L);
    EXPECT_EQ(d.line, sep("D=0.5*0.25-2*(-1.5)=0.125+3=3.125"));
    EXPECT_EQ(d.value.value(), 3.125L);
}

} // namespace
} // namespace tc
