// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that were fixed in the code: every tab computed in English shows no
// Cyrillic letter, and in Russian no Ukrainian one; each line that took over
// such a text gives the translation, and a file of 214 lines the text of before.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <tuple>

#include "app/main_window.h"
#include "app/recording_host.h"
#include "language_test_support.h"

namespace tc {
namespace {

std::vector<std::string> ShippedLines(const std::string& file, std::size_t count) {
    std::ifstream in(std::string(TOVRIN_LANG_SOURCE_DIR) + "/" + file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; lines.size() < count && std::getline(in, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

using Vertices = std::vector<const char*>;
const Vertices kSloped{"1", "2", "4", "7", "9", "3"};
const Vertices kOnALine{"0.1", "0.1", "0.2", "0.3", "0.3", "0.5"};
const Vertices kExampleD{"3", "2", "-5"};
const Vertices kInThePlane{"-9", "8", "10"}; // D = B + C - A

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
    std::string lastBox() const { return host.boxes.empty() ? "" : host.boxes.back().text; }

    void triangle(const Vertices& values) {
        window->menu("N28");
        const char* fields[] = {"ax", "ay", "bx", "by", "cx", "cy"};
        for (std::size_t i = 0; i < 6; ++i)
            window->setText(fields[i], values[i]);
        window->click("CTr_But");
    }
    // D of the example tetrahedron moved to `d`.
    void tetrahedron(const Vertices& d) {
        window->menu("N29");
        for (int r = 1; r <= 3; ++r)
            window->setCell("Piram", 4, r, d[static_cast<std::size_t>(r - 1)]);
        window->click("CP_But");
    }

    void cells(const char* grid, std::initializer_list<std::tuple<int, int, const char*>> typed) {
        for (const auto& [col, row, text] : typed)
            window->setCell(grid, col, row, text);
    }

    // Every task of every tab with good data, with a cell that is no number and
    // with data the mathematics refuses; the figures, the View options and the
    // About window too.
    void computeEverything() {
        window->menu("N10");
        for (int task = 0; task < 7; ++task)
            for (int size : {0, 1, 2}) {
                window->select("TVec", task);
                window->select("V_N", size);
                window->click("CBut1");
            }
        cells("Vec_Table", {{1, 1, "0"}, {2, 1, "0"}, {3, 1, "0"}});
        window->click("CBut1"); // the projection onto a zero vector
        cells("Vec_Table", {{1, 1, "2,5"}});
        window->click("CBut1");
        for (bool exact : {false, true}) {
            window->setViewOptions({exact, true});
            window->menu("N11");
            for (int task = 0; task < 5; ++task) {
                window->select("TMat_task", task);
                window->click("Mat_But");
            }
            cells("Mat1", {{1, 1, "1"}, {2, 1, "2"}, {1, 2, "2"}, {2, 2, "4"}});
            window->click("Mat_But"); // no inverse
            window->menu("N32");
            window->click("CRun");
            window->menu("N5");
            for (const char* kind : {"eq1", "eq2", "eq3"}) {
                window->click(kind);
                window->click("Eq_Run");
            }
        }
        window->setViewOptions({});
        window->menu("N11");
        window->select("M_N", 4);
        cells("Mat1", {{1, 1, "x"}});
        window->click("Mat_But");
        window->menu("N32");
        cells("SLAE", {{1, 1, "0"}, {2, 1, "0"}});
        window->click("CRun"); // no unique solution
        cells("SLAE", {{1, 1, "y"}});
        window->click("CRun");
        window->menu("N5");
        for (const char* a : {"0", "a"}) {
            window->setText("Eq_e1", a);
            window->click("Eq_Run");
        }
        for (const Vertices& vertices : {kSloped, kOnALine, Vertices{"1", "2", "1", "5", "x", "3"},
                                         Vertices{"0", "0", "4", "0", "0", "3"}})
            triangle(vertices);
        for (const Vertices& d : {kInThePlane, Vertices{"1", "z", "1"}, kExampleD})
            tetrahedron(d);
        window->menu("N2");
    }

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
                tm.at(60),
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

// The two-byte forms of the Cyrillic block U+0400..U+04FF.
std::vector<std::string> CyrillicLetters() {
    std::vector<std::string> letters;
    for (int lead = 0xD0; lead <= 0xD3; ++lead)
        for (int tail = 0x80; tail <= 0xBF; ++tail)
            letters.push_back({static_cast<char>(lead), static_cast<char>(tail)});
    return letters;
}

TEST_F(FixedTextsTest, english_shows_no_cyrillic_letter_anywhere) {
    start();
    window->menu("N25");
    computeEverything();
    EXPECT_GT(host.boxes.size(), 10u); // the failures did happen
    EXPECT_EQ(textsWith(CyrillicLetters()), std::vector<std::string>{});
}

TEST_F(FixedTextsTest, russian_shows_no_ukrainian_letter_anywhere) {
    start();
    window->menu("N24");
    computeEverything();
    EXPECT_EQ(textsWith({"і", "ї", "є", "ґ", "І", "Ї", "Є", "Ґ"}), std::vector<std::string>{});
}

TEST_F(FixedTextsTest, the_shipped_lines_translate_the_texts_once_fixed_in_the_code) {
    start();
    window->select("M_N", 5); // the chosen size keeps its place in the renamed list
    window->menu("N24");
    EXPECT_EQ(onceFixedTexts(),
              (std::vector<std::string>{
                  "или   y-1.6667x-0.3333=0",
                  "Высота проходит через точку A(Ax;Ay) и имеет угловой коэффициент k1=-1/k.", "Углы",
                  "cos(gamma)", "где N(Nx,Ny,Nz) – нормальный вектор плоскости ABC: Nx*x+Ny*y+Nz*z+D=0",
                  "где  N - нормальный вектор плоскости ABC", "3x4", "3x4", "Тетраэдр", "Прямая",
                  "TovrinCALC: высшая математика", "TovrinCALC: высшая математика: внутренняя ошибка"}));
    EXPECT_EQ(tree().get<Combo>("M_N").text, "3x4");

    window->menu("N25");
    triangle(kOnALine);
    EXPECT_EQ(lastBox(), "The vertices A, B and C lie on one line: they do not form a triangle.");
    EXPECT_EQ(memo("TM").lines.back(), "A(0.1;0.1),    B(0.2;0.3),    C(0.3;0.5).");
    EXPECT_EQ(tree().get<Edit>("AB").text, "");
    tetrahedron(kInThePlane);
    EXPECT_EQ(lastBox(), "The vertices A, B, C and D lie in one plane: they do not form a tetrahedron.");
    EXPECT_EQ(memo("Tet_M").lines.size(), 8u); // the heading and the data
    EXPECT_EQ(window->figure("tetrahedron").points.size(), 4u);
}

TEST_F(FixedTextsTest, a_file_of_214_lines_keeps_the_texts_of_before) {
    start(214);
    EXPECT_EQ(
        onceFixedTexts(),
        (std::vector<std::string>{
            "або   y-1.6667x-0.3333=0",
            "Висота проходить через точку \u0410(Ax;Ay) і має кутовий коефіцієнт k1=-1/k.", "Кути",
            "cos(hamma)", "де N(Nx,Ny,Nz) – нормальний вектор площини \u0410\u0412\u0421Nx*x+Ny*y+Nz*z+D=0",
            "де  N - нормальний вектор площини \u0410\u0412\u0421",
            "3\u0445"
            "4",
            "2\u0445"
            "2",
            "Tetraedr", "Line", "TovrinCALC: higher mathematics",
            "TovrinCALC: higher mathematics: internal error"}));

    // Flat figures are computed as before: the decimal triangle fails in its
    // angles, the tetrahedron is solved with a volume of 0.
    triangle(kOnALine);
    EXPECT_EQ(lastBox(), "Invalid floating point operation.");
    EXPECT_EQ(tree().get<Edit>("AB").text, "0.223606797749979");
    tetrahedron(kInThePlane);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(tree().get<Edit>("Vol").text, "0");
}

} // namespace
} // namespace tc
