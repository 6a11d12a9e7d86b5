// SPDX-License-Identifier: GPL-3.0-or-later
// The elimination the Gauss tab writes: which row becomes the pivot, how a
// row operation is written, and the common factor of a row.

#include <gtest/gtest.h>

#include <optional>

#include "calc/gauss/elimination.h"
#include "gauss_support.h"

namespace tc {
namespace {

using test::Q;

struct PivotCase {
    const char* name;
    std::vector<std::string> column; // the column, top to bottom
    int from;                        // the row the pivot goes to
    std::optional<int> pivot;
};

class PivotRule : public ::testing::TestWithParam<PivotCase> {};

TEST_P(PivotRule, ChoosesTheRowATeacherWould) {
    const PivotCase& c = GetParam();
    std::vector<std::vector<std::string>> rows;
    for (const std::string& x : c.column)
        rows.push_back({x});
    EXPECT_EQ(ChoosePivot(Q(rows), c.from, 0), c.pivot);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PivotRule,
    ::testing::Values(PivotCase{"OneInPlaceStays", {"1", "2", "3"}, 0, 0},
                      PivotCase{"MinusOneInPlaceStays", {"-1", "1"}, 0, 0},
                      PivotCase{"LowerOneIsSwappedUp", {"2", "-1", "3"}, 0, 1},
                      PivotCase{"RowsAboveTheStartAreNotLookedAt", {"1", "2", "-1"}, 1, 2},
                      PivotCase{"OneBeatsAFraction", {"1/2", "1", "3/2"}, 0, 1},
                      PivotCase{"DividingEntryInPlace", {"3", "6", "-9"}, 0, 0},
                      PivotCase{"DividingEntryBelowIsSwappedUp", {"6", "3", "9"}, 0, 1},
                      PivotCase{"FractionDividingTheOthers", {"1/2", "3/2"}, 0, 0},
                      PivotCase{"NoDivisorKeepsTheRowInPlace", {"4", "6"}, 0, 0},
                      PivotCase{"ZeroInPlaceTakesTheFirstNonzero", {"0", "4", "6"}, 0, 1},
                      PivotCase{"ZerosBelowDoNotStopADivisor", {"0", "0", "5", "10"}, 0, 2},
                      PivotCase{"ColumnOfZerosHasNoPivot", {"0", "0"}, 0, std::nullopt},
                      PivotCase{"ZerosFromTheStartRowOn", {"7", "0"}, 1, std::nullopt}),
    [](const auto& run) { return std::string(run.param.name); });

struct OpCase {
    RowOp op;
    const char* text;
};

class RowOpWriting : public ::testing::TestWithParam<OpCase> {};

TEST_P(RowOpWriting, IsCompact) {
    EXPECT_EQ(RowOpText(GetParam().op), GetParam().text);
}

using K = RowOp::Kind;
INSTANTIATE_TEST_SUITE_P(
    Ops, RowOpWriting,
    ::testing::Values(OpCase{{K::Swap, 0, 2, 1}, "R1 <-> R3"}, OpCase{{K::Scale, 1, 1, 5}, "R2 / 5 -> R2"},
                      OpCase{{K::Scale, 1, 1, -2}, "R2 / (-2) -> R2"},
                      OpCase{{K::Scale, 1, 1, Rational(3, 2)}, "R2 / (3/2) -> R2"},
                      OpCase{{K::Scale, 1, 1, Rational(1, 3)}, "R2 * 3 -> R2"},
                      OpCase{{K::Scale, 1, 1, Rational(-1, 4)}, "R2 * (-4) -> R2"},
                      OpCase{{K::Scale, 3, 3, -1}, "R4 * (-1) -> R4"},
                      OpCase{{K::Add, 1, 0, -3}, "R2 - 3*R1 -> R2"}, OpCase{{K::Add, 2, 0, 1}, "R3 + R1 -> R3"},
                      OpCase{{K::Add, 2, 1, -1}, "R3 - R2 -> R3"},
                      OpCase{{K::Add, 9, 0, Rational(-1, 2)}, "R10 - 1/2*R1 -> R10"},
                      OpCase{{K::Add, 0, 1, Rational(7, 3)}, "R1 + 7/3*R2 -> R1"}));

TEST(RowContent, IsTheFactorEveryEntryShares) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"2", "4", "-6"}, "2"}, {{"-3", "6", "0"}, "3"},    {{"1/2", "3/4"}, "1/4"},
        {{"2/3", "4/3"}, "2/3"}, {{"5", "7"}, "1"},          {{"0", "0"}, "0"}};
    for (const auto& [row, content] : rows)
        EXPECT_EQ(FractionText(RowContent(Q({row}).front())), content) << row.front();
}

