// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/common/determinant_text.h"

#include "calc/common/terms.h"

namespace tc {

namespace {

// "|a,b,...|": the entries in the general form, apart by EntrySeparator.
template <class Form, class T, std::size_t N>
std::string RowText(const Form& form, const std::array<T, N>& row) {
    std::string s = "|";
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) s += EntrySeparator(form);
        s += form.text(row[i]);
    }
    return s + "|";
}

} // namespace

template <class Form, class T>
std::string Determinant2Line(const Form& form, const std::string& label, const Det2Of<T>& d) {
    return label + "=" + form.text(d.p) + "*" + Bracketed(form, d.s) + "-" + Bracketed(form, d.r) + "*" +
           Bracketed(form, d.q) + "=" + form.text(d.ps) + Signed(form, T(-d.rq)) + "=" + form.text(d.value);
}

template <class Form, class T>
void WriteDeterminant2(DeterminantLines& lines, const Form& form, const Det2Of<T>& d) {
    lines[1] = RowText<Form, T, 2>(form, {d.p, d.q});
    lines[2] = RowText<Form, T, 2>(form, {d.r, d.s});

    lines[3] =
        form.text(d.p) + "*" + Bracketed(form, d.s) + "-" + Bracketed(form, d.q) + "*" + Bracketed(form, d.r);

    std::string products = form.text(d.ps);
    if (d.rq < 0)
        products += "+" + form.text(T(-d.rq));
    else if (d.rq > 0)
        products += "-" + form.text(d.rq);
    lines[4] = products;

    lines[5] = form.text(d.value);
}

Ext Determinant2Text(DeterminantLines& lines, const Numbers& nums, Ext a11, Ext a12, Ext a21, Ext a22) {
    // The rows stand before the expansion is computed, as the solution lists them.
    lines[1] = RowText<Numbers, Ext, 2>(nums, {a11, a12});
    lines[2] = RowText<Numbers, Ext, 2>(nums, {a21, a22});
    const Det2 d = SolveDet2(a11, a12, a21, a22);
    WriteDeterminant2(lines, nums, d);
    return d.value;
}

template <class Form, class T>
void WriteDeterminant3(DeterminantLines& lines, const Form& form, const Det3Of<T>& d) {
    const auto& a = d.a;
    lines[1] = RowText<Form, T, 3>(form, {a[0], a[1], a[2]});
    lines[2] = RowText<Form, T, 3>(form, {a[3], a[4], a[5]});
    lines[3] = RowText<Form, T, 3>(form, {a[6], a[7], a[8]});

    const T &a11 = a[0], &a12 = a[1], &a13 = a[2], &a21 = a[3], &a22 = a[4], &a23 = a[5], &a31 = a[6],
            &a32 = a[7], &a33 = a[8];
    auto f = [&form](const T& x) { return Bracketed(form, x); };
    std::string formula = form.text(a11) + "*" + f(a22) + "*" + f(a33);
    formula += "+" + f(a12) + "*" + f(a23) + "*" + f(a31);
    formula += "+" + f(a13) + "*" + f(a21) + "*" + f(a32);
    formula += "-(" + f(a13) + "*" + f(a22) + "*" + f(a31);
    formula += "+" + f(a12) + "*" + f(a21) + "*" + f(a33);
    formula += "+" + f(a11) + "*" + f(a23) + "*" + f(a32) + ")";
    lines[6] = formula;

    // The last three products carry their minus sign in the first factor.
    std::string products = form.text(d.t[0]);
    for (std::size_t k = 1; k < 6; ++k)
        products += Signed(form, d.t[k]);
    lines[7] = products;

    lines[4] = formula + "=" + products + "=" + form.text(d.value);
    lines[5] = form.text(d.value);
}

