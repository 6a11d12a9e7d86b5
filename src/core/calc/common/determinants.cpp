// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/common/determinants.h"

#include "numbers/convert.h"

namespace tc {

template <class T> Det2Of<T> SolveDet2(const T& p, const T& q, const T& r, const T& s) {
    Det2Of<T> d{p, q, r, s, T(0), T(0), T(0)};
    d.ps = p * s;
    d.rq = r * q;
    d.value = d.ps - d.rq;
    return d;
}

template <class T> Det3Of<T> SolveDet3(const std::array<T, 9>& a) {
    Det3Of<T> d;
    d.a = a;
    const T &a11 = a[0], &a12 = a[1], &a13 = a[2], &a21 = a[3], &a22 = a[4], &a23 = a[5], &a31 = a[6],
            &a32 = a[7], &a33 = a[8];
    d.t[0] = a11 * a22 * a33;
    d.t[1] = a12 * a23 * a31;
    d.t[2] = a13 * a21 * a32;
    d.t[3] = T(-a13) * a22 * a31;
    d.t[4] = T(-a12) * a21 * a33;
    d.t[5] = T(-a11) * a23 * a32;
    T value = d.t[0] + d.t[1];
    value = value + d.t[2];
    value = value - T(a13 * a22 * a31);
    value = value - T(a12 * a21 * a33);
    d.value = value - T(a11 * a23 * a32);
    return d;
}

template <class T> Det4Of<T> SolveDet4(const Matrix4Of<T>& a) {
    Det4Of<T> d;
    d.a = a;
    auto at = [&a](int row, int col) -> const T& {
        return a[static_cast<std::size_t>(4 * (row - 1) + col - 1)];
    };
    for (int k = 1; k <= 4; ++k) {
        std::array<T, 9> m;
        std::size_t i = 0;
        for (int row = 2; row <= 4; ++row)
            for (int col = 1; col <= 4; ++col)
                if (col != k) m[i++] = at(row, col);
        const auto ix = static_cast<std::size_t>(k - 1);
        d.minors[ix] = SolveDet3(m);
        d.d[ix] = AsWritten(d.minors[ix].value);
    }
    d.c = {at(1, 1), T(-at(1, 2)), at(1, 3), T(-at(1, 4))};
    for (std::size_t k = 0; k < 4; ++k)
        if (d.c[k] != 0) d.term[k] = d.d[k] * d.c[k];
    T value = d.d[0] * at(1, 1) - d.d[1] * at(1, 2);
    value = value + T(d.d[2] * at(1, 3));
    d.value = value - T(d.d[3] * at(1, 4));
    return d;
}

template Det2Of<Ext> SolveDet2(const Ext&, const Ext&, const Ext&, const Ext&);
template Det2Of<Rational> SolveDet2(const Rational&, const Rational&, const Rational&, const Rational&);
template Det3Of<Ext> SolveDet3(const std::array<Ext, 9>&);
template Det3Of<Rational> SolveDet3(const std::array<Rational, 9>&);
template Det4Of<Ext> SolveDet4(const Matrix4Of<Ext>&);
template Det4Of<Rational> SolveDet4(const Matrix4Of<Rational>&);

Rational ExactDeterminant(std::vector<Rational> a, int k) {
    // Gaussian elimination; rationals need no pivot beyond a non-zero one.
    const auto n = static_cast<std::size_t>(k);
    auto at = [&a, n](std::size_t i, std::size_t j) -> Rational& { return a[i * n + j]; };
    Rational det = 1;
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        while (pivot < n && at(pivot, col) == 0)
            ++pivot;
        if (pivot == n) return Rational(0);
        if (pivot != col) {
            for (std::size_t j = 0; j < n; ++j)
                std::swap(at(pivot, j), at(col, j));
            det = -det;
        }
        det *= at(col, col);
        for (std::size_t i = col + 1; i < n; ++i) {
            if (at(i, col) == 0) continue;
            const Rational f = at(i, col) / at(col, col);
            for (std::size_t j = col; j < n; ++j)
                at(i, j) -= f * at(col, j);
        }
    }
    return det;
}

void UseExactValue(Ext& value, const std::vector<Rational>& exact, int k) {
    if (exact.empty()) return;
    value = NearestExt(ExactDeterminant(exact, k));
}

Ext AsWritten(Ext v) {
    return StrToFloat(FloatToStr(v.value(), '.'), '.');
}

Ext Divide(Ext a, Ext b) {
    return a / b;
}

Rational Divide(const Rational& a, const Rational& b) {
    if (b == 0) throw Failure(a == 0 ? kInvalidOperation : kDivisionByZero);
    return Rational(a / b);
}

} // namespace tc
