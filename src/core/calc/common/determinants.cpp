#include "calc/common/determinants.h"

#include "numbers/convert.h"

namespace tc {

Det2 SolveDet2(Ext p, Ext q, Ext r, Ext s) {
    Det2 d{p, q, r, s, 0.0L, 0.0L, 0.0L};
    d.ps = p * s;
    d.rq = r * q;
    d.value = d.ps - d.rq;
    return d;
}

Det3 SolveDet3(const std::array<Ext, 9>& a) {
    Det3 d;
    d.a = a;
    const Ext a11 = a[0], a12 = a[1], a13 = a[2], a21 = a[3], a22 = a[4], a23 = a[5], a31 = a[6], a32 = a[7],
              a33 = a[8];
    d.t = {a11 * a22 * a33,  a12 * a23 * a31,  a13 * a21 * a32,
           -a13 * a22 * a31, -a12 * a21 * a33, -a11 * a23 * a32};
    d.value = d.t[0] + d.t[1] + d.t[2] - a13 * a22 * a31 - a12 * a21 * a33 - a11 * a23 * a32;
    return d;
}

Det4 SolveDet4(const Matrix4& a) {
    Det4 d;
    d.a = a;
    auto at = [&a](int row, int col) { return a[static_cast<std::size_t>(4 * (row - 1) + col - 1)]; };
    for (int k = 1; k <= 4; ++k) {
        std::array<Ext, 9> m;
        std::size_t i = 0;
        for (int row = 2; row <= 4; ++row)
            for (int col = 1; col <= 4; ++col)
                if (col != k) m[i++] = at(row, col);
        const auto ix = static_cast<std::size_t>(k - 1);
        d.minors[ix] = SolveDet3(m);
        d.d[ix] = AsWritten(d.minors[ix].value);
    }
    d.c = {at(1, 1), -at(1, 2), at(1, 3), -at(1, 4)};
    for (std::size_t k = 0; k < 4; ++k)
        if (d.c[k] != 0.0L) d.term[k] = d.d[k] * d.c[k];
    d.value = ((d.d[0] * at(1, 1) - d.d[1] * at(1, 2)) + d.d[2] * at(1, 3)) - d.d[3] * at(1, 4);
    return d;
}

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

} // namespace tc
