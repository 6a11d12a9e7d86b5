// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/equation_inputs.h"

#include "calc/common/typed_input.h"
#include "calc/equation/double_value.h"
#include "calc/equation/exact_number.h"

namespace tc {

std::vector<Coefficient> ReadCoefficients(const Env& env, const std::vector<const Edit*>& fields) {
    std::vector<Coefficient> out;
    // The fields are the coefficients A, B, C, D in that order, as their labels say.
    char letter = 'A';
    for (const Edit* field : fields) {
        const Place place{Line::place_equation_coefficient, "Coefficient %1", {std::string(1, letter++)}};
        out.push_back({field->text, StoreDouble(ReadField(env, *field, place))});
    }
    return out;
}

std::vector<mpq_class> ExactCoefficients(const std::vector<Coefficient>& k, char decimal) {
    std::vector<mpq_class> out;
    for (const Coefficient& c : k)
        out.push_back(c.value == 0 ? mpq_class(0) : ExactDecimal(c.text, decimal));
    return out;
}

} // namespace tc
