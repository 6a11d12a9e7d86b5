// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the numbers the user typed. Every typed number of every tab goes
// through these functions, so that the failure for a text that is not a number
// can say which cell or field it came from. Numbers the program reads back from
// its own texts use Numbers::read directly.

#include <string>
#include <vector>

#include "context/env.h"
#include "numbers/convert.h"
#include "numbers/exact.h"
#include "widgets/controls.h"
#include "widgets/grid.h"

namespace tc {

// Where a typed number sits, as the failure names it: a language line with
// places for `args` ("vector %1, component %2"), and the English wording for a
// file without that line.
struct Place {
    Line line;
    const char* fallback;
    std::vector<std::string> args;
};

// A vertex coordinate of a figure: "Vertex B, coordinate y".
inline Place VertexPlace(const std::string& vertex, const std::string& axis) {
    return {Line::place_vertex_coordinate, "Vertex %1, coordinate %2", {vertex, axis}};
}

// The number `text`, typed at `place`. A text that is not a number throws
// Failure: with the current file's line for it, naming the place and, when the
// text holds the other decimal separator where this one would make it a
// number, which separator to use; without that line, as Numbers::read throws.
Ext ReadTyped(const Env& env, const std::string& text, const Place& place);

// The number in cell (`col`, `row`) of `grid`.
inline Ext ReadCell(const Env& env, const Grid& grid, int col, int row, const Place& place) {
    return ReadTyped(env, grid.cell(col, row), place);
}

// The number in the edit field `field`.
inline Ext ReadField(const Env& env, const Edit& field, const Place& place) {
    return ReadTyped(env, field.text, place);
}

// The exact value of cell (`col`, `row`) where exact fractions are typed: a
// number or a fraction "p/q". A text that is neither fails as ReadCell's does,
// and a zero denominator names the place too, where the file has the lines.
Rational ReadCellFraction(const Env& env, const Grid& grid, int col, int row, const Place& place);

// The exact value of cell (`col`, `row`), which ReadCell has read already.
inline Rational ReadExactCell(const Numbers& nums, const Grid& grid, int col, int row) {
    return ReadExact(grid.cell(col, row), nums.decimal());
}

} // namespace tc
