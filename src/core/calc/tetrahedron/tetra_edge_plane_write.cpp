// SPDX-License-Identifier: GPL-3.0-or-later
// Edges, face planes and face areas.

#include "calc/tetrahedron/tetra_measure_write.h"

#include "calc/common/terms.h"

namespace tc {

namespace {

// The sign part of "x2 - x1" with x1 folded in: "+3" for -3, "-3" for 3,
// nothing for 0.
std::string Minus(const Numbers& nums, Ext s) {
    if (s < 0.0L) return "+" + nums.text(-s);
    if (s > 0.0L) return "-" + nums.text(s);
    return "";
}

// "(x-7)/", "(x+2)/" or, for a zero start, `zeroOpening`.
std::string Opening(const Numbers& nums, const char* axis, Ext start, const std::string& zeroOpening) {
    if (start < 0.0L) return "(" + std::string(axis) + "+" + nums.text(-start) + ")/";
    if (start > 0.0L) return "(" + std::string(axis) + "-" + nums.text(start) + ")/";
    return zeroOpening;
}

// A term of a plane equation: "+79y", "-46z", nothing for a zero coefficient.
std::string Term(const Numbers& nums, Ext k, const char* variable) {
    if (k < 0.0L) return nums.text(k) + variable;
    if (k > 0.0L) return "+" + nums.text(k) + variable;
    return "";
}

} // namespace

Edge MeasureEdge(const Point3& start, const Point3& end) {
    Edge e{end - start, {}, {}, {}, {}, {}};
    e.xx = e.v.x * e.v.x;
    e.yy = e.v.y * e.v.y;
    e.zz = e.v.z * e.v.z;
    e.sum = e.xx + e.yy + e.zz;
    e.length = Sqrt(e.sum);
    return e;
}

Plane MeasurePlane(const Point3& p1, const Point3& p2, const Point3& p3) {
    const Point3 u = p2 - p1, v = p3 - p1;
    const Ext a = u.y * v.z - u.z * v.y;
    const Ext b = u.z * v.x - u.x * v.z;
    const Ext c = u.x * v.y - u.y * v.x;
    const Ext d = -(a * p1.x + b * p1.y + c * p1.z);
    return {p1, a, b, c, d};
}

EdgeTexts EdgeText(const Numbers& nums, const Point3& start, const Point3& end, const Edge& e) {
    const Point3& d = e.v;
    EdgeTexts t;

    t.vector = "(" + nums.text(end.x) + Minus(nums, start.x) + ";" + nums.text(end.y) + Minus(nums, start.y) + ";" +
               nums.text(end.z) + Minus(nums, start.z) + ")=" + "(" + nums.text(d.x) + ";" + nums.text(d.y) + ";" +
               nums.text(d.z) + ")";

    // A zero start reads "x/" for x but "(y)/" and "(z)/" for the others.
    t.line = Opening(nums, "x", start.x, "x/") + Bracketed(nums, d.x) + "=";
    t.line += Opening(nums, "y", start.y, "(y)/") + Bracketed(nums, d.y) + "=";
    t.line += Opening(nums, "z", start.z, "(z)/") + Bracketed(nums, d.z);

    t.length = d.x < 0.0L ? "((" + nums.text(d.x) + ")^2+" : "(" + nums.text(d.x) + "^2+";
    t.length += Bracketed(nums, d.y) + "^2+";
    t.length += Bracketed(nums, d.z) + "^2)^(1/2)=";
    t.length += "(" + nums.text(e.xx) + "+" + nums.text(e.yy) + "+" + nums.text(e.zz) + ")^(1/2)=";
    t.length += "(" + nums.text(e.sum) + ")^(1/2)=";
    t.length += nums.fixed(e.length, 4);
    return t;
}

PlaneTexts PlaneText(const Numbers& nums, const Plane& plane) {
    const Ext a = plane.a, b = plane.b, c = plane.c, d = plane.d;
    PlaneTexts t;
    // The first term has no "+": with A = 0 the equation may begin with one.
    t.equation = a != 0.0L ? nums.text(a) + "x" : "";
    t.equation += Term(nums, b, "y");
    t.equation += Term(nums, c, "z");
    t.equation += Term(nums, d, "") + "=0";
    t.a = nums.text(a);
    t.b = nums.text(b);
    t.c = nums.text(c);
    return t;
}

Point3 NormalFromText(const Numbers& nums, const PlaneTexts& plane) {
    return {nums.read(plane.a), nums.read(plane.b), nums.read(plane.c)};
}

Ext TriangleArea(const Point3& u, const Point3& v) {
    const Ext d1 = u.y * v.z - u.z * v.y;
    const Ext d2 = u.x * v.z - u.z * v.x;
    const Ext d3 = u.x * v.y - u.y * v.x;
    return Sqrt(d1 * d1 + d2 * d2 + d3 * d3) / 2.0L;
}

} // namespace tc
