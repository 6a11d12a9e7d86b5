// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/slae/slae_solve.h"

#include <type_traits>

namespace tc {

namespace {

constexpr Line kNoSolution = Line::slae_no_unique_solution;

template <class T> std::vector<T> Matrix(const SlaeInputs& in, int k) {
    return CramerMatrix(SystemIn<T>(in), in.n, k);
}

template <class T> void UseExact(T& value, const SlaeInputs& in, int k) {
    // Exact values need no nearest extended value.
    if constexpr (std::is_same_v<T, Ext>)
        if (in.exact) UseExactValue(value, CramerMatrix(*in.exact, in.n, k), in.n);
}

// a_r1*x1 + ... + a_rn*xn for every equation r, and what is left after the
// right-hand side is taken away.
template <class T> void CheckEquations(const SlaeInputs& in, SlaeResultOf<T>& r) {
    const SystemOf<T>& a = SystemIn<T>(in);
    const auto n = static_cast<std::size_t>(in.n);
    for (std::size_t row = 1; row <= n; ++row) {
        EquationCheckOf<T> e{{}, T(0), T(0)};
        for (std::size_t c = 1; c <= n; ++c) {
            const T prod = a[row][c] * r.x[c - 1];
            e.products.push_back(prod);
            e.left = e.left + prod;
        }
        e.residual = e.left - a[row][n + 1];
        r.check.push_back(std::move(e));
    }
}

} // namespace

template <class T> void SolveSlae(const SlaeInputs& in, SlaeResultOf<T>& r, bool check) {
    switch (in.n) {
    case 2: {
        for (int k = 0; k <= 2; ++k) {
            const std::vector<T> m = Matrix<T>(in, k);
            Det2Of<T> d = SolveDet2(m[0], m[1], m[2], m[3]);
            UseExact(d.value, in, k);
            r.det2.push_back(d);
        }
        const T& d = r.det2[0].value;
        const T x1 = DivideByDeterminant(r.det2[1].value, d, kNoSolution);
        const T x2 = DivideByDeterminant(r.det2[2].value, d, kNoSolution);
        r.x = {x1, x2};
        break;
    }
    case 3: {
        for (int k = 0; k <= 3; ++k) {
            const std::vector<T> m = Matrix<T>(in, k);
            Det3Of<T> d = SolveDet3<T>({m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]});
            UseExact(d.value, in, k);
            r.det3.push_back(d);
        }
        r.dRead = AsWritten(r.det3[0].value);
        for (std::size_t k = 1; k <= 3; ++k)
            r.x.push_back(DivideByDeterminant(AsWritten(r.det3[k].value), *r.dRead, kNoSolution));
        break;
    }
    default: {
        for (int k = 0; k <= 4; ++k) {
            const std::vector<T> m = Matrix<T>(in, k);
            Matrix4Of<T> a;
            for (std::size_t i = 0; i < 16; ++i)
                a[i] = m[i];
            Det4Of<T> d = SolveDet4(a);
            UseExact(d.value, in, k);
            r.det4.push_back(d);
            // The determinant fields show 4 decimals only; dividing those would
            // fail for a regular system whose D is below 0.00005 and lose digits
            // of every other one, so the unknowns divide the full values.
            if (k > 0) r.x.push_back(DivideByDeterminant(r.det4.back().value, r.det4[0].value, kNoSolution));
        }
        break;
    }
    }
    if (check) CheckEquations(in, r);
}

template void SolveSlae(const SlaeInputs&, SlaeResultOf<Ext>&, bool);
template void SolveSlae(const SlaeInputs&, SlaeResultOf<Rational>&, bool);

} // namespace tc
