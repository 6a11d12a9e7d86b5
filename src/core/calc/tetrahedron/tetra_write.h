// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Words a Tetraedr computation: the memo lines of its written solution and the
// texts of its result grids and the volume field, from the data as read and
// the solver's result. Only what the solver finished is written; the writing
// stops where the first missing value would stand, so a failure leaves what
// the solution had shown up to it.

#include <optional>
#include <string>
#include <vector>

#include "context/env.h"
#include "calc/tetrahedron/tetra_solve.h"

namespace tc {

struct TetraOutput {
    std::vector<std::string> lines;
    struct Cell {
        const char* grid;
        int col, row;
        std::string text;
    };
    std::vector<Cell> cells;
    std::optional<std::string> volume;
};

// `result` is null when the data could not be read (only the heading is
// written) or when they make no tetrahedron (the data follow the heading).
TetraOutput WriteTetrahedron(const Env& env, const TetraInput& input, const TetraResult* result);

} // namespace tc
