#pragma once
// A started main window driven on its Vector tab the way a user drives it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/recording_host.h"

namespace tc::test {

using Lines = std::vector<std::string>;

class VectorTabTest : public ::testing::Test {
protected:
    explicit VectorTabTest(char decimal = '.') : window(host, Settings{decimal, {}}) {
        window.start();
        // No language file is in reach here: start-up has reported it missing.
        host.boxes.clear();
    }

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

    const Lines& memo() const { return window.widgets().get<Memo>("Vec_M").lines; }
    // The memo from line `first` on: what follows the task's heading lines.
    Lines memoFrom(size_t first) const {
        const Lines& all = memo();
        return first < all.size() ? Lines(all.begin() + static_cast<long>(first), all.end()) : Lines();
    }
    // Message-table entry k as the memo shows it (empty without a language file).
    std::string msg(int k) const { return window.env().messages(k); }
    std::string field(const char* name) const { return window.widgets().get<Edit>(name).text; }
    const Grid& grid(const char* name) const { return window.widgets().get<Grid>(name); }
    const Widget& widget(const char* name) const { return window.widgets().get(name); }
    Lines resultRow(int n) const {
        Lines row;
        for (int i = 1; i <= n; ++i)
            row.push_back(grid("V_Rez").cell(i, 1));
        return row;
    }
    Lines errors() const {
        Lines texts;
        for (const Box& b : host.boxes)
            if (b.kind == Box::Kind::Error) texts.push_back(b.text);
        return texts;
    }

    RecordingHost host;
    MainWindow window;
};

class CommaVectorTabTest : public VectorTabTest {
protected:
    CommaVectorTabTest() : VectorTabTest(',') {}
};

} // namespace tc::test
