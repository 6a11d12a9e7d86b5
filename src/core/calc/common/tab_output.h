// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a tab's writer makes of a result, for its handler to apply: the
// written solution and the texts of the result widgets, addressed by name.
// A writer reads nothing but its result and its wording.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "context/env.h"
#include "numbers/exact.h"

namespace tc {

// The number forms with the user's separator and the message table of the
// chosen language: all a writer needs to word a result.
struct Wording {
    const Numbers& nums;
    const MessageTable& messages;
};

// The number forms a writer words values of type T in: the user's decimals
// for extended values, fractions for exact ones.
template <class T> struct FormOf;
template <> struct FormOf<Ext> {
    static const Numbers& in(const Wording& w) { return w.nums; }
};
template <> struct FormOf<Rational> {
    static Fractions in(const Wording&) { return {}; }
};

struct GridOutput {
    std::string grid;                           // the result grid's name
    int cols = 0, rows = 0;                     // its size, headings included
    std::vector<std::vector<std::string>> cells; // cells[row][col]
};

// One cell a writer fills in a grid whose other cells (headings, the user's
// data) stay as they are.
struct CellOutput {
    std::string grid; // the grid's name
    int col = 0, row = 0;
    std::string text;
};

struct TabOutput {
    std::vector<std::string> lines;                           // the whole memo
    std::vector<std::pair<std::string, std::string>> fields; // edit field name, text, in the order written
    std::vector<GridOutput> grids;
    std::vector<CellOutput> cells; // in the order written
    // A message box the handler shows once the rest is applied: an answer
    // that is no solution, such as an equation whose leading coefficient is 0.
    std::optional<std::string> message;
};

} // namespace tc
