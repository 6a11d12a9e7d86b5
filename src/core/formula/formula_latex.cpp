// SPDX-License-Identifier: GPL-3.0-or-later
// LaTeX from formula trees, for a plain pdflatex with amsmath.

#include "export/solution_page.h"
#include "formula/formula_writers.h"

namespace tc::formula {

namespace {

// Inside a formula, a comma as decimal separator would get a space after it.
std::string NumberTex(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == ',' ? std::string("{,}") : std::string(1, c);
    return out;
}

std::string NameTex(const std::string& name) {
    if (name == "Pi" || name == "pi") return "\\pi ";
    if (name == "phi") return "\\varphi ";
    if (name == "i") return "\\mathrm{i}";
    const auto [letters, digits] = NameParts(name);
    const std::string base = letters.size() > 1 ? "\\mathit{" + letters + "}" : letters;
    return digits.empty() ? base : base + "_{" + digits + "}";
}

std::string OperatorTex(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    if (text == "*") return "\\cdot ";
    if (text == "^") return "\\wedge ";
    return text;
}

std::string Tex(const Node& n);

// The code point of the well-formed UTF-8 sequence of `n` bytes at `at`.
unsigned CodePoint(const std::string& s, size_t at, size_t n) {
    unsigned cp = static_cast<unsigned char>(s[at]) & (n == 1   ? 0x7Fu
                                                       : n == 2 ? 0x1Fu
                                                       : n == 3 ? 0x0Fu
                                                                : 0x07u);
    for (size_t k = 1; k < n; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[at + k]) & 0x3Fu);
    return cp;
}

std::string Joined(const Node& n, const std::string& between) {
    std::string out;
    for (size_t i = 0; i < n.kids.size(); ++i)
        out += (i ? between : "") + Tex(n.kids[i]);
    return out;
}

std::string Tex(const Node& n) {
    switch (n.kind) {
    case Kind::Text: return "\\text{" + EscapeLatex(n.text) + "}";
    case Kind::Number: return NumberTex(n.text);
    case Kind::Name: return NameTex(n.text);
    case Kind::Operator: return OperatorTex(n.text);
    case Kind::Line:
    case Kind::Formula:
    case Kind::Row: return Joined(n, "");
    case Kind::Group:
        if (n.text == ";") return "\\begin{pmatrix}" + Joined(n, "&") + "\\end{pmatrix}";
        return "\\left(" + Joined(n, n.text + "\\,") + "\\right)";
    case Kind::Bars:
        if (n.kids.size() > 1) return "\\begin{vmatrix}" + Joined(n, "&") + "\\end{vmatrix}";
        return "\\left|" + Tex(n.kids[0]) + "\\right|";
    case Kind::Fraction:
        return "\\frac{" + Tex(Unbracketed(n.kids[0])) + "}{" + Tex(Unbracketed(n.kids[1])) + "}";
    case Kind::Power: {
        const int root = RootDegree(n.kids[1]);
        if (root == 2) return "\\sqrt{" + Tex(Unbracketed(n.kids[0])) + "}";
        if (root == 3) return "\\sqrt[3]{" + Tex(Unbracketed(n.kids[0])) + "}";
        return "{" + Tex(n.kids[0]) + "}^{" + Tex(Unbracketed(n.kids[1])) + "}";
    }
    case Kind::Function: {
        const Node& argument = n.kids[0];
        if (n.text == "sqrt") return "\\sqrt{" + Tex(Unbracketed(argument)) + "}";
        if (n.text == "cbrt") return "\\sqrt[3]{" + Tex(Unbracketed(argument)) + "}";
        static const char* const kKnown[] = {"cos",    "sin",    "tan", "cot", "arccos",
                                             "arcsin", "arctan", "ln",  "lg",  "exp"};
        for (const char* known : kKnown)
            if (n.text == known) return "\\" + n.text + Tex(argument);
        return "\\operatorname{" + n.text + "}" + Tex(argument);
    }
    case Kind::Indexed: return "{" + Tex(n.kids[0]) + "}_{\\text{" + EscapeLatex(n.text) + "}}";
    }
    return {};
}

} // namespace

std::string EscapeLatex(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            // Beyond ASCII, what a plain LaTeX with the Cyrillic fonts sets:
            // Cyrillic letters and the usual typographic marks; anything
            // else (or bytes that are no UTF-8) would stop the document, and
            // is written as "?".
            const size_t n = Utf8Length(text, i);
            const unsigned cp = n ? CodePoint(text, i, n) : 0;
            const bool known = (cp >= 0x400 && cp <= 0x4FF) || cp == 0xAB || cp == 0xBB || cp == 0xB0 ||
                               cp == 0xA0 || (cp >= 0x2013 && cp <= 0x2014) || cp == 0x2018 || cp == 0x2019 ||
                               cp == 0x201C || cp == 0x201D || cp == 0x201E || cp == 0x2116;
            if (known)
                out.append(text, i, n);
            else
                out += '?';
            i += n ? n : 1;
            continue;
        }
        ++i;
        switch (c) {
        case '\\': out += "\\textbackslash{}"; break;
        case '{':
        case '}':
        case '$':
        case '&':
        case '#':
        case '%':
        case '_':
            out += '\\';
            out += static_cast<char>(c);
            break;
        case '^': out += "\\textasciicircum{}"; break;
        case '~': out += "\\textasciitilde{}"; break;
        case '<': out += "\\textless{}"; break;
        case '>': out += "\\textgreater{}"; break;
        case '|': out += "\\textbar{}"; break;
        default: out += c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c);
        }
    }
    return out;
}

std::string LineLatex(const Node& line) {
    std::string out;
    for (const Node& k : line.kids)
        out += k.kind == Kind::Text ? EscapeLatex(k.text) : "$" + Tex(k) + "$";
    return out;
}

} // namespace tc::formula
