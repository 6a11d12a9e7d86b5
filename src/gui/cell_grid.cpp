// SPDX-License-Identifier: GPL-3.0-or-later
#include "cell_grid.h"

namespace tc::gui {

QModelIndex CellGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    const bool typable = current.isValid() && (current.flags() & Qt::ItemIsEditable);
    if (model() && current.isValid() && (action == MoveNext || action == MovePrevious)) {
        const int cols = model()->columnCount();
        const int count = model()->rowCount() * cols;
        const int step = action == MoveNext ? 1 : -1;
        const int at = current.row() * cols + current.column();
        for (int i = 1; i <= count; ++i) {
            const int k = ((at + step * i) % count + count) % count;
            const QModelIndex next = model()->index(k / cols, k % cols);
            if (next.flags() & Qt::ItemIsEditable) return next;
        }
    }
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (typable && next.isValid() && !(next.flags() & Qt::ItemIsEditable)) return current;
    return next;
}

} // namespace tc::gui
