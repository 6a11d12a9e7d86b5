// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/matrix/matrix_solve.h"

#include <type_traits>

namespace tc {

namespace {

template <class T> void SolveSumOrDifference(const MatrixInputs& in, MatrixResultOf<T>& r) {
    const bool subtract = in.task == kSubtraction;
    const Block<T>&a = BlockA<T>(in), &b = BlockB<T>(in);
    for (int i = 1; i <= in.m; ++i)
        for (int j = 1; j <= in.n; ++j) {
            const T& x = At(a, i, j);
            const T& y = At(b, i, j);
            r.c.push_back({i, j, {}, subtract ? T(x - y) : T(x + y)});
        }
}

// C[i,j] = sum over l of a(i,l)*b(l,j), the products summed from the left.
template <class T> void SolveProduct(const MatrixInputs& in, MatrixResultOf<T>& r) {
    const Block<T>&a = BlockA<T>(in), &b = BlockB<T>(in);
    for (int i = 1; i <= in.m; ++i)
        for (int j = 1; j <= in.k; ++j) {
            MatrixEntryOf<T> e{i, j, {}, T(0)};
            T s = 0;
            for (int l = 1; l <= in.n; ++l) {
                const T prod = At(a, i, l) * At(b, l, j);
                s = s + prod;
                e.products.push_back(prod);
            }
            e.value = s;
            r.c.push_back(std::move(e));
        }
}

// The entries of A without row `row` and column `col`, row by row.
template <class T> std::vector<T> Minor(const MatrixInputs& in, int row, int col) {
    std::vector<T> m;
    for (int i = 1; i <= in.k; ++i)
        for (int j = 1; j <= in.k; ++j)
            if (i != row && j != col) m.push_back(At(BlockA<T>(in), i, j));
    return m;
}

template <class T> void UseExact(T& value, const MatrixInputs& in) {
    // Exact values need no nearest extended value.
    if constexpr (std::is_same_v<T, Ext>) UseExactValue(value, in.exactA, in.k);
}

// B(i,j) of typed values is exact as Det(A) is: the minor's expansion is
// written as computed, but the cofactor goes on as the extended value nearest
// to the exact one, so a cofactor that cancels to 0 is 0, not 2.7E-20.
template <class T> void UseExactCofactor(T& value, const MatrixInputs& in, int i, int j) {
    if constexpr (std::is_same_v<T, Ext>) {
        if (in.exactA.empty()) return;
        const auto k = static_cast<std::size_t>(in.k);
        std::vector<Rational> minor;
        for (std::size_t row = 0; row < k; ++row)
            for (std::size_t col = 0; col < k; ++col)
                if (static_cast<int>(row) != i - 1 && static_cast<int>(col) != j - 1)
                    minor.push_back(in.exactA[row * k + col]);
        const Rational det = ExactDeterminant(std::move(minor), in.k - 1);
        value = NearestExt((i + j) % 2 == 0 ? det : Rational(-det));
    }
}

template <class T> void SolveDeterminant(const MatrixInputs& in, MatrixResultOf<T>& r) {
    const std::vector<T> a = Minor<T>(in, 0, 0);
    switch (in.k) {
    case 2:
        r.det2 = SolveDet2(a[0], a[1], a[2], a[3]);
        UseExact(r.det2->value, in);
        r.det = r.det2->value;
        break;
    case 3:
        r.det3 = SolveDet3<T>({a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]});
        UseExact(r.det3->value, in);
        // The inverse goes on with the determinant as DET_A shows it.
        r.det = AsWritten(r.det3->value);
        break;
    default: {
        Matrix4Of<T> m;
        for (std::size_t i = 0; i < 16; ++i)
            m[i] = a[i];
        r.det4 = SolveDet4(m);
        UseExact(r.det4->value, in);
        // Not DET_A's four decimals: dividing by them would lose a small
        // determinant altogether and round every entry of the inverse.
        r.det = r.det4->value;
        break;
    }
    }
}

template <class T> void SolveInverse(const MatrixInputs& in, MatrixResultOf<T>& r) {
    SolveDeterminant(in, r);
    const int k = in.k;
    const Block<T>& a = BlockA<T>(in);
    if (k == 2) {
        // The cofactors are the entries themselves, swapped and signed.
        r.cofactors = {{1, 1, {}, {}, At(a, 2, 2)},
                       {1, 2, {}, {}, T(-At(a, 2, 1))},
                       {2, 1, {}, {}, T(-At(a, 1, 2))},
                       {2, 2, {}, {}, At(a, 1, 1)}};
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 2; ++j) {
                const T& b = r.cofactors[static_cast<std::size_t>(2 * (j - 1) + i - 1)].value;
                r.inverse.push_back({i, j, {}, DivideByDeterminant(b, r.det, Line::matrix_no_inverse)});
            }
        return;
    }
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j) {
            const std::vector<T> m = Minor<T>(in, i, j);
            CofactorOf<T> b{i, j, {}, {}, T(0)};
            T minor;
            if (k == 3) {
                b.minor2 = SolveDet2(m[0], m[1], m[2], m[3]);
                minor = b.minor2->value;
            } else {
                b.minor3 = SolveDet3<T>({m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]});
                minor = b.minor3->value;
            }
            // The cofactor as written: the minor at 15 digits, negated at an odd place.
            b.value = (i + j) % 2 == 0 ? T(AsWritten(minor)) : T(-AsWritten(minor));
            UseExactCofactor(b.value, in, i, j);
            r.cofactors.push_back(b);
        }
    // C(r,c) = B(c,r) / d, column by column, with the cofactors' values.
    for (int c = 1; c <= k; ++c)
        for (int row = 1; row <= k; ++row) {
            const T& b = r.cofactors[static_cast<std::size_t>(k * (c - 1) + row - 1)].value;
            r.inverse.push_back({row, c, {}, DivideByDeterminant(b, r.det, Line::matrix_no_inverse)});
        }
}

// (A*C)[i,j] = sum over l of a(i,l)*c(l,j), with C at its full value; the
// residual is what is left after E's entry is taken away.
template <class T> void CheckInverse(const MatrixInputs& in, MatrixResultOf<T>& r) {
    const int k = in.k;
    Block<T> c = MakeBlock<T>(k, k);
    for (const MatrixEntryOf<T>& e : r.inverse)
        At(c, e.row, e.col) = e.value;
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j) {
            MatrixEntryOf<T> e{i, j, {}, T(0)};
            T s = 0;
            for (int l = 1; l <= k; ++l) {
                const T prod = At(BlockA<T>(in), i, l) * At(c, l, j);
                s = s + prod;
                e.products.push_back(prod);
            }
            e.value = s;
            e.residual = s - T(i == j ? 1 : 0);
            r.check.push_back(std::move(e));
        }
}

} // namespace

template <class T> void SolveMatrix(const MatrixInputs& in, MatrixResultOf<T>& r, bool check) {
    switch (in.task) {
    case kAddition:
    case kSubtraction: return SolveSumOrDifference(in, r);
    case kMultiplication: return SolveProduct(in, r);
    case kDeterminant: return SolveDeterminant(in, r);
    case kInverse:
        SolveInverse(in, r);
        if (check) CheckInverse(in, r);
        return;
    default: return;
    }
}

template void SolveMatrix(const MatrixInputs&, MatrixResultOf<Ext>&, bool);
template void SolveMatrix(const MatrixInputs&, MatrixResultOf<Rational>&, bool);

} // namespace tc
