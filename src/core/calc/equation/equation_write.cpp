// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/equation_write.h"

#include <iterator>

#include "calc/equation/biquadratic_write.h"
#include "calc/equation/cubic_write.h"
#include "calc/equation/quadratic_write.h"
#include "widgets/names.h"

namespace tc {

namespace {

// Each kind names itself; a file without their lines says "not quadratic".
std::string LeadingZeroMessage(const MessageTable& m, EquationKind kind) {
    const std::string message = m(Line::msg67_a_is_zero);
    if (kind == EquationKind::Cubic) return m.text(Line::eq_cubic_a_is_zero, message);
    if (kind == EquationKind::Biquadratic) return m.text(Line::eq_biquadratic_a_is_zero, message);
    return message;
}

EquationText WriteQuadraticKind(const EquationInputs& in, const EquationResult& r, const Wording& w) {
    const QuadraticSolution& s = *r.quadratic;
    EquationText text{WriteQuadratic(w.messages, w.nums, {in.k[0].text, in.k[1].text, in.k[2].text}, s),
                      QuadraticRootFields(w.nums, s)};
    if (r.vieta) {
        text.memo.push_back(kStepGap);
        for (std::string& line : WriteVietaCheck(w.messages, w.nums, s, *r.vieta))
            text.memo.push_back(std::move(line));
    }
    return text;
}

} // namespace

TabOutput WriteEquation(const EquationInputs& in, const EquationResult& r, const Wording& w) {
    TabOutput out;
    if (r.leadingZero) {
        out.message = LeadingZeroMessage(w.messages, r.kind);
        return out;
    }
    EquationText text;
    if (r.quadratic) text = WriteQuadraticKind(in, r, w);
    if (r.cubic) text = WriteCubic(w.messages, w.nums, *r.cubic);
    if (r.biquadratic) text = WriteBiquadratic(w.messages, w.nums, *r.biquadratic);
    out.lines = std::move(text.memo);
    static const char* const kRootFields[] = {names::Eq_X1, names::Eq_X2, names::Eq_X3, names::Eq_X4};
    for (size_t i = 0; i < text.roots.size() && i < std::size(kRootFields); ++i)
        out.fields.emplace_back(kRootFields[i], std::move(text.roots[i]));
    return out;
}

} // namespace tc
