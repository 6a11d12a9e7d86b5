// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines-and-planes data typed as rows of texts, as the input grid holds them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/space/space_solve.h"

namespace tc::test {

using SpaceRows = std::vector<std::vector<std::string>>;

inline SpaceInput SpaceData(int task, const SpaceRows& rows) {
    SpaceInput in;
    in.task = static_cast<SpaceTask>(task);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            in.typed[r][c] = rows[r][c];
            in.values[r][c] = ReadExact(rows[r][c], '.', true);
        }
    return in;
}

} // namespace tc::test
