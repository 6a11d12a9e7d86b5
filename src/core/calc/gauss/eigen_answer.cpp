// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/eigen_answer.h"

#include "calc/gauss/eigen_write.h"

namespace tc {

nlohmann::json EigenAnswer(const EigenResult& r, const Numbers& nums) {
    nlohmann::json polynomial = nlohmann::json::array();
    for (const Rational& c : r.poly.coeffs)
        polynomial.push_back(FractionText(c));
    nlohmann::json values = nlohmann::json::array();
    for (const Eigenvalue& e : r.values) {
        nlohmann::json v{{"value", EigenvalueText(e.value, nums)}, {"algebraic", e.algebraic}};
        if (!e.value.complex()) {
            v["geometric"] = e.geometric;
            nlohmann::json vectors = nlohmann::json::array();
            for (const auto& b : e.space.basis) {
                nlohmann::json vector = nlohmann::json::array();
                for (const Rational& x : b)
                    vector.push_back(FractionText(x));
                vectors.push_back(vector);
            }
            for (const auto& b : e.space.basisApprox) {
                nlohmann::json vector = nlohmann::json::array();
                for (const Ext& x : b)
                    vector.push_back(nums.general(x, kEigenDigits));
                vectors.push_back(vector);
            }
            v["vectors"] = vectors;
        }
        values.push_back(v);
    }
    return {{"polynomial", polynomial}, {"eigenvalues", values}, {"diagonalizable", r.diagonalizable}};
}

} // namespace tc
