// SPDX-License-Identifier: GPL-3.0-or-later
// Where the message-table entries stand in the Tetraedr tab's explanation:
// alone on their lines, or joined with literal fragments.

#include <gtest/gtest.h>

#include "context/recording_host.h"
#include "calc/tetrahedron/tetrahedron_tab.h"

namespace tc {
namespace {

// The tab on its own, with entry k reading "<k>".
struct TabWithMessages {
    TabWithMessages() {
        for (int k = 1; k <= 80; ++k)
            env.messages.set(k, "<" + std::to_string(k) + ">");
        tab.formCreate();
    }
    void compute() { (*tree.clickHandler("CP_But"))(); }

    RecordingHost host;
    WidgetTree tree;
    Env env{Numbers('.'), {}, host};
    TetrahedronTab tab{tree, env};
};

// "А", "В", "С" in Cyrillic, not the Latin letters that look the same.
const std::string kCyrillicABC = "\xD0\x90\xD0\x92\xD0\xA1";

TEST(TetrahedronMemo, entries_stand_in_their_places_in_order) {
    TabWithMessages t;
    t.compute();
    const std::vector<std::string>& m = t.tab.memo().lines;
    std::vector<std::string> withEntries;
    for (const std::string& line : m)
        if (line.find('<') != std::string::npos) withEntries.push_back(line);
    EXPECT_EQ(withEntries,
              (std::vector<std::string>{"<44>", "<2>", "<46>", "<47>", "<48>", "<49>", "<50>", "<51>", "<52>",
                                        "<53>", "<54>", "<55>", "<56>",
                                        "<57>N(Nx,Ny,Nz) <58> " + kCyrillicABC + "Nx*x+Ny*y+Nz*z+D=0", "<59>",
                                        "<60>", "<57> N - <61> " + kCyrillicABC, "<62>", "<60>"}));
    EXPECT_EQ(std::vector<std::string>(m.begin(), m.begin() + 3),
              (std::vector<std::string>{"<44>", "", "<2>"}));
    EXPECT_EQ(m[12], "<48>");
    EXPECT_EQ(m[13], "     (x-Ax)/(Bx-Ax)=(y-Ay)/(By-Ay)=(z-Az)/(Bz-Az)");
    EXPECT_EQ(m.size(), 173u);
}

TEST(TetrahedronMemo, empty_entries_leave_empty_lines_alone_and_nothing_where_joined) {
    RecordingHost host;
    WidgetTree tree;
    Env env{Numbers('.'), {}, host};
    TetrahedronTab tab(tree, env);
    tab.formCreate();
    (*tree.clickHandler("CP_But"))();
    const std::vector<std::string>& m = tab.memo().lines;
    ASSERT_EQ(m.size(), 173u);
    EXPECT_EQ(m[0], "");
    EXPECT_EQ(m[2], "");
    EXPECT_EQ(m[90], "N(Nx,Ny,Nz)  " + kCyrillicABC + "Nx*x+Ny*y+Nz*z+D=0");
    EXPECT_EQ(m[159], " N -  " + kCyrillicABC);
}

TEST(TetrahedronMemo, a_failed_read_leaves_just_the_three_heading_lines) {
    TabWithMessages t;
    t.tree.get<Grid>("Piram").setCell(4, 3, "-5;");
    try {
        t.compute();
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_STREQ(f.what(), "'-5;' is not a valid floating point value");
    }
    EXPECT_EQ(t.tab.memo().lines, (std::vector<std::string>{"<44>", "", "<2>"}));
}

} // namespace
} // namespace tc
