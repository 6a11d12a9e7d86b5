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

} // namespace tc
