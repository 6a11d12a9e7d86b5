// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/vector/vector_write.h"

#include <optional>
#include <type_traits>

#include "calc/common/terms.h"
#include "widgets/names.h"

namespace tc {

namespace {

using Texts = std::vector<std::string>;

// What a computation shows, as the writer collects it: the result vector's
// cells (components 1.. as computed), the scalar result and the angle. A
// field the steps did not reach stays empty.
struct VectorOutput {
    std::vector<std::string> lines;
    std::vector<std::string> cells;
    std::optional<std::string> value;
    std::optional<std::string> phi;
};

// The same as the tab applies it: the cells in row 1 of V_Rez, the fields
// Vec_R and phi1.
TabOutput Addressed(VectorOutput out) {
    TabOutput tab;
    tab.lines = std::move(out.lines);
    int col = 1;
    for (std::string& cell : out.cells)
        tab.cells.push_back({names::V_Rez, col++, 1, std::move(cell)});
    if (out.value) tab.fields.emplace_back(names::Vec_R, std::move(*out.value));
    if (out.phi) tab.fields.emplace_back(names::phi1, std::move(*out.phi));
    return tab;
}

// Writes the steps in the number type `Num` (Ext or Rational) with the number
// forms `Form` (Numbers or Fractions); the roots of lengths, the cosine and
// the projection are extended values and always written by `nums`.
template <class Num, class Form> class Writer {
public:
    using Values = std::vector<Num>;

    Writer(const VectorInput& in, const VectorSteps<Num>& r, const Form& form, const Numbers& nums,
           const MessageTable& messages)
        : in_(in), r_(r), form_(form), nums_(nums), messages_(messages) {}

    VectorOutput write();

private:
    void add(std::string line) { out_.lines.push_back(std::move(line)); }
    void message(Line line) { add(messages_(line)); }
    void data();
    void sum();
    void difference(const char* head, bool bMinusA);
    void scalarProduct();
    void modulus(const char* head);
    void rowLength(const char* head, const Texts& texts, const Values& x, const LengthSteps<Num>& length,
                   int decimals);
    void angle();
    void projection();
    // The task's formula, the note on A*B and the product worked out; false
    // when the solver stopped before the product.
    bool formulaAndProduct(Line formula, const char* shown);
    std::string joined(const Values& values, const char* separator) const;

    const VectorInput& in_;
    const VectorSteps<Num>& r_;
    const Form& form_;
    const Numbers& nums_;
    const MessageTable& messages_;
    VectorOutput out_;
};

// A typed component raised to a power: in brackets when negative, and a typed
// fraction too, "(1/2)^2", which bare would square its denominator alone.
template <class Num> std::string PowerBase(const std::string& text, const Num& x) {
    if constexpr (std::is_same_v<Num, Rational>)
        if (text.find('/') != std::string::npos && !(x < 0)) return "(" + SignInFront(text, x) + ")";
    return Bracketed(text, x);
}

// Texts joined by ";".
std::string JoinedTexts(const Texts& texts) {
    std::string joined;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) joined += ";";
        joined += texts[i];
    }
    return joined;
}

template <class Num, class Form>
std::string Writer<Num, Form>::joined(const Values& values, const char* separator) const {
    std::string joined;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) joined += separator;
        joined += form_.text(values[i]);
    }
    return joined;
}

// The data as typed: "A(...)" and "B(...)" (five blanks before the letter for
// the addition, four otherwise; only "AB(...)" from row 1 for the norm), then
// a blank line.
template <class Num, class Form> void Writer<Num, Form>::data() {
    if (in_.task == vec::kNorm) {
        add("    AB(" + JoinedTexts(in_.textA) + ")");
    } else {
        const std::string indent = in_.task == vec::kAddition ? "     " : "    ";
        add(indent + "A(" + JoinedTexts(in_.textA) + ")");
        add(indent + "B(" + JoinedTexts(in_.textB) + ")");
    }
    add("");
}

