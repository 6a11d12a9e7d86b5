#include "calc/slae/slae_text.h"

namespace tc {

namespace {

std::string Factor(const Numbers& nums, Ext v) {
    return v < 0.0L ? "(" + nums.g(v) + ")" : nums.g(v);
}

std::string SignedTerm(const Numbers& nums, Ext v) {
    return v < 0.0L ? nums.g(v) : "+" + nums.g(v);
}

} // namespace

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
    const Ext ps = p * s;
    const Ext rq = r * q;
    const Ext value = ps - rq;
    std::string line =
        label + "=" + nums.g(p) + "*" + Factor(nums, s) + "-" + Factor(nums, r) + "*" + Factor(nums, q);
    line += "=" + nums.g(ps) + SignedTerm(nums, -r * q);
    line += "=" + nums.g(value);
    return {line, value};
}

} // namespace tc
