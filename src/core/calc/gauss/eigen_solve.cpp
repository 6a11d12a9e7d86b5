// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/eigen_solve.h"

#include <algorithm>
#include <cmath>

#include "calc/gauss/gauss_solve.h"

namespace tc {

namespace {

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

void SolveExactSpace(const QMatrix& a, const Rational& lambda, Eigenspace& s) {
    s.shifted = a;
    for (std::size_t i = 0; i < a.size(); ++i)
        s.shifted[i][i] -= lambda;
    s.reduced = s.shifted;
    const int n = static_cast<int>(a.size());
    s.pivotCols = RunForwardPass(s.reduced, n, &s.forward).pivotCols;
    RunBackwardPass(s.reduced, s.pivotCols, &s.backward);
    s.basis = NullSpace(s.shifted);
    for (int j = 0; j < n; ++j)
        if (std::find(s.pivotCols.begin(), s.pivotCols.end(), j) == s.pivotCols.end()) s.free.push_back(j);
    for (const auto& v : s.basis) {
        QMatrix column;
        for (const Rational& x : v)
            column.push_back({x});
        std::vector<Rational> product;
        for (const auto& row : Multiply(a, column))
            product.push_back(row[0]);
        s.products.push_back(product);
    }
}

// (A - λE)x = 0 in extended values: the reduced echelon form by elimination
// with the largest pivot of each column; an entry below a tolerance scaled to
// the matrix counts as zero, as the shown digits cannot tell it from zero.
void SolveApproxSpace(const QMatrix& a, Ext lambda, Eigenspace& s) {
    const std::size_t n = a.size();
    long double size = 0;
    for (std::size_t i = 0; i < n; ++i) {
        s.shiftedApprox.emplace_back();
        for (std::size_t j = 0; j < n; ++j) {
            s.shiftedApprox[i].push_back(NearestExt(a[i][j]) - (i == j ? lambda : Ext(0.0L)));
            size = std::max(size, std::fabs(s.shiftedApprox[i][j].value()));
        }
    }
    const long double tolerance = 1e-9L * (1.0L + size);
    XMatrix m = s.shiftedApprox;
    std::size_t row = 0;
    for (std::size_t col = 0; col < n && row < n; ++col) {
        std::size_t best = row;
        for (std::size_t i = row; i < n; ++i)
            if (std::fabs(m[i][col].value()) > std::fabs(m[best][col].value())) best = i;
        if (std::fabs(m[best][col].value()) <= tolerance) {
            for (std::size_t i = row; i < n; ++i)
                m[i][col] = 0.0L;
            continue;
        }
        std::swap(m[row], m[best]);
        const Ext pivot = m[row][col];
        for (Ext& x : m[row])
            x = x / pivot;
        for (std::size_t i = 0; i < n; ++i) {
            if (i == row) continue;
            const Ext k = m[i][col];
            for (std::size_t j = 0; j < n; ++j)
                m[i][j] = j == col ? Ext(0.0L) : m[i][j] - k * m[row][j];
        }
        s.pivotCols.push_back(static_cast<int>(col));
        ++row;
    }
    // λ is a root of det(A - λE): a full rank is rounding, and the last pivot
    // (the smallest the choice of the largest left) is the zero one.
    if (s.pivotCols.size() == n) {
        s.pivotCols.pop_back();
        for (Ext& x : m[n - 1])
            x = 0.0L;
    }
    for (std::size_t col = 0; col < n; ++col)
        if (std::find(s.pivotCols.begin(), s.pivotCols.end(), static_cast<int>(col)) == s.pivotCols.end())
            s.free.push_back(static_cast<int>(col));
    // What the tolerance counts as zero is written as 0, not as a trace of rounding.
    for (auto& r : m)
        for (Ext& x : r)
            if (std::fabs(x.value()) <= tolerance) x = 0.0L;
    s.reducedApprox = m;
    for (int f : s.free) {
        std::vector<Ext> v(n, Ext(0.0L));
        v[Index(f)] = 1.0L;
        for (std::size_t k = 0; k < s.pivotCols.size(); ++k)
            v[Index(s.pivotCols[k])] = -m[k][Index(f)];
        std::vector<Ext> product(n, Ext(0.0L));
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j)
                product[i] += NearestExt(a[i][j]) * v[j];
        s.basisApprox.push_back(v);
        s.productsApprox.push_back(product);
    }
}

bool Triangular(const QMatrix& a, bool upper) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < a.size(); ++j)
            if ((upper ? j < i : j > i) && a[i][j] != 0) return false;
    return true;
}

