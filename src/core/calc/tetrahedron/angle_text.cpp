// Angles between two edges and between an edge and a face.

#include "calc/tetrahedron/tetra_text.h"

namespace tc {

namespace {

// An edge component as a factor: bracketed when negative.
std::string Factor(const Numbers& nums, Ext e) {
    return e < 0.0L ? "(" + nums.g(e) + ")" : nums.g(e);
}

// "+79*" or "-46*": a normal component after the first carries its own sign.
std::string Coefficient(const Numbers& nums, Ext n) {
    return n < 0.0L ? nums.g(n) + "*" : "+" + nums.g(n) + "*";
}

} // namespace

Ext Degrees(Ext radians) {
    return radians / Pi() * 180.0L;
}

EdgeAngleValue EdgeAngle(const Point3& u, const Point3& v, Ext lengthU, Ext lengthV) {
    const Ext cos = (u.x * v.x + u.y * v.y + u.z * v.z) / (lengthU * lengthV);
    return {cos, Degrees(ArcCos(cos))};
}

EdgeFaceTexts EdgeFaceAngle(const Numbers& nums, const Point3& n, const Point3& e, Ext lengthE) {
    const Ext dot = n.x * e.x + n.y * e.y + n.z * e.z;
    const Ext nsq = n.x * n.x + n.y * n.y + n.z * n.z;
    const Ext normal = Sqrt(nsq);
    // |n.e| <= |n| |e| always holds, so a sine beyond 1 in magnitude is rounding
    // in the two square roots. An edge perpendicular to its face lands there
    // about as often as not (A(0;0;0), B(1;1;0), C(0;0;1), D(1;-1;0)); its angle
    // is 90 degrees, not a failure of the arc sine.
    Ext sin = dot / (normal * lengthE);
    if (sin > 1.0L) sin = 1.0L;
    if (sin < -1.0L) sin = -1.0L;

    EdgeFaceTexts t;
    // Nx is written bare even when negative: it opens the sum.
    t.dot = nums.g(n.x) + "*" + Factor(nums, e.x) + Coefficient(nums, n.y) + Factor(nums, e.y) +
            Coefficient(nums, n.z) + Factor(nums, e.z) + "=" + nums.g(dot);

    t.normalLength = n.x < 0.0L ? "((" + nums.g(n.x) + ")^2+" : "(" + nums.g(n.x) + "^2+";
    t.normalLength += Factor(nums, n.y) + "^2+";
    t.normalLength += Factor(nums, n.z) + "^2)^(1/2)=";
    t.normalLength += "(" + nums.g(nsq) + ")^(1/2)=" + nums.fixed(normal, 4);

    t.sineValue = nums.fixed(sin, 4);
    t.sine = nums.g(dot) + "/(" + nums.fixed(normal, 4) + "*" + nums.fixed(lengthE, 4) + ")=" + t.sineValue;
    t.degrees = nums.fixed(Degrees(ArcSin(sin)), 4);
    return t;
}

} // namespace tc
