// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/triangle/triangle_measure_write.h"

#include "calc/common/terms.h"

namespace tc {

namespace {

// One side of the canonical equation: "(x-x1)/dx", "(x+|x1|)/dx" or "x/dx".
std::string CanonicalPart(const Numbers& nums, const char* var, Ext start, Ext delta) {
    std::string head;
    if (start == 0.0L)
        head = var;
    else if (start < 0.0L)
        head = std::string("(") + var + "+" + nums.text(-start) + ")";
    else
        head = std::string("(") + var + "-" + nums.text(start) + ")";
    return head + "/" + Bracketed(nums, delta);
}

} // namespace

std::string ConstantTerm(const Numbers& nums, Ext c) {
    if (c > 0.0L) return "+" + nums.fixed(c, 4);
    if (c < 0.0L) return "-" + nums.fixed(-c, 4);
    return "";
}

std::string SlopeForm(const Numbers& nums, Slope line) {
    const Ext m = line.m;
    std::string text = m > 0.0L ? "y-" + nums.fixed(m, 4) + "x" : "y+" + nums.fixed(-m, 4) + "x";
    return text + ConstantTerm(nums, line.c) + "=0";
}

SegmentTexts SegmentText(const Numbers& nums, const Segment2& s) {
    SegmentTexts t;
    t.lengthFormula = "(" + nums.text(s.dxx) + "+" + nums.text(s.dyy) + ")^(1/2)=" + nums.text(s.length);
    t.length = nums.fixed(s.length, 4);
    t.dx = nums.text(s.d.x);
    t.dy = nums.text(s.d.y);
    t.vector = "(" + nums.text(s.to.x) + "-" + Bracketed(nums, s.from.x) + ";" + nums.text(s.to.y) + "-" +
               Bracketed(nums, s.from.y) + ")=(" + t.dx + ";" + t.dy + ")";
    if (s.d.x == 0.0L) t.line = "x=" + nums.text(s.from.x);
    if (s.d.y == 0.0L) t.line = "y=" + nums.text(s.from.y);
    if (s.slope) {
        t.line = CanonicalPart(nums, "x", s.from.x, s.d.x) + "=" + CanonicalPart(nums, "y", s.from.y, s.d.y);
        t.slopeForm = SlopeForm(nums, *s.slope);
    }
    return t;
}

AngleTexts AngleText(const Numbers& nums, const Angle2& a) {
    // More digits are kept before the rounding to the decimals than in the
    // usual fixed form; asking for 20 gives the most the form keeps, 18.
    constexpr int kPrecision = 20;
    const auto f = [&nums](Ext v, int decimals) { return nums.fixed(v, decimals, kPrecision); };

    AngleTexts t;
    t.product = nums.text(a.u.x) + "*" + Bracketed(nums, a.v.x) + "+" + Bracketed(nums, a.u.y) + "*" +
                Bracketed(nums, a.v.y) + "=" + nums.text(a.p) + Signed(nums, a.q) + "=" + nums.text(a.s);
    t.lengthU = "(" + nums.text(a.uxx) + "+" + nums.text(a.uyy) + ")^(1/2)=(" + nums.text(a.sumU) +
                ")^(1/2)=" + nums.text(a.lengthU);
    t.lengthV = "(" + nums.text(a.vxx) + "+" + nums.text(a.vyy) + ")^(1/2)=(" + nums.text(a.sumV) +
                ")^(1/2)=" + nums.text(a.lengthV);
    t.cosine = nums.text(a.s) + "/(" + f(a.lengthU, 4) + "*" + f(a.lengthV, 4) + ")=" + f(a.cos, 6);
    t.degrees = "arccos(" + f(a.cos, 4) + ")/Pi*180=" + f(a.degrees, 4);
    return t;
}

} // namespace tc