std::vector<Ext> Approx(const std::vector<Rational>& v) {
    std::vector<Ext> out;
    for (const Rational& x : v)
        out.push_back(NearestExt(x));
    return out;
}

XMatrix Product(const XMatrix& x, const XMatrix& y) {
    XMatrix r(x.size(), std::vector<Ext>(y.front().size(), Ext(0.0L)));
    for (std::size_t i = 0; i < x.size(); ++i)
        for (std::size_t j = 0; j < y.front().size(); ++j)
            for (std::size_t k = 0; k < y.size(); ++k)
                r[i][j] += x[i][k] * y[k][j];
    return r;
}

void Diagonalize(EigenResult& r) {
    const std::size_t n = r.a.size();
    std::vector<std::vector<Ext>> vectors;
    std::vector<std::vector<Rational>> exactVectors;
    std::vector<Ext> lambdas;
    std::vector<Rational> exactLambdas;
    for (const Eigenvalue& e : r.values) {
        if (e.value.complex()) return;
        r.exact = r.exact && e.value.rational;
        for (const auto& v : e.space.basis) {
            exactVectors.push_back(v);
            exactLambdas.push_back(e.value.exact);
            vectors.push_back(Approx(v));
            lambdas.push_back(e.value.re);
        }
        for (const auto& v : e.space.basisApprox) {
            vectors.push_back(v);
            lambdas.push_back(e.value.re);
        }
    }
    if (vectors.size() != n) return;
    r.diagonalizable = true;
    XMatrix p(n, std::vector<Ext>(n)), d(n, std::vector<Ext>(n, Ext(0.0L))), a(n);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            p[i][j] = vectors[j][i];
            a[i].push_back(NearestExt(r.a[i][j]));
        }
        d[i][i] = lambdas[i];
    }
    if (r.exact) {
        r.p.assign(n, std::vector<Rational>(n));
        r.d.assign(n, std::vector<Rational>(n, Rational(0)));
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j)
                r.p[i][j] = exactVectors[j][i];
            r.d[i][i] = exactLambdas[i];
        }
        r.ap = Multiply(r.a, r.p);
        r.pd = Multiply(r.p, r.d);
    } else {
        r.pApprox = p;
        r.dApprox = d;
        r.apApprox = Product(a, p);
        r.pdApprox = Product(p, d);
    }
}

void Orthogonality(EigenResult& r) {
    std::vector<std::pair<std::size_t, std::vector<Ext>>> vectors; // (eigenvalue, vector)
    for (std::size_t k = 0; k < r.values.size(); ++k) {
        for (const auto& v : r.values[k].space.basis)
            vectors.emplace_back(k, Approx(v));
        for (const auto& v : r.values[k].space.basisApprox)
            vectors.emplace_back(k, v);
    }
    for (std::size_t i = 0; i < vectors.size(); ++i)
        for (std::size_t j = i + 1; j < vectors.size(); ++j) {
            if (vectors[i].first == vectors[j].first) continue;
            Ext dot = 0.0L;
            for (std::size_t k = 0; k < vectors[i].second.size(); ++k)
                dot += vectors[i].second[k] * vectors[j].second[k];
            r.dots.push_back({static_cast<int>(i), static_cast<int>(j), dot});
        }
}

} // namespace

EigenResult SolveEigen(const QMatrix& a) {
    EigenResult r;
    r.a = a;
    r.poly = CharacteristicPolynomial(a);
    r.roots = SolvePolynomial(r.poly.coeffs);
    r.upperTriangular = Triangular(a, true);
    r.lowerTriangular = Triangular(a, false);
    r.symmetric = Transpose(a) == a;
    for (const PolyRoot& root : r.roots.roots) {
        Eigenvalue e{root, root.multiplicity, 0, {}};
        if (!root.complex()) {
            if (root.rational)
                SolveExactSpace(a, root.exact, e.space);
            else
                SolveApproxSpace(a, root.re, e.space);
            e.geometric = static_cast<int>(e.space.basis.size() + e.space.basisApprox.size());
        }
        r.values.push_back(std::move(e));
    }
    Diagonalize(r);
    if (r.symmetric) Orthogonality(r);
    return r;
}

} // namespace tc
