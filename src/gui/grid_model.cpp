// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_model.h"

#include <QBrush>
#include <QColor>

#include "qt_text.h"

namespace tc::gui {

GridModel::GridModel(const Grid& grid, EditFn onEdit, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), onEdit_(std::move(onEdit)), rows_(grid.rows),
      cols_(grid.cols) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}
int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

bool GridModel::isFixed(const QModelIndex& index) const {
    return index.column() < grid_.fixedCols || index.row() < grid_.fixedRows;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return Q(grid_.cell(index.column(), index.row()));
    case Qt::BackgroundRole:
        if (isFixed(index))
            return QBrush(grid_.fixedColor ? QColor(QRgb(grid_.fixedColor)) : QColor(0xE4, 0xE4, 0xE4));
        return {};
    case Qt::ForegroundRole:
        if (!isFixed(index) && grid_.look.color) return QBrush(QColor(QRgb(grid_.look.color)));
        return {};
    default: return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    onEdit_(index.column(), index.row(), value.toString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_.editable && !isFixed(index)) f |= Qt::ItemIsEditable;
    return f;
}

void GridModel::sync() {
    if (rows_ != grid_.rows || cols_ != grid_.cols) {
        beginResetModel();
        rows_ = grid_.rows;
        cols_ = grid_.cols;
        endResetModel();
    } else if (rows_ > 0 && cols_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }
}

} // namespace tc::gui
