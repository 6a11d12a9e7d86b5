// SPDX-License-Identifier: GPL-3.0-or-later
// The determinant task: the order-2 line written by the tab, the order-3 and
// order-4 expansions, DET_A, and where a bad cell stops it.

#include "matrix_test_support.h"

namespace tc::test {
namespace {

class MatrixDeterminantTest : public MatrixTabTest {
protected:
    // Types A, picks the order and computes; the lines after the listing of A.
    Lines determinant(const Rows& a) {
        setBlock("Mat1", a);
        task(kDet);
        const int k = static_cast<int>(a.size());
        if (k > 2) second(k);
        compute();
        return memoFrom(4 + a.size() + 1);
    }
};
INSTANTIATE_TEST_SUITE_P(BothSeparators, MatrixDeterminantTest, ::testing::ValuesIn(kSeparators),
                         SeparatorRunName);

TEST_P(MatrixDeterminantTest, of_the_example_matrix_with_no_order_chosen) {
    task(kDet);
    Lines expected = head(kDet);
    for (const char* l : {"A=(2;5)", "     (3;7)", "", "Det(A)=2*7-3*5=14-15=-1", ""})
        expected.push_back(l);
    EXPECT_EQ(compute(), expected);
    EXPECT_EQ(field("DET_A"), "-1");
    EXPECT_TRUE(errors().empty());
}

TEST_P(MatrixDeterminantTest, of_order_two_writes_the_second_product_with_its_sign) {
    // A zero second product is still written, as "+0".
    EXPECT_EQ(determinant({{"3", "0"}, {"5", "2"}}), (Lines{"Det(A)=3*2-5*0=6+0=6", ""}));
    EXPECT_EQ(determinant({{"2", "-1"}, {"3", "-5"}}), (Lines{"Det(A)=2*(-5)-3*(-1)=-10+3=-7", ""}));
    // The leading entry stays bare also when negative.
    EXPECT_EQ(determinant({{"-1", "2"}, {"3", "4"}}), (Lines{"Det(A)=-1*4-3*2=-4-6=-10", ""}));
    EXPECT_EQ(field("DET_A"), "-10");
}

TEST_P(MatrixDeterminantTest, of_order_two_writes_the_numbers_not_the_typed_texts) {
    EXPECT_EQ(determinant({{"2.50", "+3"}, {" 1e3", "-0"}}),
              sep(Lines{"Det(A)=2.5*0-1000*3=0-3000=-3000", ""}));
    EXPECT_EQ(memoFrom(4).front(), sep("A=(2.50;+3)"));
}

TEST_P(MatrixDeterminantTest, of_order_three_by_the_rule_of_sarrus) {
    EXPECT_EQ(determinant({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "10"}}),
              (Lines{"Det(A)=1*5*10+2*6*7+3*4*8-(3*5*7+2*4*10+1*6*8)=50+84+96-105-80-48=-3", ""}));
    EXPECT_EQ(field("DET_A"), "-3");
}

TEST_P(MatrixDeterminantTest, of_order_four_shows_four_decimals_in_the_field_only) {
    const Rows identity = {
        {"1", "0", "0", "0"}, {"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}};
    EXPECT_EQ(determinant(identity),
              (Lines{"Det(A)=1*(1*1*1+0*0*0+0*0*0-(0*1*0+0*0*1+1*0*0))=1*(1+0+0+0+0+0)=", "1*1=1=1", ""}));
    EXPECT_EQ(field("DET_A"), sep("1.0000"));
    const Rows scaled = {
        {"2.5", "0", "0", "0"}, {"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}};
    EXPECT_EQ(determinant(scaled).at(1), sep("2.5*1=2.5=2.5"));
    EXPECT_EQ(field("DET_A"), sep("2.5000"));
}

TEST_P(MatrixDeterminantTest, a_bad_cell_stops_before_the_head_and_clears_the_old_value) {
    determinant({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "10"}});
    window.setCell("Mat1", 2, 3, "8..");
    window.setCell("Mat2", 1, 1, "keep");
    compute();
    EXPECT_EQ(memo(), Lines{msg(11)});
    EXPECT_EQ(errors(), Lines{"'8..' is not a valid floating point value."});
    // No determinant of the matrix before stands beside this one's failure.
    EXPECT_EQ(field("DET_A"), "");
    // The hidden grids are never written.
    EXPECT_EQ(grid("Mat2").cell(1, 1), "keep");
    EXPECT_EQ(grid("Mat_R").cell(1, 1), "");
}

TEST_P(MatrixDeterminantTest, reads_the_top_left_block_whatever_the_size_of_a) {
    size(3, 4);
    window.setCell("Mat1", 3, 1, "not a number");
    task(kDet);
    compute();
    EXPECT_EQ(memoFrom(4), (Lines{"A=(2;5)", "     (3;7)", "", "Det(A)=2*7-3*5=14-15=-1", ""}));
    EXPECT_TRUE(errors().empty());
}

TEST_P(MatrixDeterminantTest, an_order_larger_than_the_typed_block_fails_on_its_empty_cells) {
    task(kDet);
    second(3);
    compute();
    EXPECT_EQ(memo(), Lines{msg(11)});
    EXPECT_EQ(errors(), Lines{"'' is not a valid floating point value."});
}

} // namespace
} // namespace tc::test
