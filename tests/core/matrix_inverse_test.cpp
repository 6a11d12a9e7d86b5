// SPDX-License-Identifier: GPL-3.0-or-later
// The inverse by cofactors: the written derivation, the cofactors in Mat2,
// C in Mat_R checked against A by multiplying back, and the singular cases.

#include <cmath>

#include "matrix_test_support.h"

namespace tc::test {
namespace {


class MatrixInverseTest : public MatrixTabTest {
protected:
    // Types A, picks its order and computes.
    const Lines& invert(const Rows& a) {
        setBlock("Mat1", a);
        task(kInverse);
        second(static_cast<int>(a.size()));
        return compute();
    }
    // Where the lines after the common beginning start: head, listing of A, an
    // empty line, the formula, an empty line, entry 12.
    static size_t afterBeginning(size_t k) { return 4 + k + 4; }
    // The "1/Det(A)" line of order 3 or 4: after the determinant, entry 13, the
    // cofactor blocks (k - 1 rows, the formula, an empty line), entry 14, B^T
    // and entry 15.
    static size_t oneOverLine(size_t k) {
        const size_t determinantLines = k == 3 ? 3 : 4;
        return afterBeginning(k) + determinantLines + k * k * (k + 1) + 1 + k + 1;
    }

    // A * C, with C as Mat_R shows it, must be the identity to C's 4 decimals.
    void expectInverse(const Rows& a) {
        const size_t k = a.size();
        const auto av = Values(sep(a), GetParam());
        const auto cv = Values(block("Mat_R", static_cast<int>(k), static_cast<int>(k)), GetParam());
        for (size_t i = 0; i < k; ++i)
            for (size_t j = 0; j < k; ++j) {
                long double sum = 0, scale = 0;
                for (size_t l = 0; l < k; ++l) {
                    sum += av[i][l] * cv[l][j];
                    scale += std::fabs(av[i][l]);
                }
                EXPECT_NEAR(static_cast<double>(sum), i == j ? 1.0 : 0.0, static_cast<double>(scale) * 5e-5)
                    << "(A*C)[" << i + 1 << "," << j + 1 << "]";
            }
    }
};
INSTANTIATE_TEST_SUITE_P(BothSeparators, MatrixInverseTest, ::testing::ValuesIn(kSeparators),
                         SeparatorRunName);

TEST_P(MatrixInverseTest, of_the_example_matrix_with_no_order_chosen) {
    task(kInverse);
    Lines expected = head(kInverse);
    for (const std::string& l : {std::string("A=(2;5)"),
                                 std::string("     (3;7)"),
                                 std::string(""),
                                 std::string("C=A^-1=1/Det(A)*B^T,  B=A[dop]"),
                                 std::string(""),
                                 msg(12),
                                 std::string("Det(A)=2*7-3*5=14-15=-1"),
                                 msg(13),
                                 std::string("B=(7;-3)"),
                                 std::string("    (-5;2)"),
                                 msg(14),
                                 std::string("B^T=(7;-5)"),
                                 std::string("         (-3;2)"),
                                 msg(15),
                                 std::string("C=-1*"),
                                 std::string("(7;-5)"),
                                 std::string("(-3;2)"),
                                 std::string(""),
                                 sep("C=(-7.0000;5.0000)"),
                                 sep("   (3.0000;-2.0000)")})
        expected.push_back(l);
    EXPECT_EQ(compute(), expected);
    EXPECT_EQ(field("DET_A"), "-1");
    EXPECT_EQ(block("Mat2", 2, 2), (Rows{{"7", "-3"}, {"-5", "2"}}));
    EXPECT_EQ(block("Mat_R", 2, 2), sep(Rows{{"-7.0000", "5.0000"}, {"3.0000", "-2.0000"}}));
    expectInverse({{"2", "5"}, {"3", "7"}});
}

TEST_P(MatrixInverseTest, of_order_two_with_fractions_multiplies_back_to_the_identity) {
    const Rows a = {{"0.5", "-2"}, {"1.5", "4"}};
    invert(a);
    EXPECT_EQ(memoFrom(afterBeginning(2)).at(0), sep("Det(A)=0.5*4-1.5*(-2)=2+3=5"));
    EXPECT_EQ(memo().at(afterBeginning(2) + 8), "C=1/5*");
    EXPECT_EQ(block("Mat_R", 2, 2), sep(Rows{{"0.8000", "0.4000"}, {"-0.3000", "0.1000"}}));
    expectInverse(a);
}

TEST_P(MatrixInverseTest, of_order_three_writes_each_cofactor_as_a_block) {
    invert({{"1", "2", "3"}, {"0", "1", "4"}, {"5", "6", "0"}});
    const Lines lines = memoFrom(afterBeginning(3));
    EXPECT_EQ(lines.at(0), "Det(A)=1*1*0+2*4*5+3*0*6-(3*1*5+2*0*0+1*4*6)=0+40+0-15+0-24=1");
    EXPECT_EQ(lines.at(1), "");
    EXPECT_EQ(lines.at(2), msg(13));
    // Even position: twelve blanks; odd position: a minus and fifteen blanks.
    EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 11),
              sep(Lines{"B[1,1]=|1,4|", "            |6,0|", "B[1,1]=1*0-4*6=0-24=-24", "", "B[1,2]=-|0,4|",
                         "               |5,0|", "B[1,2]=-(0*0-4*5)=-(0-20)=20", ""}));
    EXPECT_EQ(lines.at(33), "B[3,2]=-(1*4-3*0)=-(4)=-4");
    EXPECT_EQ(
        Lines(lines.begin() + 39, lines.end()),
        (Lines{msg(14), "B^T=(-24;18;5)", "         (20;-15;-4)", "         (-5;4;1)", msg(15), std::string("C=1*"),
               "(-24;18;5)", "(20;-15;-4)", "(-5;4;1)", "", msg(16), sep("C=(-24.0000;18.0000;5.0000)"),
               sep("    (20.0000;-15.0000;-4.0000)"), sep("    (-5.0000;4.0000;1.0000)")}));
    EXPECT_EQ(block("Mat2", 3, 3), (Rows{{"-24", "20", "-5"}, {"18", "-15", "4"}, {"5", "-4", "1"}}));
    expectInverse({{"1", "2", "3"}, {"0", "1", "4"}, {"5", "6", "0"}});
}

