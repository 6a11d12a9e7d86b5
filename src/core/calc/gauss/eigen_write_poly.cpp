// SPDX-License-Identifier: GPL-3.0-or-later
// The characteristic polynomial and its roots, written.
#include <algorithm>

#include "calc/equation/cubic_write.h"
#include "calc/gauss/eigen_write.h"

namespace tc {

namespace {


std::string Entry(const EigenResult& r, int i, int j) {
    return EntryText(ShiftedEntry(r.a, i, j), kLambda);
}

// A factor of a product: in brackets unless it is a bare whole number.
std::string Factored(const Poly& p) {
    const std::string text = EntryText(p, kLambda);
    return p.size() == 1 && p[0] >= 0 && p[0].get_den() == 1 ? text : "(" + text + ")";
}

std::string FactorOf(const EigenResult& r, int i, int j) {
    return Factored(ShiftedEntry(r.a, i, j));
}

std::string Det(const GaussWording& g) {
    return "det(A-" + kLambda + IdentityLetter(g) + ")";
}

// The six terms of an order-3 determinant, the rule of triangles.
std::string OrderThree(const EigenResult& r) {
    const int plus[3][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}};
    const int minus[3][3] = {{2, 1, 0}, {1, 0, 2}, {0, 2, 1}};
    std::string s;
    for (int t = 0; t < 6; ++t) {
        const int(&cols)[3] = t < 3 ? plus[t] : minus[t - 3];
        s += t == 0 ? "" : t < 3 ? " + " : " - ";
        for (int i = 0; i < 3; ++i)
            s += (i > 0 ? "*" : "") + FactorOf(r, i, cols[i]);
    }
    return s;
}

void WriteOrderFour(MemoLines& out, const EigenResult& r, const GaussWording& g) {
    const CharPoly& cp = r.poly;
    if (cp.zeros == 0)
        out.push_back(g.text(Line::eg_expand_first, "Expanding along row 1:"));
    else
        out.push_back(cp.byRow ? g.format(Line::eg_expand_row, "Expanding along row %1, the one with the most zeros:",
                                      {std::to_string(cp.line + 1)})
                           : g.format(Line::eg_expand_col,
                                      "Expanding along column %1, the one with the most zeros:",
                                      {std::to_string(cp.line + 1)}));
    std::string sum, expanded;
    for (const ExpansionTerm& t : cp.terms) {
        const std::string name = "M" + std::to_string(t.row + 1) + std::to_string(t.col + 1);
        // A number's sign joins the term's: "+ 5/2*M12", never "- (-5/2)*M12".
        bool negative = (t.row + t.col) % 2 == 1;
        Poly entry = t.entry;
        if (entry.size() == 1 && entry[0] < 0) {
            negative = !negative;
            entry[0] = -entry[0];
        }
        const std::string sign = negative ? (sum.empty() ? "-" : " - ") : sum.empty() ? "" : " + ";
        sum += sign + Factored(entry) + "*" + name;
        expanded += sign + Factored(entry) + "*(" + PolyText(t.minor, kLambda) + ")";
        std::vector<std::vector<std::string>> texts;
        for (int i = 0; i < 4; ++i) {
            if (i == t.row) continue;
            texts.emplace_back();
            for (int j = 0; j < 4; ++j)
                if (j != t.col) texts.back().push_back(Entry(r, i, j));
        }
        out.push_back(name + " =");
        for (std::string line : TableLines(texts, 3)) {
            line.front() = '|';
            line.back() = '|';
            out.push_back(line);
        }
        out.push_back("= " + PolyText(t.minor, kLambda));
    }
    out.push_back(Det(g) + " = " + sum);
    out.push_back("= " + expanded);
}

void WriteHorner(MemoLines& out, const HornerStep& h, const GaussWording& g) {
    // What is left is linear: its root is read off, no table needed.
    if (h.dividend.size() == 2) {
        out.push_back(kLambda + " = " + FractionText(h.root));
        return;
    }
    out.push_back(g.format(Line::eg_horner, "%1 = %2 is a root (Horner's scheme):", {kLambda, FractionText(h.root)}));
    std::vector<std::string> top{""}, bottom{FractionText(h.root)};
    for (std::size_t k = 0; k < h.dividend.size(); ++k) {
        top.push_back(FractionText(h.dividend[k]));
        bottom.push_back(FractionText(h.row[k]));
    }
    std::string first, second;
    for (std::size_t k = 0; k < top.size(); ++k) {
        const std::size_t width = std::max(top[k].size(), bottom[k].size());
        const std::string gap = k == 0 ? "" : k == 1 ? " | " : "  ";
        first += gap + std::string(width - top[k].size(), ' ') + top[k];
        second += gap + std::string(width - bottom[k].size(), ' ') + bottom[k];
    }
    out.push_back(first);
    out.push_back(second);
    const Poly quotient(h.row.begin(), h.row.end() - 1);
    if (quotient.size() > 1)
        out.push_back(g.format(Line::eg_quotient, "What is left: %1 = 0", {PolyText(quotient, kLambda)}));
}

std::string DivisorList(const std::vector<Rational>& divisors) {
    std::string s;
    for (const Rational& d : divisors)
        s += (s.empty() ? "+-" : ", +-") + FractionText(d);
    return s;
}

} // namespace

