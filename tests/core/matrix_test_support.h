// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A started main window driven on its Matrix tab the way a user drives it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numbers_test_support.h"
#include "window_test_support.h"

namespace tc::test {

using Lines = std::vector<std::string>;
using Rows = std::vector<Lines>;

// The task positions of the task selector, which the menu commands choose.
enum MatrixTaskItem { kAdd = 0, kSubtract = 1, kMultiply = 2, kDet = 3, kInverse = 4 };

class MatrixWindow : public StartedWindow {
public:
    explicit MatrixWindow(char decimal) : StartedWindow(decimal), decimal_(decimal) { window.menu("N11"); }

    // Texts are written with "." and typed with the separator under test.
    std::string sep(const std::string& text) const { return WithSeparatorInRows(text, decimal_); }
    Lines sep(const Lines& lines) const {
        Lines out;
        for (const std::string& l : lines)
            out.push_back(sep(l));
        return out;
    }

    // Types a block into a grid from cell (1, 1): rows[i-1][j-1] into (j, i).
    void setBlock(const char* grid, const Rows& rows) {
        for (size_t i = 0; i < rows.size(); ++i)
            for (size_t j = 0; j < rows[i].size(); ++j)
                window.setCell(grid, static_cast<int>(j) + 1, static_cast<int>(i) + 1, sep(rows[i][j]));
    }
    Rows block(const char* grid, int rows, int cols) const {
        Rows out;
        for (int i = 1; i <= rows; ++i) {
            Lines row;
            for (int j = 1; j <= cols; ++j)
                row.push_back(this->grid(grid).cell(j, i));
            out.push_back(row);
        }
        return out;
    }
    Rows sep(const Rows& rows) const {
        Rows out;
        for (const Lines& r : rows)
            out.push_back(sep(r));
        return out;
    }

    // Chooses a task through its menu command, as the user does.
    void task(int item) {
        static const char* const kCommands[] = {"N18", "N19", "N31", "N20", "N21"};
        window.menu(kCommands[item]);
    }
    // The order of A (determinant, inverse) or the column count of B (product).
    void second(int k) { window.select("M_N1", k - 2); }
    // The size of A as rows x columns.
    void size(int rows, int cols) { window.select("M_N", (rows - 2) * 3 + cols - 2); }
    const Lines& compute() {
        window.click("Mat_But");
        return memo();
    }

    const Lines& memo() const { return memoOf("MAT_M"); }
    // The memo from line `first` on.
    Lines memoFrom(size_t first) const { return memoOf("MAT_M", first); }
    // The lines every computation starts with: entry 11, the task's name, an
    // empty line and entry 2.
    Lines head(int item) const {
        return {msg(11), combo("TMat_task").items.at(static_cast<size_t>(item)), "", msg(2)};
    }

private:
    char decimal_;
};

// Runs a case once with each decimal separator.
class MatrixTabTest : public ::testing::TestWithParam<char>, public MatrixWindow {
protected:
    MatrixTabTest() : MatrixWindow(GetParam()) {}
};

inline std::string SeparatorRunName(const ::testing::TestParamInfo<char>& run) {
    return SeparatorName(run.param);
}

// Entries of a block of cells as numbers, for checking results by arithmetic.
inline std::vector<std::vector<long double>> Values(const Rows& rows, char decimal) {
    std::vector<std::vector<long double>> out;
    for (const Lines& r : rows) {
        std::vector<long double> row;
        for (const std::string& t : r)
            row.push_back(StrToFloat(t, decimal));
        out.push_back(row);
    }
    return out;
}

} // namespace tc::test
