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

TEST(GaussWriting, OneSolutionByForwardPassAndBackSubstitution) {
    const Written w = Write(GaussTask::Gauss, Q({{"2", "1", "-1"}, {"-3", "-1", "2"}, {"-2", "1", "2"}}),
                            Q({{"8"}, {"-11"}, {"-3"}}));
    const Lines expected = {
        "System of linear equations by the Gauss method",
        "",
        "Given:",
        "The augmented matrix (A|B):",
        "(  2   1  -1 |    8 )",
        "( -3  -1   2 |  -11 )",
        "( -2   1   2 |   -3 )",
        "",
        "Forward pass (reduction to the echelon form):",
        "Step 1: R2 + 3/2*R1 -> R2, R3 + R1 -> R3",
        "( 2    1   -1 |  8 )",
        "( 0  1/2  1/2 |  1 )",
        "( 0    2    1 |  5 )",
        "Step 2: R3 - 4*R2 -> R3",
        "( 2    1   -1 |  8 )",
        "( 0  1/2  1/2 |  1 )",
        "( 0    0   -1 |  1 )",
        "",
        "rank A = 3, rank (A|B) = 3.",
        "rank A = rank (A|B) = n = 3: by the Kronecker-Capelli theorem the system has one solution.",
        "",
        "Backward pass (back substitution):",
        "x3 = 1/(-1) = -1",
        "x2 = (1 - 1/2*(-1))/(1/2) = 3",
        "x1 = (8 - 3 + (-1))/2 = 2",
        "",
        "Solution:",
        "x1 = 2",
        "x2 = 3",
        "x3 = -1",
        "",
        "Check:",
        "Equation 1: 2*2 + 3 - (-1) = 8",
        "Equation 2: -3*2 - 3 + 2*(-1) = -11",
        "Equation 3: -2*2 + 3 + 2*(-1) = -3",
    };
    EXPECT_EQ(w.out.lines, expected);
    ASSERT_EQ(w.out.grids.size(), 1u);
    EXPECT_EQ(w.out.grids[0].cells, (std::vector<Lines>{{"", "X"}, {"x1", "2"}, {"x2", "3"}, {"x3", "-1"}}));
    EXPECT_EQ(GaussAnswer(w.result).dump(),
              R"({"rank":3,"rank_augmented":3,"solution":["2","3","-1"],"verdict":"unique"})");
}

TEST(GaussWriting, NoSolutionShowsTheContradictingRow) {
    const Written w =
        Write(GaussTask::Gauss, Q({{"1", "1", "1"}, {"1", "2", "3"}, {"2", "3", "4"}}), Q({{"1"}, {"2"}, {"4"}}));
    EXPECT_EQ(Part(w.out.lines, "rank A = 2, rank (A|B) = 3.", 4),
              (Lines{"rank A = 2, rank (A|B) = 3.",
                     "rank A = 2 < rank (A|B) = 3: by the Kronecker-Capelli theorem the system has no solution.",
                     "Row 3 of the echelon form is 0 ... 0 | 1: it reads 0 = 1, which cannot hold."}));
    EXPECT_EQ(GaussAnswer(w.result).dump(), R"({"rank":2,"rank_augmented":3,"verdict":"none"})");
}

TEST(GaussWriting, InfinitelyManyNamesTheFreeUnknownsAndTheGeneralSolution) {
    const Written w = Write(GaussTask::Jordan, Q({{"1", "2", "-1", "1"}, {"2", "4", "1", "5"}, {"1", "2", "2", "4"}}),
                            Q({{"1"}, {"5"}, {"4"}}));
    EXPECT_EQ(Part(w.out.lines, "Basic unknowns: x1, x3; free unknowns: x2, x4.", 1).size(), 1u);
    EXPECT_EQ(Part(w.out.lines, "The basic unknowns through the free ones:", 14),
              (Lines{"The basic unknowns through the free ones:", "x1 = 2 - 2*x2 - 2*x4", "x3 = 1 - x4",
                     "General solution: X = X0 + C1*X1 + C2*X2, where",
                     "a particular solution (the free unknowns equal to 0):", "X0 = (2; 0; 1; 0)",
                     "a basis of the solutions of the homogeneous equation:", "X1 = (-2; 1; 0; 0)",
                     "X2 = (-2; 0; -1; 1)", "C1, C2, ... are any numbers.", "", "Check:",
                     "A*X0 = (1; 5; 4) = B", "A*X1 = (0; 0; 0) = 0"}));
    EXPECT_EQ(GaussAnswer(w.result).dump(),
              R"({"basis":[["-2","1","0","0"],["-2","0","-1","1"]],"free":[2,4],"particular":["2","0","1","0"],)"
              R"("rank":2,"rank_augmented":2,"verdict":"infinite"})");
}

