// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Words a Triangle computation: the memo lines of its written solution and the
// texts of its result fields and grid, from the data as read and the solver's
// result. Only the finished steps are written; the writing stops where the
// first empty step begins, after that step's headings, so a failure leaves
// what the solution had shown up to it.

#include <string>
#include <utility>
#include <vector>

#include "context/env.h"
#include "calc/triangle/triangle_solve.h"

namespace tc {

struct TriangleOutput {
    std::vector<std::string> lines;
    std::vector<std::pair<const char*, std::string>> fields; // widget name, text
    struct Cell {
        int col, row;
        std::string text;
    };
    std::vector<Cell> angleCells; // the grid REZ5
};

// `result` is null when the data could not be read.
TriangleOutput WriteTriangle(const Env& env, const TriangleInput& input, const TriangleResult* result);

} // namespace tc
