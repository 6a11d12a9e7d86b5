// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a solution line into formulas: a recursive descent over the
// characters that gives up (leaving text) wherever the line is no formula.

#include <algorithm>
#include <optional>

#include "formula/formula.h"

namespace tc::formula {

namespace {

bool Latin(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool Digit(char c) {
    return c >= '0' && c <= '9';
}

bool IsFunction(const std::string& name) {
    static const char* const kNames[] = {"sqrt",   "cbrt",   "cos", "sin", "tan", "cot", "arccos",
                                         "arcsin", "arctan", "ln",  "lg",  "exp", "Det"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&](const char* n) { return name == n; });
}

Node Leaf(Kind kind, std::string text) {
    return Node{kind, std::move(text), {}};
}

class Reader {
public:
    Reader(std::string_view s, char decimal) : s_(s), decimal_(decimal) {}

    // The longest formula starting at `at`, with its end; nothing when none starts there.
    std::optional<Node> formulaAt(size_t at, size_t& end) {
        pos_ = at;
        std::optional<Node> row = relation(Kind::Formula);
        if (!row) return std::nullopt;
        end = pos_;
        return row;
    }

private:
    std::string_view s_;
    char decimal_;
    size_t pos_ = 0;

    char peek(size_t ahead = 0) const { return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : '\0'; }

    // An operator and the spaces written after it.
    Node op(size_t length) {
        size_t end = pos_ + length;
        while (end < s_.size() && s_[end] == ' ')
            ++end;
        Node n = Leaf(Kind::Operator, std::string(s_.substr(pos_, end - pos_)));
        pos_ = end;
        return n;
    }

    bool startsOperand() const {
        const char c = peek();
        return Digit(c) || Latin(c) || c == '(' || c == '|';
    }

    // Operands joined by operators; a quotient binds its two neighbours into a
    // fraction. Stops before anything it cannot read, an operator with no
    // operand after it included.
    std::optional<Node> relation(Kind kind) {
        Node row{kind, "", {}};
        bool wantOperand = true;
        for (;;) {
            const size_t mark = pos_;
            if (wantOperand) {
                if (peek() == '+' || peek() == '-') { // a sign
                    row.kids.push_back(op(1));
                    if (!startsOperand()) break;
                }
                std::optional<Node> f = factor();
                if (!f) break;
                row.kids.push_back(std::move(*f));
                wantOperand = false;
                continue;
            }
            const char c = peek();
            if (c == '/') {
                ++pos_;
                std::optional<Node> below = factor();
                if (!below) {
                    pos_ = mark;
                    break;
                }
                Node above = std::move(row.kids.back());
                row.kids.back() = Node{Kind::Fraction, "", {std::move(above), std::move(*below)}};
                continue;
            }
            if (c == '+' || c == '-' || c == '*' || c == '=' || c == '^') {
                // "^" joins two named vectors into their angle: "AB^AC".
                if (c == '^' && !(Latin(peek(1)) && Latin(peek(2)))) break;
                row.kids.push_back(op(1));
                wantOperand = true;
                continue;
            }
            // Written side by side: "12x", "(1/2)x1", "AB(1;2)".
            if (Latin(c) || c == '(') {
                std::optional<Node> f = factor();
                if (!f) break;
                row.kids.push_back(std::move(*f));
                continue;
            }
            break;
        }
        // Drop a dangling operator (and the sign before a missing operand).
        while (!row.kids.empty() && row.kids.back().kind == Kind::Operator) {
            pos_ -= row.kids.back().text.size();
            row.kids.pop_back();
        }
        if (row.kids.empty()) return std::nullopt;
        return row;
    }

    // An operand with its index and its power.
    std::optional<Node> factor() {
        std::optional<Node> base = atom();
        if (!base) return std::nullopt;
        if (peek() == '[') {
            const size_t close = s_.find(']', pos_);
            const size_t open = s_.find('[', pos_ + 1);
            if (close != std::string_view::npos && close > pos_ + 1 &&
                (open == std::string_view::npos || open > close)) {
                Node n{Kind::Indexed, std::string(s_.substr(pos_ + 1, close - pos_ - 1)), {std::move(*base)}};
                pos_ = close + 1;
                base = std::move(n);
            }
        }
        if (peek() == '^') {
            const size_t mark = pos_;
            ++pos_;
            std::optional<Node> exponent;
            if (Digit(peek()))
                exponent = number();
            else if (peek() == '-' && Digit(peek(1))) // "A^-1"
                exponent = Node{Kind::Row, "", {op(1), *number()}};
            else if (peek() == '(')
                exponent = atom();
            else if (Latin(peek()) && !Latin(peek(1)) && !Digit(peek(1)))
                exponent = atom();
            if (exponent)
                base = Node{Kind::Power, "", {std::move(*base), std::move(*exponent)}};
            else
                pos_ = mark;
        }
        return base;
    }

