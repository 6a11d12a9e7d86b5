// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace tc::gui {

// A grid the user types into moves only between the cells that take typing:
// Tab after the last cell of a row goes on to the next row's first cell, not
// into its heading, and the arrow keys stop at the headings. Typing while a
// heading is current does nothing; it must not send the cursor to another row
// whose heading starts with the typed character. The selected cells copy as
// rows of tab-separated text, which pastes into a spreadsheet.
class CellGrid : public QTableView {
public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString&) override {}
    // Ctrl+C copies the selected cells as tab-separated text (grid_copy.cpp).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void copySelection();
};

} // namespace tc::gui
