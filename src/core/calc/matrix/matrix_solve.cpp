#include "calc/matrix/matrix_solve.h"

namespace tc {

namespace {

void SolveSumOrDifference(const MatrixInputs& in, MatrixResult& r) {
    const bool subtract = in.task == kSubtraction;
    for (int i = 1; i <= in.m; ++i)
        for (int j = 1; j <= in.n; ++j) {
            const Ext x = At(in.a, i, j), y = At(in.b, i, j);
            r.c.push_back({i, j, {}, subtract ? x - y : x + y});
        }
}

// C[i,j] = sum over l of a(i,l)*b(l,j), the products summed from the left.
void SolveProduct(const MatrixInputs& in, MatrixResult& r) {
    for (int i = 1; i <= in.m; ++i)
        for (int j = 1; j <= in.k; ++j) {
            MatrixEntry e{i, j, {}, 0.0L};
            Ext s = 0.0L;
            for (int l = 1; l <= in.n; ++l) {
                const Ext prod = At(in.a, i, l) * At(in.b, l, j);
                s += prod;
                e.products.push_back(prod);
            }
            e.value = s;
            r.c.push_back(std::move(e));
        }
}

// The entries of A without row `row` and column `col`, row by row.
std::vector<Ext> Minor(const MatrixInputs& in, int row, int col) {
    std::vector<Ext> m;
    for (int i = 1; i <= in.k; ++i)
        for (int j = 1; j <= in.k; ++j)
            if (i != row && j != col) m.push_back(At(in.a, i, j));
    return m;
}

void SolveDeterminant(const MatrixInputs& in, MatrixResult& r) {
    const std::vector<Ext> a = SquareEntries(in);
    switch (in.k) {
    case 2:
        r.det2 = SolveDet2(a[0], a[1], a[2], a[3]);
        UseExactValue(r.det2->value, in.exactA, 2);
        r.det = r.det2->value;
        break;
    case 3:
        r.det3 = SolveDet3({a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]});
        UseExactValue(r.det3->value, in.exactA, 3);
        // The inverse goes on with the determinant as DET_A shows it.
        r.det = AsWritten(r.det3->value);
        break;
    default: {
        Matrix4 m;
        for (std::size_t i = 0; i < 16; ++i)
            m[i] = a[i];
        r.det4 = SolveDet4(m);
        UseExactValue(r.det4->value, in.exactA, 4);
        // Not DET_A's four decimals: dividing by them would lose a small
        // determinant altogether and round every entry of the inverse.
        r.det = r.det4->value;
        break;
    }
    }
}

void SolveInverse(const MatrixInputs& in, MatrixResult& r) {
    SolveDeterminant(in, r);
    const int k = in.k;
    if (k == 2) {
        // The cofactors are the entries themselves, swapped and signed.
        const Ext a11 = At(in.a, 1, 1), a12 = At(in.a, 1, 2), a21 = At(in.a, 2, 1), a22 = At(in.a, 2, 2);
        r.cofactors = {{1, 1, {}, {}, a22}, {1, 2, {}, {}, -a21}, {2, 1, {}, {}, -a12}, {2, 2, {}, {}, a11}};
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 2; ++j) {
                const Ext b = r.cofactors[static_cast<std::size_t>(2 * (j - 1) + i - 1)].value;
                r.inverse.push_back({i, j, {}, b / r.det});
            }
        return;
    }
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j) {
            const std::vector<Ext> m = Minor(in, i, j);
            Cofactor b{i, j, {}, {}, 0.0L};
            Ext minor;
            if (k == 3) {
                b.minor2 = SolveDet2(m[0], m[1], m[2], m[3]);
                minor = b.minor2->value;
            } else {
                b.minor3 = SolveDet3({m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]});
                minor = b.minor3->value;
            }
            // The cofactor as written: the minor at 15 digits, negated at an odd place.
            b.value = (i + j) % 2 == 0 ? AsWritten(minor) : -AsWritten(minor);
            r.cofactors.push_back(b);
        }
    // C(r,c) = B(c,r) / d, column by column, from the cofactors as Mat2 shows them.
    for (int c = 1; c <= k; ++c)
        for (int row = 1; row <= k; ++row) {
            const Ext b = r.cofactors[static_cast<std::size_t>(k * (c - 1) + row - 1)].value;
            r.inverse.push_back({row, c, {}, AsWritten(b) / r.det});
        }
}

} // namespace

std::vector<Ext> SquareEntries(const MatrixInputs& in) {
    std::vector<Ext> out;
    for (int i = 1; i <= in.k; ++i)
        for (int j = 1; j <= in.k; ++j)
            out.push_back(At(in.a, i, j));
    return out;
}

void SolveMatrix(const MatrixInputs& in, MatrixResult& r) {
    switch (in.task) {
    case kAddition:
    case kSubtraction: return SolveSumOrDifference(in, r);
    case kMultiplication: return SolveProduct(in, r);
    case kDeterminant: return SolveDeterminant(in, r);
    case kInverse: return SolveInverse(in, r);
    default: return;
    }
}

} // namespace tc
