// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Gauss tab's writer: a solved task and its wording become the written
// solution and the result grid `Gs_R`.

#include <string>
#include <vector>

#include "calc/common/tab_output.h"
#include "calc/gauss/gauss_solve.h"
#include "calc/gauss/gauss_text.h"

namespace tc {

TabOutput WriteGauss(const GaussResult& r, const GaussWording& g);

// The parts the writer is made of, one file each.
using MemoLines = std::vector<std::string>;
// The forward pass or the backward pass: its caption, then each step's row
// operations and the matrix after them.
void WriteSteps(MemoLines& out, const std::vector<EliminationStep>& steps, int bar, const std::string& caption,
                const GaussWording& g);
// Tasks 0, 1, 4 and 5 from the ranks on: the verdict, the solution and its check.
void WriteEquationAnswer(MemoLines& out, const GaussResult& r, const GaussWording& g);
// A matrix answer under its caption, and in decimals when it has fractions.
void WriteMatrixAnswer(MemoLines& out, const std::string& caption, const QMatrix& m, const GaussWording& g);
// The result grid of tasks 0, 1, 4 and 5.
GridOutput EquationGrid(const GaussResult& r);

} // namespace tc
