// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Qt table model over a cell grid of the core. The grid itself stays the
// truth: edits go to the main window model, and `sync` shows what it holds.

#include <QAbstractTableModel>
#include <functional>

#include "widgets/grid.h"

namespace tc::gui {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using EditFn = std::function<void(int col, int row, const QString& text)>;
    GridModel(const Grid& grid, EditFn onEdit, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Re-reads the grid: its size and every cell.
    void sync();

private:
    bool isFixed(const QModelIndex& index) const;
    const Grid& grid_;
    EditFn onEdit_;
    int rows_ = 0, cols_ = 0;
};

} // namespace tc::gui