TEST(GaussWriting, HomogeneousSystemGivesTheFundamentalSystem) {
    const Written w = Write(GaussTask::Gauss, Q({{"1", "1", "1"}, {"1", "2", "3"}}), Q({{"0"}, {"0"}}), false);
    EXPECT_EQ(Part(w.out.lines, "General solution: X = C1*X1, where", 3),
              (Lines{"General solution: X = C1*X1, where", "the fundamental system of solutions:",
                     "X1 = (1; -2; 1)"}));
}

TEST(GaussWriting, FractionsGetTheirDecimalsWithTheUsersSeparator) {
    const Written w = Write(GaussTask::Gauss, Q({{"3", "2"}, {"1", "5"}}), Q({{"1"}, {"7/3"}}), false, ',');
    EXPECT_EQ(Part(w.out.lines, "Solution:", 3), (Lines{"Solution:", "x1 = 1/39 = 0,025641", "x2 = 6/13 = 0,46154"}));
}

TEST(GaussWriting, DeterminantAccountsForSwapsAndFactors) {
    const Written w = Write(GaussTask::Determinant, Q({{"0", "2", "4"}, {"1", "1", "1"}, {"3", "0", "9"}}), {});
    // Swapping rows 1 and 2 changes the sign; 2 and 3 are taken out of rows.
    EXPECT_EQ(w.result.det, -24);
    const Lines& lines = w.out.lines;
    EXPECT_EQ(Part(lines, "Step 1: R1 / 2 -> R1, R3 / 3 -> R3", 1).size(), 1u);
    EXPECT_EQ(lines.back(), "det A = 2*3*(-1)^1*1*1*4 = -24");
    EXPECT_EQ(GaussAnswer(w.result).dump(), R"({"det":"-24"})");
}

TEST(GaussWriting, InverseOrTheZeroRowOfASingularMatrix) {
    const Written inv = Write(GaussTask::Inverse, Q({{"2", "1"}, {"5", "3"}}), {});
    EXPECT_EQ(Part(inv.out.lines, "(E|A^-1) is reached: A^-1 =", 3),
              (Lines{"(E|A^-1) is reached: A^-1 =", "(  3  -1 )", "( -5   2 )"}));
    EXPECT_EQ(Part(inv.out.lines, "A*A^-1 =", 4), (Lines{"A*A^-1 =", "( 1  0 )", "( 0  1 )", "= E"}));
    EXPECT_EQ(GaussAnswer(inv.result).dump(), R"({"inverse":[["3","-1"],["-5","2"]],"verdict":"unique"})");
    const Written singular = Write(GaussTask::Inverse, Q({{"1", "2"}, {"2", "4"}}), {});
    EXPECT_EQ(singular.out.lines.back(),
              "Row 2 of the left part is zero: rank A = 1 < 2, so A is singular and has no inverse.");
    EXPECT_EQ(GaussAnswer(singular.result).dump(), R"({"verdict":"singular"})");
}

TEST(GaussWriting, MatrixEquationsOnBothSides) {
    const Written right = Write(GaussTask::RightSide, Q({{"1", "2"}, {"3", "4"}}), Q({{"5", "6"}, {"7", "8"}}));
    EXPECT_EQ(GaussAnswer(right.result).dump(), R"({"X":[["-3","-4"],["4","5"]],"verdict":"unique"})");
    const Written left = Write(GaussTask::LeftSide, Q({{"1", "2"}, {"3", "4"}}), Q({{"5", "6"}}));
    EXPECT_EQ(GaussAnswer(left.result).dump(), R"({"X":[["-1","2"]],"verdict":"unique"})");
    EXPECT_EQ(Part(left.out.lines, "X*A =", 3), (Lines{"X*A =", "( 5  6 )", "= B"}));
    // x + y = 1 in two columns: X = X0 + C1*X1 + C2*X2 with 2 x 2 matrices.
    const Written many = Write(GaussTask::RightSide, Q({{"1", "1"}}), Q({{"1", "2"}}));
    EXPECT_EQ(GaussAnswer(many.result).dump(),
              R"({"basis":[[["-1","0"],["1","0"]],[["0","-1"],["0","1"]]],"particular":[["1","2"],["0","0"]],)"
              R"("verdict":"infinite"})");
    const Written none = Write(GaussTask::LeftSide, Q({{"0"}, {"0"}}), Q({{"1"}}));
    EXPECT_EQ(GaussAnswer(none.result).dump(), R"({"verdict":"none"})");
}

TEST(GaussWriting, RankCountsTheNonzeroRows) {
    const Written w = Write(GaussTask::Rank, Q({{"1", "2", "3"}, {"2", "4", "6"}, {"1", "0", "1"}}), {});
    EXPECT_EQ(w.out.lines.back(), "The echelon form has 2 nonzero rows: rank A = 2.");
    EXPECT_EQ(Part(w.out.lines, "Step 2: R2 <-> R3", 1).size(), 1u);
    EXPECT_EQ(GaussAnswer(w.result).dump(), R"({"rank":2})");
}

} // namespace
} // namespace tc