    std::optional<Node> number() {
        const size_t from = pos_;
        while (Digit(peek()))
            ++pos_;
        if (peek() == decimal_ && Digit(peek(1))) {
            ++pos_;
            while (Digit(peek()))
                ++pos_;
        }
        if (peek() == 'E' || peek() == 'e') {
            size_t k = 1;
            if (peek(k) == '+' || peek(k) == '-') ++k;
            if (Digit(peek(k))) {
                pos_ += k;
                while (Digit(peek()))
                    ++pos_;
            }
        }
        return Leaf(Kind::Number, std::string(s_.substr(from, pos_ - from)));
    }

    // Entries separated by ";" or by "," up to `close`.
    std::optional<Node> entries(Kind kind, char close) {
        const size_t mark = pos_;
        ++pos_;
        Node n{kind, "", {}};
        for (;;) {
            std::optional<Node> entry = relation(Kind::Row);
            if (!entry) break;
            n.kids.push_back(std::move(*entry));
            const char c = peek();
            if (c == close) {
                ++pos_;
                return n;
            }
            if ((c != ';' && c != ',') || (!n.text.empty() && n.text[0] != c)) break;
            n.text = std::string(1, c);
            ++pos_;
        }
        pos_ = mark;
        return std::nullopt;
    }

    std::optional<Node> atom() {
        const char c = peek();
        if (Digit(c)) return number();
        if (c == '(') return entries(Kind::Group, ')');
        if (c == '|') return entries(Kind::Bars, '|');
        if (!Latin(c)) return std::nullopt;
        const size_t from = pos_;
        while (Latin(peek()))
            ++pos_;
        while (Digit(peek()))
            ++pos_;
        std::string name(s_.substr(from, pos_ - from));
        if (peek() == '(' && IsFunction(name)) {
            std::optional<Node> argument = entries(Kind::Group, ')');
            if (argument) return Node{Kind::Function, std::move(name), {std::move(*argument)}};
        }
        return Leaf(Kind::Name, std::move(name));
    }
};

bool Structured(const Node& n) {
    return n.kind != Kind::Name && n.kind != Kind::Number;
}

// Words that only look like a formula: "left-hand" is two words, not a difference.
bool Wordy(const Node& row) {
    for (const Node& k : row.kids) {
        if (k.kind == Kind::Operator) continue;
        if (k.kind != Kind::Name || k.text.size() < 3) return false;
        if (!std::all_of(k.text.begin(), k.text.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            return false;
    }
    return true;
}

// Worth setting as a formula: more than a lone word or number.
bool IsFormula(const Node& row) {
    if (row.kids.size() == 1) return Structured(row.kids[0]);
    return !Wordy(row);
}

void AddText(Node& line, std::string_view text) {
    if (text.empty()) return;
    if (!line.kids.empty() && line.kids.back().kind == Kind::Text)
        line.kids.back().text += text;
    else
        line.kids.push_back(Leaf(Kind::Text, std::string(text)));
}

} // namespace

Node ReadLine(std::string_view line, char decimal) {
    Node out{Kind::Line, "", {}};
    Reader reader(line, decimal);
    size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        // A formula starts where a word would: not inside a run of Latin letters and digits.
        const bool boundary =
            at == 0 || !(Latin(line[at - 1]) || Digit(line[at - 1]) || line[at - 1] == decimal);
        if (boundary && (Latin(c) || Digit(c) || c == '(' || c == '|' || c == '-' || c == '+')) {
            size_t end = at;
            std::optional<Node> f = reader.formulaAt(at, end);
            // What is set must print back as it was written, or it stays text.
            if (f && IsFormula(*f) && PlainText(*f) == line.substr(at, end - at)) {
                out.kids.push_back(std::move(*f));
                at = end;
                continue;
            }
        }
        // Not a formula: the whole word goes to the text.
        size_t end = at + 1;
        if (Latin(c) || Digit(c))
            while (end < line.size() && (Latin(line[end]) || Digit(line[end])))
                ++end;
        AddText(out, line.substr(at, end - at));
        at = end;
    }
    return out;
}

} // namespace tc::formula
