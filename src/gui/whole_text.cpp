// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole_text.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QToolTip>

namespace tc::gui {

namespace {

// Smaller than this a digit is hard to tell from its neighbours.
constexpr int kLeastPixelSize = 8;

// The width a field gives its text at `font`.
bool Fits(const QLineEdit* field, const QFont& font) {
    QStyleOptionFrame option;
    option.initFrom(field);
    const QRect inner = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    // QLineEdit keeps a margin of 2 pixels on each side of its text.
    return QFontMetrics(font).horizontalAdvance(field->text()) + 4 <= inner.width();
}

class FieldFitter : public QObject {
public:
    explicit FieldFitter(QLineEdit* field) : QObject(field), field_(field) {
        connect(field, &QLineEdit::textChanged, this, [this] { fit(); });
    }

private:
    void fit() {
        // The font the field was given (its look), kept from before any shrinking.
        if (!base_) base_ = field_->font();
        QFont font = *base_;
        if (field_->isReadOnly()) {
            int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
            while (!Fits(field_, font) && pixels > kLeastPixelSize)
                font.setPixelSize(--pixels);
        }
        if (field_->font() != font) field_->setFont(font);
        field_->setToolTip(Fits(field_, *base_) ? QString() : field_->text());
    }

    QLineEdit* field_;
    std::optional<QFont> base_;
};

class CellTips : public QObject {
public:
    explicit CellTips(QTableView* grid) : QObject(grid), grid_(grid) {
        grid->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex cell = grid_->indexAt(help->pos());
        const QString text = cell.data(Qt::DisplayRole).toString();
        // The cell's text area: its rectangle less the grid line and the
        // margins of 2 pixels or less on each side.
        const bool cut = cell.isValid() && grid_->fontMetrics().horizontalAdvance(text) + 2 >
                                               grid_->visualRect(cell).width() - 1;
        if (cut)
            QToolTip::showText(help->globalPos(), text, grid_->viewport(), grid_->visualRect(cell));
        else
            QToolTip::hideText();
        return true;
    }

private:
    QTableView* grid_;
};

} // namespace

void ShowWholeFieldText(QLineEdit* field) {
    new FieldFitter(field);
}

void ShowWholeCellText(QTableView* grid) {
    grid->setTextElideMode(Qt::ElideRight);
    new CellTips(grid);
}

} // namespace tc::gui
