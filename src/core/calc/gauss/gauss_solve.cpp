// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/gauss_solve.h"

namespace tc {

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

int Cols(const QMatrix& m) {
    return m.empty() ? 0 : static_cast<int>(m.front().size());
}

QMatrix Beside(const QMatrix& a, const QMatrix& b) {
    QMatrix m = a;
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i].insert(m[i].end(), b[i].begin(), b[i].end());
    return m;
}

QMatrix Identity(int n) {
    QMatrix e(At(n), std::vector<Rational>(At(n), Rational(0)));
    for (int i = 0; i < n; ++i)
        e[At(i)][At(i)] = 1;
    return e;
}

// Columns `from` to the end of `m`.
QMatrix RightPart(const QMatrix& m, int from) {
    QMatrix r;
    for (const auto& row : m)
        r.emplace_back(row.begin() + from, row.end());
    return r;
}

bool IsZero(const QMatrix& m) {
    for (const auto& row : m)
        for (const Rational& x : row)
            if (x != 0) return false;
    return true;
}

// Echelon row at or below `rank` whose right part is not zero.
int ContradictionRow(const QMatrix& echelon, int rank, int leftCols) {
    for (int i = rank; i < static_cast<int>(echelon.size()); ++i)
        for (std::size_t j = At(leftCols); j < echelon[At(i)].size(); ++j)
            if (echelon[At(i)][j] != 0) return i;
    return -1;
}

// The unknowns: basic (pivot columns) and free, in order.
void SplitUnknowns(GaussResult& r) {
    std::vector<bool> basic(At(r.leftCols), false);
    for (int c : r.pivotCols)
        basic[At(c)] = true;
    for (int j = 0; j < r.leftCols; ++j)
        (basic[At(j)] ? r.basic : r.free).push_back(j);
}

// X0 and the basis from the reduced form of (A|B): the unknowns in rows, one
// column per column of B.
void ReadSolution(GaussResult& r) {
    const int n = r.leftCols, k = Cols(r.start) - n;
    r.particular.assign(At(n), std::vector<Rational>(At(k), Rational(0)));
    for (std::size_t p = 0; p < r.pivotCols.size(); ++p)
        for (int j = 0; j < k; ++j)
            r.particular[At(r.pivotCols[p])][At(j)] = r.reduced[p][At(n + j)];
    for (int f : r.free)
        for (int j = 0; j < k; ++j) {
            QMatrix v(At(n), std::vector<Rational>(At(k), Rational(0)));
            v[At(f)][At(j)] = 1;
            for (std::size_t p = 0; p < r.pivotCols.size(); ++p)
                v[At(r.pivotCols[p])][At(j)] = -r.reduced[p][At(f)];
            r.basis.push_back(std::move(v));
        }
}

// x_k = (b_k - sum of a_kj x_j for the unknowns found) / a_kk, from the last row up.
void BackSubstitute(GaussResult& r) {
    const int n = r.leftCols;
    for (int p = static_cast<int>(r.pivotCols.size()) - 1; p >= 0; --p) {
        const auto& row = r.echelon[At(p)];
        const int c = r.pivotCols[At(p)];
        BackSubstitution s{p, c, row[At(n)], 0};
        for (const BackSubstitution& known : r.backSubstitution)
            s.rest -= row[At(known.unknown)] * known.value;
        s.value = s.rest / row[At(c)];
        r.backSubstitution.push_back(s);
    }
}

// A*X = B for the system (one column of B) and the matrix equations.
void SolveEquation(GaussResult& r, bool backSubstitution) {
    r.echelon = r.start;
    r.pivotCols = RunForwardPass(r.echelon, r.leftCols, &r.forward).pivotCols;
    r.rank = static_cast<int>(r.pivotCols.size());
    r.rankAugmented = Rank(r.start);
    r.homogeneous = IsZero(RightPart(r.start, r.leftCols));
    SplitUnknowns(r);
    if (r.rank < r.rankAugmented) {
        r.verdict = GaussVerdict::None;
        r.contradictionRow = ContradictionRow(r.echelon, r.rank, r.leftCols);
        return;
    }
    r.verdict = r.rank == r.leftCols ? GaussVerdict::Unique : GaussVerdict::Infinite;
    if (backSubstitution && r.verdict == GaussVerdict::Unique) BackSubstitute(r);
    r.reduced = r.echelon;
    // The back substitution answers by itself; any other way reads the reduced form.
    RunBackwardPass(r.reduced, r.pivotCols, r.backSubstitution.empty() ? &r.backward : nullptr);
    ReadSolution(r);
}

