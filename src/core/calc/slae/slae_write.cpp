// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/slae/slae_write.h"

#include <type_traits>

#include "calc/common/determinant_text.h"
#include "calc/common/terms.h"

namespace tc {

template <class Form, class T>
std::string EquationLineOf(const Form& form, const std::vector<T>& coefficients, const T& rhs) {
    std::string s;
    for (std::size_t k = 0; k < coefficients.size(); ++k) {
        const T& a = coefficients[k];
        const std::string unknown = "x" + std::to_string(k + 1);
        // A fraction before its unknown stands in brackets: "(1/2)x1", "-(1/2)x2".
        const T size = a < 0 ? T(-a) : a;
        const std::string term = QuotientPart(size, form.text(size)) + unknown;
        if (k == 0) {
            if (a != 0) s = (a < 0 ? "-" : "") + term;
        } else if (a > 0) {
            s += "+" + term;
        } else if (a < 0) {
            s += "-" + term;
        }
    }
    if (s.empty()) s = "0";
    return s + "=" + form.text(rhs);
}

template std::string EquationLineOf(const Numbers&, const std::vector<Ext>&, const Ext&);
template std::string EquationLineOf(const Fractions&, const std::vector<Rational>&, const Rational&);

Cramer2 Cramer2Line(const Numbers& nums, const std::string& label, Ext p, Ext q, Ext r, Ext s) {
    const Det2 d = SolveDet2(p, q, r, s);
    return {Determinant2Line(nums, label, d), d.value};
}

namespace {

using Lines = std::vector<std::string>;

std::string Unknown(std::size_t k) {
    return "x" + std::to_string(k);
}

std::string Label(std::size_t k) {
    return k == 0 ? "D" : "D" + Unknown(k);
}

// A divisor: a negative one in brackets, and a fraction too.
template <class Form, class T> std::string Divisor(const Form& nums, const T& d) {
    return d < 0 ? Bracketed(nums, d) : QuotientPart(d, nums.text(d));
}

// Every equation with the unknowns put in: "2*(-3)+5*1=-1"; in decimals with
// what is left after the right-hand side is taken away.
template <class Form, class T>
void WriteCheck(Lines& out, const SlaeInputs& in, const SlaeResultOf<T>& r, const Form& nums,
                const MessageTable& messages) {
    if (r.check.empty()) return;
    const SystemOf<T>& a = SystemIn<T>(in);
    if (!out.back().empty()) out.push_back("");
    out.push_back(messages.text(Line::check_title, "Check:"));
    out.push_back(messages.text(Line::check_equations, "The solution put into every equation:"));
    for (std::size_t row = 1; row <= r.check.size(); ++row) {
        std::string line;
        for (std::size_t c = 1; c <= r.x.size(); ++c)
            line += (c > 1 ? "+" : "") + Bracketed(nums, a[row][c]) + "*" + Bracketed(nums, r.x[c - 1]);
        line += "=" + nums.text(r.check[row - 1].left);
        if constexpr (std::is_same_v<T, Ext>)
            line += ", " + messages.text(Line::check_residual, "residual") + " " +
                    nums.text(r.check[row - 1].residual);
        out.push_back(line);
    }
}

// The system as its first n equations, between its heading and the heading of
// the determinants.
template <class Form, class T>
void WriteSystem(Lines& out, const SlaeInputs& in, const MessageTable& messages, const Form& nums) {
    out.push_back(messages(Line::msg65_system));
    const auto n = static_cast<std::size_t>(in.n);
    for (std::size_t r = 1; r <= n; ++r) {
        const auto& row = SystemIn<T>(in)[r];
        out.push_back(EquationLineOf<Form, T>(nums, std::vector<T>(row.begin() + 1, row.begin() + 1 + in.n),
                                              row[n + 1]));
    }
    out.push_back("");
    out.push_back(messages(Line::msg66_determinants));
    out.push_back("");
}

template <class Form, class T>
void WriteTwo(TabOutput& o, const SlaeInputs& in, const SlaeResultOf<T>& r, bool stopped, const Form& nums) {
    Lines& m = o.lines;
    // Each block: the matrix, its value written out and shown in its field. The
    // matrix is written before its value is computed.
    const char* pads[] = {"     ", "       ", "       "};
    for (std::size_t k = 0; k <= 2; ++k) {
        if (k > r.det2.size() || (k == r.det2.size() && !stopped)) return;
        const std::vector<T> a = CramerMatrix(SystemIn<T>(in), in.n, static_cast<int>(k));
        const std::string label = Label(k);
        const std::string apart = EntrySeparator(nums);
        m.push_back(label + "=|" + nums.text(a[0]) + apart + nums.text(a[1]) + "|");
        m.push_back(pads[k] + ("|" + nums.text(a[2]) + apart + nums.text(a[3]) + "|"));
        m.push_back("");
        if (k == r.det2.size()) return;
        m.push_back(Determinant2Line(nums, label, r.det2[k]));
        o.fields.emplace_back("D" + label, nums.text(r.det2[k].value));
        m.push_back("");
    }
    if (r.x.size() < 2) return;
    const T& d = r.det2[0].value;
    for (std::size_t k = 1; k <= 2; ++k)
        o.fields.emplace_back(Unknown(k), nums.text(r.x[k - 1]));
    for (std::size_t k = 1; k <= 2; ++k)
        m.push_back(Unknown(k) + "=D" + Unknown(k) +
                    "/D=" + QuotientPart(r.det2[k].value, nums.text(r.det2[k].value)) + "/" + Divisor(nums, d) +
                    "=" + nums.fixed(r.x[k - 1], 4));
}

template <class Form, class T> void WriteThree(TabOutput& o, const SlaeResultOf<T>& r, const Form& nums) {
    Lines& m = o.lines;
    const char* pads[] = {"     ", "          ", "         ", "         "};
    DeterminantLines lines;
    Lines texts;
    for (std::size_t k = 0; k < r.det3.size(); ++k) {
        WriteDeterminant3(lines, nums, r.det3[k]);
        const std::string label = Label(k);
        m.push_back(pads[k] + lines[1]);
        m.push_back(label + "=" + lines[2]);
        m.push_back(pads[k] + lines[3]);
        m.push_back("");
        m.push_back(label + "=" + lines[4]);
        o.fields.emplace_back("D" + label, lines[5]);
        texts.push_back(lines[5]);
        m.push_back("");
    }
    if (!r.dRead) return;
    // The quotients divide the determinants as their fields show them.
    const std::string divisor = *r.dRead < 0 ? "(" + texts[0] + ")" : QuotientPart(*r.dRead, texts[0]);
    for (std::size_t k = 1; k <= r.x.size(); ++k) {
        o.fields.emplace_back(Unknown(k), nums.fixed(r.x[k - 1], 4));
        m.push_back(Unknown(k) + "=D" + Unknown(k) + "/D=" + QuotientPart(r.det3[k].value, texts[k]) + "/" +
                    divisor + "=" + nums.text(r.x[k - 1]));
    }
    if (r.x.size() == 3) m.push_back("");
}

template <class Form, class T> void WriteFour(TabOutput& o, const SlaeResultOf<T>& r, const Form& nums) {
    Lines& m = o.lines;
    DeterminantLines lines;
    Lines texts, unknowns;
    for (std::size_t k = 0; k < r.det4.size(); ++k) {
        WriteDeterminant4(lines, nums, r.det4[k]);
        const std::string label = Label(k);
        const std::string pad(k == 0 ? 5 : 9, ' ');
        m.push_back(pad + lines[1]);
        m.push_back(label + "=" + lines[2]);
        m.push_back(pad + lines[3]);
        m.push_back(pad + lines[4]);
        m.push_back("");
        m.push_back(label + "=" + lines[5]);
        m.push_back(lines[6]);
        m.push_back(lines[7] + lines[8]);
        o.fields.emplace_back("D" + label, lines[9]);
        texts.push_back(lines[9]);
        if (k > 0) {
            if (r.x.size() < k) return; // the division failed
            unknowns.push_back(nums.fixed(r.x[k - 1], 4));
            o.fields.emplace_back(Unknown(k), unknowns.back());
        }
        m.push_back("");
    }
    if (r.x.size() < 4) return;
    const std::string divisor =
        r.det4[0].value <= 0 ? "(" + texts[0] + ")" : QuotientPart(r.det4[0].value, texts[0]);
    for (std::size_t k = 1; k <= 4; ++k)
        m.push_back(Unknown(k) + "=D" + Unknown(k) + "/D=" + QuotientPart(r.det4[k].value, texts[k]) + "/" +
                    divisor + "=" + unknowns[k - 1]);
}

} // namespace

template <class T>
TabOutput WriteSlae(const SlaeInputs& in, bool read, const SlaeResultOf<T>& r, bool stopped, const Wording& w) {
    using Form = std::decay_t<decltype(FormOf<T>::in(w))>;
    const auto& nums = FormOf<T>::in(w);
    const MessageTable& messages = w.messages;
    TabOutput o;
    o.lines = {messages(Line::msg63_slae_title), ""};
    // Every cell is read before the first line of the solution.
    if (!read) return o;
    o.lines.push_back("");
    if (in.n == 2) {
        o.lines.push_back(messages(Line::msg64_equation_count) + "  " + "2");
        o.lines.push_back("");
    }
    WriteSystem<Form, T>(o.lines, in, messages, nums);
    switch (in.n) {
    case 2: WriteTwo(o, in, r, stopped, nums); break;
    case 3: WriteThree(o, r, nums); break;
    default: WriteFour(o, r, nums); break;
    }
    WriteCheck(o.lines, in, r, nums, messages);
    return o;
}

template TabOutput WriteSlae(const SlaeInputs&, bool, const SlaeResultOf<Ext>&, bool, const Wording&);
template TabOutput WriteSlae(const SlaeInputs&, bool, const SlaeResultOf<Rational>&, bool, const Wording&);

} // namespace tc
