// SPDX-License-Identifier: GPL-3.0-or-later
// The Gauss tab driven as the window drives it: the selectors shape the
// grids, Gs_Run fills the memo, the result grid and the answer, and a bad
// cell fails naming it in the chosen language.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "calc/gauss/gauss_tab.h"
#include "context/recording_host.h"
#include "i18n/language_table.h"
#include "widgets/names.h"

namespace tc {
namespace {

LanguageTable ShippedFile(const std::string& name) {
    std::ifstream in(std::string(TOVRIN_LANG_SOURCE_DIR) + "/" + name + ".txt", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return LanguageTable(LanguageLines(bytes.str()));
}

class GaussTabTest : public ::testing::Test {
protected:
    explicit GaussTabTest(char decimal = '.') : env{Numbers(decimal), {}, host}, tab(tree, env) {
        tab.formCreate();
    }
    void useLanguage(const std::string& name) {
        const LanguageTable file = ShippedFile(name);
        std::vector<std::string> extended;
        for (int i = kFirstExtendedLine; i < file.count(); ++i)
            extended.push_back(file.value(i));
        env.messages.setExtended(std::move(extended));
        tab.applyLanguage(env.messages);
    }
    void choose(const char* combo, int position) {
        tree.get<Combo>(combo).select(position);
        (*tree.changeHandler(combo))();
    }
    void run() { (*tree.clickHandler(names::Gs_Run))(); }
    std::string runFailing() {
        try {
            run();
        } catch (const Failure& f) {
            return f.message();
        }
        return "no failure";
    }
    Grid& grid(const char* name) { return tree.get<Grid>(name); }
    const std::vector<std::string>& memo() { return tree.get<Memo>(names::Gs_M).lines; }

    RecordingHost host;
    WidgetTree tree;
    Env env;
    GaussTab tab;
};

TEST_F(GaussTabTest, TheExampleSystemIsSolvedAtTheFirstClick) {
    EXPECT_TRUE(tab.answer().is_null());
    run();
    EXPECT_EQ(tab.answer()["solution"], nlohmann::json({"2", "3", "-1"}));
    EXPECT_EQ(memo().front(), "System of linear equations by the Gauss method");
    const Grid& r = grid(names::Gs_R);
    EXPECT_EQ(r.cols, 2);
    EXPECT_EQ(r.rows, 4);
    EXPECT_EQ(r.cell(1, 3), "-1");
}

TEST_F(GaussTabTest, TheSelectorsShapeTheGrids) {
    choose(names::Gs_Task, static_cast<int>(GaussTask::Inverse));
    choose(names::Gs_Rows, 3);
    EXPECT_FALSE(tree.get(names::Gs_Cols).visible);
    EXPECT_FALSE(grid(names::Gs_B).visible);
    EXPECT_EQ(grid(names::Gs_A).cols, 5);
    EXPECT_EQ(grid(names::Gs_A).rows, 5);

    choose(names::Gs_Task, static_cast<int>(GaussTask::LeftSide));
    choose(names::Gs_Cols, 1);
    choose(names::Gs_BCols, 2);
    EXPECT_TRUE(tree.get(names::Gs_Cols).visible);
    EXPECT_TRUE(tree.get(names::Gs_BCols).visible);
    EXPECT_EQ(tree.get("Gs_BColsL").caption, "Rows of B");
    // X*A = B with A 4 x 2: B has A's columns and the chosen rows.
    EXPECT_EQ(grid(names::Gs_A).cols, 3);
    EXPECT_EQ(grid(names::Gs_B).cols, 3);
    EXPECT_EQ(grid(names::Gs_B).rows, 4);

    choose(names::Gs_Task, static_cast<int>(GaussTask::Gauss));
    EXPECT_FALSE(tree.get(names::Gs_BCols).visible);
    EXPECT_EQ(grid(names::Gs_B).cols, 2);
    EXPECT_EQ(grid(names::Gs_B).cell(1, 0), "B");
}

TEST_F(GaussTabTest, ABadCellIsNamedAndLeavesNoAnswer) {
    run();
    grid(names::Gs_A).setCell(2, 3, "1/0");
    useLanguage("Ukrainian");
    EXPECT_EQ(runFailing(), "Матриця A, рядок 3, стовпець 2: у дробі «1/0» знаменник дорівнює нулю.");
    EXPECT_TRUE(tab.answer().is_null());
    EXPECT_TRUE(memo().empty());
    EXPECT_EQ(grid(names::Gs_R).cell(1, 1), "");

    grid(names::Gs_A).setCell(2, 3, "1");
    grid(names::Gs_B).setCell(1, 2, "x");
    EXPECT_EQ(runFailing().rfind("Матриця B, рядок 2, стовпець 1:", 0), 0u);
}

TEST_F(GaussTabTest, TheLanguageWordsTheTaskListAndTheSolution) {
    useLanguage("Russian");
    EXPECT_EQ(tree.get<Combo>(names::Gs_Task).text, "Система линейных уравнений методом Гаусса");
    choose(names::Gs_Task, static_cast<int>(GaussTask::Determinant));
    run();
    EXPECT_EQ(memo().front(), "Определитель приведением к треугольному виду");
    EXPECT_EQ(tab.answer(), nlohmann::json({{"det", "-1"}}));
    // A task without B shows no grid for it.
    EXPECT_FALSE(tree.get("Gs_BBox").visible);
}

// Task 7: a square A of order 2 to 4, no B; another order fails and leaves
// no answer; the identity is E in Ukrainian and I in English.
TEST_F(GaussTabTest, EigenvaluesOfASquareMatrixOfOrderTwoToFour) {
    choose(names::Gs_Task, static_cast<int>(GaussTask::Eigen));
    EXPECT_FALSE(tree.get(names::Gs_Cols).visible);
    EXPECT_FALSE(grid(names::Gs_B).visible);
    choose(names::Gs_Rows, 4);
    EXPECT_EQ(runFailing(), "Eigenvalues are found for a square matrix of order 2, 3 or 4 only; the matrix has 5 rows.");
    EXPECT_TRUE(tab.answer().is_null());
    useLanguage("Ukrainian");

    choose(names::Gs_Rows, 1);
    Grid& a = grid(names::Gs_A);
    a.setCell(1, 1, "2");
    a.setCell(2, 1, "1");
    a.setCell(1, 2, "1");
    a.setCell(2, 2, "2");
    run();
    EXPECT_EQ(memo().front(), "Власні значення і власні вектори");
    EXPECT_NE(std::find(memo().begin(), memo().end(), "Матриця A-\xCE\xBB" "E:"), memo().end());
    EXPECT_EQ(tab.answer(), nlohmann::json::parse(R"({"polynomial": ["1", "-4", "3"], "diagonalizable": true,
        "eigenvalues": [{"value": "1", "algebraic": 1, "geometric": 1, "vectors": [["-1", "1"]]},
                        {"value": "3", "algebraic": 1, "geometric": 1, "vectors": [["1", "1"]]}]})"));
    EXPECT_EQ(grid(names::Gs_R).rows, 3);
    EXPECT_EQ(grid(names::Gs_R).cell(1, 2), "3");
    useLanguage("English");
    run();
    EXPECT_NE(std::find(memo().begin(), memo().end(), "The matrix A-\xCE\xBB" "I:"), memo().end());
}

class GaussTabCommaTest : public GaussTabTest {
protected:
    GaussTabCommaTest() : GaussTabTest(',') {}
};

TEST_F(GaussTabCommaTest, CellsTakeTheUsersSeparatorAndFractions) {
    Grid& a = grid(names::Gs_A);
    a.setCell(1, 1, "2,5");
    a.setCell(2, 1, "1/2");
    a.setCell(3, 1, "1e1");
    run();
    // 2.5*x1 + 0.5*x2 + 10*x3 = 8 with the other two equations as they were.
    EXPECT_EQ(tab.answer()["verdict"], "unique");
    EXPECT_NE(memo().at(4).find("5/2"), std::string::npos);
    a.setCell(1, 1, "2.5");
    EXPECT_NE(runFailing().find("'2.5'"), std::string::npos);
}

} // namespace
} // namespace tc
