// SPDX-License-Identifier: GPL-3.0-or-later
// The Vector tab computing in the window: what it reads (exact fractions, the
// number of components, the norm's one row), the separator, and the failures
// that stop a computation part way.

#include "numbers_test_support.h"
#include "vector_test_support.h"

namespace tc::test {
namespace {

TEST_F(VectorTabTest, exact_fractions_go_into_formulas_with_their_sign_in_front) {
    window.menu("NExact");
    setVectors({"-3/-4", "1/-2"}, {"1", "-1/-2"});
    EXPECT_EQ(compute(4).back(), "|AB|=((3/4)^2+(-1/2)^2)^(1/2)=(9/16+1/4)^(1/2)=0.901388");
    EXPECT_EQ(compute(1).at(8), "A-B=(-3/-4-1;1/-2-1/2)=(-1/4;-1)");
    // A later negative product keeps its "+" as in the decimal mode ("3+-8").
    EXPECT_EQ(compute(2).at(8), "A*B=-3/-4*1+1/-2*1/2=3/4+-1/4=1/2");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(VectorTabTest, five_components_are_read_and_columns_beyond_are_not) {
    window.select("V_N", 3);
    setVectors({"1", "2", "3", "4", "5", "x"}, {"5", "4", "3", "2", "1", "x"});
    compute(0, 5);
    EXPECT_EQ(memoFrom(5),
              (Lines{"     A(1;2;3;4;5)", "     B(5;4;3;2;1)", "", "A+B=(1+5;2+4;3+3;4+2;5+1)=(6;6;6;6;6)",
                     "|A+B|=(36+36+36+36+36)^(1/2)=(180)^(1/2)=13.416408"}));
    EXPECT_EQ(resultRow(5), (Lines{"6", "6", "6", "6", "6"}));
    EXPECT_EQ(field("Vec_R"), "13.4164");

    // Shrunk to three, the grid keeps columns 4 and 5; they are not read.
    setVectors({"1", "2", "3", "x", ""}, {"1", "1", "1", "", "y"});
    compute(2, 3);
    EXPECT_EQ(memoFrom(5), (Lines{"    A(1;2;3)", "    B(1;1;1)", "", "A*B=1*1+2*1+3*1=1+2+3=6"}));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(VectorTabTest, cells_are_written_as_typed_and_read_as_numbers) {
    setVectors({" 2.50", "5"}, {"3", "7 "});
    compute(0);
    EXPECT_EQ(memoFrom(5), (Lines{"     A( 2.50;5)", "     B(3;7 )", "", "A+B=( 2.50+3;5+7 )=(5.5;12)",
                                  "|A+B|=(30.25+144)^(1/2)=(174.25)^(1/2)=13.200379"}));
    EXPECT_EQ(field("Vec_R"), "13.2004");
}

TEST_F(VectorTabTest, with_no_task_chosen_the_compute_button_adds) {
    window.click("CBut1");
    EXPECT_EQ(memoFrom(5).at(3), "A+B=(2+3;5+7)=(5;12)");
    EXPECT_EQ(field("Vec_R"), "13.0000");
}

TEST_F(VectorTabTest, norm_reads_no_component_of_b) {
    setVectors({"3", "4"}, {"x", ""});
    compute(4);
    EXPECT_EQ(field("Vec_R"), "5.0000");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(VectorTabTest, bad_cell_stops_where_it_is_read_and_keeps_what_came_before) {
    compute(0);
    setVectors({"4", "5"}, {"3", "x"});
    compute(0);
    EXPECT_EQ(memoFrom(5), (Lines{"     A(4;5)", "     B(3;x)", ""}));
    // Component 1 was computed before component 2 was read; the results of
    // the computation before are gone.
    EXPECT_EQ(resultRow(2), (Lines{"7", ""}));
    EXPECT_EQ(field("Vec_R"), "");
    EXPECT_EQ(errors(), (Lines{"'x' is not a valid floating point value."}));
}

TEST_F(VectorTabTest, empty_cell_in_the_angle_task_stops_before_the_scalar_product_line) {
    setVectors({"1", ""}, {"2", "3"});
    compute(5);
    EXPECT_EQ(memoFrom(5), (Lines{"    A(1;)", "    B(2;3)", "", msg(3), "    cos(phi)=A*B/(|A|*|B|) ",
                                  msg(4), "", msg(5)}));
    EXPECT_EQ(grid("V_Rez").cell(1, 1), "2");
    EXPECT_EQ(errors(), (Lines{"'' is not a valid floating point value."}));
}

TEST_F(VectorTabTest, zero_vector_in_the_angle_task_fails_after_the_length_of_b) {
    compute(5);
    setVectors({"0", "0"}, {"3", "7"});
    compute(5);
    const Lines lines = memo();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ((Lines(lines.end() - 4, lines.end())), (Lines{"|A|=(0^2+0^2)^(1/2)=(0+0)^(1/2)=0.0000", "",
                                                            "|B|=(3^2+7^2)^(1/2)=(9+49)^(1/2)=7.6158", ""}));
    EXPECT_EQ(errors(), (Lines{"Invalid floating point operation."}));
    // The products were computed; no cosine and no angle of the computation before stay.
    EXPECT_EQ(resultRow(2), (Lines{"0", "0"}));
    EXPECT_EQ(field("Vec_R"), "");
    EXPECT_EQ(field("phi1"), "");
}

TEST_F(VectorTabTest, zero_vector_b_in_the_projection_fails_before_the_result_line) {
    compute(6);
    setVectors({"2", "5"}, {"0", "0"});
    compute(6);
    const Lines lines = memo();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ((Lines(lines.end() - 3, lines.end())),
              (Lines{msg(9), "|B|=(0^2+0^2)^(1/2)=(0+0)^(1/2)=0.0000", ""}));
    EXPECT_EQ(errors(), (Lines{"Invalid floating point operation."}));
    EXPECT_EQ(field("Vec_R"), "");
}

TEST_F(VectorTabTest, overflowing_square_stops_after_the_sum_line) {
    setVectors({"1E3000", "1"}, {"1", "1"});
    compute(0);
    EXPECT_EQ(memo().back(), "A+B=(1E3000+1;1+1)=(1E3000;2)");
    EXPECT_EQ(resultRow(2), (Lines{"1E3000", "2"}));
    EXPECT_EQ(errors(), (Lines{"Floating point overflow."}));
}

TEST_F(CommaVectorTabTest, reads_and_writes_numbers_with_a_comma) {
    setVectors({"2,5", "1"}, {"0,5", "-1,5"});
    compute(0);
    EXPECT_EQ(memoFrom(8),
              (Lines{"A+B=(2,5+0,5;1-1,5)=(3;-0,5)", "|A+B|=(9+0,25)^(1/2)=(9,25)^(1/2)=3,041381"}));
    EXPECT_EQ(resultRow(2), (Lines{"3", "-0,5"}));
    EXPECT_EQ(field("Vec_R"), "3,0414");

    window.setCell("Vec_Table", 1, 1, "2.5");
    compute(0);
    EXPECT_EQ(errors(), (Lines{"'2.5' is not a valid floating point value."}));
}

// Choosing another task empties every result place, so that no value stands
// under a label that now means something else; the memo keeps the solution.
class VectorTaskChangeTest : public VectorTabTest, public ::testing::WithParamInterface<int> {};

TEST_P(VectorTaskChangeTest, empties_the_results_of_every_task_and_keeps_the_memo) {
    const int to = GetParam();
    for (int from = 0; from < 7; ++from) {
        const Lines solution = compute(from);
        ASSERT_NE(field("Vec_R"), "") << "task " << from << " wrote no result";
        window.select("TVec", to);
        SCOPED_TRACE(::testing::Message() << "from task " << from << " to task " << to);
        EXPECT_EQ(resultRow(2), Lines(2, ""));
        EXPECT_EQ(field("Vec_R"), "");
        EXPECT_EQ(field("phi1"), "");
        EXPECT_EQ(memo(), solution);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTask, VectorTaskChangeTest, ::testing::Range(0, 7));

} // namespace
} // namespace tc::test
