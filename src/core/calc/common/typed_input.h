#pragma once
// Reading the numbers the user typed. Every typed number of every tab goes
// through these two functions, so that the failure for a text that is not a
// number can say which cell or field it came from. Numbers the program reads
// back from its own texts use Numbers::read directly.

#include "numbers/convert.h"
#include "numbers/exact.h"
#include "widgets/controls.h"
#include "widgets/grid.h"

namespace tc {

// The number in cell (`col`, `row`) of `grid`; throws Failure as
// Numbers::read does for a text that is not a number.
inline Ext ReadCell(const Numbers& nums, const Grid& grid, int col, int row) {
    return nums.read(grid.cell(col, row));
}

// The number in the edit field `field`; throws as ReadCell does.
inline Ext ReadField(const Numbers& nums, const Edit& field) {
    return nums.read(field.text);
}

// The exact value of cell (`col`, `row`), which ReadCell has read already.
inline Rational ReadExactCell(const Numbers& nums, const Grid& grid, int col, int row) {
    return ReadExact(grid.cell(col, row), nums.decimal());
}

} // namespace tc
