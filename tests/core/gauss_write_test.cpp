// SPDX-License-Identifier: GPL-3.0-or-later
// The Gauss tab's written solution for one system of each verdict, read as a
// teacher reads it, and the structured answer of each task.

#include <gtest/gtest.h>

#include "calc/gauss/gauss_answer.h"
#include "calc/gauss/gauss_write.h"
#include "gauss_support.h"

namespace tc {
namespace {

using test::Q;
using Lines = std::vector<std::string>;

struct Written {
    GaussResult result;
    TabOutput out;
};

Written Write(GaussTask task, const QMatrix& a, const QMatrix& b, bool check = true, char decimal = '.') {
    static const MessageTable kBuiltIn;
    const Numbers nums(decimal);
    const Wording w{nums, kBuiltIn};
    GaussResult r = SolveGauss({task, a, b});
    TabOutput out = WriteGauss(r, {w, check, false});
    return {std::move(r), std::move(out)};
}

// The lines from the first one equal to `from`, `count` of them.
Lines Part(const Lines& lines, const std::string& from, std::size_t count) {
    const auto at = std::find(lines.begin(), lines.end(), from);
    if (at == lines.end()) return {"no line " + from};
    return Lines(at, at + static_cast<std::ptrdiff_t>(std::min<std::size_t>(count, lines.end() - at)));
}

TEST(GaussWriting, FractionsGetTheirDecimalsWithTheUsersSeparator) {
    const Written w = Write(GaussTask::Gauss, Q({{"3", "2"}, {"1", "5"}}), Q({{"1/2"}, {"7/3"}}), false, ',');
    // A fraction divided stands in brackets.
    EXPECT_EQ(Part(w.out.lines, "Backward pass (back substitution):", 3),
              (Lines{"Backward pass (back substitution):", "x2 = (-13/2)/(-13) = 1/2 = 0,5",
                     "x1 = 7/3 - 5*(1/2) = -1/6 = -0,16667"}));
    EXPECT_EQ(Part(w.out.lines, "Solution:", 3), (Lines{"Solution:", "x1 = -1/6 = -0,16667", "x2 = 1/2 = 0,5"}));
}

TEST(GaussWriting, ExactFractionsLeaveTheDecimalsOut) {
    static const MessageTable kBuiltIn;
    const Numbers nums('.');
    const Wording w{nums, kBuiltIn};
    const GaussResult r = SolveGauss({GaussTask::Inverse, Q({{"3", "1"}, {"1", "1"}}), {}});
    const Lines lines = WriteGauss(r, {w, false, true}).lines;
    EXPECT_EQ(Part(lines, "(E|A^-1) is reached: A^-1 =", 4),
              (Lines{"(E|A^-1) is reached: A^-1 =", "(  1/2  -1/2 )", "( -1/2   3/2 )"}));
    EXPECT_EQ(Part(lines, "In decimals:", 1), (Lines{"no line In decimals:"}));
    EXPECT_EQ(Part(WriteGauss(r, {w, false, false}).lines, "In decimals:", 3),
              (Lines{"In decimals:", "(  0.5  -0.5 )", "( -0.5   1.5 )"}));
}

TEST(GaussWriting, MatrixEquationsOnBothSides) {
    const Written right = Write(GaussTask::RightSide, Q({{"1", "2"}, {"3", "4"}}), Q({{"5", "6"}, {"7", "8"}}));
    EXPECT_EQ(GaussAnswer(right.result).dump(), R"({"X":[["-3","-4"],["4","5"]],"verdict":"unique"})");
    const Written left = Write(GaussTask::LeftSide, Q({{"1", "2"}, {"3", "4"}}), Q({{"5", "6"}}));
    EXPECT_EQ(GaussAnswer(left.result).dump(), R"({"X":[["-1","2"]],"verdict":"unique"})");
    EXPECT_EQ(Part(left.out.lines, "X*A =", 3), (Lines{"X*A =", "( 5  6 )", "= B"}));
    // The data as typed, before the transposes the elimination works on.
    EXPECT_EQ(Part(left.out.lines, "Matrix A:", 5),
              (Lines{"Matrix A:", "( 1  2 )", "( 3  4 )", "Matrix B:", "( 5  6 )"}));
    // ... and ranks named for the transposes it reduced.
    EXPECT_EQ(Part(left.out.lines, "rank A^T = 2, rank (A^T|B^T) = 2.", 2),
              (Lines{"rank A^T = 2, rank (A^T|B^T) = 2.",
                     "rank A^T = rank (A^T|B^T) = n = 2: by the Kronecker-Capelli theorem the equation has one "
                     "solution."}));
    // x + y = 1 in two columns: X = X0 + C1*X1 + C2*X2 with 2 x 2 matrices.
    const Written many = Write(GaussTask::RightSide, Q({{"1", "1"}}), Q({{"1", "2"}}));
    EXPECT_EQ(GaussAnswer(many.result).dump(),
              R"({"basis":[[["-1","0"],["1","0"]],[["0","-1"],["0","1"]]],"particular":[["1","2"],["0","0"]],)"
              R"("verdict":"infinite"})");
    const Written none = Write(GaussTask::LeftSide, Q({{"0"}, {"0"}}), Q({{"1"}}));
    EXPECT_EQ(GaussAnswer(none.result).dump(), R"({"verdict":"none"})");
}

TEST(GaussWriting, TheConstantsNamedAreTheOnesTheGeneralSolutionHolds) {
    // x1 + x2 + ... = 1 has one free unknown fewer than its unknowns.
    const std::pair<int, const char*> rows[] = {{2, "C1 is an arbitrary constant."},
                                                {3, "C1, C2 are arbitrary constants."},
                                                {4, "C1, C2, C3 are arbitrary constants."},
                                                {6, "C1, ..., C5 are arbitrary constants."}};
    for (const auto& [unknowns, text] : rows) {
        const Written w = Write(GaussTask::Gauss, QMatrix(1, std::vector<Rational>(std::size_t(unknowns), 1)),
                                Q({{"1"}}), false);
        EXPECT_EQ(Part(w.out.lines, text, 1), Lines{text}) << unknowns;
    }
    // A homogeneous system names its own fundamental system; a matrix equation its homogeneous equation.
    const Written homogeneous = Write(GaussTask::Jordan, Q({{"1", "1"}}), Q({{"0"}}), false);
    const std::string fundamental = "the fundamental system of solutions:";
    EXPECT_EQ(Part(homogeneous.out.lines, fundamental, 1), Lines{fundamental});
    const Written equation = Write(GaussTask::RightSide, Q({{"1", "1"}}), Q({{"1", "2"}}), false);
    const std::string basis = "a basis of the solutions of the corresponding homogeneous equation:";
    EXPECT_EQ(Part(equation.out.lines, basis, 1), Lines{basis});
}

} // namespace
} // namespace tc
