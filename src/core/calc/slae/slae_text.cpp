#include "calc/slae/slae_text.h"

#include "text/determinant_text.h"

namespace tc {

std::string EquationLine(const Numbers& nums, const std::vector<Ext>& coefficients, Ext rhs) {
    std::string s;
    for (std::size_t k = 0; k < coefficients.size(); ++k) {
        const Ext a = coefficients[k];
        const std::string unknown = "x" + std::to_string(k + 1);
        if (k == 0) {
            if (a != 0.0L) s = nums.g(a) + unknown;
        } else if (a > 0.0L) {
            s += "+" + nums.g(a) + unknown;
        } else if (a < 0.0L) {
            s += nums.g(a) + unknown;
        }
    }
    if (s.empty()) s = "0";
    return s + "=" + nums.g(rhs);
}

Cramer2 Cramer2Line(const Numbers& nums, const std::string& label, Ext p, Ext q, Ext r, Ext s) {
    const Det2 d = SolveDet2(p, q, r, s);
    return {Determinant2Line(nums, label, d), d.value};
}

} // namespace tc
