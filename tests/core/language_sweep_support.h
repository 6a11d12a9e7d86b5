// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window computing every tab, task, kind and size with the shipped
// language files (or the Ukrainian one cut short), for the tests that read
// every text it then shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <tuple>
#include <utility>

#include "app/main_window.h"
#include "context/recording_host.h"
#include "language_test_support.h"

namespace tc::test {

// The first `count` lines of the shipped file `file`.
inline std::vector<std::string> ShippedLines(const std::string& file, std::size_t count) {
    std::ifstream in(std::string(TOVRIN_LANG_SOURCE_DIR) + "/" + file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; lines.size() < count && std::getline(in, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

using Vertices = std::vector<const char*>;
inline const Vertices kSloped{"1", "2", "4", "7", "9", "3"};
inline const Vertices kOnALine{"0.1", "0.1", "0.2", "0.3", "0.3", "0.5"};
inline const Vertices kExampleD{"3", "2", "-5"};
inline const Vertices kInThePlane{"-9", "8", "10"}; // D = B + C - A

class FixedTextsTest : public ::testing::Test {
protected:
    test::ScratchDir here;
    test::InDirectory cd{here.path()};
    RecordingHost host;
    std::unique_ptr<MainWindow> window;

    // The window with the shipped files, or with the Ukrainian file cut to
    // `lines` lines in the current directory, which comes first.
    void start(std::size_t lines = 0) {
        if (lines)
            test::WriteBytes(here.path() / "Ukrainian.txt",
                             test::JoinLines(ShippedLines("Ukrainian.txt", lines)));
        window = std::make_unique<MainWindow>(host, Settings{'.', {TOVRIN_LANG_SOURCE_DIR}});
        window->start();
    }
    const WidgetTree& tree() const { return window->widgets(); }
    const Memo& memo(const char* name) const { return tree().get<Memo>(name); }
    // Clicks a tab's compute button and keeps the solution it writes.
    void compute(const std::string& button) {
        static const std::map<std::string, const char*> memos{{"CBut1", "Vec_M"}, {"Mat_But", "MAT_M"},
                                                              {"CTr_But", "TM"},  {"CP_But", "Tet_M"},
                                                              {"CRun", "SLA"},    {"Eq_Run", "Eq_M"}};
        window->click(button);
        const std::vector<std::string>& lines = memo(memos.at(button)).lines;
        written.insert(written.end(), lines.begin(), lines.end());
    }
    std::vector<std::string> written; // every solution computed, in order
    std::string lastBox() const { return host.boxes.empty() ? "" : host.boxes.back().text; }

    void triangle(const Vertices& values) {
        window->menu("N28");
        const char* fields[] = {"ax", "ay", "bx", "by", "cx", "cy"};
        for (std::size_t i = 0; i < 6; ++i)
            window->setText(fields[i], values[i]);
        compute("CTr_But");
    }
    // D of the example tetrahedron moved to `d`.
    void tetrahedron(const Vertices& d) {
        window->menu("N29");
        for (int r = 1; r <= 3; ++r)
            window->setCell("Piram", 4, r, d[static_cast<std::size_t>(r - 1)]);
        compute("CP_But");
    }

    void cells(const char* grid, std::initializer_list<std::tuple<int, int, const char*>> typed) {
        for (const auto& [col, row, text] : typed)
            window->setCell(grid, col, row, text);
    }

    // Every task of every tab with good data, with a cell that is no number and
    // with data the mathematics refuses; the figures, the View options and the
    // About window too.
    void computeEverything() {
        fillGrids();
        window->menu("N10");
        for (int task = 0; task < 7; ++task)
            for (int size : {0, 1, 2}) {
                window->select("TVec", task);
                window->select("V_N", size);
                compute("CBut1");
            }
        for (int i = 1; i <= 5; ++i)
            window->setCell("Vec_Table", i, 2, "0");
        compute("CBut1"); // the projection onto a zero vector
        cells("Vec_Table", {{1, 1, "2,5"}});
        compute("CBut1");
        for (bool exact : {false, true}) {
            window->setViewOptions({exact, true});
            window->menu("N11");
            for (int task = 0; task < 5; ++task) {
                window->select("TMat_task", task);
                for (int size = 8; size >= 0; --size) {
                    window->select("M_N", size);
                    compute("Mat_But");
                }
            }
            cells("Mat1", {{1, 1, "1"}, {2, 1, "2"}, {1, 2, "2"}, {2, 2, "4"}});
            compute("Mat_But"); // no inverse
            window->menu("N32");
            for (int count : {2, 1, 0}) {
                window->select("Sl1", count);
                compute("CRun");
            }
            solveEveryEquation();
        }
        // The exact mode's own failures: a cell that is no number, a zero denominator.
        window->setViewOptions({true, false});
        window->select("TVec", 0); // a task solved in fractions
        for (const char* bad : {"x", "1/0"}) {
            window->menu("N11");
            cells("Mat1", {{1, 1, bad}});
            compute("Mat_But");
            window->menu("N32");
            cells("SLAE", {{1, 1, bad}});
            compute("CRun");
            window->menu("N10");
            cells("Vec_Table", {{1, 1, bad}});
            compute("CBut1");
        }
        cells("Mat1", {{1, 1, "1"}});
        cells("SLAE", {{1, 1, "1"}});
        cells("Vec_Table", {{1, 1, "1"}});
        window->setViewOptions({});
        window->menu("N11");
        window->select("M_N", 4);
        cells("Mat1", {{1, 1, "x"}});
        compute("Mat_But");
        window->menu("N32");
        cells("SLAE", {{1, 1, "0"}, {2, 1, "0"}});
        compute("CRun"); // no unique solution
        cells("SLAE", {{1, 1, "y"}});
        compute("CRun");
        window->menu("N5");
        for (const char* kind : {"eq1", "eq2", "eq3"}) {
            window->click(kind);
            for (const char* a : {"0", "a"}) {
                window->setText("Eq_e1", a);
                compute("Eq_Run");
            }
        }
        // BC vertical, then horizontal: the altitude's two special cases.
        for (const Vertices& vertices :
             {kSloped, kOnALine, Vertices{"1", "2", "1", "5", "x", "3"},
              Vertices{"0", "0", "4", "0", "0", "3"}, Vertices{"0", "0", "4", "0", "4", "3"},
              Vertices{"0", "3", "4", "0", "0", "0"}})
            triangle(vertices);
        for (const Vertices& d : {kInThePlane, Vertices{"1", "z", "1"}, kExampleD})
            tetrahedron(d);
        window->menu("N2");
    }

    // Every cell of the largest size holds a number, so that every size computes.
    void fillGrids() {
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 5; ++c) {
                const std::string v = std::to_string(r == c ? 6 : r - c); // no determinant is zero
                if (c <= 4) {
                    window->setCell("Mat1", c, r, v);
                    window->setCell("Mat2", c, r, v);
                }
                window->setCell("SLAE", c, r, v);
            }
        for (int i = 1; i <= 5; ++i) {
            window->setCell("Vec_Table", i, 1, std::to_string(i));
            window->setCell("Vec_Table", i, 2, std::to_string(3 - i));
        }
    }

    // Each case of each kind: the quadratic's three, the cubic's four (one real
    // root, three, a double and a triple one), the biquadratic's with four, two
    // and no real roots x, and with complex roots t.
    void solveEveryEquation() {
        window->menu("N5");
        const std::pair<const char*, std::vector<const char*>> equations[] = {
            {"eq1", {"1", "-5", "6"}},        {"eq1", {"1", "2", "1"}},
            {"eq1", {"1", "2", "5"}},         {"eq2", {"1", "0", "3", "4"}},
            {"eq2", {"1", "-6", "11", "-6"}}, {"eq2", {"1", "-4", "5", "-2"}},
            {"eq2", {"1", "-3", "3", "-1"}},  {"eq3", {"1", "-5", "4"}},
            {"eq3", {"1", "3", "-4"}},        {"eq3", {"1", "5", "4"}},
            {"eq3", {"1", "1", "1"}}};
        for (const auto& [kind, coefficients] : equations) {
            window->click(kind);
            const char* fields[] = {"Eq_e1", "eq_e2", "Eq_e3", "Eq_e4"};
            for (std::size_t k = 0; k < coefficients.size(); ++k)
                window->setText(fields[k], coefficients[k]);
            compute("Eq_Run");
            if (std::string(kind) == "eq3") biquadratics.push_back(memo("Eq_M").lines);
        }
    }
    std::vector<std::vector<std::string>> biquadratics; // each biquadratic's solution, whole

    // The texts that once were fixed in the code, after solving the sloped
    // triangle and the example tetrahedron: the "or" of side AB, the altitude's
    // point, the angle grid's headings, the face ABC twice, a size of A, a tab
    // caption, a heading of the edge grid, the title of the boxes and of the box
    // of a program fault.
    std::vector<std::string> onceFixedTexts() {
        triangle(kSloped);
        tetrahedron(kExampleD);
        const auto& tm = memo("TM").lines;
        const auto& tet = memo("Tet_M").lines;
        return {tm.at(11),
                *std::find_if(tm.begin(), tm.end(),
                              [](const std::string& l) { return l.find("(Ax;Ay) ") != std::string::npos; }),
                tree().get<Grid>("REZ5").cell(0, 0),
                tree().get<Grid>("REZ5").cell(3, 0),
                tet.at(90),
                tet.at(159),
                tree().get<Combo>("M_N").items.at(5),
                tree().get<Combo>("M_N").text,
                tree().get("TabSheet4").caption,
                tree().get<Grid>("PLine").cell(5, 0),
                window->applicationTitle(),
                window->faultWords().title};
    }

    // Every text the window shows that holds one of `letters`.
    std::vector<std::string> textsWith(const std::vector<std::string>& letters) const {
        std::vector<std::string> texts;
        for (const Box& b : host.boxes)
            texts.push_back(b.text);
        // The box of a program fault, which a working program never shows.
        const MainWindow::FaultWords fault = window->faultWords();
        texts.insert(texts.end(), {fault.title, fault.before, fault.after});
        for (const Widget* w : tree().all()) {
            texts.push_back(w->caption);
            if (auto* e = dynamic_cast<const Edit*>(w)) texts.push_back(e->text);
            if (auto* m = dynamic_cast<const Memo*>(w))
                texts.insert(texts.end(), m->lines.begin(), m->lines.end());
            if (auto* c = dynamic_cast<const Combo*>(w)) {
                texts.push_back(c->text);
                texts.insert(texts.end(), c->items.begin(), c->items.end());
            }
            if (auto* g = dynamic_cast<const Grid*>(w))
                for (int col = 0; col < g->cols; ++col)
                    for (int row = 0; row < g->rows; ++row)
                        texts.push_back(g->cell(col, row));
        }
        for (const std::string& name : window->figureNames()) {
            const Figure f = window->figure(name);
            texts.push_back(f.note);
            for (const FigureLabel& l : f.labels)
                texts.push_back(l.text);
            for (const FigurePoint& p : f.points)
                texts.push_back(p.caption);
            for (const FigureSegment& seg : f.segments)
                texts.push_back(seg.caption);
            texts.insert(texts.end(), f.elements.begin(), f.elements.end());
        }
        std::vector<std::string> found;
        for (const std::string& t : texts)
            for (const std::string& letter : letters)
                if (t.find(letter) != std::string::npos) {
                    found.push_back(t);
                    break;
                }
        return found;
    }
};

} // namespace tc::test
