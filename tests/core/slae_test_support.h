// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The SLAE tab on its own, with the message entries it writes set to visible
// markers so that the tests see where each one lands. The main window's
// message table stays empty until a language file is read.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "context/recording_host.h"
#include "calc/slae/slae_tab.h"
#include "numbers_test_support.h"

namespace tc::test {

class SlaeHarness {
public:
    explicit SlaeHarness(char decimal)
        : env{Numbers(decimal), {}, host}, tab((AddViewMenu(tree), tree), env) {
        for (int k : {63, 64, 65, 66})
            env.messages.set(k, "<" + std::to_string(k) + ">");
        tab.formCreate();
    }

    // A list choice of Sl1: 0, 1, 2 for 2, 3, 4 equations.
    void select(int position) {
        tree.get<Combo>("Sl1").select(position);
        (*tree.changeHandler("Sl1"))();
    }
    void type(const std::string& text) {
        tree.get<Combo>("Sl1").type(text);
        (*tree.changeHandler("Sl1"))();
    }
    // Rows of the system as typed: coefficients, then the right-hand side.
    void enter(const std::vector<std::vector<std::string>>& rows) {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                grid().setCell(static_cast<int>(c + 1), static_cast<int>(r + 1), rows[r][c]);
    }
    // Presses CRun; the failure that ended it, or "<no failure>".
    std::string run() {
        return FailureOf([this] { (*tree.clickHandler("CRun"))(); });
    }

    Grid& grid() { return tree.get<Grid>("SLAE"); }
    const std::vector<std::string>& memo() { return tree.get<Memo>("SLA").lines; }
    std::string& field(const std::string& name) { return tree.get<Edit>(name).text; }
    bool shown(const std::string& name) { return tree.get(name).visible; }

    // The View menu's options, which the tab reads as it computes (both off).
    static void AddViewMenu(WidgetTree& t) {
        t.add<MenuItem>("NExact", "", MenuItemKind::Check);
        t.add<MenuItem>("NCheck", "", MenuItemKind::Check);
    }
    void toggle(const char* item) {
        MenuItem& m = tree.get<MenuItem>(item);
        m.checked = !m.checked;
    }

    RecordingHost host;
    Env env;
    WidgetTree tree;
    SlaeTab tab;
};

// Texts written with "." for the separator under test.
inline std::vector<std::string> WithSeparator(std::vector<std::string> lines, char decimal) {
    for (std::string& line : lines)
        line = WithSeparatorInRows(line, decimal);
    return lines;
}

} // namespace tc::test