std::string IdentityLetter(const GaussWording& g) {
    return g.text(Line::eg_identity_letter, "I");
}

std::string EigenvalueText(const PolyRoot& x, const Numbers& nums) {
    if (x.rational) return FractionText(x.exact);
    if (!x.complex()) return nums.general(x.re, kEigenDigits);
    const Ext im = Abs(x.im);
    return nums.general(x.re, kEigenDigits) + (x.im < 0.0L ? "-" : "+") + nums.general(im, kEigenDigits) + "*i";
}

void WriteCharPoly(MemoLines& out, const EigenResult& r, const GaussWording& g) {
    const int n = static_cast<int>(r.a.size());
    out.push_back(g.format(Line::eg_shifted, "The matrix A-%1%2:", {kLambda, IdentityLetter(g)}));
    std::vector<std::vector<std::string>> texts(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            texts[static_cast<std::size_t>(i)].push_back(Entry(r, i, j));
    for (const std::string& line : TableLines(texts, n))
        out.push_back(line);
    out.push_back("");
    out.push_back(g.text(Line::eg_char_poly, "The characteristic polynomial:"));
    const std::string poly = PolyText(r.poly.coeffs, kLambda);
    if (r.upperTriangular || r.lowerTriangular) {
        out.push_back(g.text(Line::eg_triangular, "A is triangular: the determinant is the product of the diagonal entries."));
        std::string product;
        for (int i = 0; i < n; ++i)
            product += (i > 0 ? "*" : "") + FactorOf(r, i, i);
        out.push_back(Det(g) + " = " + product + " = " + poly);
    } else if (n == 2) {
        out.push_back(Det(g) + " = " + FactorOf(r, 0, 0) + "*" + FactorOf(r, 1, 1) + " - " + FactorOf(r, 0, 1) +
                      "*" + FactorOf(r, 1, 0) + " = " + poly);
    } else if (n == 3) {
        out.push_back(Det(g) + " = " + OrderThree(r));
        out.push_back("= " + poly);
    } else {
        WriteOrderFour(out, r, g);
        out.push_back("= " + poly);
    }
    out.push_back("");
}

void WriteRoots(MemoLines& out, const EigenResult& r, const GaussWording& g) {
    const PolyRoots& roots = r.roots;
    out.push_back(g.text(Line::eg_char_equation, "The characteristic equation:"));
    out.push_back(PolyText(r.poly.coeffs, kLambda) + " = 0");
    if (roots.equation != r.poly.coeffs)
        out.push_back(g.format(Line::eg_integer_form, "or, with coprime integer coefficients: %1",
                               {PolyText(roots.equation, kLambda) + " = 0"}));
    if (r.upperTriangular || r.lowerTriangular) {
        out.push_back(g.text(Line::eg_diagonal_roots, "Its roots are the diagonal entries of A."));
    } else if (roots.equation.size() == 3) {
        for (const std::string& line : QuadraticSteps(g.w.messages, g.w.nums, *roots.quadratic, kLambda))
            out.push_back(line);
    } else {
        if (!roots.divisors.empty())
            out.push_back(g.format(Line::eg_divisors, "Integer roots are among the divisors of the free term %1: %2.",
                                   {FractionText(roots.equation.back()), DivisorList(roots.divisors)}));
        else
            out.push_back(g.format(Line::eg_rational_search,
                                   "A rational root p/q in lowest terms has p dividing the free term %1 and q dividing the "
                                   "leading coefficient %2.",
                                   {FractionText(roots.equation.back()), FractionText(roots.equation.front())}));
        for (const HornerStep& h : roots.horner)
            WriteHorner(out, h, g);
        if (roots.horner.empty()) out.push_back(g.text(Line::eg_no_rational, "The equation has no rational root."));
        if (roots.quadratic) {
            out.push_back(kStepGap);
            for (const std::string& line : QuadraticSteps(g.w.messages, g.w.nums, *roots.quadratic, kLambda))
                out.push_back(line);
        } else if (roots.cubic) {
            for (const std::string& line : WriteCubic(g.w.messages, g.w.nums, *roots.cubic).memo)
                out.push_back(line);
        } else if (roots.numeric) {
            out.push_back(g.text(Line::eg_numeric,
                                 "It is solved numerically, to the digits shown (Aberth's method):"));
        }
    }
    out.push_back("");
    out.push_back(g.text(Line::eg_values, "The eigenvalues and their algebraic multiplicities:"));
    int k = 0;
    for (const Eigenvalue& e : r.values)
        out.push_back(g.format(Line::eg_value, "%1 = %2, algebraic multiplicity %3",
                               {kLambda + std::to_string(++k),
                                e.value.rational ? WithDecimal(e.value.exact, g.w.nums, g.exactOnly)
                                                 : EigenvalueText(e.value, g.w.nums),
                                std::to_string(e.algebraic)}));
    out.push_back("");
}

} // namespace tc
