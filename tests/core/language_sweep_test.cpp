// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that were fixed in the code: every tab computed in English shows no
// Cyrillic letter, and in Russian no Ukrainian one; each line that took over
// such a text gives the translation, and a file of 214 lines the text of before.

#include <gtest/gtest.h>

#include "language_sweep_support.h"

namespace tc {
namespace {

using test::FixedTextsTest;
using test::kExampleD;
using test::kInThePlane;
using test::kOnALine;
using test::kSloped;

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
                  "то есть   y-1.6667x-0.3333=0",
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
