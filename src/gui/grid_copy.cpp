// SPDX-License-Identifier: GPL-3.0-or-later
// Copying a grid's selection: the smallest rectangle round the selected
// cells, row by row, cells the selection leaves out empty.

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <climits>

#include "cell_grid.h"
#include "export/tab_content.h"
#include "qt_text.h"

namespace tc::gui {

void CellGrid::keyPressEvent(QKeyEvent* event) {
    // While a cell is being edited its editor has the keys; here the grid itself does.
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CellGrid::copySelection() {
    QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (selected.isEmpty() && currentIndex().isValid()) selected << currentIndex();
    if (selected.isEmpty()) return;
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QModelIndex& i : selected) {
        top = std::min(top, i.row()), bottom = std::max(bottom, i.row());
        left = std::min(left, i.column()), right = std::max(right, i.column());
    }
    std::vector<std::vector<std::string>> rows(
        static_cast<size_t>(bottom - top + 1),
        std::vector<std::string>(static_cast<size_t>(right - left + 1)));
    for (const QModelIndex& i : selected)
        rows[static_cast<size_t>(i.row() - top)][static_cast<size_t>(i.column() - left)] =
            S(i.data().toString());
    QGuiApplication::clipboard()->setText(Q(TabSeparated(rows)));
}

} // namespace tc::gui
