// SPDX-License-Identifier: GPL-3.0-or-later
// The written linear-system solution: the equation lines, the order-2 Cramer
// lines, and for each system of a table the fields the solver and the writer give.

#include <gtest/gtest.h>

#include "calc/common/partial.h"
#include "calc/slae/slae_write.h"
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

// ---- the solver and the writer together, without the tab ----

using Fields = std::vector<std::pair<std::string, std::string>>;

struct SlaeRow {
    const char* name;
    std::vector<std::vector<int>> system; // coefficients, then the right-hand side
    bool exact;
    Fields fields;      // in the order written
    bool stopped;       // the solver failed after the steps the fields show
    const char* last;   // the memo's last line
};

SlaeInputs InputsOf(const SlaeRow& row) {
    SlaeInputs in;
    in.n = static_cast<int>(row.system.size());
    SystemOf<Rational> q;
    for (std::size_t r = 0; r < row.system.size(); ++r)
        for (std::size_t c = 0; c < row.system[r].size(); ++c) {
            in.a[r + 1][c + 1] = row.system[r][c];
            q[r + 1][c + 1] = row.system[r][c];
        }
    in.exact = q;
    return in;
}

template <class T> TabOutput SolveAndWrite(const SlaeInputs& in, const Wording& w, bool& stopped) {
    const Partial<SlaeResultOf<T>> solved =
        SolvePartially(SlaeResultOf<T>{}, [&in](SlaeResultOf<T>& r) { SolveSlae(in, r); });
    stopped = solved.failure.has_value();
    return WriteSlae(in, true, solved.result, stopped, w);
}

const SlaeRow kSlaeRows[] = {
    {"two_by_hand", {{2, 5, -1}, {3, 7, -2}}, false,
     {{"DD", "-1"}, {"DDx1", "3"}, {"DDx2", "-1"}, {"x1", "-3"}, {"x2", "1"}}, false, "x2=Dx2/D=-1/(-1)=1.0000"},
    {"two_singular_stops_after_the_determinants", {{1, 2, 3}, {2, 4, 7}}, false,
     {{"DD", "0"}, {"DDx1", "-2"}, {"DDx2", "1"}}, true, ""},
    {"two_exact_in_fractions", {{1, 1, 1}, {1, -1, 0}}, true,
     {{"DD", "-2"}, {"DDx1", "-1"}, {"DDx2", "-1"}, {"x1", "1/2"}, {"x2", "1/2"}}, false,
     "x2=Dx2/D=-1/(-2)=1/2"},
    {"three_fields_in_the_fixed_form", {{3, 0, 0, 1}, {0, 1, 1, 0}, {0, 0, 1, -2}}, false,
     {{"DD", "3"}, {"DDx1", "1"}, {"DDx2", "6"}, {"DDx3", "-6"}, {"x1", "0.3333"}, {"x2", "2.0000"},
      {"x3", "-2.0000"}},
     false, ""},
    {"four_in_the_fixed_form", {{1, 0, 0, 0, 1}, {0, 2, 0, 0, 4}, {0, 0, 4, 0, 4}, {0, 0, 0, 5, -5}}, false,
     {{"DD", "40.0000"}, {"DDx1", "40.0000"}, {"x1", "1.0000"}, {"DDx2", "80.0000"}, {"x2", "2.0000"},
      {"DDx3", "40.0000"}, {"x3", "1.0000"}, {"DDx4", "-40.0000"}, {"x4", "-1.0000"}},
     false, "x4=Dx4/D=-40.0000/40.0000=-1.0000"},
};

class SlaeWriteTable : public ::testing::TestWithParam<SlaeRow> {};

INSTANTIATE_TEST_SUITE_P(Systems, SlaeWriteTable, ::testing::ValuesIn(kSlaeRows),
                         [](const ::testing::TestParamInfo<SlaeRow>& run) { return std::string(run.param.name); });

TEST_P(SlaeWriteTable, solver_and_writer_give_the_fields_and_the_last_line) {
    const SlaeRow& row = GetParam();
    const Numbers nums('.');
    const MessageTable messages;
    const Wording w{nums, messages};
    const SlaeInputs in = InputsOf(row);
    bool stopped = false;
    const TabOutput out = row.exact ? SolveAndWrite<Rational>(in, w, stopped) : SolveAndWrite<Ext>(in, w, stopped);
    EXPECT_EQ(out.fields, row.fields);
    EXPECT_EQ(stopped, row.stopped);
    ASSERT_FALSE(out.lines.empty());
    EXPECT_EQ(out.lines.back(), row.last);
}

TEST(SlaeWrite, a_system_not_read_gives_the_title_alone) {
    const Numbers nums('.');
    MessageTable messages;
    messages.set(63, "Linear system");
    const TabOutput out = WriteSlae(SlaeInputs{}, false, SlaeResult{}, false, Wording{nums, messages});
    EXPECT_EQ(out.lines, (std::vector<std::string>{"Linear system", ""}));
    EXPECT_TRUE(out.fields.empty());
}

} // namespace
} // namespace tc
