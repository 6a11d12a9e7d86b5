// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/gauss_write.h"
#include "widgets/names.h"

namespace tc {

namespace {

constexpr const char* kResultGrid = names::Gs_R;

void Append(MemoLines& out, const std::vector<std::string>& lines) {
    out.insert(out.end(), lines.begin(), lines.end());
}

bool AllWhole(const QMatrix& m) {
    for (const auto& row : m)
        for (const Rational& x : row)
            if (x.get_den() != 1) return false;
    return true;
}

// The starting matrix under its caption.
void WriteStart(MemoLines& out, const GaussResult& r, const GaussWording& g) {
    out.push_back(GaussTaskName(g.w.messages, r.task));
    out.push_back("");
    out.push_back(g.text(Line::gs_given, "Given:"));
    switch (r.task) {
    case GaussTask::Rank:
    case GaussTask::Determinant:
        out.push_back(g.text(Line::gs_matrix, "The matrix A:"));
        break;
    case GaussTask::Inverse:
        out.push_back(g.text(Line::gs_with_identity, "The matrix (A|E):"));
        break;
    case GaussTask::LeftSide: {
        // The student typed A and B; the elimination runs on their transposes.
        QMatrix at, bt;
        for (const auto& row : r.start) {
            at.emplace_back(row.begin(), row.begin() + r.leftCols);
            bt.emplace_back(row.begin() + r.leftCols, row.end());
        }
        out.push_back(g.text(Line::gs_matrix_a, "Matrix A") + ":");
        Append(out, MatrixLines(Transpose(at), -1));
        out.push_back(g.text(Line::gs_matrix_b, "Matrix B") + ":");
        Append(out, MatrixLines(Transpose(bt), -1));
        out.push_back(g.text(Line::gs_transposed, "X*A=B is A^T*X^T=B^T: the augmented matrix (A^T|B^T):"));
        break;
    }
    default:
        out.push_back(g.text(Line::gs_augmented, "The augmented matrix (A|B):"));
    }
    Append(out, MatrixLines(r.start, r.leftCols));
    out.push_back("");
}

GridOutput SquareGrid(const QMatrix& m) {
    const int n = static_cast<int>(m.size());
    GridOutput grid{kResultGrid, n + 1, n + 1, {}};
    grid.cells.assign(static_cast<std::size_t>(n + 1), std::vector<std::string>(static_cast<std::size_t>(n + 1)));
    for (int i = 1; i <= n; ++i) {
        grid.cells[0][static_cast<std::size_t>(i)] = grid.cells[static_cast<std::size_t>(i)][0] = std::to_string(i);
        for (int j = 1; j <= n; ++j)
            grid.cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                FractionText(m[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)]);
    }
    return grid;
}

// One value under its heading.
GridOutput ValueGrid(const std::string& heading, const std::string& value) {
    return {kResultGrid, 2, 2, {{"", heading}, {"", value}}};
}

void WriteInverse(TabOutput& o, const GaussResult& r, const GaussWording& g) {
    MemoLines& out = o.lines;
    const int n = r.leftCols;
    if (r.verdict == GaussVerdict::Singular) {
        out.push_back(g.format(Line::gs_singular,
                               "Row %1 of the left part is zero: rank A = %2 < %3, so A is singular and has no inverse.",
                               {std::to_string(r.contradictionRow + 1), std::to_string(r.rank), std::to_string(n)}));
        return;
    }
    WriteSteps(out, r.backward, n, g.text(Line::gs_backward, "Backward pass (reduction to the reduced echelon form):"),
               g);
    WriteMatrixAnswer(out, g.text(Line::gs_inverse, "(E|A^-1) is reached: A^-1 ="), r.inverse, g);
    o.grids.push_back(SquareGrid(r.inverse));
    if (!g.check) return;
    out.push_back("");
    out.push_back(g.text(Line::gs_check, "Check:"));
    out.push_back("A*A^-1 =");
    Append(out, MatrixLines(r.check, n));
    out.push_back("= E");
}

void WriteDeterminant(TabOutput& o, const GaussResult& r, const GaussWording& g) {
    MemoLines& out = o.lines;
    std::string diagonal;
    for (std::size_t i = 0; i < r.echelon.size(); ++i)
        diagonal += (i > 0 ? "*" : "") + Factor(r.echelon[i][i]);
    out.push_back(g.format(Line::gs_det_diagonal, "The product of the diagonal of the triangular form: %1",
                           {diagonal + " = " + FractionText(r.diagonalProduct)}));
    std::string formula = diagonal;
    if (r.swaps > 0) {
        out.push_back(g.format(Line::gs_det_swaps,
                               "Rows were swapped %1 times: each swap changes the sign of the determinant.",
                               {std::to_string(r.swaps)}));
        formula = "(-1)^" + std::to_string(r.swaps) + "*" + formula;
    }
    if (!r.factors.empty()) {
        std::string factors, product;
        for (const Rational& f : r.factors) {
            factors += (factors.empty() ? "" : ", ") + FractionText(f);
            product += Factor(f) + "*";
        }
        out.push_back(g.format(Line::gs_det_factors, "Factors taken out of rows: %1.", {factors}));
        formula = product + formula;
    }
    out.push_back(g.format(Line::gs_det_value, "det A = %1",
                           {formula + " = " + WithDecimal(r.det, g.w.nums, g.exactOnly)}));
    o.grids.push_back(ValueGrid("det A", FractionText(r.det)));
}

} // namespace