// "A+B=(" a_1 "+" b_1 ";" ... ")=(" c_1 ";" ... ")", the components as typed;
// a negative b_i brings its own minus sign.
template <class Num, class Form> void Writer<Num, Form>::sum() {
    std::string line = "A+B=(";
    for (int i = 0; i < in_.n; ++i) {
        if (i > 0) line += ";";
        line += in_.textA[static_cast<size_t>(i)];
        line += Signed(in_.textB[static_cast<size_t>(i)], r_.b[static_cast<size_t>(i)]);
    }
    line += ")=(";
    line += joined(r_.c, ";");
    line += ")";
    add(line);
}

// "<head>=(" p_1 "-" q_1 ";" ... ")=(" c_1 ";" ... ")" for c = p - q with
// p = A, q = B, or p = B, q = A when `bMinusA`; q_i in brackets when negative.
template <class Num, class Form> void Writer<Num, Form>::difference(const char* head, bool bMinusA) {
    const Texts& p = bMinusA ? in_.textB : in_.textA;
    const Texts& q = bMinusA ? in_.textA : in_.textB;
    const Values& qValues = bMinusA ? r_.a : r_.b;
    std::string line = head;
    line += "=(";
    for (size_t i = 0; i < r_.c.size(); ++i) {
        if (i > 0) line += ";";
        line += p[i];
        line += "-";
        line += Bracketed(q[i], qValues[i]);
    }
    line += ")=(";
    line += joined(r_.c, ";");
    line += ")";
    add(line);
}

// "A*B=" a_1 "*" b_1 "+" ... "=" c_1 "+" ... "=" A*B, with b_i in brackets
// when negative.
template <class Num, class Form> void Writer<Num, Form>::scalarProduct() {
    std::string line = "A*B=";
    for (size_t i = 0; i < r_.c.size(); ++i) {
        if (i > 0) line += "+";
        line += in_.textA[i];
        line += "*";
        line += Bracketed(in_.textB[i], r_.b[i]);
    }
    line += "=";
    line += joined(r_.c, "+");
    line += "=";
    line += form_.text(*r_.product);
    add(line);
}

// "<head>=(" c_1^2 "+" ... ")^(1/2)=(" sum ")^(1/2)=" root, of a result vector.
template <class Num, class Form> void Writer<Num, Form>::modulus(const char* head) {
    const LengthSteps<Num>& m = *r_.modulus;
    std::string line = head;
    line += "=(";
    line += joined(m.squares, "+");
    line += ")^(1/2)=(";
    line += form_.text(m.sum);
    line += ")^(1/2)=";
    line += nums_.fixed(m.root, 6);
    add(line);
}

// "<head>=(" x_1 "^2+" ... ")^(1/2)=(" x_1^2 "+" ... ")^(1/2)=" root, of a
// typed vector: x_i as typed, in brackets when negative.
template <class Num, class Form>
void Writer<Num, Form>::rowLength(const char* head, const Texts& texts, const Values& x,
                                  const LengthSteps<Num>& length, int decimals) {
    std::string line = head;
    line += "=(";
    for (size_t i = 0; i < x.size(); ++i) {
        if (i > 0) line += "+";
        line += PowerBase(texts[i], x[i]);
        line += "^2";
    }
    line += ")^(1/2)=(";
    line += joined(length.squares, "+");
    line += ")^(1/2)=";
    line += nums_.fixed(length.root, decimals);
    add(line);
}

template <class Num, class Form>
bool Writer<Num, Form>::formulaAndProduct(Line formula, const char* shown) {
    message(formula);
    add(shown);
    message(Line::msg04_where_scalar);
    add("");
    message(Line::msg05_solution);
    if (!r_.product) return false;
    scalarProduct();
    add("");
    return true;
}

