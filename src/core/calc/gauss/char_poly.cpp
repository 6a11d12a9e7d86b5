// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/char_poly.h"

#include <algorithm>

namespace tc {

namespace {

// Drops leading zero coefficients, keeping at least one.
Poly Trimmed(Poly p) {
    while (p.size() > 1 && p.front() == 0)
        p.erase(p.begin());
    return p;
}

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

Poly PolyAdd(const Poly& p, const Poly& q) {
    Poly r(std::max(p.size(), q.size()), Rational(0));
    for (std::size_t k = 0; k < p.size(); ++k)
        r[r.size() - p.size() + k] += p[k];
    for (std::size_t k = 0; k < q.size(); ++k)
        r[r.size() - q.size() + k] += q[k];
    return Trimmed(r);
}

Poly PolyMul(const Poly& p, const Poly& q) {
    Poly r(p.size() + q.size() - 1, Rational(0));
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j)
            r[i + j] += p[i] * q[j];
    return Trimmed(r);
}

Poly PolyScale(const Poly& p, const Rational& k) {
    Poly r = p;
    for (Rational& c : r)
        c *= k;
    return Trimmed(r);
}

Rational PolyAt(const Poly& p, const Rational& x) {
    Rational v = 0;
    for (const Rational& c : p)
        v = v * x + c;
    return v;
}

Poly ShiftedEntry(const QMatrix& a, int i, int j) {
    const Rational& x = a[Index(i)][Index(j)];
    return i == j ? Poly{Rational(-1), x} : Poly{x};
}

Poly MinorPoly(const QMatrix& a, const std::vector<int>& rows, const std::vector<int>& cols) {
    if (rows.size() == 1) return ShiftedEntry(a, rows[0], cols[0]);
    const std::vector<int> rest(rows.begin() + 1, rows.end());
    Poly sum{Rational(0)};
    for (std::size_t k = 0; k < cols.size(); ++k) {
        std::vector<int> others = cols;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(k));
        const Poly term = PolyMul(ShiftedEntry(a, rows[0], cols[k]), MinorPoly(a, rest, others));
        sum = PolyAdd(sum, k % 2 == 0 ? term : PolyScale(term, -1));
    }
    return sum;
}

CharPoly CharacteristicPolynomial(const QMatrix& a) {
    const int n = static_cast<int>(a.size());
    std::vector<int> all(Index(n));
    for (int k = 0; k < n; ++k)
        all[Index(k)] = k;
    CharPoly cp;
    cp.coeffs = MinorPoly(a, all, all);
    if (n != 4) return cp;
    // The line with the most zeros off the diagonal (a diagonal entry has -λ
    // and is never zero); rows before columns, the first of equals.
    int best = -1;
    for (int line = 0; line < 2 * n; ++line) {
        int zeros = 0;
        for (int k = 0; k < n; ++k) {
            const int i = line < n ? line : k, j = line < n ? k : line - n;
            zeros += i != j && a[Index(i)][Index(j)] == 0 ? 1 : 0;
        }
        if (zeros > best) {
            best = cp.zeros = zeros;
            cp.byRow = line < n;
            cp.line = line % n;
        }
    }
    for (int k = 0; k < n; ++k) {
        const int i = cp.byRow ? cp.line : k, j = cp.byRow ? k : cp.line;
        if (i != j && a[Index(i)][Index(j)] == 0) continue;
        std::vector<int> rows = all, cols = all;
        rows.erase(rows.begin() + i);
        cols.erase(cols.begin() + j);
        cp.terms.push_back({i, j, ShiftedEntry(a, i, j), MinorPoly(a, rows, cols)});
    }
    return cp;
}

std::string PolyText(const Poly& p, const std::string& var) {
    std::string s;
    const std::size_t degree = p.size() - 1;
    for (std::size_t k = 0; k < p.size(); ++k) {
        const Rational& c = p[k];
        if (c == 0) continue;
        const std::size_t power = degree - k;
        const Rational size = abs(c);
        std::string term = power == 0 || size != 1 ? FractionText(size) : "";
        if (power > 0) term += (term.empty() ? "" : "*") + var + (power > 1 ? "^" + std::to_string(power) : "");
        s += (c < 0 ? "-" : s.empty() ? "" : "+") + term;
    }
    return s.empty() ? "0" : s;
}

std::string EntryText(const Poly& entry, const std::string& var) {
    if (entry.size() == 1) return FractionText(entry[0]);
    return entry[1] == 0 ? "-" + var : FractionText(entry[1]) + "-" + var;
}

} // namespace tc
