// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/slae/slae_text.h"

#include "calc/common/determinant_text.h"

namespace tc {

template <class Form, class T>
std::string EquationLineOf(const Form& form, const std::vector<T>& coefficients, const T& rhs) {
    std::string s;
    for (std::size_t k = 0; k < coefficients.size(); ++k) {
        const T& a = coefficients[k];
        const std::string unknown = "x" + std::to_string(k + 1);
        // A fraction before its unknown stands in brackets: "(1/2)x1", "-(1/2)x2".
        const T size = a < 0 ? T(-a) : a;
        const std::string term = QuotientPart(size, form.g(size)) + unknown;
        if (k == 0) {
            if (a != 0) s = (a < 0 ? "-" : "") + term;
        } else if (a > 0) {
            s += "+" + term;
        } else if (a < 0) {
            s += "-" + term;
        }
    }
    if (s.empty()) s = "0";
    return s + "=" + form.g(rhs);
}

template std::string EquationLineOf(const Numbers&, const std::vector<Ext>&, const Ext&);
template std::string EquationLineOf(const Fractions&, const std::vector<Rational>&, const Rational&);

Cramer2 Cramer2Line(const Numbers& nums, const std::string& label, Ext p, Ext q, Ext r, Ext s) {
    const Det2 d = SolveDet2(p, q, r, s);
    return {Determinant2Line(nums, label, d), d.value};
}

} // namespace tc
