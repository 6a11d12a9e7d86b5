// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict, the solution and the check of a system or a matrix equation.
#include "calc/gauss/gauss_write.h"
#include "widgets/names.h"

#include "i18n/fill_places.h"

namespace tc {

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

bool IsSystem(const GaussResult& r) {
    return r.task == GaussTask::Gauss || r.task == GaussTask::Jordan;
}

void Append(MemoLines& out, const std::vector<std::string>& lines) {
    out.insert(out.end(), lines.begin(), lines.end());
}

// " + 3*x2", " - x4", or "-3*x2" at the start.
std::string Term(const Rational& c, const std::string& what, bool first) {
    const Rational size = abs(c);
    const std::string body = (size == 1 ? "" : FractionText(size) + "*") + what;
    if (first) return (c < 0 ? "-" : "") + body;
    return (c < 0 ? " - " : " + ") + body;
}

// The Kronecker-Capelli verdict of a system and of a matrix equation: the
// same reasoning, worded for its subject.
struct VerdictWording {
    Line system, equation;
    const char* fallback; // %3: "system" or "equation"
};

constexpr VerdictWording kNone{Line::gs_none_system, Line::gs_none_equation,
                               "rank A = %1 < rank (A|B) = %2: by the Kronecker-Capelli theorem the %3 has no "
                               "solution."};
constexpr VerdictWording kUnique{Line::gs_unique_system, Line::gs_unique_equation,
                                 "rank A = rank (A|B) = n = %1: by the Kronecker-Capelli theorem the %3 has one "
                                 "solution."};
constexpr VerdictWording kInfinite{Line::gs_infinite_system, Line::gs_infinite_equation,
                                   "rank A = rank (A|B) = %1 < n = %2: by the Kronecker-Capelli theorem the %3 has "
                                   "infinitely many solutions."};

void WriteVerdict(MemoLines& out, const GaussResult& r, const GaussWording& g) {
    const std::string rank = std::to_string(r.rank), augmented = std::to_string(r.rankAugmented);
    const bool system = IsSystem(r);
    const auto say = [&](const VerdictWording& v, std::string second) {
        const std::string english = FillPlaces(v.fallback, {"%1", "%2", system ? "system" : "equation"});
        out.push_back(g.format(system ? v.system : v.equation, english.c_str(), {rank, std::move(second)}));
    };
    out.push_back(g.format(Line::gs_ranks, "rank A = %1, rank (A|B) = %2.", {rank, augmented}));
    if (r.verdict == GaussVerdict::None) {
        say(kNone, augmented);
        std::string right;
        const auto& row = r.echelon[At(r.contradictionRow)];
        for (std::size_t j = At(r.leftCols); j < row.size(); ++j)
            right += (right.empty() ? "" : "  ") + FractionText(row[j]);
        out.push_back(g.format(Line::gs_contradiction,
                               "Row %1 of the echelon form is 0 ... 0 | %2: it reads 0 = %2, which cannot hold.",
                               {std::to_string(r.contradictionRow + 1), right}));
        return;
    }
    if (r.verdict == GaussVerdict::Unique) return say(kUnique, "");
    say(kInfinite, std::to_string(r.leftCols));
    if (!system) return;
    std::string basic, free;
    for (int j : r.basic)
        basic += (basic.empty() ? "" : ", ") + Unknown(j);
    for (int j : r.free)
        free += (free.empty() ? "" : ", ") + Unknown(j);
    out.push_back(g.format(Line::gs_basic_free, "Basic unknowns: %1; free unknowns: %2.", {basic, free}));
}

// x2 = (5 - 2*2)/3 = 1/3 = 0.33333, from the last unknown up; the unknowns
// found before are put in in their order.
void WriteBackSubstitution(MemoLines& out, const GaussResult& r, const GaussWording& g) {
    out.push_back(g.text(Line::gs_back_substitution, "Backward pass (back substitution):"));
    const std::size_t n = At(r.leftCols);
    for (const BackSubstitution& b : r.backSubstitution) {
        const auto& row = r.echelon[At(b.row)];
        std::string rest = FractionText(row[n]);
        bool terms = false;
        for (std::size_t j = At(b.unknown) + 1; j < n; ++j) {
            if (row[j] == 0) continue;
            rest += Term(-row[j], Factor(r.particular[j][0]), false);
            terms = true;
        }
        const Rational& pivot = row[At(b.unknown)];
        std::string line = Unknown(b.unknown) + " = ";
        if (pivot == 1)
            line += terms ? rest + " = " : "";
        else
            line += (terms || row[n].get_den() != 1 ? "(" + rest + ")" : rest) + "/" + Factor(pivot) + " = ";
        out.push_back(line + WithDecimal(b.value, g.w.nums, g.exactOnly));
    }
    out.push_back("");
}

// x1 = 2 - 3*x3 + x4 for each basic unknown, from the reduced form.
void WriteBasicThroughFree(MemoLines& out, const GaussResult& r, const GaussWording& g) {
    out.push_back(g.text(Line::gs_express, "The basic unknowns through the free ones:"));
    const std::size_t n = At(r.leftCols);
    for (std::size_t p = 0; p < r.pivotCols.size(); ++p) {
        const auto& row = r.reduced[p];
        std::string line = Unknown(r.pivotCols[p]) + " = ";
        bool first = true;
        if (row[n] != 0) {
            line += FractionText(row[n]);
            first = false;
        }
        for (int f : r.free)
            if (row[At(f)] != 0) {
                line += Term(-row[At(f)], Unknown(f), first);
                first = false;
            }
        out.push_back(line + (first ? "0" : ""));
    }
}

std::string Named(const std::string& name, const QMatrix& column) {
    return name + " = " + ColumnTuple(column, 0);
}

// "C1 is an arbitrary constant.", "C1, C2 are ...", "C1, ..., C5 are ...":
// the constants the general solution holds, not a list that may run past them.
void WriteConstants(MemoLines& out, std::size_t count, const GaussWording& g) {
    const bool one = count == 1;
    const Line line = one ? Line::gs_constant_one : Line::gs_constants_some;
    if (!g.w.messages.has(line) && g.w.messages.has(Line::gs_constants))
        return out.push_back(g.text(Line::gs_constants, ""));
    std::string names = "C1";
    if (count > 3) names += ", ..., C" + std::to_string(count);
    for (std::size_t i = 2; count <= 3 && i <= count; ++i)
        names += ", C" + std::to_string(i);
    out.push_back(one ? g.format(line, "%1 is an arbitrary constant.", {names})
                      : g.format(line, "%1 are arbitrary constants.", {names}));
}

void WriteGeneralSolution(MemoLines& out, const GaussResult& r, const GaussWording& g) {
    const bool system = IsSystem(r);
    std::string general = r.homogeneous ? "X = " : "X = X0";
    for (std::size_t i = 1; i <= r.basis.size(); ++i)
        general += (i == 1 && r.homogeneous ? "" : " + ") + ("C" + std::to_string(i)) + "*X" + std::to_string(i);
    out.push_back(g.format(Line::gs_general, "General solution: %1, where", {general}));
    if (!r.homogeneous) {
        out.push_back(g.text(Line::gs_particular, "a particular solution (the free unknowns equal to 0):"));
        if (system)
            out.push_back(Named("X0", r.particular));
        else
            WriteMatrixAnswer(out, "X0 =", r.particular, g);
    }
    if (!system)
        out.push_back(g.textOr(Line::gs_basis_equation, Line::gs_homogeneous_basis,
                               "a basis of the solutions of the corresponding homogeneous equation:"));
    else if (r.homogeneous)
        out.push_back(g.text(Line::gs_fundamental, "the fundamental system of solutions:"));
    else
        out.push_back(g.textOr(Line::gs_fundamental_system, Line::gs_homogeneous_basis,
                               "the fundamental system of solutions of the corresponding homogeneous system:"));
    for (std::size_t i = 0; i < r.basis.size(); ++i) {
        const std::string name = "X" + std::to_string(i + 1);
        if (system)
            out.push_back(Named(name, r.basis[i]));
        else
            WriteMatrixAnswer(out, name + " =", r.basis[i], g);
    }
    WriteConstants(out, r.basis.size(), g);
}

// Each equation with the solution put in: 2*(-3) + 5*1 = -1.
void WriteEquationCheck(MemoLines& out, const GaussResult& r, const GaussWording& g) {
    for (std::size_t i = 0; i < r.start.size(); ++i) {
        std::string sum;
        for (std::size_t j = 0; j < At(r.leftCols); ++j)
            if (r.start[i][j] != 0) sum += Term(r.start[i][j], Factor(r.particular[j][0]), sum.empty());
        out.push_back(g.format(Line::gs_check_equation, "Equation %1: %2",
                               {std::to_string(i + 1), (sum.empty() ? "0" : sum) + " = " +
                                                           FractionText(r.check[i][0])}));
    }
}

void WriteCheck(MemoLines& out, const GaussResult& r, const GaussWording& g) {
    out.push_back("");
    out.push_back(g.text(Line::gs_check, "Check:"));
    if (IsSystem(r) && r.verdict == GaussVerdict::Unique) return WriteEquationCheck(out, r, g);
    const bool left = r.task == GaussTask::LeftSide;
    auto product = [left](const std::string& x) { return left ? x + "*A" : "A*" + x; };
    const std::string x0 = r.verdict == GaussVerdict::Unique ? "X" : "X0";
    const std::string zero = IsSystem(r) ? "0" : "O";
    const auto shown = [&](const std::string& name, const QMatrix& m, const std::string& equals) {
        if (IsSystem(r)) return out.push_back(product(name) + " = " + ColumnTuple(m, 0) + " = " + equals);
        out.push_back(product(name) + " =");
        Append(out, MatrixLines(m, static_cast<int>(m.front().size())));
        out.push_back("= " + equals);
    };
    if (!r.homogeneous) shown(x0, r.check, "B");
    for (std::size_t i = 0; i < r.basisCheck.size(); ++i)
        shown("X" + std::to_string(i + 1), r.basisCheck[i], zero);
}

std::string ReplacedAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

void WriteEquationAnswer(MemoLines& out, const GaussResult& r, const GaussWording& g) {
    const std::size_t first = out.size();
    WriteVerdict(out, r, g);
    // X*A=B was reduced as A^T*X^T=B^T: the ranks are those of its matrices.
    if (r.task == GaussTask::LeftSide)
        for (std::size_t i = first; i < out.size(); ++i) {
            out[i] = ReplacedAll(out[i], "(A|B)", "(A^T|B^T)");
            out[i] = ReplacedAll(out[i], "rank A ", "rank A^T ");
        }
    if (r.verdict == GaussVerdict::None) return;
    out.push_back("");
    if (!r.backSubstitution.empty())
        WriteBackSubstitution(out, r, g);
    else
        WriteSteps(out, r.backward, r.leftCols,
                   g.text(Line::gs_backward, "Backward pass (reduction to the reduced echelon form):"), g);
    if (r.verdict == GaussVerdict::Infinite) {
        if (IsSystem(r)) WriteBasicThroughFree(out, r, g);
        WriteGeneralSolution(out, r, g);
    } else if (IsSystem(r)) {
        out.push_back(g.text(Line::gs_solution, "Solution:"));
        for (std::size_t j = 0; j < r.particular.size(); ++j)
            out.push_back(Unknown(static_cast<int>(j)) + " = " +
                          WithDecimal(r.particular[j][0], g.w.nums, g.exactOnly));
    } else {
        WriteMatrixAnswer(out, "X =", r.particular, g);
    }
    if (g.check) WriteCheck(out, r, g);
}

GridOutput EquationGrid(const GaussResult& r) {
    GridOutput grid{names::Gs_R, 1, 1, {{""}}};
    if (r.verdict == GaussVerdict::None) return grid;
    const QMatrix& x = r.particular;
    const bool system = IsSystem(r);
    // A system shows X (or X0 and the basis) in columns; a matrix equation its X (or X0).
    std::vector<std::pair<std::string, const QMatrix*>> columns;
    if (system) {
        // A homogeneous system's general solution has no X0: its zeros are not shown either.
        if (r.verdict == GaussVerdict::Unique || !r.homogeneous)
            columns.emplace_back(r.verdict == GaussVerdict::Unique ? "X" : "X0", &x);
        for (std::size_t i = 0; i < r.basis.size(); ++i)
            columns.emplace_back("X" + std::to_string(i + 1), &r.basis[i]);
    }
    const std::size_t rows = x.size(), cols = system ? columns.size() : x.front().size();
    grid.cols = static_cast<int>(cols + 1);
    grid.rows = static_cast<int>(rows + 1);
    grid.cells.assign(rows + 1, std::vector<std::string>(cols + 1));
    for (std::size_t j = 0; j < cols; ++j)
        grid.cells[0][j + 1] = system ? columns[j].first : std::to_string(j + 1);
    for (std::size_t i = 0; i < rows; ++i) {
        grid.cells[i + 1][0] = system ? Unknown(static_cast<int>(i)) : std::to_string(i + 1);
        for (std::size_t j = 0; j < cols; ++j)
            grid.cells[i + 1][j + 1] = FractionText(system ? (*columns[j].second)[i][0] : x[i][j]);
    }
    return grid;
}

} // namespace tc
