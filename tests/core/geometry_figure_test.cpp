// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the Triangle and Tetraedr tabs as the core works them out:
// where the feet of the lines from A fall, which segments and faces there are,
// and what a failed or missing computation leaves to draw.

#include <gtest/gtest.h>

#include <cmath>

#include "context/recording_host.h"
#include "calc/tetrahedron/tetra_figure.h"
#include "calc/triangle/triangle_figure.h"

namespace tc {
namespace {

using Labels = std::vector<std::vector<std::string>>;

class FigureTest : public ::testing::Test {
protected:
    Figure triangle(Point2 a, Point2 b, Point2 c, const std::string& highlight = "") {
        const Partial<TriangleResult> p = SolveTriangle(a, b, c);
        return TriangleFigure(wording(), &p.result, highlight);
    }
    Figure tetrahedron(const Vertices& v, const std::string& highlight = "") {
        const Partial<TetraResult> p = SolveTetrahedron(env.nums, v);
        return TetrahedronFigure(wording(), &p.result, highlight);
    }
    static std::vector<double> at(const Figure& f, const std::string& label) {
        const FigurePoint* p = f.point(label);
        return p ? p->at : std::vector<double>{};
    }
    static Labels segments(const Figure& f) {
        Labels out;
        for (const FigureSegment& s : f.segments)
            out.push_back({s.from, s.to});
        return out;
    }
    static Labels highlighted(const Figure& f) {
        Labels out;
        for (const FigureSegment& s : f.segments)
            if (s.highlighted) out.push_back({s.from, s.to});
        for (const FigureFace& face : f.faces)
            if (face.highlighted) out.push_back(face.points);
        return out;
    }
    // The point lies on the line through p and q: their cross product vanishes.
    static bool OnLine(const std::vector<double>& x, const std::vector<double>& p,
                       const std::vector<double>& q) {
        return std::fabs((q[0] - p[0]) * (x[1] - p[1]) - (q[1] - p[1]) * (x[0] - p[0])) < 1e-12;
    }

