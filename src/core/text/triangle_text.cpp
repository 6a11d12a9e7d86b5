#include "text/triangle_text.h"

namespace tc {

namespace {

// A number in the general form, in parentheses when negative.
std::string Bracketed(const Numbers& nums, Ext v) {
    return v < 0.0L ? "(" + nums.g(v) + ")" : nums.g(v);
}

// "-v" as it follows another term: "-(v)" for a negative v.
std::string Minus(const Numbers& nums, Ext v) {
    return "-" + Bracketed(nums, v);
}

// One side of the canonical equation: "(x-x1)/dx", "(x+|x1|)/dx" or "x/dx".
std::string CanonicalPart(const Numbers& nums, const char* var, Ext start, Ext delta) {
    std::string head;
    if (start == 0.0L)
        head = var;
    else if (start < 0.0L)
        head = std::string("(") + var + "+" + nums.g(-start) + ")";
    else
        head = std::string("(") + var + "-" + nums.g(start) + ")";
    return head + "/" + Bracketed(nums, delta);
}

} // namespace

std::string ConstantTerm(const Numbers& nums, Ext c) {
    if (c > 0.0L) return "+" + nums.fixed(c, 4);
    if (c < 0.0L) return "-" + nums.fixed(-c, 4);
    return "";
}

std::string SlopeForm(const Numbers& nums, Ext m, Ext c) {
    std::string text = m > 0.0L ? "y-" + nums.fixed(m, 4) + "x" : "y+" + nums.fixed(-m, 4) + "x";
    return text + ConstantTerm(nums, c) + "=0";
}

TriangleLines SegmentText(const Numbers& nums, Ext x1, Ext y1, Ext x2, Ext y2) {
    TriangleLines e;
    const Ext dx = x2 - x1;
    const Ext dy = y2 - y1;
    const Ext len = Sqrt(dy * dy + dx * dx);

    e[6] = "(" + nums.g(dx * dx) + "+" + nums.g(dy * dy) + ")^(1/2)=" + nums.g(len);
    e[7] = nums.fixed(len, 4);
    e[4] = nums.g(dx);
    e[5] = nums.g(dy);
    e[1] = "(" + nums.g(x2) + Minus(nums, x1) + ";" + nums.g(y2) + Minus(nums, y1) + ")=(" + nums.g(dx) +
           ";" + nums.g(dy) + ")";
    e[8] = "1";
    e[3] = "0";

    if (dx == 0.0L) e[2] = "x=" + nums.g(x1);
    if (dy == 0.0L) e[2] = "y=" + nums.g(y1);
    if (dx != 0.0L && dy != 0.0L) {
        e[2] = CanonicalPart(nums, "x", x1, dx) + "=" + CanonicalPart(nums, "y", y1, dy);
        // y - m*x + c = 0 through (x1; y1) with m = dy/dx: c = m*x1 - y1.
        const Ext m = dy / dx;
        const Ext c = (x1 * dy) / dx + (-y1);
        e[3] = SlopeForm(nums, m, c);
        e[8] = "0";
    }
    return e;
}

TriangleLines AngleText(const Numbers& nums, Ext ux, Ext uy, Ext vx, Ext vy) {
    // More digits are kept before the rounding to the decimals than in the
    // usual fixed form; asking for 20 gives the most the form keeps, 18.
    constexpr int kPrecision = 20;
    const auto f = [&nums](Ext v, int decimals) { return nums.fixed(v, decimals, kPrecision); };

    TriangleLines e;
    const Ext p = ux * vx;
    const Ext q = uy * vy;
    const Ext s = p + q;

    e[1] = nums.g(ux);
    e[1] += vx < 0.0L ? "*(" + nums.g(vx) + ")+" : "*" + nums.g(vx) + "+";
    e[1] += uy < 0.0L ? "(" + nums.g(uy) + ")*" : nums.g(uy) + "*";
    e[1] += vy < 0.0L ? "(" + nums.g(vy) + ")=" : nums.g(vy) + "=";
    e[1] += nums.g(p);
    e[1] += q < 0.0L ? nums.g(q) + "=" + nums.g(s) : "+" + nums.g(q) + "=" + nums.g(s);

    const Ext lenU = Sqrt(uy * uy + ux * ux);
    const Ext lenV = Sqrt(vy * vy + vx * vx);
    e[2] = "(" + nums.g(ux * ux) + "+" + nums.g(uy * uy) + ")^(1/2)=(" + nums.g(uy * uy + ux * ux) +
           ")^(1/2)=" + nums.g(lenU);
    e[3] = "(" + nums.g(vx * vx) + "+" + nums.g(vy * vy) + ")^(1/2)=(" + nums.g(vy * vy + vx * vx) +
           ")^(1/2)=" + nums.g(lenV);

    const Ext c = s / (lenU * lenV);
    e[4] = nums.g(s) + "/(" + f(lenU, 4) + "*" + f(lenV, 4) + ")=" + f(c, 6);

    const Ext angle = ArcCos(c) / Pi() * 180.0L;
    e[5] = "arcos(" + f(c, 4) + ")/3,14*180=" + f(angle, 4);
    return e;
}

} // namespace tc
