// SPDX-License-Identifier: GPL-3.0-or-later
// Sum, difference and product of two matrices: the written solutions of the
// worked examples, the sign rules, and where a bad cell or an overflow stops.

#include "matrix_test_support.h"

namespace tc::test {
namespace {

using MatrixSumTest = MatrixTabTest;
INSTANTIATE_TEST_SUITE_P(BothSeparators, MatrixSumTest, ::testing::ValuesIn(kSeparators), SeparatorRunName);

const Lines kStartListings = {"A=(2;5)", "     (3;7)", "", "B=(9;5)", "     (4;11)"};

TEST_P(MatrixSumTest, adds_the_example_matrices) {
    task(kAdd);
    Lines expected = head(kAdd);
    expected.insert(expected.end(), kStartListings.begin(), kStartListings.end());
    for (const char* l : {"", "C=A+B=", "(2+9;5+5)=", "(3+4;7+11)", "", "(11;10)", "(7;18)"})
        expected.push_back(l);
    EXPECT_EQ(compute(), expected);
    EXPECT_EQ(block("Mat_R", 2, 2), (Rows{{"11", "10"}, {"7", "18"}}));
    EXPECT_TRUE(errors().empty());
}

TEST_P(MatrixSumTest, subtracts_the_example_matrices) {
    task(kSubtract);
    compute();
    EXPECT_EQ(memoFrom(9), (Lines{"", "C=A-B=", "(2-9;5-5)=", "(3-4;7-11)", "", "(-7;0)", "(-1;-4)"}));
    EXPECT_EQ(block("Mat_R", 2, 2), (Rows{{"-7", "0"}, {"-1", "-4"}}));
}

TEST_P(MatrixSumTest, copies_cell_texts_as_typed_and_signs_them_by_their_number) {
    // A negative b brings its own minus to a sum and is bracketed in a
    // difference; "+3", " 3" and "-0" are not negative and get the operator.
    setBlock("Mat1", {{"2", "1.50"}, {"0", "4"}});
    setBlock("Mat2", {{"-3", "+3"}, {" 3", "-0"}});
    task(kAdd);
    compute();
    EXPECT_EQ(memoFrom(4), sep(Lines{"A=(2;1.50)", "     (0;4)", "", "B=(-3;+3)", "     ( 3;-0)", "",
                                     "C=A+B=", "(2-3;1.50++3)=", "(0+ 3;4+-0)", "", "(-1;4.5)", "(3;4)"}));
    task(kSubtract);
    compute();
    EXPECT_EQ(memoFrom(10),
              sep(Lines{"C=A-B=", "(2-(-3);1.50-+3)=", "(0- 3;4--0)", "", "(5;-1.5)", "(-3;4)"}));
    EXPECT_EQ(block("Mat_R", 2, 2), sep(Rows{{"5", "-1.5"}, {"-3", "4"}}));
}

TEST_P(MatrixSumTest, a_bad_cell_stops_after_the_listings_and_names_the_first_one_read_column_by_column) {
    // Column 1 is read before column 2, A's cell before B's.
    window.setCell("Mat2", 2, 1, "b12");
    window.setCell("Mat1", 1, 2, "a21");
    window.setCell("Mat_R", 1, 1, "old");
    task(kAdd);
    compute();
    Lines expected = head(kAdd);
    for (const char* l : {"A=(2;5)", "     (a21;7)", "", "B=(9;b12)", "     (4;11)"})
        expected.push_back(l);
    EXPECT_EQ(memo(), expected);
    EXPECT_EQ(errors(), Lines{"'a21' is not a valid floating point value."});
    // The result of an earlier computation is cleared first.
    EXPECT_EQ(grid("Mat_R").cell(1, 1), "");
}

TEST_P(MatrixSumTest, the_other_separator_is_not_a_number) {
    window.setCell("Mat1", 1, 1, GetParam() == '.' ? "2,5" : "2.5");
    task(kSubtract);
    compute();
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0], std::string("'") + (GetParam() == '.' ? "2,5" : "2.5") +
                               "' is not a valid floating point value.");
}

TEST_P(MatrixSumTest, cells_a_larger_size_adds_are_empty_until_typed_and_fail) {
    size(2, 3);
    task(kAdd);
    compute();
    EXPECT_EQ(memoFrom(4), (Lines{"A=(2;5;)", "     (3;7;)", "", "B=(9;5;)", "     (4;11;)"}));
    EXPECT_EQ(errors(), Lines{"'' is not a valid floating point value."});
}

TEST_P(MatrixSumTest, an_overflow_stops_in_the_row_it_happens_with_the_cells_before_it_written) {
    setBlock("Mat1", {{"1", "2"}, {"3", "1e4932"}});
    setBlock("Mat2", {{"1", "2"}, {"4", "1e4932"}});
    window.setCell("Mat_R", 2, 2, "old");
    task(kAdd);
    compute();
    EXPECT_EQ(errors(), Lines{"Floating point overflow."});
    EXPECT_EQ(memo().back(), "(2;4)");
    EXPECT_EQ(block("Mat_R", 2, 2), (Rows{{"2", "4"}, {"7", ""}}));
}

