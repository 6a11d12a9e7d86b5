// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of the linear system: the memo lines and the texts of
// the determinant and unknown fields, worded from a solved system.

#include <string>
#include <utility>
#include <vector>

#include "context/env.h"
#include "calc/slae/slae_solve.h"

namespace tc {

struct SlaeOutput {
    std::vector<std::string> lines;                          // the whole memo
    std::vector<std::pair<std::string, std::string>> fields; // field name, text, in the order written
};

// Words every step `r` holds in the number forms of `form` (Numbers for Ext,
// Fractions for Rational). `read` tells whether the system was read at all;
// `stopped` that a failure ended the solver after the steps in `r`.
template <class Form, class T>
SlaeOutput WriteSlae(const SlaeInputs& in, bool read, const SlaeResultOf<T>& r, bool stopped,
                     const Form& form, const MessageTable& messages);

} // namespace tc
