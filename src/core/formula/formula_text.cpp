// SPDX-License-Identifier: GPL-3.0-or-later
// A formula tree back as the plain text it was read from, and the small
// questions the typesetting writers ask of it.

#include "formula/formula.h"

namespace tc::formula {

namespace {

void Print(const Node& n, std::string& out) {
    switch (n.kind) {
    case Kind::Text:
    case Kind::Number:
    case Kind::Name:
    case Kind::Operator: out += n.text; return;
    case Kind::Line:
    case Kind::Formula:
    case Kind::Row:
        for (const Node& k : n.kids)
            Print(k, out);
        return;
    case Kind::Group:
    case Kind::Bars: {
        const char edge = n.kind == Kind::Group ? '(' : '|';
        out += edge;
        for (size_t i = 0; i < n.kids.size(); ++i) {
            if (i) out += n.text;
            Print(n.kids[i], out);
        }
        out += n.kind == Kind::Group ? ')' : '|';
        return;
    }
    case Kind::Fraction:
    case Kind::Power:
        Print(n.kids.at(0), out);
        out += n.kind == Kind::Fraction ? '/' : '^';
        Print(n.kids.at(1), out);
        return;
    case Kind::Function:
        out += n.text;
        Print(n.kids.at(0), out);
        return;
    case Kind::Indexed:
        Print(n.kids.at(0), out);
        out += "[" + n.text + "]";
        return;
    }
}

} // namespace

std::string PlainText(const Node& node) {
    std::string out;
    Print(node, out);
    return out;
}

const Node& Unbracketed(const Node& node) {
    if (node.kind == Kind::Group && node.kids.size() == 1) return node.kids[0];
    return node;
}

int RootDegree(const Node& exponent) {
    const Node& inner = Unbracketed(exponent);
    const Node* f = &inner;
    if (inner.kind == Kind::Row && inner.kids.size() == 1) f = &inner.kids[0];
    if (&inner == &exponent || f->kind != Kind::Fraction) return 0;
    const Node &top = f->kids[0], &bottom = f->kids[1];
    if (top.kind != Kind::Number || top.text != "1" || bottom.kind != Kind::Number) return 0;
    if (bottom.text == "2") return 2;
    if (bottom.text == "3") return 3;
    return 0;
}

std::pair<std::string, std::string> NameParts(const std::string& name) {
    size_t cut = name.size();
    while (cut > 0 && name[cut - 1] >= '0' && name[cut - 1] <= '9')
        --cut;
    if (cut == 0) cut = name.size();
    return {name.substr(0, cut), name.substr(cut)};
}

} // namespace tc::formula
