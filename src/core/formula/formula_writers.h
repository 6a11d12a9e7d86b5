// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typesetting read lines: as MathML for a web page and as LaTeX.

#include <string>

#include "formula/formula.h"

namespace tc::formula {

// The line as HTML: its text escaped, each formula a MathML element that keeps
// the formula as written in its plain-text annotation.
std::string LineHtml(const Node& line);

// One formula (a Formula node) as a MathML <math> element.
std::string FormulaMathMl(const Node& formula);

// The line as a LaTeX paragraph body: text escaped, each formula in $...$.
// Needs amsmath for its matrices.
std::string LineLatex(const Node& line);

// `text` with the characters LaTeX treats specially written as text.
std::string EscapeLatex(const std::string& text);

} // namespace tc::formula