TEST_P(MatrixInverseTest, of_order_three_with_a_negative_determinant_multiplies_back_to_the_identity) {
    const Rows a = {{"2", "1", "1"}, {"1", "3", "2"}, {"1", "0", "0"}};
    invert(a);
    EXPECT_EQ(field("DET_A"), "-1");
    EXPECT_EQ(memo().at(oneOverLine(3)), "C=-1*");
    expectInverse(a);
}

TEST_P(MatrixInverseTest, a_zero_cofactor_at_an_odd_position_is_written_without_a_sign) {
    // The minor of (1, 2) has a zero column, and the product -1*0 is a negative zero.
    invert({{"1", "2", "3"}, {"-1", "1", "4"}, {"0", "5", "0"}});
    const Lines lines = memoFrom(afterBeginning(3) + 3);
    EXPECT_EQ(lines.at(6), "B[1,2]=-(-1*0-4*0)=-(0)=0");
    EXPECT_EQ(grid("Mat2").cell(2, 1), "0");
    expectInverse({{"1", "2", "3"}, {"-1", "1", "4"}, {"0", "5", "0"}});
}

TEST_P(MatrixInverseTest, of_order_four_writes_three_row_minors_and_multiplies_back_to_the_identity) {
    const Rows a = {{"1", "2", "0", "1"}, {"0", "1", "3", "0"}, {"2", "0", "1", "1"}, {"1", "1", "0", "2"}};
    invert(a);
    EXPECT_TRUE(errors().empty());
    const Lines lines = memoFrom(afterBeginning(4) + 4);
    // Odd position: a minus and fourteen blanks.
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 10),
              sep(Lines{"B[1,1]=|1,3,0|", "            |0,1,1|", "            |1,0,2|",
                         "B[1,1]=1*1*2+3*1*1+0*0*0-(0*1*1+3*0*2+1*1*0)=2+3+0+0+0+0=5", "", "B[1,2]=-|0,3,0|",
                         "              |2,1,1|", "              |1,0,2|",
                         "B[1,2]=-(0*1*2+3*1*1+0*2*0-(0*1*1+3*2*2+0*1*0))=-(0+3+0+0-12+0)=9", ""}));
    EXPECT_EQ(grid("Mat2").cell(2, 1), "9");
    expectInverse(a);
}

