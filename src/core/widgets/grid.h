// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cell grid addressed (column, row) from 0. Like the grids the program was
// designed around, it keeps the texts of cells outside its current size: they
// can be read and written and reappear when the grid grows again.

#include <map>
#include <string>
#include <utility>

#include "widgets/widget.h"

namespace tc {

class Grid : public Widget {
public:
    Grid(std::string name, std::string parent, int colCount, int rowCount)
        : Widget(std::move(name), WidgetKind::Grid, std::move(parent)), cols(colCount), rows(rowCount) {}

    int cols;
    int rows;
    int fixedCols = 1; // heading columns on the left
    int fixedRows = 1; // heading rows at the top
    int defaultColWidth = 64;
    int defaultRowHeight = 24;
    bool editable = false;
    // The user may drag a row or column by its heading cell to another place.
    bool movable = false;
    unsigned fixedColor = 0; // 0xRRGGBB background of the heading cells, 0 for the default

    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);

    // Takes row `from` out, with all its cells, and puts it back at `to`; the
    // rows between close up. Columns likewise.
    void moveRow(int from, int to);
    void moveColumn(int from, int to);

    int colWidth(int col) const;
    void setColWidth(int col, int width) { colWidths_[col] = width; }

private:
    void move(int from, int to, bool rowsMove);
    std::map<std::pair<int, int>, std::string> cells_;
    std::map<int, int> colWidths_;
};

} // namespace tc
