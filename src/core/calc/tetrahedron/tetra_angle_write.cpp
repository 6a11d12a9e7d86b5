// SPDX-License-Identifier: GPL-3.0-or-later
// Angles between two edges and between an edge and a face.

#include "calc/tetrahedron/tetra_measure_write.h"

#include "calc/common/terms.h"

namespace tc {

Ext Degrees(Ext radians) {
    return radians / Pi() * 180.0L;
}

EdgeAngleValue EdgeAngle(const Point3& u, const Point3& v, Ext lengthU, Ext lengthV, bool typedFlat) {
    Ext cos = (u.x * v.x + u.y * v.y + u.z * v.z) / (lengthU * lengthV);
    if (!typedFlat) cos = WithinOne(cos);
    return {cos, Degrees(ArcCos(cos))};
}

EdgeFaceValue MeasureEdgeFace(const Point3& n, const Point3& e, Ext lengthE) {
    const Ext dot = n.x * e.x + n.y * e.y + n.z * e.z;
    const Ext nsq = n.x * n.x + n.y * n.y + n.z * n.z;
    const Ext normal = Sqrt(nsq);
    // The angle between a line and a plane lies in 0..90 degrees whichever
    // side of the face the edge leaves to, so the sine takes |n.e|.
    // |n.e| <= |n| |e| always holds, so a sine beyond 1 is rounding in the two
    // square roots. An edge perpendicular to its face lands there about as
    // often as not (A(0;0;0), B(1;1;0), C(0;0;1), D(1;-1;0)); its angle is 90
    // degrees, not a failure of the arc sine.
    const Ext sin = WithinOne(Abs(dot) / (normal * lengthE));
    return {dot, nsq, normal, sin, Degrees(ArcSin(sin))};
}

EdgeFaceTexts EdgeFaceText(const Numbers& nums, const Point3& n, const Point3& e, Ext lengthE,
                           const EdgeFaceValue& value) {
    const Ext dot = value.dot, nsq = value.nsq, normal = value.normal, sin = value.sin;
    EdgeFaceTexts t;
    // Nx is written bare even when negative: it opens the sum.
    t.dot = nums.text(n.x) + "*" + Bracketed(nums, e.x) + Signed(nums, n.y) + "*" + Bracketed(nums, e.y) +
            Signed(nums, n.z) + "*" + Bracketed(nums, e.z) + "=" + nums.text(dot);

    t.normalLength = n.x < 0.0L ? "((" + nums.text(n.x) + ")^2+" : "(" + nums.text(n.x) + "^2+";
    t.normalLength += Bracketed(nums, n.y) + "^2+";
    t.normalLength += Bracketed(nums, n.z) + "^2)^(1/2)=";
    t.normalLength += "(" + nums.text(nsq) + ")^(1/2)=" + nums.fixed(normal, 4);

    t.sineValue = nums.fixed(sin, 4);
    t.sine = nums.text(Abs(dot)) + "/(" + nums.fixed(normal, 4) + "*" + nums.fixed(lengthE, 4) + ")=" + t.sineValue;
    t.degrees = nums.fixed(value.degrees, 4);
    return t;
}

} // namespace tc
