// The Tetraedr tab driven as the user drives it: start-up state, the example
// computation, failures and the decimal separators.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_window.h"
#include "app/recording_host.h"

namespace tc {
namespace {

class TetrahedronTabTest : public ::testing::Test {
  protected:
    explicit TetrahedronTabTest(char decimal = '.') : window(host, Settings{decimal, {}}) { window.start(); }

    const Grid& grid(const char* name) { return window.widgets().get<Grid>(name); }
    const std::vector<std::string>& memo() { return window.widgets().get<Memo>("Tet_M").lines; }
    const std::string& vol() { return window.widgets().get<Edit>("Vol").text; }
    // Column c of a grid from row `from` on, as a list.
    std::vector<std::string> column(const char* name, int c, int from, int to) {
        std::vector<std::string> cells;
        for (int r = from; r <= to; ++r)
            cells.push_back(grid(name).cell(c, r));
        return cells;
    }
    std::vector<std::string> row(const char* name, int r) {
        std::vector<std::string> cells;
        for (int c = 1; c < grid(name).cols; ++c)
            cells.push_back(grid(name).cell(c, r));
        return cells;
    }
    void setVertex(int col, const char* x, const char* y, const char* z) {
        window.setCell("Piram", col, 1, x);
        window.setCell("Piram", col, 2, y);
        window.setCell("Piram", col, 3, z);
    }
    bool memoHas(const std::string& line) {
        return std::find(memo().begin(), memo().end(), line) != memo().end();
    }
    std::vector<std::string> errors() {
        std::vector<std::string> texts;
        for (const Box& b : host.boxes)
            if (b.kind == Box::Kind::Error) texts.push_back(b.text);
        return texts;
    }

    RecordingHost host;
    MainWindow window;
};

using Cells = std::vector<std::string>;

TEST_F(TetrahedronTabTest, starts_with_the_example_vertices_headings_and_column_widths) {
    EXPECT_EQ(row("Piram", 0), (Cells{"A", "B", "C", "D"}));
    EXPECT_EQ(column("Piram", 0, 1, 3), (Cells{"x", "y", "z"}));
    EXPECT_EQ(column("Piram", 1, 1, 3), (Cells{"7", "-2", "-3"}));
    EXPECT_EQ(column("Piram", 2, 1, 3), (Cells{"-4", "2", "1"}));
    EXPECT_EQ(column("Piram", 3, 1, 3), (Cells{"2", "4", "6"}));
    EXPECT_EQ(column("Piram", 4, 1, 3), (Cells{"3", "2", "-5"}));

    EXPECT_EQ(row("PLine", 0), (Cells{"x", "y", "z", "Length", "Line"}));
    EXPECT_EQ(column("PLine", 0, 1, 6), (Cells{"AB", "AC", "AD", "BC", "CD", "BD"}));
    EXPECT_EQ(column("ABC", 0, 0, 3), (Cells{"ABC", "ABD", "ACD", "BCD"}));
    EXPECT_EQ(column("Phi", 0, 1, 2), (Cells{"cos(phi)", "phi"}));
    EXPECT_EQ(row("Phi", 0), (Cells{"AB^AC", "BA^BC", "CA^CB", "AB^AD", "BA^BD", "DA^DB", "AC^AD", "CA^CD",
                                    "DA^DC", "DC^DB", "CD^CB", "BC^BD"}));
    EXPECT_EQ(column("THam", 0, 1, 2), (Cells{"sin(alpha)", "alpha"}));
    EXPECT_EQ(row("THam", 0), (Cells{"AD^ABC", "BD^ABC", "CD^ABC", "AC^ABD", "BC^ABD", "DC^ABD", "BA^BCD",
                                     "CA^BCD", "DA^BCD", "AB^ACD", "CB^ACD", "DB^ACD"}));
    EXPECT_EQ(column("TVec_H", 0, 0, 3), (Cells{"H(A)", "H(B)", "H(C)", "H(D)"}));

    const std::pair<const char*, std::vector<int>> widths[] = {
        {"PLine", {30, 55, 55, 55, 70, 195}},
        {"ABC", {40, 169, 59}},
        {"TVec_H", {40, 250, 55}},
        {"Phi", {52, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58}},
        {"THam", std::vector<int>(13, 70)}};
    for (const auto& [name, expected] : widths) {
        std::vector<int> actual;
        for (int c = 0; c < grid(name).cols; ++c)
            actual.push_back(grid(name).colWidth(c));
        EXPECT_EQ(actual, expected) << name;
    }
    EXPECT_EQ(grid("TVec_H").defaultRowHeight, 23);
    EXPECT_TRUE(grid("Piram").editable);
    EXPECT_EQ(memo(), (Cells{""}));
    EXPECT_EQ(vol(), "");
    EXPECT_TRUE(window.widgets().get("CP_But").enabled);
}

TEST_F(TetrahedronTabTest, example_fills_every_grid_and_the_volume) {
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());