template <class Num, class Form> void Writer<Num, Form>::angle() {
    if (!formulaAndProduct(Line::msg03_angle_formula, "    cos(phi)=A*B/(|A|*|B|) ")) return;
    add("");
    message(Line::msg06_vec_lengths);
    if (!r_.lengthA) return;
    rowLength("|A|", in_.textA, r_.a, *r_.lengthA, 4);
    add("");
    if (!r_.lengthB) return;
    rowLength("|B|", in_.textB, r_.b, *r_.lengthB, 4);
    add("");
    if (!r_.cosine) return;

    const std::string cosine = nums_.fixed(*r_.cosine, 4);
    out_.value = cosine;
    message(Line::msg07_cos_and_angle);
    add("cos(phi)=" + nums_.text(*r_.product) + "/(" + nums_.fixed(r_.lengthA->root, 3) + "*" +
        nums_.fixed(r_.lengthB->root, 3) + ")=" + cosine);
    if (!r_.phi) return;
    add("phi=arccos(" + cosine + ")/Pi*180=" + nums_.fixed(*r_.phi, 6));
    out_.phi = nums_.fixed(*r_.phi, 3);
}

template <class Num, class Form> void Writer<Num, Form>::projection() {
    if (!formulaAndProduct(Line::msg08_projection_formula, "    Pr[A/B]=A*B/|B| ")) return;
    message(Line::msg09_length_of_b);
    if (!r_.lengthB) return;
    rowLength("|B|", in_.textB, r_.b, *r_.lengthB, 4);
    add("");
    if (!r_.projection) return;
    message(Line::msg10_projection);
    // Older files keep the doubled "=" of before.
    add(messages_.text(Line::vec_projection_value, "Pr[A/B]==") + nums_.text(*r_.product) + "/" +
        nums_.fixed(r_.lengthB->root, 3) + "=" + nums_.fixed(*r_.projection, 6));
    out_.value = nums_.fixed(*r_.projection, 3);
}

template <class Num, class Form> VectorOutput Writer<Num, Form>::write() {
    message(Line::msg01_vec_title);
    add("");
    add(in_.taskName);
    add("");
    message(Line::msg02_given);
    data();
    for (const Num& c : r_.c)
        out_.cells.push_back(form_.text(c));

    // The result vector's line needs all its components.
    const bool whole = static_cast<int>(r_.c.size()) == in_.n;
    switch (in_.task) {
    case vec::kAddition:
        if (whole) sum();
        break;
    case vec::kSubtraction:
        if (whole) difference("A-B", false);
        break;
    case vec::kLength:
        if (whole) difference("AB", true);
        break;
    case vec::kScalarProduct:
        if (r_.product) {
            scalarProduct();
            out_.value = form_.text(*r_.product);
        }
        break;
    case vec::kNorm:
        if (r_.lengthA) {
            rowLength("|AB|", in_.textA, r_.a, *r_.lengthA, 6);
            out_.value = nums_.fixed(r_.lengthA->root, 4);
        }
        break;
    case vec::kAngle:
        if constexpr (std::is_same_v<Num, Ext>) angle();
        break;
    case vec::kProjection:
        if constexpr (std::is_same_v<Num, Ext>) projection();
        break;
    }
    if (r_.modulus) {
        modulus(in_.task == vec::kAddition ? "|A+B|" : in_.task == vec::kSubtraction ? "|A-B|" : "|AB|");
        out_.value = nums_.fixed(r_.modulus->root, 4);
    }
    return std::move(out_);
}

} // namespace

template <class Num>
TabOutput WriteVector(const VectorInput& input, const VectorSteps<Num>& result, const Wording& w) {
    if constexpr (std::is_same_v<Num, Rational>)
        return Addressed(Writer<Num, Fractions>(input, result, Fractions(), w.nums, w.messages).write());
    else
        return Addressed(Writer<Num, Numbers>(input, result, w.nums, w.nums, w.messages).write());
}

template TabOutput WriteVector(const VectorInput&, const VectorSteps<Ext>&, const Wording&);
template TabOutput WriteVector(const VectorInput&, const VectorSteps<Rational>&, const Wording&);

} // namespace tc
