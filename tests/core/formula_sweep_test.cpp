// SPDX-License-Identifier: GPL-3.0-or-later
// Every line every tab writes, in every language and with either decimal
// separator, is read without loss: the tree printed back is the line. The
// pages made of them keep every formula's text and close every element.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>

#include "app/main_window.h"
#include "context/recording_host.h"
#include "export/paper_lines.h"
#include "formula/formula.h"
#include "formula/formula_writers.h"

namespace tc {
namespace {

const char* const kMemos[] = {"Vec_M", "MAT_M", "TM", "Tet_M", "SLA", "Eq_M"};

bool Alnum(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// A cut between `before` and `after` that splits a word or a number.
bool SplitsAWord(const std::string& before, const std::string& after, char decimal) {
    const char a = before.back(), b = after.front();
    if (Alnum(a) && Alnum(b)) return true;
    const bool pointBefore = a == decimal && before.size() > 1 && Alnum(before[before.size() - 2]);
    const bool pointAfter = b == decimal && after.size() > 1 && Alnum(after[1]);
    return (pointBefore && Alnum(b)) || (pointAfter && Alnum(a));
}

size_t CodePoints(const std::string& s) {
    return static_cast<size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

class FormulaSweepTest : public ::testing::TestWithParam<std::tuple<const char*, char>> {
protected:
    RecordingHost host;
    std::unique_ptr<MainWindow> window;
    std::set<std::string> lines;

    void collect() {
        for (const char* memo : kMemos)
            for (const std::string& line : window->widgets().get<Memo>(memo).lines)
                lines.insert(line);
    }
    void click(const char* button) {
        window->click(button);
        collect();
    }
    // Every task of every tab, the View options on and off, the cubic and
    // the biquadratic, a triangle and the example tetrahedron.
    void computeEverything() {
        window->menu("N10");
        for (int task = 0; task < 7; ++task)
            for (int size : {0, 1}) {
                window->select("TVec", task);
                window->select("V_N", size);
                click("CBut1");
            }
        for (bool exact : {false, true}) {
            window->setViewOptions({exact, true});
            window->menu("N11");
            for (int task = 0; task < 5; ++task) {
                window->select("TMat_task", task);
                click("Mat_But");
            }
            window->menu("N32");
            click("CRun");
            window->menu("N5");
            for (const char* kind : {"eq1", "eq2", "eq3"}) {
                window->click(kind);
                click("Eq_Run");
            }
        }
        window->setViewOptions({});
        window->menu("N28");
        click("CTr_But");
        window->menu("N29");
        click("CP_But");
    }
};

TEST_P(FormulaSweepTest, EveryLineIsReadWithoutLossAndTheFormulasAreFound) {
    const auto [language, decimal] = GetParam();
    window = std::make_unique<MainWindow>(host, Settings{decimal, {TOVRIN_LANG_SOURCE_DIR}});
    window->start();
    window->menu(language);
    computeEverything();
    ASSERT_GT(lines.size(), 300u);
    int formulas = 0, withFormula = 0;
    for (const std::string& line : lines) {
        const formula::Node tree = formula::ReadLine(line, decimal);
        ASSERT_EQ(formula::PlainText(tree), line);
        int here = 0;
        for (const formula::Node& part : tree.kids)
            here += part.kind == formula::Kind::Formula;
        formulas += here;
        withFormula += here > 0;
        // Every formula keeps its text for copying and screen readers.
        const std::string html = formula::LineHtml(tree);
        size_t annotations = 0;
        for (size_t at = html.find("<annotation"); at != std::string::npos;
             at = html.find("<annotation", at + 1))
            ++annotations;
        EXPECT_EQ(annotations, static_cast<size_t>(here)) << line;
        // On paper the line is cut only between words: the pieces, less
        // their indent, give the line back, and each fits.
        const std::vector<std::string> pieces = WrapLine(line, decimal, 60);
        const size_t indent = std::min(line.find_first_not_of(' '), size_t{30}) + 4;
        std::string joined = pieces[0];
        for (size_t i = 1; i < pieces.size(); ++i) {
            ASSERT_EQ(pieces[i].substr(0, indent), std::string(indent, ' ')) << line;
            const std::string rest = pieces[i].substr(indent);
            EXPECT_FALSE(SplitsAWord(joined, rest, decimal)) << line << "\n" << rest;
            joined += rest;
        }
        EXPECT_EQ(joined, line);
        for (const std::string& piece : pieces)
            EXPECT_LE(CodePoints(piece), 60u) << piece;
    }
    // Most lines of a written solution are mathematics.
    EXPECT_GT(withFormula * 2, static_cast<int>(lines.size())) << formulas;
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndSeparators, FormulaSweepTest,
                         ::testing::Values(std::make_tuple("N23", ','), std::make_tuple("N24", '.'),
                                           std::make_tuple("N25", '.')));

} // namespace
} // namespace tc