    RecordingHost host;
    Env env{Numbers('.'), {}, host};
    Wording wording() const { return {env.nums, env.messages}; }
};

TEST_F(FigureTest, a_triangle_has_its_sides_the_three_lines_from_a_and_their_feet_on_bc) {
    const Figure f = triangle({0, 0}, {4, 0}, {0, 3});
    EXPECT_EQ(f.dimensions, 2);
    EXPECT_EQ(segments(f), (Labels{{"A", "B"}, {"B", "C"}, {"C", "A"}, {"A", "M"}, {"A", "H"}, {"A", "K"}}));
    EXPECT_EQ(at(f, "M"), (std::vector<double>{2, 1.5}));
    EXPECT_EQ(at(f, "H"), (std::vector<double>{1.44, 1.92}));
    EXPECT_DOUBLE_EQ(at(f, "K")[0], 12.0 / 7);
    EXPECT_DOUBLE_EQ(at(f, "K")[1], 12.0 / 7);
    for (const char* foot : {"M", "H", "K"})
        EXPECT_TRUE(OnLine(at(f, foot), at(f, "B"), at(f, "C"))) << foot;
    // AH is perpendicular to BC.
    EXPECT_NEAR(at(f, "H")[0] * -4 + at(f, "H")[1] * 3, 0, 1e-12);
    EXPECT_DOUBLE_EQ(at(f, "I")[0], 4.0 / 3);
    EXPECT_EQ(f.point("A")->caption, "A(0; 0)");
    EXPECT_EQ(f.segments[1].caption, "5.00");
    ASSERT_EQ(f.labels.size(), 3u);
    EXPECT_EQ(f.labels[0].text, "90.00\xC2\xB0");
    EXPECT_EQ(f.elements, (std::vector<std::string>{"AM", "AH", "AK"}));
    EXPECT_TRUE(highlighted(f).empty());
    EXPECT_EQ(highlighted(triangle({0, 0}, {4, 0}, {0, 3}, "AH")), (Labels{{"A", "H"}}));
}

TEST_F(FigureTest, the_height_to_a_vertical_side_is_level_with_a) {
    const Figure f = triangle({-1, 2}, {3, -5}, {3, 7}, "AK");
    EXPECT_EQ(at(f, "H"), (std::vector<double>{3, 2}));
    EXPECT_EQ(at(f, "M"), (std::vector<double>{3, 1}));
    EXPECT_TRUE(OnLine(at(f, "K"), at(f, "B"), at(f, "C")));
    EXPECT_EQ(highlighted(f), (Labels{{"A", "K"}}));
}

TEST_F(FigureTest, a_triangle_stopped_in_the_angles_shows_its_sides_only) {
    const Figure f = triangle({2, 1}, {2, 1}, {1, 2}); // A = B
    EXPECT_EQ(segments(f), (Labels{{"A", "B"}, {"B", "C"}, {"C", "A"}}));
    EXPECT_EQ(f.points.size(), 3u);
    EXPECT_TRUE(f.labels.empty());
    EXPECT_TRUE(f.elements.empty());
}

TEST_F(FigureTest, nothing_computed_or_too_large_to_draw_gives_a_note_instead) {
    const Figure none = TriangleFigure(wording(), nullptr);
    EXPECT_FALSE(none.drawable());
    EXPECT_EQ(none.note, "Compute to see the figure.");
    EXPECT_EQ(TetrahedronFigure(wording(), nullptr).note, "Compute to see the figure.");

    const Figure huge = triangle({0, 0}, {1e200L, 0}, {0, 1});
    EXPECT_FALSE(huge.drawable());
    EXPECT_EQ(huge.note, "The coordinates are too large to draw.");
}

TEST_F(FigureTest, a_tetrahedron_has_all_six_edges_four_faces_and_four_heights) {
    const Vertices v{{{7, -2, -3}, {-4, 2, 1}, {2, 4, 6}, {3, 2, -5}}};
    const Figure f = tetrahedron(v);
    EXPECT_EQ(f.dimensions, 3);
    EXPECT_EQ(segments(f), (Labels{{"A", "B"},
                                   {"A", "C"},
                                   {"A", "D"},
                                   {"B", "C"},
                                   {"C", "D"},
                                   {"B", "D"},
                                   {"A", "H(A)"},
                                   {"B", "H(B)"},
                                   {"C", "H(C)"},
                                   {"D", "H(D)"}}));
    ASSERT_EQ(f.faces.size(), 4u);
    EXPECT_EQ(f.faces[3].points, (std::vector<std::string>{"B", "C", "D"}));
    EXPECT_EQ(at(f, "D"), (std::vector<double>{3, 2, -5}));
    EXPECT_EQ(f.segments[0].caption, "12.37");

    // The foot of H(D) lies in the plane ABC (12x+79y-46z-64=0), straight
    // below D along the normal.
    const std::vector<double> h = at(f, "H(D)");
    EXPECT_NEAR(12 * h[0] + 79 * h[1] - 46 * h[2] - 64, 0, 1e-9);
    const double t = (h[0] - 3) / 12;
    EXPECT_NEAR(h[1] - 2, 79 * t, 1e-12);
    EXPECT_NEAR(h[2] + 5, -46 * t, 1e-12);

    EXPECT_EQ(highlighted(tetrahedron(v, "ABD")), (Labels{{"A", "B", "D"}}));
    EXPECT_EQ(highlighted(tetrahedron(v, "H(B)")), (Labels{{"B", "H(B)"}}));
}

TEST_F(FigureTest, a_flat_tetrahedron_has_heights_of_no_length_and_a_stopped_one_none) {
    // Coplanar vertices: the computation runs through, but every height is 0
    // long and its foot the vertex itself.
    const Figure f = tetrahedron({{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}});
    EXPECT_EQ(f.segments.size(), 10u);
    EXPECT_EQ(at(f, "H(D)"), at(f, "D"));

    // Coincident vertices stop in the angles, before the heights.
    const Figure stopped = tetrahedron({{{7, -2, -3}, {7, -2, -3}, {2, 4, 6}, {3, 2, -5}}});
    EXPECT_EQ(stopped.segments.size(), 6u);
    EXPECT_EQ(stopped.faces.size(), 4u);
}

} // namespace
} // namespace tc
