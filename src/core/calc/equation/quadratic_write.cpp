// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/quadratic_write.h"

#include "calc/common/terms.h"

namespace tc {

namespace {

// The divisor of both root formulas: "(2*a)=" or, for a negative a, "(2*(a))=".
std::string Divisor(const Numbers& n, Ext a) {
    return "(2*" + Bracketed(n, a) + ")=";
}

// "(-b+root)/(2*a)=" (or with "-") with the numbers put in; `unit` follows the
// root: "" for a real one, "*i" for an imaginary one.
std::string RootFraction(const Numbers& n, char sign, Ext a, Ext b, Ext root, const char* unit) {
    return "(" + n.text(-b) + sign + n.text(root) + unit + ")/" + Divisor(n, a);
}

} // namespace

const std::string kStepGap(11, ' ');

std::string DiscriminantText(const Numbers& n, Ext a, Ext b, Ext c, Ext d) {
    std::string t = "D=";
    t += Bracketed(n, b) + "*" + Bracketed(n, b) + "-4*";
    t += Bracketed(n, a) + "*";
    t += Bracketed(n, c) + "=";
    t += n.text(d);
    return t;
}

std::string RealRootText(const Numbers& n, char sign, Ext a, Ext b, const RealRootPair& roots) {
    return RootFraction(n, sign, a, b, roots.r, "") + n.text(sign == '+' ? roots.x1 : roots.x2);
}

// re+im*i as a solution writes it: one sign before the imaginary part
// ("1-2*i", never "1+-2*i"), and a pure imaginary number without its real
// part 0 ("2*i", "-2*i").
std::string ImaginaryText(const Numbers& n, Ext re, char sign, Ext im) {
    if (im < 0.0L) {
        sign = sign == '+' ? '-' : '+';
        im = -im;
    }
    const std::string imaginary = n.text(im) + "*i";
    if (re == 0.0L) return sign == '-' ? "-" + imaginary : imaginary;
    return n.text(re) + sign + imaginary;
}

std::string ComplexRootText(const Numbers& n, char sign, Ext a, Ext b, const ComplexRootPair& roots) {
    return RootFraction(n, sign, a, b, roots.s, "*i") + ImaginaryText(n, roots.re, sign, roots.im);
}

std::vector<std::string> QuadraticSteps(const MessageTable& m, const Numbers& n, const QuadraticSolution& s,
                                        const std::string& root) {
    const std::string x1 = root + "[1]=", x2 = root + "[2]=";
    std::vector<std::string> lines;
    lines.push_back(m(Line::msg69_discriminant));
    lines.push_back("              D=b*b-4*a*c");
    lines.push_back(kStepGap);
    lines.push_back(DiscriminantText(n, s.a, s.b, s.c, s.d));
    lines.push_back(kStepGap);
    switch (s.kind) {
    case QuadraticCase::TwoReal:
        lines.push_back(m(Line::msg70_d_positive));
        lines.push_back(m(Line::msg71_two_real_roots));
        lines.push_back("");
        lines.push_back(x1 + "(-b+sqrt(D))/(2*a)=" + RealRootText(n, '+', s.a, s.b, *s.real));
        lines.push_back(x2 + "(-b-sqrt(D))/(2*a)=" + RealRootText(n, '-', s.a, s.b, *s.real));
        break;
    case QuadraticCase::Double:
        lines.push_back(m(Line::msg72_d_zero));
        lines.push_back(m(Line::msg73_equal_roots));
        lines.push_back(kStepGap);
        lines.push_back(x1 + "(-b)/(2*a)=" + RealRootText(n, '+', s.a, s.b, *s.real));
        lines.push_back(x2 + "(-b)/(2*a)=" + RealRootText(n, '-', s.a, s.b, *s.real));
        break;
    case QuadraticCase::Complex:
        lines.push_back(m(Line::msg74_d_negative));
        lines.push_back(m(Line::msg75_complex_roots));
        lines.push_back(kStepGap);
        lines.push_back(x1 + "(-b+sqrt(-D)*i)/(2*a)=" + ComplexRootText(n, '+', s.a, s.b, *s.complex));
        lines.push_back(x2 + "(-b-sqrt(-D)*i)/(2*a)=" + ComplexRootText(n, '-', s.a, s.b, *s.complex));
        break;
    }
    return lines;
}

std::vector<std::string> WriteQuadratic(const MessageTable& m, const Numbers& n,
                                        const std::vector<std::string>& typed, const QuadraticSolution& s) {
    std::vector<std::string> lines;
    lines.push_back("***    " + m(Line::msg68_quadratic_equation) + "   ***");
    lines.push_back(typed.at(0) + "*x^2" + Signed(typed.at(1), s.b) + "*x" + Signed(typed.at(2), s.c) + "=0");
    lines.push_back(kStepGap);
    for (std::string& line : QuadraticSteps(m, n, s, "X"))
        lines.push_back(std::move(line));
    return lines;
}

std::string ComplexField(const Numbers& n, Ext re, char sign, Ext im) {
    return n.general(re, 5) + sign + n.general(im, 5) + "*i";
}

std::string RootText(const Numbers& n, const Root& x) {
    if (!x.complex) return n.text(x.re);
    return x.im < 0.0L ? ImaginaryText(n, x.re, '-', -x.im) : ImaginaryText(n, x.re, '+', x.im);
}

std::string RootField(const Numbers& n, const Root& x) {
    if (!x.complex) return n.general(x.re, 8);
    return x.im < 0.0L ? ComplexField(n, x.re, '-', -x.im) : ComplexField(n, x.re, '+', x.im);
}

std::vector<std::string> QuadraticRootFields(const Numbers& n, const QuadraticSolution& s) {
    switch (s.kind) {
    case QuadraticCase::TwoReal: return {n.general(s.real->x1, 8), n.general(s.real->x2, 8)};
    case QuadraticCase::Double: return {n.general(s.vertex, 5), n.general(s.vertex, 5)};
    case QuadraticCase::Complex:
        return {ComplexField(n, s.complex->re, '+', s.complex->im),
                ComplexField(n, s.complex->re, '-', s.complex->im)};
    }
    return {};
}

std::vector<std::string> WriteVietaCheck(const MessageTable& m, const Numbers& n, const QuadraticSolution& s,
                                         const VietaCheck& v) {
    // The two roots as terms: a complex root stands in brackets, a real one
    // as a later term of the sum or a factor of the product.
    std::string first, plusSecond, timesSecond;
    if (s.complex) {
        first = "(" + n.text(s.complex->re) + Signed(n, s.complex->im) + "*i)";
        const std::string second = "(" + n.text(s.complex->re) + Signed(n, -s.complex->im) + "*i)";
        plusSecond = "+" + second;
        timesSecond = "*" + second;
    } else {
        first = n.text(s.real->x1);
        plusSecond = Signed(n, s.real->x2);
        timesSecond = "*" + Bracketed(n, s.real->x2);
    }
    const std::string residual = ", " + m.text(Line::check_residual, "residual") + " ";
    return {m.text(Line::check_title, "Check:"),
            m.text(Line::eq_check_vieta, "The roots put into Vieta's formulas x1+x2=-B/A, x1*x2=C/A:"),
            "X[1]+X[2]=" + first + plusSecond + "=" + n.text(v.sum) + ", -B/A=" + n.text(v.minusBOverA) + residual +
                n.text(v.sumResidual),
            "X[1]*X[2]=" + first + timesSecond + "=" + n.text(v.product) + ", C/A=" + n.text(v.cOverA) + residual +
                n.text(v.productResidual)};
}

} // namespace tc
