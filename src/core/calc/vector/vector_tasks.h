#pragma once
// The written solutions of the seven vector tasks. Each writer reads the
// components of A (row 1) and B (row 2) of the input grid as it first needs
// them, component 1 first, and appends its lines to the memo as soon as each
// is complete, so a failure (a cell that is not a number, a zero vector, an
// overflow) leaves everything written before it in place.

#include <string>

#include "app/env.h"
#include "widgets/controls.h"
#include "widgets/grid.h"

namespace tc {

// Task positions in the task selector's list.
namespace vec {
enum Task : int { kAddition, kSubtraction, kScalarProduct, kLength, kNorm, kAngle, kProjection };
} // namespace vec

struct VectorJob {
    const Grid& table; // Vec_Table: A in row 1, B in row 2, components in columns 1..n
    int n;             // number of components, 2..5
    Grid& result;      // V_Rez: a result vector in row 1
    Edit& value;       // Vec_R: the scalar result
    Edit& phi;         // phi1: the angle in degrees
    Memo& memo;        // Vec_M
    const Numbers& nums;
    const MessageTable& messages;

    // Component i of A or B as typed, and as a number (a conversion failure
    // when the text is not one).
    const std::string& textA(int i) const { return table.cell(i, 1); }
    const std::string& textB(int i) const { return table.cell(i, 2); }
    Ext a(int i) const { return nums.read(textA(i)); }
    Ext b(int i) const { return nums.read(textB(i)); }

    // Message-table entry k as a line of its own.
    void message(int k) { memo.add(messages(k)); }
};

// The data as typed: "A(...)" and "B(...)" (five blanks before the letter for
// the addition, four otherwise; only "AB(...)" from row 1 for the norm), then
// a blank line.
void WriteData(VectorJob& job, int task);

void WriteAddition(VectorJob& job);
void WriteSubtraction(VectorJob& job);
void WriteScalarProduct(VectorJob& job);
void WriteLength(VectorJob& job);
void WriteNorm(VectorJob& job);
void WriteAngle(VectorJob& job);
void WriteProjection(VectorJob& job);

} // namespace tc
