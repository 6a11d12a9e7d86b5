// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/eigen_write.h"

#include "calc/common/terms.h"

namespace tc {

namespace {

void Append(MemoLines& out, const std::vector<std::string>& lines) {
    out.insert(out.end(), lines.begin(), lines.end());
}

std::string Tuple(const std::vector<Rational>& v) {
    std::string s = "(";
    for (std::size_t i = 0; i < v.size(); ++i)
        s += (i > 0 ? "; " : "") + FractionText(v[i]);
    return s + ")";
}

std::string Tuple(const std::vector<Ext>& v, const Numbers& nums) {
    std::string s = "(";
    for (std::size_t i = 0; i < v.size(); ++i)
        s += (i > 0 ? "; " : "") + nums.general(v[i], kEigenDigits);
    return s + ")";
}

std::vector<std::string> DecimalLines(const XMatrix& m, const Numbers& nums) {
    std::vector<std::vector<std::string>> texts;
    for (const auto& row : m) {
        texts.emplace_back();
        for (const Ext& x : row)
            texts.back().push_back(nums.general(x, kEigenDigits));
    }
    return TableLines(texts, static_cast<int>(m.size()));
}

std::string VectorName(int k) {
    return "v" + std::to_string(k + 1);
}

// The system (A - λE)x = 0 of one real eigenvalue and its fundamental system;
// `next` counts the eigenvectors written so far.
void WriteEigenspace(MemoLines& out, const Eigenvalue& e, const GaussWording& g, int& next) {
    const Eigenspace& s = e.space;
    const std::string lambda = EigenvalueText(e.value, g.w.nums);
    out.push_back(g.format(Line::eg_system, "%1 = %2: the system (A-%1%3)x = 0, its matrix:",
                           {kLambda, lambda, IdentityLetter(g)}));
    const int n = static_cast<int>(e.value.rational ? s.shifted.size() : s.shiftedApprox.size());
    if (e.value.rational) {
        Append(out, MatrixLines(s.shifted, n));
        WriteSteps(out, s.forward, n, g.text(Line::gs_forward, "Forward pass (reduction to the echelon form):"), g);
        WriteSteps(out, s.backward, n,
                   g.text(Line::gs_backward, "Backward pass (reduction to the reduced echelon form):"), g);
    } else {
        Append(out, DecimalLines(s.shiftedApprox, g.w.nums));
        out.push_back(g.text(Line::eg_approx_system, "Its reduced echelon form, in decimals to the digits shown:"));
        Append(out, DecimalLines(s.reducedApprox, g.w.nums));
    }
    std::string free;
    for (int f : s.free)
        free += (free.empty() ? "" : ", ") + Unknown(f);
    out.push_back(g.format(Line::eg_free, "Free unknowns: %1; each set to 1 in turn, the others to 0.", {free}));
    out.push_back(g.text(Line::eg_vectors, "The fundamental system, the eigenvectors:"));
    for (const auto& v : s.basis)
        out.push_back(VectorName(next++) + " = " + Tuple(v));
    for (const auto& v : s.basisApprox)
        out.push_back(VectorName(next++) + " = " + Tuple(v, g.w.nums));
    out.push_back(g.format(Line::eg_geometric, "Geometric multiplicity: %1 (algebraic: %2).",
                           {std::to_string(e.geometric), std::to_string(e.algebraic)}));
    out.push_back("");
}

void WriteVerdict(MemoLines& out, const EigenResult& r, const GaussWording& g) {
    if (r.diagonalizable) {
        out.push_back(g.format(Line::eg_diagonalizable,
                               "There are %1 = n linearly independent eigenvectors: A is diagonalizable, A = P*D*P^-1, where",
                               {std::to_string(r.a.size())}));
        out.push_back(g.text(Line::eg_p, "P (the eigenvectors as columns) ="));
        Append(out, r.exact ? MatrixLines(r.p, static_cast<int>(r.a.size())) : DecimalLines(r.pApprox, g.w.nums));
        out.push_back(g.text(Line::eg_d, "D (the eigenvalues on the diagonal) ="));
        Append(out, r.exact ? MatrixLines(r.d, static_cast<int>(r.a.size())) : DecimalLines(r.dApprox, g.w.nums));
        return;
    }
    for (const Eigenvalue& e : r.values)
        if (e.value.complex()) {
            out.push_back(g.text(Line::eg_complex_verdict,
                                 "A has complex eigenvalues: it is not diagonalizable over the real numbers."));
            return;
        }
    for (const Eigenvalue& e : r.values)
        if (e.geometric < e.algebraic) {
            out.push_back(g.format(Line::eg_defective,
                                   "For %1 = %2 the geometric multiplicity %3 is less than the algebraic %4: "
                                   "A is not diagonalizable.",
                                   {kLambda, EigenvalueText(e.value, g.w.nums), std::to_string(e.geometric),
                                    std::to_string(e.algebraic)}));
            return;
        }
}

void WriteSymmetric(MemoLines& out, const EigenResult& r, const GaussWording& g) {
    out.push_back("");
    out.push_back(g.text(Line::eg_symmetric,
                         "A is symmetric (A^T = A): its eigenvalues are real, and eigenvectors of distinct "
                         "eigenvalues are orthogonal:"));
    for (const EigenResult::Dot& d : r.dots)
        out.push_back("(" + VectorName(d.first) + ", " + VectorName(d.second) +
                      ") = " + g.w.nums.general(Abs(d.value) < 1e-12L ? Ext(0.0L) : d.value, kEigenDigits));
}

void WriteCheck(MemoLines& out, const EigenResult& r, const GaussWording& g) {
    out.push_back("");
    out.push_back(g.text(Line::gs_check, "Check:"));
    int next = 0;
    for (const Eigenvalue& e : r.values) {
        const std::string lambda = Bracketed(EigenvalueText(e.value, g.w.nums), e.value.re);
        for (std::size_t k = 0; k < e.space.basis.size(); ++k, ++next)
            out.push_back("A*" + VectorName(next) + " = " + Tuple(e.space.products[k]) + " = " + lambda + "*" +
                          VectorName(next));
        for (std::size_t k = 0; k < e.space.basisApprox.size(); ++k, ++next)
            out.push_back("A*" + VectorName(next) + " = " + Tuple(e.space.productsApprox[k], g.w.nums) + " = " +
                          lambda + "*" + VectorName(next));
    }
    if (!r.diagonalizable) return;
    out.push_back("A*P =");
    Append(out, r.exact ? MatrixLines(r.ap, static_cast<int>(r.a.size())) : DecimalLines(r.apApprox, g.w.nums));
    out.push_back("P*D =");
    Append(out, r.exact ? MatrixLines(r.pd, static_cast<int>(r.a.size())) : DecimalLines(r.pdApprox, g.w.nums));
}

GridOutput EigenGrid(const EigenResult& r, const GaussWording& g) {
    GridOutput grid{"Gs_R", 4, static_cast<int>(r.values.size()) + 1, {}};
    grid.cells.push_back({"", kLambda, g.text(Line::eg_grid_algebraic, "alg."),
                          g.text(Line::eg_grid_geometric, "geom.")});
    int k = 0;
    for (const Eigenvalue& e : r.values)
        grid.cells.push_back({std::to_string(++k), EigenvalueText(e.value, g.w.nums), std::to_string(e.algebraic),
                              e.value.complex() ? "" : std::to_string(e.geometric)});
    return grid;
}

} // namespace

TabOutput WriteEigen(const EigenResult& r, const GaussWording& g) {
    TabOutput o;
    MemoLines& out = o.lines;
    out.push_back(GaussTaskName(g.w.messages, GaussTask::Eigen));
    out.push_back("");
    out.push_back(g.text(Line::gs_given, "Given:"));
    out.push_back(g.text(Line::gs_matrix, "The matrix A:"));
    Append(out, MatrixLines(r.a, static_cast<int>(r.a.size())));
    out.push_back("");
    WriteCharPoly(out, r, g);
    WriteRoots(out, r, g);
    int next = 0;
    for (const Eigenvalue& e : r.values)
        if (!e.value.complex()) WriteEigenspace(out, e, g, next);
    if (!r.values.empty() && r.values.back().value.complex())
        out.push_back(g.text(Line::eg_complex_vectors, "The complex eigenvalues have no real eigenvectors."));
    WriteVerdict(out, r, g);
    if (r.symmetric && !r.dots.empty()) WriteSymmetric(out, r, g);
    if (g.check && !r.values.front().value.complex()) WriteCheck(out, r, g);
    o.grids.push_back(EigenGrid(r, g));
    return o;
}

} // namespace tc
