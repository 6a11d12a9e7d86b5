// Pieces of the written solution that every task of the Matrix tab shares.

#include "calc/matrix/matrix_tasks.h"

namespace tc {

void WriteTaskHead(MatrixPage& p, int task) {
    // The name follows the task list, so it comes in the language of the list.
    const size_t item = static_cast<size_t>(task - 2);
    p.memo.add(item < p.task.items.size() ? p.task.items[item] : std::string());
    p.memo.add("");
    p.memo.add(p.env.messages(2));
}

void WriteListing(Memo& memo, const Grid& g, const std::string& name, int rows, int cols) {
    for (int i = 1; i <= rows; ++i) {
        std::string line = i == 1 ? name + "=(" : "     (";
        for (int j = 1; j <= cols; ++j) {
            if (j > 1) line += ";";
            line += g.cell(j, i);
        }
        line += ")";
        memo.add(line);
    }
}

Ext ReadCell(const MatrixPage& p, const Grid& g, int col, int row) {
    return p.env.nums.read(g.cell(col, row));
}

Square ReadSquare(const MatrixPage& p, int k) {
    Square a{};
    for (int j = 1; j <= k; ++j)
        for (int i = 1; i <= k; ++i)
            a[static_cast<size_t>(i)][static_cast<size_t>(j)] = ReadCell(p, p.a, j, i);
    return a;
}

void WriteSquareHead(MatrixPage& p, int task, int k) {
    WriteTaskHead(p, task);
    WriteListing(p.memo, p.a, "A", k, k);
    p.memo.add("");
}

std::string Determinant2Line(const Numbers& nums, const Square& a, Ext& d) {
    const Ext a11 = a[1][1], a12 = a[1][2], a21 = a[2][1], a22 = a[2][2];
    auto f = [&nums](Ext x) { return x < 0.0L ? "(" + nums.g(x) + ")" : nums.g(x); };
    // The second product carries the minus of the difference; a zero one is "+0".
    const Ext side = -a21 * a12;
    d = a11 * a22 - a21 * a12;
    return "Det(A)=" + nums.g(a11) + "*" + f(a22) + "-" + f(a21) + "*" + f(a12) + "=" + nums.g(a11 * a22) +
           (side < 0.0L ? "" : "+") + nums.g(side) + "=" + nums.g(d);
}

} // namespace tc
