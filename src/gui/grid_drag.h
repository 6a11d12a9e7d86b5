// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dragging a row or column of a grid by its heading cell, as in the grids the
// program was designed around: press on a heading cell, release over another
// row (or column), and the row moves there.

#include <QObject>
#include <functional>

class QTableView;

namespace tc::gui {

class GridDrag : public QObject {
    Q_OBJECT
public:
    // `moveRow` and `moveColumn` are called with the model's indexes.
    GridDrag(QTableView* view, int fixedCols, int fixedRows, std::function<void(int, int)> moveRow,
             std::function<void(int, int)> moveColumn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* view_;
    int fixedCols_, fixedRows_;
    std::function<void(int, int)> moveRow_, moveColumn_;
    int fromRow_ = -1, fromCol_ = -1;
};

} // namespace tc::gui
