// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/elimination.h"

#include <utility>

namespace tc {

namespace {

std::string RowName(int row) {
    return "R" + std::to_string(row + 1);
}

bool IsUnit(const Rational& q) {
    return q == 1 || q == -1;
}

bool IsWhole(const Rational& q) {
    return q.get_den() == 1;
}

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

const Rational& Entry(const QMatrix& m, int row, int col) {
    return m[At(row)][At(col)];
}

// Whether every entry of column `col` from `row` down is a whole multiple of
// `pivot`.
bool DividesColumn(const QMatrix& m, int row, int col, const Rational& pivot) {
    for (int i = row; i < static_cast<int>(m.size()); ++i)
        if (!IsWhole(Rational(Entry(m, i, col) / pivot))) return false;
    return true;
}

void Record(std::vector<EliminationStep>* steps, std::vector<RowOp> ops, const QMatrix& m) {
    if (steps && !ops.empty()) steps->push_back({std::move(ops), m});
}

// Divides the rows from `row` down whose entries share a factor other than 1
// by it; the factors are appended to `factors`.
void TakeOutFactors(QMatrix& m, int row, std::vector<Rational>& factors, std::vector<EliminationStep>* steps) {
    std::vector<RowOp> ops;
    for (int i = row; i < static_cast<int>(m.size()); ++i) {
        const Rational c = RowContent(m[At(i)]);
        if (c == 0 || c == 1) continue;
        const RowOp op{RowOp::Kind::Scale, i, i, c};
        ApplyRowOp(m, op);
        factors.push_back(c);
        ops.push_back(op);
    }
    Record(steps, std::move(ops), m);
}

} // namespace

std::string RowOpText(const RowOp& op) {
    const std::string target = RowName(op.target);
    switch (op.kind) {
    case RowOp::Kind::Swap:
        return target + " <-> " + RowName(op.source);
    case RowOp::Kind::Scale: {
        // Dividing by 1/q is written as multiplying by q.
        const Rational& d = op.factor;
        if (d.get_num() == 1 || d.get_num() == -1) {
            const Rational times = 1 / d;
            return target + " * " + (times < 0 ? "(" + FractionText(times) + ")" : FractionText(times)) +
                   " -> " + target;
        }
        const std::string text = FractionText(d);
        return target + " / " + (d < 0 || !IsWhole(d) ? "(" + text + ")" : text) + " -> " + target;
    }
    case RowOp::Kind::Add:
        break;
    }
    const Rational size = abs(op.factor);
    const std::string times = size == 1 ? "" : FractionText(size) + "*";
    return target + (op.factor < 0 ? " - " : " + ") + times + RowName(op.source) + " -> " + target;
}

void ApplyRowOp(QMatrix& m, const RowOp& op) {
    auto& target = m[At(op.target)];
    switch (op.kind) {
    case RowOp::Kind::Swap:
        std::swap(target, m[At(op.source)]);
        return;
    case RowOp::Kind::Scale:
        for (Rational& x : target)
            x /= op.factor;
        return;
    case RowOp::Kind::Add:
        const auto& source = m[At(op.source)];
        for (std::size_t j = 0; j < target.size(); ++j)
            target[j] += op.factor * source[j];
        return;
    }
}

std::optional<int> ChoosePivot(const QMatrix& m, int row, int col) {
    const int rows = static_cast<int>(m.size());
    if (IsUnit(Entry(m, row, col))) return row;
    for (int i = row + 1; i < rows; ++i)
        if (IsUnit(Entry(m, i, col))) return i;
    for (int i = row; i < rows; ++i)
        if (Entry(m, i, col) != 0 && DividesColumn(m, row, col, Entry(m, i, col))) return i;
    for (int i = row; i < rows; ++i)
        if (Entry(m, i, col) != 0) return i;
    return std::nullopt;
}

Rational RowContent(const std::vector<Rational>& row) {
    mpz_class num = 0, den = 1;
    for (const Rational& x : row) {
        if (x == 0) continue;
        num = gcd(num, x.get_num());
        den = lcm(den, x.get_den());
    }
    if (num == 0) return 0;
    Rational c(num, den);
    c.canonicalize();
    return c;
}

ForwardPass RunForwardPass(QMatrix& m, int cols, std::vector<EliminationStep>* steps, bool takeOutFactors) {
    ForwardPass pass;
    const int rows = static_cast<int>(m.size());
    int r = 0;
    for (int c = 0; c < cols && r < rows; ++c) {
        // A factor is worth taking out only where rows are left to eliminate.
        if (takeOutFactors && r + 1 < rows) TakeOutFactors(m, r, pass.factors, steps);
        const std::optional<int> p = ChoosePivot(m, r, c);
        if (!p) continue;
        if (*p != r) {
            const RowOp swap{RowOp::Kind::Swap, r, *p, 1};
            ApplyRowOp(m, swap);
            ++pass.swaps;
            Record(steps, {swap}, m);
        }
        std::vector<RowOp> ops;
        for (int i = r + 1; i < rows; ++i) {
            if (Entry(m, i, c) == 0) continue;
            const RowOp add{RowOp::Kind::Add, i, r, -Entry(m, i, c) / Entry(m, r, c)};
            ApplyRowOp(m, add);
            ops.push_back(add);
        }
        Record(steps, std::move(ops), m);
        pass.pivotCols.push_back(c);
        ++r;
    }
    return pass;
}

void RunBackwardPass(QMatrix& m, const std::vector<int>& pivotCols, std::vector<EliminationStep>* steps) {
    for (int r = static_cast<int>(pivotCols.size()) - 1; r >= 0; --r) {
        const int c = pivotCols[At(r)];
        if (Entry(m, r, c) != 1) {
            const RowOp scale{RowOp::Kind::Scale, r, r, Entry(m, r, c)};
            ApplyRowOp(m, scale);
            Record(steps, {scale}, m);
        }
        std::vector<RowOp> ops;
        for (int i = 0; i < r; ++i) {
            if (Entry(m, i, c) == 0) continue;
            const RowOp add{RowOp::Kind::Add, i, r, -Entry(m, i, c)};
            ApplyRowOp(m, add);
            ops.push_back(add);
        }
        Record(steps, std::move(ops), m);
    }
}

int Rank(QMatrix m) {
    if (m.empty()) return 0;
    const int cols = static_cast<int>(m.front().size());
    return static_cast<int>(RunForwardPass(m, cols, nullptr).pivotCols.size());
}

std::vector<int> Reduce(QMatrix& m) {
    if (m.empty()) return {};
    const int cols = static_cast<int>(m.front().size());
    const std::vector<int> pivots = RunForwardPass(m, cols, nullptr).pivotCols;
    RunBackwardPass(m, pivots, nullptr);
    return pivots;
}

std::vector<std::vector<Rational>> NullSpace(const QMatrix& a) {
    QMatrix m = a;
    const std::vector<int> pivots = Reduce(m);
    const int n = a.empty() ? 0 : static_cast<int>(a.front().size());
    std::vector<bool> basic(At(n), false);
    for (int c : pivots)
        basic[At(c)] = true;
    std::vector<std::vector<Rational>> basis;
    for (int f = 0; f < n; ++f) {
        if (basic[At(f)]) continue;
        std::vector<Rational> v(At(n), Rational(0));
        v[At(f)] = 1;
        for (std::size_t r = 0; r < pivots.size(); ++r)
            v[At(pivots[r])] = -m[r][At(f)];
        basis.push_back(std::move(v));
    }
    return basis;
}

} // namespace tc
