// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A written solution line read as formulas: the parts of the line that are
// mathematics become trees that can be typeset (MathML, LaTeX), the rest
// stays text. Every node keeps what it was read from, so the tree printed as
// plain text gives back the line exactly.

#include <string>
#include <string_view>
#include <vector>

namespace tc::formula {

enum class Kind {
    Line,     // a whole line: Text and Formula children, in order
    Text,     // words and spacing that are no formula, as written
    Formula,  // one formula: its children form a row
    Row,      // a row of children inside a bracket, a fraction or a power
    Number,   // "12", "0,5", "6.3872E16"
    Name,     // "x", "AB", "x1", "Pi", "phi"
    Operator, // "+", "-", "*", "=", "^" (the angle between two named vectors),
              // with the spaces written after it
    Group,    // brackets: children are the entries; text is the separator
              // between them ("" for one entry, ";" a vector, "," a list)
    Bars,     // "|...|": one entry an absolute value, more a determinant row
    Fraction, // children: numerator, denominator ("a/b")
    Power,    // children: base, exponent ("x^2"; "^(1/2)" is a square root)
    Function, // text: its name ("sqrt", "cos"); one child, the bracket group
    Indexed,  // "X[1]": one child, the base; text: the index as written
};

struct Node {
    Kind kind = Kind::Text;
    std::string text;
    std::vector<Node> kids;
};

// The line read with `decimal` as the decimal separator of its numbers.
Node ReadLine(std::string_view line, char decimal);

// The node as plain text: for a line read by ReadLine, the line itself.
std::string PlainText(const Node& node);

// The exponent that stands for a root: 2 for "(1/2)", 3 for "(1/3)", else 0.
int RootDegree(const Node& exponent);

// A fraction's part or an exponent without the brackets that only kept it
// together in plain text: "(x-7)" as the row "x-7".
const Node& Unbracketed(const Node& node);

// The name split into its letters and the digits after them ("x1": "x", "1").
std::pair<std::string, std::string> NameParts(const std::string& name);

} // namespace tc::formula
