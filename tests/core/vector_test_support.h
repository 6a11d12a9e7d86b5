// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A started main window driven on its Vector tab the way a user drives it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_test_support.h"

namespace tc::test {

using Lines = std::vector<std::string>;

class VectorTabTest : public ::testing::Test, public StartedWindow {
protected:
    explicit VectorTabTest(char decimal = '.') : StartedWindow(decimal) {}

    // Types the components of A (row 1) and B (row 2) into columns 1, 2, ...
    void setVectors(const Lines& a, const Lines& b) {
        for (size_t i = 0; i < a.size(); ++i)
            window.setCell("Vec_Table", static_cast<int>(i) + 1, 1, a[i]);
        for (size_t i = 0; i < b.size(); ++i)
            window.setCell("Vec_Table", static_cast<int>(i) + 1, 2, b[i]);
    }
    // Picks the task and the number of components, then computes.
    const Lines& compute(int task, int n = 2) {
        window.select("TVec", task);
        window.select("V_N", n - 2);
        window.click("CBut1");
        return memo();
    }

    const Lines& memo() const { return memoOf("Vec_M"); }
    // The memo from line `first` on: what follows the task's heading lines.
    Lines memoFrom(size_t first) const { return memoOf("Vec_M", first); }
    Lines resultRow(int n) const {
        Lines row;
        for (int i = 1; i <= n; ++i)
            row.push_back(grid("V_Rez").cell(i, 1));
        return row;
    }
};

class CommaVectorTabTest : public VectorTabTest {
protected:
    CommaVectorTabTest() : VectorTabTest(',') {}
};

} // namespace tc::test