    EXPECT_EQ(row("PLine", 1), (Cells{"-11", "4", "4", "12.3693", "(x-7)/(-11)=(y+2)/4=(z+3)/4"}));
    EXPECT_EQ(row("PLine", 2), (Cells{"-5", "6", "9", "11.9164", "(x-7)/(-5)=(y+2)/6=(z+3)/9"}));
    EXPECT_EQ(row("PLine", 3), (Cells{"-4", "4", "-2", "6.0000", "(x-7)/(-4)=(y+2)/4=(z+3)/(-2)"}));
    EXPECT_EQ(row("PLine", 4), (Cells{"6", "2", "5", "8.0623", "(x+4)/6=(y-2)/2=(z-1)/5"}));
    EXPECT_EQ(row("PLine", 5), (Cells{"1", "-2", "-11", "11.2250", "(x-2)/1=(y-4)/(-2)=(z-6)/(-11)"}));
    EXPECT_EQ(row("PLine", 6), (Cells{"7", "0", "-6", "9.2195", "(x+4)/7=(y-2)/0=(z-1)/(-6)"}));

    EXPECT_EQ(column("ABC", 1, 0, 3),
              (Cells{"12x+79y-46z-64=0", "-24x-38y-28z+8=0", "-48x-46y+4z+256=0", "-12x+71y-14z-176=0"}));
    EXPECT_EQ(column("ABC", 2, 0, 3), (Cells{"46.1004", "26.4764", "33.3017", "36.6776"}));

    EXPECT_EQ(row("Phi", 1), (Cells{"0.7802", "0.3810", "0.2810", "0.7007", "0.8857", "-0.2892", "0.3636",
                                    "0.8672", "0.1485", "0.7054", "0.5856", "0.1614"}));
    EXPECT_EQ(row("Phi", 2), (Cells{"38.7208", "67.6013", "73.6779", "45.5201", "27.6674", "106.8125",
                                    "68.6758", "29.8630", "81.4612", "45.1391", "54.1515", "80.7094"}));

    // Within a face all three sines share the sign of its normal's orientation.
    EXPECT_EQ(row("THam", 1), (Cells{"0.6508", "0.4235", "0.3478", "-0.5705", "-0.8433", "-0.6057", "-0.3968",
                                     "-0.4118", "-0.8179", "0.4370", "0.6704", "0.5863"}));
    EXPECT_EQ(row("THam", 2), (Cells{"40.5984", "25.0560", "20.3554", "-34.7864", "-57.4850", "-37.2763",
                                     "-23.3756", "-24.3204", "-54.8788", "25.9113", "42.0999", "35.8927"}));

