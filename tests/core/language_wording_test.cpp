// SPDX-License-Identifier: GPL-3.0-or-later
// Written solutions a teacher would accept: every tab, task, kind and size
// computed in each language shows none of the faults mended in its wording,
// and a file of 214 lines keeps every wording of before.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <iterator>

#include "i18n/fill_places.h"
#include "i18n/line_value.h"
#include "language_sweep_support.h"

namespace tc {
namespace {

using test::FixedTextsTest;
using test::ShippedLines;

// The wordings mended through lines from 214 on stay as they were for a file
// without those lines.
TEST_F(FixedTextsTest, a_file_of_214_lines_keeps_the_wording_of_before) {
    start(214);
    computeEverything();
    const std::vector<std::string> file = ShippedLines("Ukrainian.txt", 214);
    const auto text = [&file](Line line) {
        return LineValue(file.at(static_cast<std::size_t>(LineIndex(line))));
    };
    const auto count = [](const std::vector<std::string>& texts, const std::string& part) {
        return std::count_if(texts.begin(), texts.end(),
                             [&part](const std::string& t) { return t.find(part) != std::string::npos; });
    };
    std::vector<std::string> boxes;
    for (const Box& b : host.boxes)
        boxes.push_back(b.text);

    EXPECT_GT(count(written, "The discriminant is positive (Q>0),"), 0);
    EXPECT_GT(count(written, "Pr[A/B]=="), 0);
    EXPECT_GT(count(written, text(Line::msg32_if) + "   Cy-By=0 - " + text(Line::msg33_altitude_is)), 0);
    EXPECT_EQ(count(written, text(Line::msg22_side_equation) + " BC:"), 0);
    EXPECT_GT(count(written, text(Line::msg22_side_equation) + " BC"), 0);
    EXPECT_EQ(tree().get<Grid>("REZ5").cell(0, 1), "cos/180");
    EXPECT_EQ(tree().get("Tr_LBis").caption, "B=");
    EXPECT_EQ(tree().get("N5").caption, text(Line::msg68_quadratic_equation));
    // Every kind says "not quadratic"; the biquadratic's case is the quadratic's.
    EXPECT_EQ(count(boxes, text(Line::msg67_a_is_zero)), 3);
    for (const std::vector<std::string>& lines : biquadratics)
        EXPECT_EQ(count(lines, text(Line::msg71_two_real_roots)) +
                      count(lines, text(Line::msg73_equal_roots)) +
                      count(lines, text(Line::msg75_complex_roots)),
                  1);
    // Exact input fails as the arithmetic did, naming no cell.
    EXPECT_EQ(count(boxes, "1/0"), 0);
    window->setViewOptions({true, false});
    window->menu("N11");
    window->setCell("Mat1", 1, 1, "1/0");
    window->click("Mat_But");
    EXPECT_EQ(lastBox(), "Floating point division by zero.");
    // The decimal and the exact matrix, the exact system and vector, a vertex.
    EXPECT_EQ(count(boxes, "'x' is not a valid floating point value."), 5);
}

// What a teacher would mark in a written solution, looked for in every text
// that computing every tab, task, kind and size shows in one language.
struct Language {
    const char* item;
    const char* file;
    const char* firstCell; // how a failure names cell (1, 1) of matrix A
};

class WordingTest : public FixedTextsTest, public ::testing::WithParamInterface<Language> {
protected:
    std::vector<std::string> file = ShippedLines(GetParam().file, kLineCount);
    std::string text(Line line) const {
        return LineValue(file.at(static_cast<std::size_t>(LineIndex(line))));
    }
};

std::vector<std::string> Containing(const std::vector<std::string>& texts, const std::string& part) {
    std::vector<std::string> found;
    for (const std::string& t : texts)
        if (t.find(part) != std::string::npos) found.push_back(t);
    return found;
}

TEST_P(WordingTest, no_written_solution_or_message_shows_a_mended_fault) {
    start();
    window->menu(GetParam().item);
    computeEverything();
    std::vector<std::string> boxes;
    for (const Box& b : host.boxes)
        boxes.push_back(b.text);
    std::vector<std::string> all = written;
    all.insert(all.end(), boxes.begin(), boxes.end());

    // Q=(q/2)^2+(p/3)^3 is no discriminant: a case line names Q itself.
    ASSERT_EQ(Containing(written, "(Q=0)").size(), 4u); // the double and the triple root, twice
    for (const std::string& line : Containing(written, "(Q"))
        for (const char* word : {"искриминант", "искримінант", "iscriminant"})
            EXPECT_EQ(line.substr(0, line.find("(Q")).find(word), std::string::npos) << line;
    // Notation: no doubled "=", no dash before "then", a real heading for the
    // angle row, no floating-point failure of exact input, ASCII apostrophes.
    for (const char* part :
         {"==", "Cy-By=0 -", "cos/180", "valid floating point", "Floating point", "\u2019"})
        EXPECT_EQ(Containing(all, part), std::vector<std::string>{}) << part;
    // Angles by arccos and pi, the inverse's factor with a Latin C and its
    // matrix of cofactors named, coefficients with their own signs, pure
    // imaginary roots without a real part 0.
    for (const char* part : {"arcos(", "3,14", "NxAD", "[dop]", "\u0421=", "x^2+-", "*x+-", "*x+ "})
        EXPECT_EQ(Containing(written, part), std::vector<std::string>{}) << part;
    const std::regex zeroRealPart(R"(=-?0[.,]?0*[+-][^=]*\*i$)");
    // One sign before an imaginary part: "1-2*i", never "1+-2*i" or "1--2*i".
    const std::regex doubleSign(R"([0-9][+-]-[0-9.,E+]+\*i$)");
    for (const std::string& line : written) {
        EXPECT_FALSE(std::regex_search(line, zeroRealPart)) << line;
        EXPECT_FALSE(std::regex_search(line, doubleSign)) << line;
    }
    if (std::string(GetParam().file) == "English.txt") {
        for (const std::string& line : written) {
            const auto cyrillic = [](char c) { return c == '\xD0' || c == '\xD1'; };
            EXPECT_EQ(std::find_if(line.begin(), line.end(), cyrillic), line.end()) << line;
        }
    }
    // The bisector's foot is K, as the figure calls it.
    EXPECT_EQ(tree().get("Tr_LBis").caption, "K=");
    // A side's heading ends with its colon; section 4 opens without a "Solution:" heading.
    const std::string sideBC = text(Line::msg22_side_equation) + " BC";
    EXPECT_EQ(Containing(written, sideBC), std::vector<std::string>(4, sideBC + ":"));
    for (std::size_t i = 0; i + 1 < written.size(); ++i)
        if (written[i] == text(Line::msg30_tri_altitude)) {
            EXPECT_NE(written[i + 1], text(Line::msg05_solution));
        }

    // The biquadratic speaks of the equation in t, then says what it means for x.
    ASSERT_EQ(biquadratics.size(), 8u);
    const std::vector<std::string> forX{text(Line::eq_x_four_real), text(Line::eq_x_two_real),
                                        text(Line::msg79_no_real_roots)};
    for (const std::vector<std::string>& lines : biquadratics) {
        for (Line quadratic :
             {Line::msg71_two_real_roots, Line::msg73_equal_roots, Line::msg75_complex_roots})
            EXPECT_EQ(Containing(lines, text(quadratic)), std::vector<std::string>{});
        EXPECT_NE(std::find(forX.begin(), forX.end(), lines.back()), forX.end()) << lines.back();
    }
    // A zero A: each kind says which equation it would not be.
    for (Line kind : {Line::msg67_a_is_zero, Line::eq_cubic_a_is_zero, Line::eq_biquadratic_a_is_zero})
        EXPECT_EQ(std::count(boxes.begin(), boxes.end(), text(kind)), 1) << text(kind);
    // Exact fractions name the cell as decimals do, for a text that is no
    // number and for a zero denominator (in the matrix, system and vector).
    const std::string cell = GetParam().firstCell;
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), FillPlaces(text(Line::fail_not_a_number), {cell, "x"})),
              2);
    EXPECT_EQ(
        std::count(boxes.begin(), boxes.end(), FillPlaces(text(Line::fail_zero_denominator), {cell, "1/0"})),
        1);
    EXPECT_EQ(Containing(boxes, FillPlaces(text(Line::fail_zero_denominator), {"", "1/0"})).size(), 3u);
    // The menu item opens the tab of all three kinds.
    EXPECT_EQ(tree().get("N5").caption, text(Line::tab_equation));
}

// The page of each kind is titled with the equation's heading.
TEST_P(WordingTest, a_saved_page_names_the_equation_in_its_title) {
    start();
    window->menu(GetParam().item);
    window->menu("N5");
    const std::pair<const char*, Line> kinds[] = {{"eq1", Line::msg68_quadratic_equation},
                                                  {"eq2", Line::msg77_cubic_equation},
                                                  {"eq3", Line::msg78_biquadratic_equation}};
    for (const auto& [kind, heading] : kinds) {
        window->click(kind);
        const auto page = here.path() / (std::string(kind) + ".html");
        host.saveAnswers.push_back(page.string());
        window->click("Eq_Save");
        std::ifstream in(page, std::ios::binary);
        const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(html.find("<title>" + text(heading) + " A*x^"), std::string::npos) << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, WordingTest,
                         ::testing::Values(Language{"N23", "Ukrainian.txt", "Матриця A, рядок 1, стовпець 1"},
                                           Language{"N24", "Russian.txt", "Матрица A, строка 1, столбец 1"},
                                           Language{"N25", "English.txt", "Matrix A, row 1, column 1"}),
                         [](const auto& language) { return std::string(language.param.file).substr(0, 2); });

} // namespace
} // namespace tc
