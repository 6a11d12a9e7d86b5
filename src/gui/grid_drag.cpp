// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_drag.h"

#include <QMouseEvent>
#include <QTableView>

namespace tc::gui {

GridDrag::GridDrag(QTableView* view, int fixedCols, int fixedRows, std::function<void(int, int)> moveRow,
                   std::function<void(int, int)> moveColumn)
    : QObject(view), view_(view), fixedCols_(fixedCols), fixedRows_(fixedRows), moveRow_(std::move(moveRow)),
      moveColumn_(std::move(moveColumn)) {
    view->viewport()->installEventFilter(this);
}

bool GridDrag::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex at = view_->indexAt(mouse->position().toPoint());
        fromRow_ = fromCol_ = -1;
        if (!at.isValid() || mouse->button() != Qt::LeftButton) return false;
        // A heading cell of the left column picks up its row; one of the top row, its column.
        if (at.column() < fixedCols_ && at.row() >= fixedRows_) fromRow_ = at.row();
        if (at.row() < fixedRows_ && at.column() >= fixedCols_) fromCol_ = at.column();
        return fromRow_ >= 0 || fromCol_ >= 0;
    }
    if (event->type() == QEvent::MouseButtonRelease && (fromRow_ >= 0 || fromCol_ >= 0)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex at = view_->indexAt(mouse->position().toPoint());
        const int fromRow = fromRow_, fromCol = fromCol_;
        fromRow_ = fromCol_ = -1;
        if (!at.isValid()) return true;
        if (fromRow >= 0 && at.row() >= fixedRows_ && at.row() != fromRow) moveRow_(fromRow, at.row());
        if (fromCol >= 0 && at.column() >= fixedCols_ && at.column() != fromCol)
            moveColumn_(fromCol, at.column());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tc::gui
