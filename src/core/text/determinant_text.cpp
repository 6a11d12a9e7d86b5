#include "text/determinant_text.h"

#include "text/terms.h"

namespace tc {

namespace {

// "|a,b,...|": the entries in the general form, always separated by ",".
template <std::size_t N> std::string RowText(const Numbers& nums, const std::array<Ext, N>& row) {
    std::string s = "|";
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) s += ",";
        s += nums.g(row[i]);
    }
    return s + "|";
}

} // namespace

Ext Determinant2Text(DeterminantLines& lines, const Numbers& nums, Ext a11, Ext a12, Ext a21, Ext a22) {
    lines[1] = RowText<2>(nums, {a11, a12});
    lines[2] = RowText<2>(nums, {a21, a22});

    lines[3] = nums.g(a11) + "*" + Bracketed(nums, a22) + "-" + Bracketed(nums, a12) + "*" + Bracketed(nums, a21);

    const Ext main = a11 * a22;
    const Ext side = a12 * a21;
    std::string products = nums.g(main);
    if (side < 0.0L)
        products += "+" + nums.g(-a12 * a21);
    else if (side > 0.0L)
        products += "-" + nums.g(side);
    lines[4] = products;

    const Ext value = main - side;
    lines[5] = nums.g(value);
    return value;
}

Ext Determinant3Text(DeterminantLines& lines, const Numbers& nums, Ext a11, Ext a12, Ext a13, Ext a21,
                     Ext a22, Ext a23, Ext a31, Ext a32, Ext a33) {
    lines[1] = RowText<3>(nums, {a11, a12, a13});
    lines[2] = RowText<3>(nums, {a21, a22, a23});
    lines[3] = RowText<3>(nums, {a31, a32, a33});

    auto f = [&nums](Ext x) { return Bracketed(nums, x); };
    std::string formula = nums.g(a11) + "*" + f(a22) + "*" + f(a33);
    formula += "+" + f(a12) + "*" + f(a23) + "*" + f(a31);
    formula += "+" + f(a13) + "*" + f(a21) + "*" + f(a32);
    formula += "-(" + f(a13) + "*" + f(a22) + "*" + f(a31);
    formula += "+" + f(a12) + "*" + f(a21) + "*" + f(a33);
    formula += "+" + f(a11) + "*" + f(a23) + "*" + f(a32) + ")";
    lines[6] = formula;

    // The last three products carry their minus sign in the first factor.
    const Ext t1 = a11 * a22 * a33;
    const Ext t2 = a12 * a23 * a31;
    const Ext t3 = a13 * a21 * a32;
    const Ext t4 = -a13 * a22 * a31;
    const Ext t5 = -a12 * a21 * a33;
    const Ext t6 = -a11 * a23 * a32;
    std::string products = nums.g(t1);
    for (Ext t : {t2, t3, t4, t5, t6})
        products += Signed(nums, t);
    lines[7] = products;

    const Ext value = t1 + t2 + t3 - a13 * a22 * a31 - a12 * a21 * a33 - a11 * a23 * a32;
    lines[4] = formula + "=" + products + "=" + nums.g(value);
    lines[5] = nums.g(value);
    return value;
}

Ext Determinant4Text(DeterminantLines& lines, const Numbers& nums, const Matrix4& a) {
    auto at = [&a](int row, int col) { return a[static_cast<std::size_t>(4 * (row - 1) + col - 1)]; };
    for (int row = 1; row <= 4; ++row)
        lines[row] = RowText<4>(nums, {at(row, 1), at(row, 2), at(row, 3), at(row, 4)});

    // Minor k: rows 2 to 4 without column k, the other columns in ascending order.
    std::array<DeterminantLines, 4> minor;
    std::array<Ext, 4> d;
    for (int k = 1; k <= 4; ++k) {
        std::array<Ext, 9> m;
        std::size_t i = 0;
        for (int row = 2; row <= 4; ++row)
            for (int col = 1; col <= 4; ++col)
                if (col != k) m[i++] = at(row, col);
        DeterminantLines& r = minor[static_cast<std::size_t>(k - 1)];
        Determinant3Text(r, nums, m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]);
        // The expansion goes on with the minor as written, at 15 digits.
        d[static_cast<std::size_t>(k - 1)] = nums.read(r[5]);
    }

    // Cofactor signs of the first row: + - + -.
    const std::array<Ext, 4> c = {at(1, 1), -at(1, 2), at(1, 3), -at(1, 4)};

    // A term is written only for a non-zero entry of the first row. The first
    // term has no sign of its own, later ones get "+" before a positive
    // coefficient; the fourth place always ends with "=".
    auto expansion = [&](auto term) {
        std::string s;
        for (std::size_t k = 0; k < 4; ++k) {
            if (c[k] != 0.0L) {
                if (k > 0 && c[k] > 0.0L) s += "+";
                s += term(k);
            }
        }
        return s + "=";
    };
    lines[5] = expansion([&](std::size_t k) { return nums.g(c[k]) + "*(" + minor[k][6] + ")"; });
    lines[6] = expansion([&](std::size_t k) { return nums.g(c[k]) + "*(" + minor[k][7] + ")"; });
    lines[7] = expansion([&](std::size_t k) {
        return d[k] < 0.0L ? nums.g(c[k]) + "*(" + minor[k][5] + ")" : nums.g(c[k]) + "*" + minor[k][5];
    });

    // Term values are signed by their own value, not by the coefficient.
    std::string terms;
    for (std::size_t k = 0; k < 4; ++k) {
        if (c[k] == 0.0L) continue;
        const Ext r = d[k] * c[k];
        terms += k == 0 ? nums.g(r) : Signed(nums, r);
    }

    const Ext value = ((d[0] * at(1, 1) - d[1] * at(1, 2)) + d[2] * at(1, 3)) - d[3] * at(1, 4);
    lines[8] = terms + "=" + nums.g(value);
    lines[9] = nums.fixed(value, 4, 18);
    return value;
}

} // namespace tc