using MatrixProductTest = MatrixTabTest;
INSTANTIATE_TEST_SUITE_P(BothSeparators, MatrixProductTest, ::testing::ValuesIn(kSeparators),
                         SeparatorRunName);

TEST_P(MatrixProductTest, multiplies_the_example_matrices) {
    task(kMultiply);
    Lines expected = head(kMultiply);
    expected.insert(expected.end(), kStartListings.begin(), kStartListings.end());
    for (const char* l :
         {"", "C=A*B", "", "C[1,1]=2*9+5*4=18+20=38", "C[1,2]=2*5+5*11=10+55=65", "C[2,1]=3*9+7*4=27+28=55",
          "C[2,2]=3*5+7*11=15+77=92", "", "C=(38;65)", "     (55;92)"})
        expected.push_back(l);
    EXPECT_EQ(compute(), expected);
    EXPECT_EQ(block("Mat_R", 2, 2), (Rows{{"38", "65"}, {"55", "92"}}));
}

TEST_P(MatrixProductTest, a_negative_first_factor_is_bracketed_and_its_product_keeps_its_minus) {
    window.setCell("Mat1", 1, 1, "-2");
    task(kMultiply);
    compute();
    EXPECT_EQ(memo().at(12), "C[1,1]=(-2)*9+5*4=-18+20=2");
}

TEST_P(MatrixProductTest, multiplies_two_by_three_by_three_by_four) {
    task(kMultiply);
    size(2, 3);
    second(4);
    setBlock("Mat1", {{"1", "-2", "0.5"}, {"3", "0", "-1"}});
    setBlock("Mat2", {{"2", "1", "0", "-1"}, {"0.5", "-3", "4", "2"}, {"1", "1", "1", "1"}});
    compute();
    EXPECT_TRUE(errors().empty());
    ASSERT_EQ(memo().size(), 24u);
    EXPECT_EQ(memoFrom(4), sep(Lines{"A=(1;-2;0.5)",
                                     "     (3;0;-1)",
                                     "",
                                     "B=(2;1;0;-1)",
                                     "     (0.5;-3;4;2)",
                                     "     (1;1;1;1)",
                                     "",
                                     "C=A*B",
                                     "",
                                     "C[1,1]=1*2+(-2)*0.5+0.5*1=2-1+0.5=1.5",
                                     "C[1,2]=1*1+(-2)*(-3)+0.5*1=1+6+0.5=7.5",
                                     "C[1,3]=1*0+(-2)*4+0.5*1=0-8+0.5=-7.5",
                                     "C[1,4]=1*(-1)+(-2)*2+0.5*1=-1-4+0.5=-4.5",
                                     "C[2,1]=3*2+0*0.5+(-1)*1=6+0-1=5",
                                     "C[2,2]=3*1+0*(-3)+(-1)*1=3+0-1=2",
                                     "C[2,3]=3*0+0*4+(-1)*1=0+0-1=-1",
                                     "C[2,4]=3*(-1)+0*2+(-1)*1=-3+0-1=-4",
                                     "",
                                     "C=(1.5;7.5;-7.5;-4.5)",
                                     "     (5;2;-1;-4)"}));
    // A zero times a negative is a negative zero: still written "+0" and "0".
    EXPECT_EQ(grid("Mat_R").cols, 5);
    EXPECT_EQ(block("Mat_R", 2, 4), sep(Rows{{"1.5", "7.5", "-7.5", "-4.5"}, {"5", "2", "-1", "-4"}}));
}

TEST_P(MatrixProductTest, a_bad_cell_of_b_stops_before_the_task_head) {
    // A 2 x 3 A needs a third row of B, which nobody typed.
    task(kMultiply);
    size(2, 3);
    setBlock("Mat1", {{"1", "2", "3"}, {"4", "5", "6"}});
    window.setCell("Mat_R", 1, 1, "old");
    compute();
    EXPECT_EQ(memo(), Lines{msg(11)});
    EXPECT_EQ(errors(), Lines{"'' is not a valid floating point value."});
    EXPECT_EQ(grid("Mat_R").cell(1, 1), "");
}

TEST_P(MatrixProductTest, an_overflowing_product_stops_its_element_with_earlier_elements_written) {
    setBlock("Mat1", {{"1", "0"}, {"1e4000", "1"}});
    setBlock("Mat2", {{"1e4000", "2"}, {"1", "4"}});
    task(kMultiply);
    compute();
    EXPECT_EQ(errors(), Lines{"Floating point overflow."});
    EXPECT_EQ(memo().back(), "C[1,2]=1*2+0*4=2+0=2");
    EXPECT_EQ(grid("Mat_R").cell(2, 1), "2");
    EXPECT_EQ(grid("Mat_R").cell(1, 2), "");
}

} // namespace
} // namespace tc::test