Ext Determinant3Text(DeterminantLines& lines, const Numbers& nums, Ext a11, Ext a12, Ext a13, Ext a21,
                     Ext a22, Ext a23, Ext a31, Ext a32, Ext a33) {
    lines[1] = RowText<Numbers, Ext, 3>(nums, {a11, a12, a13});
    lines[2] = RowText<Numbers, Ext, 3>(nums, {a21, a22, a23});
    lines[3] = RowText<Numbers, Ext, 3>(nums, {a31, a32, a33});
    const Det3 d = SolveDet3<Ext>({a11, a12, a13, a21, a22, a23, a31, a32, a33});
    WriteDeterminant3(lines, nums, d);
    return d.value;
}

template <class Form, class T>
void WriteDeterminant4(DeterminantLines& lines, const Form& form, const Det4Of<T>& d) {
    auto at = [&d](int row, int col) -> const T& {
        return d.a[static_cast<std::size_t>(4 * (row - 1) + col - 1)];
    };
    for (int row = 1; row <= 4; ++row)
        lines[row] = RowText<Form, T, 4>(form, {at(row, 1), at(row, 2), at(row, 3), at(row, 4)});

    std::array<DeterminantLines, 4> minor;
    for (std::size_t k = 0; k < 4; ++k)
        WriteDeterminant3(minor[k], form, d.minors[k]);

    const auto& c = d.c;
    // A term is written only for a non-zero entry of the first row. The first
    // term has no sign of its own, later ones get "+" before a positive
    // coefficient; the fourth place always ends with "=".
    auto expansion = [&](auto term) {
        std::string s;
        for (std::size_t k = 0; k < 4; ++k) {
            if (c[k] != 0) {
                if (k > 0 && c[k] > 0) s += "+";
                s += term(k);
            }
        }
        return s + "=";
    };
    lines[5] = expansion([&](std::size_t k) { return form.text(c[k]) + "*(" + minor[k][6] + ")"; });
    lines[6] = expansion([&](std::size_t k) { return form.text(c[k]) + "*(" + minor[k][7] + ")"; });
    lines[7] = expansion([&](std::size_t k) {
        return d.d[k] < 0 ? form.text(c[k]) + "*(" + minor[k][5] + ")" : form.text(c[k]) + "*" + minor[k][5];
    });

    // Term values are signed by their own value, not by the coefficient.
    std::string terms;
    for (std::size_t k = 0; k < 4; ++k) {
        if (c[k] == 0) continue;
        terms += k == 0 ? form.text(d.term[k]) : Signed(form, d.term[k]);
    }
    lines[8] = terms + "=" + form.text(d.value);
    lines[9] = form.fixed(d.value, 4, 18);
}

Ext Determinant4Text(DeterminantLines& lines, const Numbers& nums, const Matrix4& a) {
    for (std::size_t row = 0; row < 4; ++row)
        lines[static_cast<int>(row) + 1] =
            RowText<Numbers, Ext, 4>(nums, {a[4 * row], a[4 * row + 1], a[4 * row + 2], a[4 * row + 3]});
    const Det4 d = SolveDet4(a);
    WriteDeterminant4(lines, nums, d);
    return d.value;
}

template std::string Determinant2Line(const Numbers&, const std::string&, const Det2Of<Ext>&);
template std::string Determinant2Line(const Fractions&, const std::string&, const Det2Of<Rational>&);
template void WriteDeterminant2(DeterminantLines&, const Numbers&, const Det2Of<Ext>&);
template void WriteDeterminant2(DeterminantLines&, const Fractions&, const Det2Of<Rational>&);
template void WriteDeterminant3(DeterminantLines&, const Numbers&, const Det3Of<Ext>&);
template void WriteDeterminant3(DeterminantLines&, const Fractions&, const Det3Of<Rational>&);
template void WriteDeterminant4(DeterminantLines&, const Numbers&, const Det4Of<Ext>&);
template void WriteDeterminant4(DeterminantLines&, const Fractions&, const Det4Of<Rational>&);

} // namespace tc
