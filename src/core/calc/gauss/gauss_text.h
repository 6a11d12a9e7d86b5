// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces the Gauss tab's written solution is made of: matrices with
// aligned columns, numbers as reduced fractions with their decimals, and the
// language lines with their English wording.

#include <string>
#include <vector>

#include "calc/common/tab_output.h"
#include "calc/gauss/gauss_inputs.h"

namespace tc {

// Rows of `m` in brackets, "( 1  -2 | 3/4 )", each column right-aligned to its
// widest entry so that the rows of a 10 x 11 matrix stand one under another;
// a bar before column `bar` (none when `bar` is the column count).
std::vector<std::string> MatrixLines(const QMatrix& m, int bar);
// The same for texts already written: texts[row][col].
std::vector<std::string> TableLines(const std::vector<std::vector<std::string>>& texts, int bar);

// "(t1; t2; ...)" of the column `col` of `m`.
std::string ColumnTuple(const QMatrix& m, int col);

// `q` as a reduced fraction, a fraction followed by its decimal ("7/3 =
// 2.3333", five significant digits, the user's separator) unless `exactOnly`.
std::string WithDecimal(const Rational& q, const Numbers& nums, bool exactOnly);

// `q` as a factor of a product: in brackets when negative or a fraction.
std::string Factor(const Rational& q);

// "x3" for unknown 2 (from 0).
std::string Unknown(int j);

// The writer's wording: the language's lines, the number forms and the View options.
struct GaussWording {
    const Wording& w;
    bool check = false;     // the check step
    bool exactOnly = false; // fractions without their decimals
    std::string text(Line line, const char* fallback) const { return w.messages.text(line, fallback); }
    std::string format(Line line, const char* fallback, const std::vector<std::string>& args) const {
        return w.messages.format(line, fallback, args);
    }
    // A line added later in place of `older`: a language file written before
    // it keeps its own older wording, and a file with neither gets `fallback`.
    std::string textOr(Line line, Line older, const char* fallback) const {
        return w.messages.has(line) || !w.messages.has(older) ? text(line, fallback) : text(older, fallback);
    }
};

// The name of task `task` as the selector shows it.
std::string GaussTaskName(const MessageTable& messages, GaussTask task);

} // namespace tc
