#pragma once
// The computations of the Matrix tab's compute handler, one function per task,
// and the pieces of the written solution they share. Each task reads the cells
// it needs afresh, and writes result cells and memo lines as it goes, so that a
// failure leaves everything written before it in place.

#include <array>
#include <string>

#include "app/env.h"
#include "widgets/controls.h"
#include "widgets/grid.h"

namespace tc {

// The widgets the computations read and write.
struct MatrixPage {
    Grid& a;           // Mat1, the matrix A as typed
    Grid& b;           // Mat2, the matrix B; the cofactors in the inverse task
    Grid& c;           // Mat_R, the result C
    Memo& memo;        // MAT_M
    Edit& det;         // DET_A
    const Combo& task; // TMat_task: its items name the tasks in the memo
    const Env& env;
};

// Task numbers as the hidden field I0 holds them (selector position + 2).
enum MatrixTask { kAddition = 2, kSubtraction = 3, kMultiplication = 4, kDeterminant = 5, kInverse = 6 };

// The task's name, an empty line and message entry 2.
void WriteTaskHead(MatrixPage& p, int task);
// "X=(t11;t12;...)" and "     (ti1;...)" for rows 2..rows: the cell texts of
// `g` as typed, in a block of `rows` x `cols`.
void WriteListing(Memo& memo, const Grid& g, const std::string& name, int rows, int cols);
// The number of cell (col, row); an empty or foreign text is a conversion failure.
Ext ReadCell(const MatrixPage& p, const Grid& g, int col, int row);

// The top-left k x k block of A, k <= 4, as a[i][j] from 1, read column by
// column (the first bad cell in that order stops the task).
using Square = std::array<std::array<Ext, 5>, 5>;
Square ReadSquare(const MatrixPage& p, int k);
// Task head, listing of A as k x k and an empty line: the start of the
// determinant and the inverse.
void WriteSquareHead(MatrixPage& p, int task, int k);
// "Det(A)=a11*f(a22)-f(a21)*f(a12)=p1+p2=D" for order 2, f(x) bracketing a
// negative x; `d` receives D = a11*a22 - a21*a12.
std::string Determinant2Line(const Numbers& nums, const Square& a, Ext& d);

// C = A + B or C = A - B for A and B of m rows and n columns.
void AddOrSubtract(MatrixPage& p, int m, int n, bool subtract);
// C = A * B for A of m x n and B of n x k.
void Multiply(MatrixPage& p, int m, int n, int k);
// Det(A) of order k (2, 3 or 4) into DET_A, with its expansion.
void DeterminantTask(MatrixPage& p, int k);
// A^-1 of order k (2, 3 or 4) by the cofactors: B into Mat2, C into Mat_R.
void InverseTask(MatrixPage& p, int k);

} // namespace tc
