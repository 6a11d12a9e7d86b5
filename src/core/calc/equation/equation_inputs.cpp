// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/equation_inputs.h"

#include "calc/common/typed_input.h"
#include "calc/equation/double_value.h"

namespace tc {

std::vector<Coefficient> ReadCoefficients(const Numbers& n, const std::vector<const Edit*>& fields) {
    std::vector<Coefficient> out;
    for (const Edit* field : fields)
        out.push_back({field->text, StoreDouble(ReadField(n, *field))});
    return out;
}

} // namespace tc
