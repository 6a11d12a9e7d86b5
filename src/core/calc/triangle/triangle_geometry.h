// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plane measurements the Triangle tab is made of: a segment between two
// points and the angle between two vectors, with every intermediate value the
// written solution quotes. Values only; triangle_measure_write.h words them.

#include <optional>

#include "numbers/ext.h"

namespace tc {

struct Point2 {
    Ext x, y;
};

// The line y - m*x + c = 0 of a slope that is neither zero nor infinite.
struct Slope {
    Ext m, c;
};

// The segment from `from` to `to`.
struct Segment2 {
    Point2 from, to;
    Point2 d;     // to - from
    Ext dxx, dyy; // the squares of d's components
    Ext length;
    // The slope form through `from` (m = dy/dx, c = m*from.x - from.y), when the
    // segment is neither vertical nor horizontal.
    std::optional<Slope> slope;
};

// Measures the segment; fails only on overflow.
Segment2 MeasureSegment(Point2 from, Point2 to);

// The angle between the vectors u and v.
struct Angle2 {
    Point2 u, v;
    Ext p, q, s;          // ux*vx, uy*vy and their sum, the scalar product
    Ext uxx, uyy, sumU;   // the squares of u's components and their sum
    Ext vxx, vyy, sumV;   // the same for v
    Ext lengthU, lengthV; // the square roots of the sums
    Ext cos;              // s / (|u| |v|)
    Ext degrees;          // arccos(cos) in degrees, with pi at full precision
};

// Measures the angle. A zero vector fails with "Invalid floating point
// operation" (0/0). A cosine that rounding has carried past -1 or 1 is -1 or 1,
// except in a triangle typed flat (`typedFlat`), which reaches the solver only
// where the language file cannot say that it is flat: there it fails in the
// arc cosine as it always did.
Angle2 MeasureAngle(Point2 u, Point2 v, bool typedFlat = false);

} // namespace tc
