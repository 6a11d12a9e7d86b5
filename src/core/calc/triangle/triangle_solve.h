// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Triangle tab's mathematics without widgets or texts: the vertices as
// read, and one result with every value the written solution shows, step by
// step in the order it shows them. A step that a failure stopped stays empty,
// and so do all later ones (see calc/common/partial.h).

#include <array>
#include <optional>
#include <string>

#include "calc/common/partial.h"
#include "calc/triangle/triangle_geometry.h"
#include "numbers/convert.h"

namespace tc {

// The data as the tab reads it: the coordinates in field order (Ax, Ay, Bx,
// By, Cx, Cy) as typed, for the echo, and the vertices once all six are read.
struct TriangleInput {
    std::array<std::string, 6> typed;
    std::optional<std::array<Point2, 3>> vertices;
};

// A line through A: parallel to an axis, or in slope form.
struct LineFromA {
    enum class Kind { Vertical, Horizontal, Slope };
    Kind kind = Kind::Slope;
    Slope slope{};
};

struct TriangleResult {
    Point2 a, b, c;
    std::optional<std::array<Point2, 3>> vectors; // AB, BC, AC
    std::optional<Segment2> ab, bc, ac;           // the sides
    std::optional<Angle2> angleA, angleB, angleC; // AB^AC, BA^BC, CA^CB

    struct Median {
        Point2 foot; // M, the middle of BC
        std::optional<Segment2> segment;
        std::optional<LineFromA> line;
    };
    std::optional<Median> median;

    struct Height {
        // BC vertical or horizontal makes the height horizontal or vertical;
        // otherwise its slope is k1 = -q with q = BCx/BCy, and k = BCy/BCx.
        enum class Kind { ToVertical, ToHorizontal, Slope };
        Kind kind = Kind::Slope;
        Ext q, c, k; // y + q*x + c = 0 in the slope case
        std::optional<Ext> length;
    };
    std::optional<Height> height;

    struct Bisector {
        Ext ratio;                  // P = |AB|/|AC|, the ratio in which K divides BC
        std::optional<Point2> foot; // K
        std::optional<Segment2> segment;
        std::optional<LineFromA> line;
    };
    std::optional<Bisector> bisector;

    std::optional<Ext> centroidX, centroidY;

    // The verdict on the vertices as typed: they lie on one line.
    bool collinear = false;
};

// Solves the triangle ABC; `typedFlat` as MeasureAngle takes it.
Partial<TriangleResult> SolveTriangle(Point2 a, Point2 b, Point2 c, bool typedFlat = false);

// Solves the triangle of the read vertices (`in.vertices` set), judging first
// whether the vertices as typed (with the separator `decimal`) lie on one
// line. Such vertices make no triangle: with `refuseCollinear` the result
// holds the vertices and the verdict alone and fails with the message that
// says so; without it (a language file from before that message) the solution
// goes on as before.
Partial<TriangleResult> SolveTriangle(const TriangleInput& in, char decimal, bool refuseCollinear);

} // namespace tc
