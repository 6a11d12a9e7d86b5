// SPDX-License-Identifier: GPL-3.0-or-later
// MathML from formula trees. Browsers typeset it natively: the page needs no
// script and no font from the network.

#include "export/solution_page.h"
#include "formula/formula_writers.h"

namespace tc::formula {

namespace {

std::string Tag(const char* tag, const std::string& inner) {
    return std::string("<") + tag + ">" + inner + "</" + tag + ">";
}

std::string Mo(const std::string& text) {
    return Tag("mo", EscapeHtml(text));
}

std::string NameMl(const std::string& name) {
    if (name == "Pi" || name == "pi") return "<mi>&#x3C0;</mi>";
    if (name == "phi") return "<mi>&#x3C6;</mi>";
    if (name == "i") return "<mi mathvariant=\"normal\">i</mi>";
    const auto [letters, digits] = NameParts(name);
    if (digits.empty()) return Tag("mi", EscapeHtml(name));
    return "<msub>" + Tag("mi", EscapeHtml(letters)) + Tag("mn", digits) + "</msub>";
}

std::string OperatorMl(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    if (text == "*") return "<mo>&#xB7;</mo>";
    if (text == "-") return "<mo>&#x2212;</mo>";
    if (text == "^") return "<mo>&#x2227;</mo>"; // the angle between two vectors
    return Mo(text);
}

std::string Ml(const Node& n);

std::string Kids(const Node& n) {
    std::string out;
    for (const Node& k : n.kids)
        out += Ml(k);
    return out;
}

std::string Bracketed(const std::string& open, const std::string& inner, const std::string& close) {
    return "<mrow>" + Mo(open) + inner + Mo(close) + "</mrow>";
}

// Entries side by side: a vector or a matrix row "(a;b)", a determinant row "|a,b|".
std::string Table(const Node& n) {
    std::string out = "<mtable><mtr>";
    for (const Node& k : n.kids)
        out += "<mtd>" + Ml(k) + "</mtd>";
    return out + "</mtr></mtable>";
}

std::string Ml(const Node& n) {
    switch (n.kind) {
    case Kind::Text: return Tag("mtext", EscapeHtml(n.text));
    case Kind::Number: return Tag("mn", EscapeHtml(n.text));
    case Kind::Name: return NameMl(n.text);
    case Kind::Operator: return OperatorMl(n.text);
    case Kind::Line:
    case Kind::Formula:
    case Kind::Row: return "<mrow>" + Kids(n) + "</mrow>";
    case Kind::Group: {
        if (n.text == ";") return Bracketed("(", Table(n), ")");
        std::string inner;
        for (size_t i = 0; i < n.kids.size(); ++i)
            inner += (i ? Mo(n.text) : "") + Ml(n.kids[i]);
        return Bracketed("(", inner, ")");
    }
    case Kind::Bars:
        if (n.kids.size() > 1) return Bracketed("|", Table(n), "|");
        return Bracketed("|", Ml(n.kids[0]), "|");
    case Kind::Fraction:
        return "<mfrac>" + Ml(Unbracketed(n.kids[0])) + Ml(Unbracketed(n.kids[1])) + "</mfrac>";
    case Kind::Power: {
        const int root = RootDegree(n.kids[1]);
        const Node& base = root ? Unbracketed(n.kids[0]) : n.kids[0];
        if (root == 2) return "<msqrt>" + Ml(base) + "</msqrt>";
        if (root == 3) return "<mroot>" + Ml(base) + "<mn>3</mn></mroot>";
        return "<msup>" + Ml(base) + Ml(Unbracketed(n.kids[1])) + "</msup>";
    }
    case Kind::Function: {
        const Node& argument = n.kids[0];
        if (n.text == "sqrt") return "<msqrt>" + Ml(Unbracketed(argument)) + "</msqrt>";
        if (n.text == "cbrt") return "<mroot>" + Ml(Unbracketed(argument)) + "<mn>3</mn></mroot>";
        return "<mrow>" + Tag("mi", n.text) + "<mo>&#x2061;</mo>" + Ml(argument) + "</mrow>";
    }
    case Kind::Indexed: return "<msub>" + Ml(n.kids[0]) + Tag("mtext", EscapeHtml(n.text)) + "</msub>";
    }
    return {};
}

} // namespace

std::string FormulaMathMl(const Node& formula) {
    return "<math><semantics>" + Ml(formula) + "<annotation encoding=\"text/plain\">" +
           EscapeHtml(PlainText(formula)) + "</annotation></semantics></math>";
}

std::string LineHtml(const Node& line) {
    std::string out;
    for (const Node& k : line.kids)
        out += k.kind == Kind::Text ? EscapeHtml(k.text) : FormulaMathMl(k);
    return out;
}

} // namespace tc::formula
