// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/common/apply_output.h"

namespace tc {

void ApplyOutput(WidgetTree& tree, Memo& memo, const TabOutput& out) {
    memo.lines = out.lines;
    for (const auto& [name, text] : out.fields)
        tree.get<Edit>(name).text = text;
    for (const GridOutput& g : out.grids) {
        Grid& grid = tree.get<Grid>(g.grid);
        grid.cols = g.cols;
        grid.rows = g.rows;
        for (std::size_t row = 0; row < g.cells.size(); ++row)
            for (std::size_t col = 0; col < g.cells[row].size(); ++col)
                grid.setCell(static_cast<int>(col), static_cast<int>(row), g.cells[row][col]);
    }
    for (const CellOutput& c : out.cells)
        tree.get<Grid>(c.grid).setCell(c.col, c.row, c.text);
}

} // namespace tc
