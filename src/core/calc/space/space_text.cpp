// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/space/space_text.h"

namespace tc::space {

namespace {

const char* const kAxes[3] = {"x", "y", "z"};

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// "x-1", "y+3", "z" for a zero start.
std::string Shifted(const char* axis, const Rational& start) {
    if (start == 0) return axis;
    return std::string(axis) + (start < 0 ? "+" + FractionText(-start) : "-" + FractionText(start));
}

} // namespace

std::string Term(const Rational& k, const std::string& variable, bool first) {
    if (k == 0) return "";
    const bool negative = k < 0;
    const Rational size = negative ? Rational(-k) : k;
    std::string text;
    if (variable.empty())
        text = FractionText(size);
    else if (size != 1)
        text = size.get_den() == 1 ? FractionText(size) : "(" + FractionText(size) + ")";
    text += variable;
    if (negative) return "-" + text;
    return first ? text : "+" + text;
}

const char* Axis(int i) {
    return kAxes[At(i)];
}

std::string Factor(const Rational& q) {
    return q < 0 || q.get_den() != 1 ? "(" + FractionText(q) + ")" : FractionText(q);
}

std::string VecText(const Vec3& v) {
    return "(" + FractionText(v[0]) + "; " + FractionText(v[1]) + "; " + FractionText(v[2]) + ")";
}

std::string DiffText(const Vec3& a, const Vec3& b) {
    std::string text = "(";
    for (int i = 0; i < 3; ++i)
        text += (i ? "; " : "") + FractionText(a[At(i)]) + "-" + Factor(b[At(i)]);
    return text + ")";
}

std::string PlaneEquation(const SpacePlane& p) {
    std::string text;
    for (int i = 0; i < 3; ++i)
        text += Term(p.n[At(i)], kAxes[i], text.empty());
    return text + Term(p.d, "", false) + "=0";
}

std::string PlaneByPoint(const Vec3& n, const Vec3& p) {
    std::string text;
    for (int i = 0; i < 3; ++i) {
        const std::string shifted = Shifted(kAxes[i], p[At(i)]);
        text += Term(n[At(i)], p[At(i)] == 0 ? shifted : "(" + shifted + ")", text.empty());
    }
    return text + "=0";
}

std::string Canonical(const SpaceLine& l) {
    std::string text;
    for (int i = 0; i < 3; ++i) {
        const std::string top = Shifted(kAxes[i], l.point[At(i)]);
        text += (i ? "=" : "") + (l.point[At(i)] == 0 ? top : "(" + top + ")") + "/" + Factor(l.dir[At(i)]);
    }
    return text;
}

std::string Parametric(const SpaceLine& l, const std::string& t) {
    std::string text;
    for (int i = 0; i < 3; ++i) {
        const Rational& start = l.point[At(i)];
        std::string side = start != 0 ? FractionText(start) : "";
        side += Term(l.dir[At(i)], t, side.empty());
        text += (i ? "; " : "") + std::string(kAxes[i]) + "=" + (side.empty() ? "0" : side);
    }
    return text;
}

std::string CrossText(const Vec3& u, const Vec3& v, const Vec3& w) {
    std::string text = "|i j k; " + FractionText(u[0]) + " " + FractionText(u[1]) + " " + FractionText(u[2]) + "; " +
                       FractionText(v[0]) + " " + FractionText(v[1]) + " " + FractionText(v[2]) + "|=(";
    for (int i = 0; i < 3; ++i) {
        const std::size_t j = At((i + 1) % 3), k = At((i + 2) % 3);
        text += (i ? "; " : "") + Factor(u[j]) + "*" + Factor(v[k]) + "-" + Factor(u[k]) + "*" + Factor(v[j]);
    }
    return text + ")=" + VecText(w);
}

std::string DotText(const Vec3& a, const Vec3& b) {
    return Factor(a[0]) + "*" + Factor(b[0]) + "+" + Factor(a[1]) + "*" + Factor(b[1]) + "+" + Factor(a[2]) + "*" +
           Factor(b[2]);
}

std::string SquaresText(const Vec3& v) {
    return Factor(v[0]) + "^2+" + Factor(v[1]) + "^2+" + Factor(v[2]) + "^2";
}

std::string AtPointText(const SpacePlane& plane, const Vec3& p) {
    std::string text;
    for (int i = 0; i < 3; ++i) {
        const Rational& k = plane.n[At(i)];
        if (k == 0) continue;
        const std::string product = Factor(k < 0 ? Rational(-k) : k) + "*" + Factor(p[At(i)]);
        text += k < 0 ? "-" + product : (text.empty() ? "" : "+") + product;
    }
    return text + Term(plane.d, "", text.empty());
}

} // namespace tc::space