    EXPECT_EQ(column("TVec_H", 1, 0, 3),
              (Cells{"(x-7)/(-12)=(y+2)/71=(z+3)/(-14)", "(x+4)/(-48)=(y-2)/(-46)=(z-1)/4",
                     "(x-2)/(-24)=(y-4)/(-38)=(z-6)/(-28)", "(x-3)/12=(y-2)/79=(z+5)/(-46)"}));
    EXPECT_EQ(column("TVec_H", 2, 0, 3), (Cells{"", "", "", ""}));
    EXPECT_EQ(vol(), "60");
    EXPECT_EQ(memo().back(), "              V=60");
}

TEST_F(TetrahedronTabTest, example_explains_each_edge_face_and_angle_in_order) {
    window.click("CP_But");
    const Cells& m = memo();
    ASSERT_GE(m.size(), 40u);
    // Three lines of heading, then the data as typed.
    EXPECT_EQ(Cells(m.begin() + 3, m.begin() + 8),
              (Cells{"   A(7;-2;-3)", "   B(-4;2;1)", "   C(2;4;6)", "   D(3;2;-5)", ""}));
    // The AB block carries a wider prefix than the other five.
    const auto ab = std::find(m.begin(), m.end(), "    AB(-4-7;2+2;1+3)=(-11;4;4)");
    ASSERT_NE(ab, m.end());
    EXPECT_EQ(Cells(ab, ab + 8),
              (Cells{"    AB(-4-7;2+2;1+3)=(-11;4;4)",
                     "   |AB|=((-11)^2+4^2+4^2)^(1/2)=(121+16+16)^(1/2)=(153)^(1/2)=12.3693",
                     "   (x-7)/(-11)=(y+2)/4=(z+3)/4", "", "  AC(2-7;4+2;6+3)=(-5;6;9)",
                     "  |AC|=((-5)^2+6^2+9^2)^(1/2)=(25+36+81)^(1/2)=(142)^(1/2)=11.9164",
                     "   (x-7)/(-5)=(y+2)/6=(z+3)/9", ""}));
    EXPECT_TRUE(memoHas("    BCD:  -12x+71y-14z-176=0"));
    EXPECT_TRUE(memoHas("    S[BCD]=36.6776"));
    EXPECT_TRUE(memoHas("     cos(DA^DB)=-0.2892,    (DA^DB)=106.8125"));

    // Face ABC's first edge carries the normal's length, the others only their own.
    const auto adAbc = std::find(m.begin(), m.end(), "                (AD^ABC)");
    ASSERT_NE(adAbc, m.end());
    EXPECT_EQ(*(adAbc - 1), "       ABC:");
    EXPECT_EQ(Cells(adAbc, adAbc + 10),
              (Cells{"                (AD^ABC)", "       NxAD=12*(-4)+79*4-46*(-2)=360",
                     "       |N|=(12^2+79^2+(-46)^2)^(1/2)=(8501)^(1/2)=92.2009;  |AD|=6.0000",
                     "       sin(AD^ABC)=360/(92.2009*6.0000)=0.6508 ; (AD^ABC)=40.5984", "",
                     "                (BD^ABC)", "       NxBD=12*7+79*0-46*(-6)=360", "       |BD|=9.2195",
                     "       sin(BD^ABC)=360/(92.2009*9.2195)=0.4235 ; (BD^ABC)=25.0560", ""}));
    // Reversed edges are the negated stored ones; a negated zero is written 0.
    EXPECT_TRUE(memoHas("       NxDB=-48*(-7)-46*0+4*6=360"));
    // The faces of the edge-face angles run ABC, ABD, BCD, ACD.
    Cells faces;
    for (const std::string& line : m)
        if (line.size() == 11 && line.compare(0, 7, "       ") == 0 && line.back() == ':')
            faces.push_back(line);
    EXPECT_EQ(faces, (Cells{"       ABC:", "       ABD:", "       BCD:", "       ACD:"}));

    const auto ha = std::find(m.begin(), m.end(), "       H(A):   (x-7)/(-12)=(y+2)/71=(z+3)/(-14)");
    ASSERT_NE(ha, m.end());
    EXPECT_EQ(*(ha + 3), "       H(D):   (x-3)/12=(y-2)/79=(z+5)/(-46)");
}

TEST_F(TetrahedronTabTest, each_click_starts_the_explanation_afresh) {
    window.click("CP_But");
    const Cells first = memo();
    window.click("CP_But");
    EXPECT_EQ(memo(), first);
}

TEST_F(TetrahedronTabTest, echoes_the_cells_as_typed_and_computes_from_their_values) {
    setVertex(1, " 7", "-2.0", "-3e0");
    window.click("CP_But");
    EXPECT_EQ(memo()[3], "   A( 7;-2.0;-3e0)");
    EXPECT_EQ(vol(), "60");
}

TEST_F(TetrahedronTabTest, a_cell_that_is_no_number_stops_before_any_grid_changes) {
    window.click("CP_But");
    const Cells pline = row("PLine", 1), abc = column("ABC", 1, 0, 3), phi = row("Phi", 1);
    setVertex(3, "2", "x", "6");
    window.click("CP_But");
    EXPECT_EQ(errors(), (Cells{"'x' is not a valid floating point value."}));
    // With no language file the three heading lines are entry 44, a blank and entry 2.
    EXPECT_EQ(memo(), (Cells{"", "", ""}));
    EXPECT_EQ(row("PLine", 1), pline);
    EXPECT_EQ(column("ABC", 1, 0, 3), abc);
    EXPECT_EQ(row("Phi", 1), phi);
    EXPECT_EQ(vol(), "60");

    setVertex(4, "3", "2", "");
    setVertex(3, "2", "4", "6");
    window.click("CP_But");
    EXPECT_EQ(errors().back(), "'' is not a valid floating point value.");
}

TEST_F(TetrahedronTabTest, coincident_vertices_stop_at_the_first_angle_leaving_the_edges_and_faces) {
    setVertex(2, "7", "-2", "-3"); // B = A
    window.click("CP_But");
    EXPECT_EQ(errors(), (Cells{"Invalid floating point operation."}));
    EXPECT_EQ(row("PLine", 1), (Cells{"0", "0", "0", "0.0000", "(x-7)/0=(y+2)/0=(z+3)/0"}));
    EXPECT_EQ(grid("ABC").cell(1, 0), "=0");
    EXPECT_EQ(grid("ABC").cell(2, 0), "0.0000");
    EXPECT_EQ(memo().back(), "               ABC");
    EXPECT_EQ(row("Phi", 1), Cells(12, ""));
    EXPECT_EQ(vol(), "");
}

TEST_F(TetrahedronTabTest, collinear_vertices_stop_in_the_angle_stage) {
    setVertex(1, "0", "0", "0");
    setVertex(2, "1", "1", "1");
    setVertex(3, "2", "2", "2");
    setVertex(4, "0", "0", "1");
    window.click("CP_But");
    EXPECT_EQ(errors(), (Cells{"Invalid floating point operation."}));
    EXPECT_TRUE(memoHas("    ABC:  =0"));
    EXPECT_TRUE(memoHas("               ABC"));
    EXPECT_FALSE(memoHas("       H(D):   x/0=y/0=z/0"));
    EXPECT_EQ(column("TVec_H", 1, 0, 3), Cells(4, ""));
    EXPECT_EQ(vol(), "");
}

TEST_F(TetrahedronTabTest, coplanar_vertices_give_a_zero_volume) {
    setVertex(1, "0", "0", "0");
    setVertex(2, "1", "0", "0");
    setVertex(3, "0", "1", "0");
    setVertex(4, "1", "1", "0");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(vol(), "0");
    EXPECT_EQ(memo().back(), "              V=0");
    // Every edge lies in every face's plane.
    EXPECT_EQ(row("THam", 2), Cells(12, "0.0000"));
}

TEST_F(TetrahedronTabTest, swapping_two_vertices_keeps_the_volume) {
    setVertex(1, "-4", "2", "1");
    setVertex(2, "7", "-2", "-3");
    window.click("CP_But");
    EXPECT_EQ(row("PLine", 1), (Cells{"11", "-4", "-4", "12.3693", "(x+4)/11=(y-2)/(-4)=(z-1)/(-4)"}));
    EXPECT_EQ(vol(), "60");
}

TEST_F(TetrahedronTabTest, an_edge_perpendicular_to_a_face_gives_a_right_angle) {
    setVertex(1, "0", "0", "0");
    setVertex(2, "1", "1", "0");
    setVertex(3, "0", "0", "1");
    setVertex(4, "1", "-1", "0");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(grid("THam").cell(1, 1), "1.0000");
    EXPECT_EQ(grid("THam").cell(1, 2), "90.0000");
    EXPECT_EQ(vol(), "0.333333333333333");
}

TEST_F(TetrahedronTabTest, a_point_separator_refuses_a_comma_cell) {
    setVertex(1, "7,0", "-2", "-3");
    window.click("CP_But");
    EXPECT_EQ(errors(), (Cells{"'7,0' is not a valid floating point value."}));
}

class TetrahedronCommaTest : public TetrahedronTabTest {
  protected:
    TetrahedronCommaTest() : TetrahedronTabTest(',') {}
};

TEST_F(TetrahedronCommaTest, reads_and_writes_with_the_comma) {
    setVertex(1, "7,0", "-2", "-3");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(memo()[3], "   A(7,0;-2;-3)");
    EXPECT_EQ(grid("PLine").cell(4, 1), "12,3693");
    EXPECT_TRUE(memoHas("   |AB|=((-11)^2+4^2+4^2)^(1/2)=(121+16+16)^(1/2)=(153)^(1/2)=12,3693"));
    EXPECT_TRUE(memoHas("       sin(AD^ABC)=360/(92,2009*6,0000)=0,6508 ; (AD^ABC)=40,5984"));
    EXPECT_EQ(vol(), "60");
}

TEST_F(TetrahedronCommaTest, reads_the_fractional_normals_back_with_the_comma) {
    setVertex(1, "0,5", "0", "0");
    setVertex(2, "0", "1,5", "0");
    setVertex(3, "0", "0", "2,5");
    setVertex(4, "0", "0", "0");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(grid("ABC").cell(1, 0), "3,75x+1,25y+0,75z-1,875=0");
    EXPECT_EQ(grid("TVec_H").cell(1, 0), "(x-0,5)/3,75=y/0=z/0");
    EXPECT_EQ(vol(), "0,3125");
}

} // namespace
} // namespace tc