TEST_P(MatrixInverseTest, of_order_four_with_a_fractional_determinant) {
    const Rows a = {{"2.5", "0", "0", "0"}, {"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}};
    invert(a);
    EXPECT_EQ(field("DET_A"), sep("2.5000"));
    EXPECT_EQ(memo().at(oneOverLine(4)), sep("C=1/2.5*"));
    EXPECT_EQ(block("Mat_R", 1, 4), sep(Rows{{"0.4000", "0.0000", "0.0000", "0.0000"}}));
    EXPECT_EQ(memo().back(), sep("    (0.0000;0.0000;0.0000;1.0000)"));
}

TEST_P(MatrixInverseTest, of_order_four_with_a_tiny_determinant_divides_by_its_full_value) {
    // DET_A shows 0.0001; dividing by that would make C(1,1) 10000 and C(2,2) 1.2345.
    const Rows a = {
        {"0.00012345", "0", "0", "0"}, {"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}};
    invert(a);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(field("DET_A"), sep("0.0001"));
    EXPECT_EQ(memo().at(oneOverLine(4)), sep("C=1/0.00012345*"));
    EXPECT_EQ(block("Mat_R", 2, 2), sep(Rows{{"8100.4455", "0.0000"}, {"0.0000", "1.0000"}}));
    expectInverse(a);

    // Below 0.00005 the field shows zero, yet the matrix is regular and inverted.
    const Rows b = {
        {"0.00001", "0", "0", "0"}, {"0", "2", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}};
    invert(b);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(field("DET_A"), sep("0.0000"));
    EXPECT_EQ(memo().at(oneOverLine(4)), "C=1/2E-5*");
    EXPECT_EQ(block("Mat_R", 2, 2), sep(Rows{{"100000.0000", "0.0000"}, {"0.0000", "0.5000"}}));
}

TEST_P(MatrixInverseTest, of_a_singular_matrix_writes_up_to_the_division_and_clears_the_old_result) {
    setBlock("Mat_R", {{"old", "old"}, {"old", "old"}});
    invert({{"1", "2"}, {"2", "4"}});
    EXPECT_EQ(errors(), Lines{"Floating point division by zero."});
    const Lines tail = memoFrom(memo().size() - 5);
    EXPECT_EQ(tail, (Lines{msg(15), "C=1/0*", "(4;-2)", "(-2;1)", ""}));
    EXPECT_EQ(field("DET_A"), "0");
    EXPECT_EQ(block("Mat2", 2, 2), (Rows{{"4", "-2"}, {"-2", "1"}}));
    EXPECT_EQ(block("Mat_R", 2, 2), (Rows{{"", ""}, {"", ""}}));

    // A zero first numerator makes the division invalid rather than infinite.
    invert({{"1", "0"}, {"0", "0"}});
    EXPECT_EQ(errors().back(), "Invalid floating point operation.");
}

TEST_P(MatrixInverseTest, of_singular_matrices_of_order_three_and_four_fail_on_the_first_entry_of_c) {
    invert({{"1", "2", "3"}, {"2", "4", "6"}, {"1", "0", "1"}});
    EXPECT_EQ(errors(), Lines{"Floating point division by zero."});
    EXPECT_EQ(memo().back(), "");
    EXPECT_EQ(Lines(memo().end() - 5, memo().end()),
              (Lines{"C=1/0*", "(4;-2;0)", "(4;-2;0)", "(-4;2;0)", ""}));
    EXPECT_EQ(grid("Mat_R").cell(1, 1), "");

    invert({{"1", "2", "0", "1"}, {"0", "1", "3", "0"}, {"1", "2", "0", "1"}, {"1", "1", "0", "2"}});
    EXPECT_EQ(errors().size(), 2u);
    EXPECT_EQ(field("DET_A"), sep("0.0000"));
    EXPECT_EQ(memo().at(memo().size() - 6), "C=1/0*");
    EXPECT_EQ(memo().back(), "");
}

TEST_P(MatrixInverseTest, overwrites_the_users_b_with_the_cofactors) {
    setBlock("Mat2", {{"x", "y"}, {"z", "w"}});
    invert({{"4", "3"}, {"1", "1"}});
    EXPECT_EQ(block("Mat2", 2, 2), (Rows{{"1", "-1"}, {"-3", "4"}}));
    expectInverse({{"4", "3"}, {"1", "1"}});
}

TEST_P(MatrixInverseTest, a_bad_cell_stops_before_the_head) {
    window.setCell("Mat1", 2, 2, "seven");
    task(kInverse);
    compute();
    EXPECT_EQ(memo(), Lines{msg(11)});
    EXPECT_EQ(errors(), Lines{"'seven' is not a valid floating point value."});
    EXPECT_EQ(field("DET_A"), "");
}

} // namespace
} // namespace tc::test