void WriteMatrixAnswer(MemoLines& out, const std::string& caption, const QMatrix& m, const GaussWording& g) {
    out.push_back(caption);
    Append(out, MatrixLines(m, static_cast<int>(m.front().size())));
    if (g.exactOnly || AllWhole(m)) return;
    out.push_back(g.text(Line::gs_approx, "In decimals:"));
    std::vector<std::vector<std::string>> decimals;
    for (const auto& row : m) {
        decimals.emplace_back();
        for (const Rational& x : row)
            decimals.back().push_back(g.w.nums.general(NearestOrInfinite(x), 5));
    }
    Append(out, TableLines(decimals, static_cast<int>(m.front().size())));
}

void WriteSteps(MemoLines& out, const std::vector<EliminationStep>& steps, int bar, const std::string& caption,
                const GaussWording& g) {
    out.push_back(caption);
    if (steps.empty()) out.push_back(g.text(Line::gs_no_steps, "No row operations are needed."));
    for (std::size_t s = 0; s < steps.size(); ++s) {
        std::string ops;
        for (const RowOp& op : steps[s].ops)
            ops += (ops.empty() ? "" : ", ") + RowOpText(op);
        out.push_back(g.format(Line::gs_step, "Step %1: %2", {std::to_string(s + 1), ops}));
        Append(out, MatrixLines(steps[s].after, bar));
    }
    out.push_back("");
}

TabOutput WriteGauss(const GaussResult& r, const GaussWording& g) {
    TabOutput o;
    WriteStart(o.lines, r, g);
    const bool triangular = r.task == GaussTask::Determinant;
    WriteSteps(o.lines, r.forward, r.leftCols,
               triangular ? g.text(Line::gs_triangular, "Reduction to a triangular form:")
                          : g.text(Line::gs_forward, "Forward pass (reduction to the echelon form):"),
               g);
    switch (r.task) {
    case GaussTask::Rank:
        o.lines.push_back(g.format(Line::gs_rank_result, "The echelon form has %1 nonzero rows: rank A = %1.",
                                   {std::to_string(r.rank)}));
        o.grids.push_back(ValueGrid("rank A", std::to_string(r.rank)));
        break;
    case GaussTask::Inverse:
        WriteInverse(o, r, g);
        break;
    case GaussTask::Determinant:
        WriteDeterminant(o, r, g);
        break;
    default:
        WriteEquationAnswer(o.lines, r, g);
        o.grids.push_back(EquationGrid(r));
    }
    return o;
}

} // namespace tc