void Check(GaussResult& r, const GaussInputs& in) {
    const bool left = r.task == GaussTask::LeftSide;
    auto product = [&](const QMatrix& x) { return left ? Multiply(x, in.a) : Multiply(in.a, x); };
    if (left) {
        r.particular = Transpose(r.particular);
        for (QMatrix& v : r.basis)
            v = Transpose(v);
    }
    if (r.verdict == GaussVerdict::None) return;
    r.check = product(r.particular);
    for (const QMatrix& v : r.basis)
        r.basisCheck.push_back(product(v));
}

void SolveInverse(GaussResult& r, const GaussInputs& in) {
    const int n = static_cast<int>(in.a.size());
    r.start = Beside(in.a, Identity(n));
    r.leftCols = n;
    r.echelon = r.start;
    r.pivotCols = RunForwardPass(r.echelon, n, &r.forward).pivotCols;
    r.rank = static_cast<int>(r.pivotCols.size());
    if (r.rank < n) {
        r.verdict = GaussVerdict::Singular;
        r.contradictionRow = r.rank;
        return;
    }
    r.reduced = r.echelon;
    RunBackwardPass(r.reduced, r.pivotCols, &r.backward);
    r.inverse = RightPart(r.reduced, n);
    r.check = Multiply(in.a, r.inverse);
}

void SolveDeterminant(GaussResult& r) {
    r.echelon = r.start;
    const ForwardPass pass = RunForwardPass(r.echelon, r.leftCols, &r.forward, true);
    r.pivotCols = pass.pivotCols;
    r.rank = static_cast<int>(pass.pivotCols.size());
    r.swaps = pass.swaps;
    r.factors = pass.factors;
    r.diagonalProduct = 1;
    for (std::size_t i = 0; i < r.echelon.size(); ++i)
        r.diagonalProduct *= r.echelon[i][i];
    r.det = r.swaps % 2 ? -r.diagonalProduct : r.diagonalProduct;
    for (const Rational& f : r.factors)
        r.det *= f;
}

} // namespace

QMatrix Multiply(const QMatrix& a, const QMatrix& b) {
    const int m = static_cast<int>(a.size()), n = Cols(b), inner = static_cast<int>(b.size());
    QMatrix c(At(m), std::vector<Rational>(At(n), Rational(0)));
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j)
            for (int t = 0; t < inner; ++t)
                c[At(i)][At(j)] += a[At(i)][At(t)] * b[At(t)][At(j)];
    return c;
}

QMatrix Transpose(const QMatrix& a) {
    QMatrix t(At(Cols(a)), std::vector<Rational>(a.size()));
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < a[i].size(); ++j)
            t[j][i] = a[i][j];
    return t;
}

GaussResult SolveGauss(const GaussInputs& in) {
    GaussResult r;
    r.task = in.task;
    switch (in.task) {
    case GaussTask::Gauss:
    case GaussTask::Jordan:
    case GaussTask::RightSide:
        r.start = Beside(in.a, in.b);
        r.leftCols = Cols(in.a);
        SolveEquation(r, in.task == GaussTask::Gauss);
        Check(r, in);
        break;
    case GaussTask::LeftSide:
        r.start = Beside(Transpose(in.a), Transpose(in.b));
        r.leftCols = static_cast<int>(in.a.size());
        SolveEquation(r, false);
        Check(r, in);
        break;
    case GaussTask::Rank:
        r.start = in.a;
        r.leftCols = Cols(in.a);
        r.echelon = r.start;
        r.pivotCols = RunForwardPass(r.echelon, r.leftCols, &r.forward).pivotCols;
        r.rank = static_cast<int>(r.pivotCols.size());
        break;
    case GaussTask::Inverse:
        SolveInverse(r, in);
        break;
    case GaussTask::Determinant:
    case GaussTask::Eigen: // SolveEigen's task; here A's determinant, its free term
        r.start = in.a;
        r.leftCols = Cols(in.a);
        SolveDeterminant(r);
        break;
    }
    return r;
}

} // namespace tc
