// SPDX-License-Identifier: GPL-3.0-or-later
// The lines-and-planes tab on its own: the rows each task reads, reading the
// typed cells with either separator, failures naming the cell or the
// degenerate object, the answer and the figure of the last computation, and
// the captions of a language file.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "calc/space/space_tab.h"
#include "context/recording_host.h"
#include "i18n/language_table.h"
#include "numbers_test_support.h"

namespace tc::test {
namespace {

class SpaceHarness {
public:
    explicit SpaceHarness(char decimal = '.') : env{Numbers(decimal), {}, host}, tab((AddViewMenu(tree), tree), env) {
        tab.formCreate();
    }
    static void AddViewMenu(WidgetTree& t) {
        t.add<MenuItem>("NExact", "", MenuItemKind::Check);
        t.add<MenuItem>("NCheck", "", MenuItemKind::Check);
        t.add<MenuItem>("N9", "", MenuItemKind::Submenu);
        for (const TabMenuRow& row : SpaceTab::MenuRows())
            t.add<MenuItem>(row.name, row.parent, row.kind).caption = row.caption;
    }
    void select(int task) {
        tree.get<Combo>("Sp_Task").select(task);
        (*tree.changeHandler("Sp_Task"))();
    }
    void enter(const std::vector<std::vector<std::string>>& rows) {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                grid().setCell(static_cast<int>(c + 1), static_cast<int>(r + 1), rows[r][c]);
    }
    std::string run() {
        return FailureOf([this] { (*tree.clickHandler("Sp_Run"))(); });
    }
    // Reads a shipped language file as the window does: the optional lines
    // from 214 on into the message table, then the tab's captions.
    void language(const std::string& file) {
        std::ifstream in(std::string(TOVRIN_LANG_SOURCE_DIR) + "/" + file + ".txt", std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const LanguageTable table(LanguageLines(bytes.str()));
        std::vector<std::string> extended;
        for (int i = kFirstExtendedLine; i < table.count(); ++i)
            extended.push_back(table.value(i));
        env.messages.setExtended(extended);
        // The frame's captions, which the window words from the required lines.
        for (const CaptionLine& c : tab.captionLines())
            tree.get(c.widget).caption = table.value(c.line);
        tab.applyLanguage(env.messages);
    }
    Grid& grid() { return tree.get<Grid>("Sp_In"); }
    const std::vector<std::string>& memo() { return tree.get<Memo>("Sp_M").lines; }
    const std::string& field(const char* name) { return tree.get<Edit>(name).text; }

    RecordingHost host;
    Env env;
    WidgetTree tree;
    SpaceTab tab;
};

struct RowsShown {
    int task;
    int rows, cols;            // of the grid, headings included
    const char* firstCaption;  // of row 1
    const char* lastCaption;   // of the last row
    bool thirdResult;          // Sp_R3 shown
};

TEST(SpaceTab, shows_the_rows_and_results_of_each_task) {
    const RowsShown rows[] = {
        {0, 4, 4, "Point P1", "Point P3", false},
        {1, 3, 4, "Point P", "Normal vector N", false},
        {4, 3, 5, "Plane 1", "Plane 2", false},
        {7, 5, 4, "Point M1 of the line", "Direction vector s2", false},
        {9, 4, 5, "Point M of the line", "Plane", false},
        {13, 3, 5, "Point P", "Plane", true},
    };
    SpaceHarness h;
    for (const RowsShown& r : rows) {
        h.select(r.task);
        EXPECT_EQ(h.grid().rows, r.rows) << r.task;
        EXPECT_EQ(h.grid().cols, r.cols) << r.task;
        EXPECT_EQ(h.grid().cell(0, 1), r.firstCaption) << r.task;
        EXPECT_EQ(h.grid().cell(0, r.rows - 1), r.lastCaption) << r.task;
        EXPECT_EQ(h.tree.get("Sp_R3").visible, r.thirdResult) << r.task;
        // Every task answers its own example at once.
        EXPECT_EQ(h.run(), "<no failure>") << r.task;
        EXPECT_FALSE(h.field("Sp_R1").empty()) << r.task;
    }
}

TEST(SpaceTab, reads_fractions_and_the_users_separator_and_keeps_typed_cells) {
    SpaceHarness h(',');
    h.select(5);
    h.enter({{"1,0", "0", "4/2"}, {"3", "-4", "1", "2e0"}});
    EXPECT_EQ(h.run(), "<no failure>");
    EXPECT_EQ(h.field("Sp_R1"), "7/sqrt(26)=1,3728");
    EXPECT_EQ(h.tab.answer(), nlohmann::json::parse(R"({"distance":"1.37281294596729"})"));
    // A change of task and back keeps what was typed.
    h.select(0);
    h.select(5);
    EXPECT_EQ(h.grid().cell(1, 1), "1,0");
}

TEST(SpaceTab, a_cell_that_is_no_number_is_named_by_its_row_and_column) {
    SpaceHarness h;
    h.language("English");
    h.select(4);
    h.grid().setCell(4, 2, "x");
    EXPECT_EQ(h.run(), "Plane 2, D: \"x\" is not a number.");
    EXPECT_EQ(h.tab.answer(), nullptr);
    EXPECT_EQ(h.memo(), std::vector<std::string>{"Line where two planes meet"});
}

TEST(SpaceTab, degenerate_data_are_written_and_the_failure_named) {
    SpaceHarness h;
    h.select(3);
    h.enter({{"1", "2", "3"}, {"1", "2", "3"}});
    EXPECT_EQ(h.run(), "Points P1 and P2 coincide.");
    EXPECT_EQ(h.memo(), (std::vector<std::string>{"Line through two points", "Given:", "P1(1; 2; 3)", "P2(1; 2; 3)"}));
    EXPECT_EQ(h.tab.answer(), nullptr);
    EXPECT_TRUE(h.field("Sp_R1").empty());
    // The figure shows the data that were read.
    const Figure f = h.tab.figures()[0].draw("");
    EXPECT_NE(f.point("P1"), nullptr);
}

TEST(SpaceTab, the_figure_draws_the_tasks_objects) {
    SpaceHarness h;
    EXPECT_FALSE(h.tab.figures()[0].draw("").drawable());
    h.select(13);
    ASSERT_EQ(h.run(), "<no failure>");
    const Figure f = h.tab.figures()[0].draw("plane");
    EXPECT_EQ(f.dimensions, 3);
    ASSERT_EQ(f.faces.size(), 1U);
    EXPECT_TRUE(f.faces[0].highlighted);
    ASSERT_NE(f.point("H"), nullptr);
    ASSERT_NE(f.point("P'"), nullptr);
    // H halves PP'.
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(2 * f.point("H")->at[i], f.point("P")->at[i] + f.point("P'")->at[i], 1e-9);
    h.select(7);
    ASSERT_EQ(h.run(), "<no failure>");
    const Figure skew = h.tab.figures()[0].draw("");
    // The example's common perpendicular runs from M1 to M2, whose marks stay.
    const auto perpendicular = std::find_if(skew.segments.begin(), skew.segments.end(),
                                            [](const FigureSegment& s) { return s.element == "H1H2"; });
    ASSERT_NE(perpendicular, skew.segments.end());
    EXPECT_EQ(perpendicular->from, "M1");
    EXPECT_EQ(perpendicular->to, "M2");
    EXPECT_EQ(skew.point("H1"), nullptr);
}

TEST(SpaceTab, words_its_captions_in_the_chosen_language) {
    SpaceHarness h;
    h.select(7);
    h.language("Ukrainian");
    EXPECT_EQ(h.tree.get<Combo>("Sp_Task").text, "Відстань між двома прямими");
    EXPECT_EQ(h.grid().cell(0, 2), "Напрямний вектор s1");
    EXPECT_EQ(h.tree.get("NSp7").caption, "Відстань між двома прямими");
    EXPECT_EQ(h.tree.get("Sp_L1").caption, "Взаємне розташування");
    EXPECT_EQ(h.run(), "<no failure>");
    EXPECT_EQ(h.field("Sp_R1"), "Прямі мимобіжні");
    h.language("Russian");
    EXPECT_EQ(h.grid().cell(0, 1), "Точка M1 прямой");
    EXPECT_EQ(h.tree.get("Sp_Run").caption, "Вычислить");
}

} // namespace
} // namespace tc::test
