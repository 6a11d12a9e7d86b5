// SPDX-License-Identifier: GPL-3.0-or-later
// The Matrix tab's solver and writer together, without the tab: for each task
// of a table, the cells of Mat_R and the text of DET_A the written solution
// gives, in decimals and in fractions.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calc/common/partial.h"
#include "calc/matrix/matrix_write.h"

namespace tc {
namespace {

using IntRows = std::vector<std::vector<int>>;
using TextRows = std::vector<std::vector<std::string>>;

struct MatrixRow {
    const char* name;
    int task;
    IntRows a, b; // b is empty for the determinant and the inverse
    bool exact;
    TextRows c;            // Mat_R, row by row; empty when the task writes none
    const char* det;       // DET_A, or null when the task writes none
    std::size_t cofactors; // the cells of Mat2 written
};

// The inputs as the tab reads them: every block's typed text, numbers and exact values.
MatrixInputs InputsOf(const MatrixRow& row) {
    MatrixInputs in;
    in.task = row.task;
    in.taskName = "task";
    in.aRows = static_cast<int>(row.a.size());
    in.aCols = static_cast<int>(row.a[0].size());
    in.bRows = static_cast<int>(row.b.size());
    in.bCols = row.b.empty() ? 0 : static_cast<int>(row.b[0].size());
    const bool square = row.task == kDeterminant || row.task == kInverse;
    in.m = in.aRows;
    in.n = in.aCols;
    in.k = square ? in.aRows : in.bCols;
    auto fill = [](const IntRows& rows, int r, int c, Block<std::string>& text, Block<Ext>& x,
                   Block<Rational>& q) {
        text = MakeBlock<std::string>(r, c);
        x = MakeBlock<Ext>(r, c);
        q = MakeBlock<Rational>(r, c);
        for (int i = 1; i <= r; ++i)
            for (int j = 1; j <= c; ++j) {
                const int v = rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
                At(text, i, j) = std::to_string(v);
                At(x, i, j) = static_cast<long double>(v);
                At(q, i, j) = v;
            }
    };
    fill(row.a, in.aRows, in.aCols, in.aText, in.a, in.qa);
    fill(row.b, in.bRows, in.bCols, in.bText, in.b, in.qb);
    if (square)
        for (int i = 1; i <= in.k; ++i)
            for (int j = 1; j <= in.k; ++j)
                in.exactA.push_back(At(in.qa, i, j));
    in.read = true;
    return in;
}

template <class T> TabOutput SolveAndWrite(const MatrixInputs& in, const Wording& w) {
    const Partial<MatrixResultOf<T>> solved =
        SolvePartially(MatrixResultOf<T>{}, [&in](MatrixResultOf<T>& r) { SolveMatrix(in, r); });
    EXPECT_FALSE(solved.failure.has_value());
    return WriteMatrix(in, solved.result, w);
}

const MatrixRow kMatrixRows[] = {
    {"sum", kAddition, {{1, 2}, {3, 4}}, {{5, 6}, {7, 8}}, false, {{"6", "8"}, {"10", "12"}}, nullptr, 0},
    {"difference_of_two_by_three",
     kSubtraction,
     {{1, 2, 3}, {4, 5, 6}},
     {{6, 5, 4}, {3, 2, 1}},
     false,
     {{"-5", "-3", "-1"}, {"1", "3", "5"}},
     nullptr,
     0},
    {"product_of_two_by_two_and_two_by_three",
     kMultiplication,
     {{1, 2}, {3, 4}},
     {{5, 6, 0}, {7, 8, 1}},
     false,
     {{"19", "22", "2"}, {"43", "50", "4"}},
     nullptr,
     0},
    {"determinant_of_order_two", kDeterminant, {{1, 2}, {3, 4}}, {}, false, {}, "-2", 0},
    {"determinant_of_a_diagonal_order_three",
     kDeterminant,
     {{2, 0, 0}, {0, 3, 0}, {0, 0, 4}},
     {},
     false,
     {},
     "24",
     0},
    {"inverse_of_order_two",
     kInverse,
     {{4, 7}, {2, 6}},
     {},
     false,
     {{"0.6000", "-0.7000"}, {"-0.2000", "0.4000"}},
     "10",
     4},
    {"inverse_of_order_two_in_fractions",
     kInverse,
     {{4, 7}, {2, 6}},
     {},
     true,
     {{"3/5", "-7/10"}, {"-1/5", "2/5"}},
     "10",
     4},
};

class MatrixWriteTable : public ::testing::TestWithParam<MatrixRow> {};

INSTANTIATE_TEST_SUITE_P(Tasks, MatrixWriteTable, ::testing::ValuesIn(kMatrixRows),
                         [](const ::testing::TestParamInfo<MatrixRow>& run) {
                             return std::string(run.param.name);
                         });

TEST_P(MatrixWriteTable, solver_and_writer_give_the_result_cells_and_the_determinant) {
    const MatrixRow& row = GetParam();
    const Numbers nums('.');
    const MessageTable messages;
    const Wording w{nums, messages};
    const MatrixInputs in = InputsOf(row);
    const TabOutput out = row.exact ? SolveAndWrite<Rational>(in, w) : SolveAndWrite<Ext>(in, w);

    std::map<std::pair<int, int>, std::string> c; // (row, col) of Mat_R
    std::size_t cofactors = 0;
    for (const CellOutput& cell : out.cells) {
        if (cell.grid == "Mat_R") c[{cell.row, cell.col}] = cell.text;
        if (cell.grid == "Mat2") ++cofactors;
    }
    std::map<std::pair<int, int>, std::string> expected;
    for (std::size_t i = 0; i < row.c.size(); ++i)
        for (std::size_t j = 0; j < row.c[i].size(); ++j)
            expected[{static_cast<int>(i) + 1, static_cast<int>(j) + 1}] = row.c[i][j];
    EXPECT_EQ(c, expected);
    EXPECT_EQ(cofactors, row.cofactors);

    using Fields = std::vector<std::pair<std::string, std::string>>;
    const Fields det = row.det ? Fields{{"DET_A", row.det}} : Fields();
    EXPECT_EQ(out.fields, det);
    // The memo opens with its title and names the task as the selector does.
    ASSERT_GE(out.lines.size(), 2u);
    EXPECT_EQ(out.lines[1], "task");
}

} // namespace
} // namespace tc
