#include "calc/equation/quadratic_text.h"

namespace tc {

namespace {

// A number below zero is written in parentheses; zero and positive numbers bare.
std::string Bracketed(const Numbers& n, Ext v) {
    return v < 0.0L ? "(" + n.g(v) + ")" : n.g(v);
}

// The divisor of both root formulas: "(2*a)=" or, for a negative a, "(2*(a))=".
std::string Divisor(const Numbers& n, Ext a) {
    return "(2*" + Bracketed(n, a) + ")=";
}

Ext Signed(char sign, Ext v) {
    return sign == '-' ? -v : v;
}

} // namespace

Ext Discriminant(Ext a, Ext b, Ext c) {
    return b * b - 4.0L * a * c;
}

Ext NegatedDiscriminant(Ext a, Ext b, Ext c) {
    return 4.0L * a * c - b * b;
}

std::string DiscriminantText(const Numbers& n, Ext a, Ext b, Ext c) {
    std::string t = "D=";
    t += Bracketed(n, b) + "*" + Bracketed(n, b) + "-4*";
    t += Bracketed(n, a) + "*";
    t += Bracketed(n, c) + "=";
    t += n.g(Discriminant(a, b, c));
    return t;
}

std::string RealRootText(const Numbers& n, char sign, Ext a, Ext b, Ext c) {
    const Ext root = Sqrt(Discriminant(a, b, c));
    std::string t = "(";
    t += n.g(-b);
    t += sign;
    t += n.g(root);
    t += ")/";
    t += Divisor(n, a);
    t += n.g((-b + Signed(sign, root)) / (2.0L * a));
    return t;
}

std::string ComplexRootText(const Numbers& n, char sign, Ext a, Ext b, Ext c) {
    const Ext s = Sqrt(NegatedDiscriminant(a, b, c));
    std::string t = "(";
    t += n.g(-b);
    t += sign;
    t += n.g(s);
    t += "*i)/";
    t += Divisor(n, a);
    t += n.g(-b / (2.0L * a));
    t += sign;
    t += n.g(s / (2.0L * a));
    t += "*i";
    return t;
}

} // namespace tc
