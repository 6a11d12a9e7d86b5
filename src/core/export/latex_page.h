// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tab's solution as a LaTeX document, for students who write their
// homework in LaTeX: it compiles with a plain pdflatex and amsmath.

#include <string>
#include <vector>

#include "export/solution_page.h"

namespace tc {

// The whole document: the title, the date, the tables, the figure (drawn
// with the picture environment) and the solution with typeset formulas.
std::string LatexPage(const SolutionPage& page);

// The solution's lines alone, one LaTeX paragraph a line: what "Copy as
// LaTeX" puts on the clipboard.
std::string LatexLines(const std::vector<std::string>& lines, char decimal);

} // namespace tc
