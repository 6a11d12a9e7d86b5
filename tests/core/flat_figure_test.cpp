// SPDX-License-Identifier: GPL-3.0-or-later
// Vertices on one line or in one plane, decided on the exact typed values.

#include <gtest/gtest.h>

#include "calc/common/flat_figure.h"

namespace tc {
namespace {

TEST(FlatFigure, three_vertices_are_on_one_line_exactly_as_typed) {
    // On one line as typed, though not in binary: (0.2-0.1)*(0.5-0.1) and
    // (0.3-0.1)*(0.3-0.1) differ by 3E-21 in long doubles.
    EXPECT_TRUE(TypedOnOneLine({"0.1", "0.1", "0.2", "0.3", "0.3", "0.5"}, '.'));
    EXPECT_TRUE(TypedOnOneLine({"0,1", "0,1", "0,2", "0,3", "0,3", "0,5"}, ','));
    EXPECT_TRUE(TypedOnOneLine({"1", "2", "1", "2", "5", "-7"}, '.')); // A = B
    // A triangle of area 1E-30 is a triangle.
    EXPECT_FALSE(TypedOnOneLine({"0", "0", "1E-15", "0", "0", "2E-15"}, '.'));
    // 1E20+1 is 1E20 as a long double, which would put C on the line AB.
    EXPECT_FALSE(TypedOnOneLine({"0", "0", "1", "1", "1E20", "100000000000000000001"}, '.'));
}

TEST(FlatFigure, four_vertices_are_in_one_plane_exactly_as_typed) {
    // D = B + C - A.
    EXPECT_TRUE(TypedInOnePlane(
        {{{"0.1", "0.2", "0.3"}, {"0.4", "0.7", "0.6"}, {"0.3", "0.8", "1.9"}, {"0.6", "1.3", "2.2"}}}, '.'));
    // A, B and C on one line: any D is in a plane with them.
    EXPECT_TRUE(
        TypedInOnePlane({{{"0", "0", "0"}, {"1", "1", "1"}, {"2", "2", "2"}, {"5", "-3", "7"}}}, '.'));
    EXPECT_FALSE(TypedInOnePlane({{{"0.1", "0.2", "0.3"},
                                   {"0.4", "0.7", "0.6"},
                                   {"0.3", "0.8", "1.9"},
                                   {"0.6", "1.3", "2.2000000000000000001"}}},
                                 '.'));
    EXPECT_FALSE(TypedInOnePlane(
        {{{"0", "0", "0"}, {"1E-10", "0", "0"}, {"0", "1E-10", "0"}, {"0", "0", "1E-10"}}}, '.'));
}

} // namespace
} // namespace tc
