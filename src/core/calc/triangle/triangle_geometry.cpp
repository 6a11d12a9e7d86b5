// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/triangle/triangle_geometry.h"

namespace tc {

Segment2 MeasureSegment(Point2 from, Point2 to) {
    Segment2 s{from, to, {to.x - from.x, to.y - from.y}, {}, {}, {}, std::nullopt};
    s.dxx = s.d.x * s.d.x;
    s.dyy = s.d.y * s.d.y;
    s.length = Sqrt(s.dyy + s.dxx);
    if (s.d.x != 0.0L && s.d.y != 0.0L) {
        // y - m*x + c = 0 through `from` with m = dy/dx: c = m*from.x - from.y.
        s.slope = Slope{s.d.y / s.d.x, (from.x * s.d.y) / s.d.x + (-from.y)};
    }
    return s;
}

Angle2 MeasureAngle(Point2 u, Point2 v, bool typedFlat) {
    Angle2 a{};
    a.u = u;
    a.v = v;
    a.p = u.x * v.x;
    a.q = u.y * v.y;
    a.s = a.p + a.q;
    a.uxx = u.x * u.x;
    a.uyy = u.y * u.y;
    a.sumU = a.uyy + a.uxx;
    a.lengthU = Sqrt(a.sumU);
    a.vxx = v.x * v.x;
    a.vyy = v.y * v.y;
    a.sumV = a.vyy + a.vxx;
    a.lengthV = Sqrt(a.sumV);
    a.cos = a.s / (a.lengthU * a.lengthV);
    if (!typedFlat) a.cos = WithinOne(a.cos);
    a.degrees = ArcCos(a.cos) / Pi() * 180.0L;
    return a;
}

} // namespace tc
