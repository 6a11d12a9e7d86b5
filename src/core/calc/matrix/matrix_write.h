// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of the Matrix tab: the memo lines and the texts of the
// result cells and of DET_A, worded from a solved task.

#include <optional>
#include <string>
#include <vector>

#include "context/env.h"
#include "calc/matrix/matrix_solve.h"

namespace tc {

struct MatrixWording {
    const MessageTable& messages;
    std::string taskName; // the task selector's item, in the language of the list
};

struct CellText {
    int col = 0, row = 0;
    std::string text;
};

struct MatrixOutput {
    std::vector<std::string> lines; // the whole memo, from the title on
    std::vector<CellText> c;        // Mat_R
    std::vector<CellText> b;        // Mat2: the cofactors of the inverse
    std::optional<std::string> det; // DET_A
};

// Words every step `r` holds in the number forms of `form` (Numbers for Ext,
// Fractions for Rational); a step that is missing ends the solution there,
// as a failure in it stopped the task.
template <class Form, class T>
MatrixOutput WriteMatrix(const MatrixInputs& in, const MatrixResultOf<T>& r, const MatrixWording& w,
                         const Form& form);

} // namespace tc