// The steps on a worked system: one step per swap, one per column's
// eliminations, the matrix after each.
TEST(ForwardPass, RecordsEachStepWithTheMatrixAfterIt) {
    QMatrix m = Q({{"2", "4", "2"}, {"1", "1", "1"}, {"3", "5", "4"}});
    std::vector<EliminationStep> steps;
    const ForwardPass pass = RunForwardPass(m, 3, &steps);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(RowOpText(steps[0].ops.at(0)), "R1 <-> R2");
    EXPECT_EQ(steps[0].after, Q({{"1", "1", "1"}, {"2", "4", "2"}, {"3", "5", "4"}}));
    ASSERT_EQ(steps[1].ops.size(), 2u);
    EXPECT_EQ(RowOpText(steps[1].ops[0]) + ", " + RowOpText(steps[1].ops[1]), "R2 - 2*R1 -> R2, R3 - 3*R1 -> R3");
    EXPECT_EQ(steps[1].after, Q({{"1", "1", "1"}, {"0", "2", "0"}, {"0", "2", "1"}}));
    EXPECT_EQ(RowOpText(steps[2].ops.at(0)), "R3 - R2 -> R3");
    EXPECT_EQ(m, Q({{"1", "1", "1"}, {"0", "2", "0"}, {"0", "0", "1"}}));
    EXPECT_EQ(pass.pivotCols, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(pass.swaps, 1);

    std::vector<EliminationStep> back;
    RunBackwardPass(m, pass.pivotCols, &back);
    EXPECT_EQ(m, Q({{"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}}));
    ASSERT_FALSE(back.empty());
    EXPECT_EQ(RowOpText(back[0].ops.at(0)), "R1 - R3 -> R1");
}

TEST(ForwardPass, TakesFactorsOutForADeterminant) {
    QMatrix m = Q({{"2", "4"}, {"3", "9"}});
    std::vector<EliminationStep> steps;
    const ForwardPass pass = RunForwardPass(m, 2, &steps, true);
    EXPECT_EQ(RowOpText(steps.at(0).ops.at(0)) + ", " + RowOpText(steps[0].ops.at(1)),
              "R1 / 2 -> R1, R2 / 3 -> R2");
    EXPECT_EQ(pass.factors, (std::vector<Rational>{2, 3}));
    EXPECT_EQ(m, Q({{"1", "2"}, {"0", "1"}}));
}

TEST(NullSpace, GivesOneVectorPerFreeUnknown) {
    // x1 + 2x2 - x4 = 0, x3 + 3x4 = 0: x2 and x4 free.
    const auto basis = NullSpace(Q({{"1", "2", "0", "-1"}, {"2", "4", "1", "1"}}));
    EXPECT_EQ(basis, (std::vector<std::vector<Rational>>{{-2, 1, 0, 0}, {1, 0, -3, 1}}));
    EXPECT_TRUE(NullSpace(Q({{"1", "2"}, {"3", "4"}})).empty());
    EXPECT_EQ(NullSpace(Q({{"0", "0"}})).size(), 2u);
}

} // namespace
} // namespace tc
