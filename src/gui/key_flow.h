// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard inside the tabs, as a student works through one: data are
// typed, Enter computes, and Tab walks a tab as
//   inputs -> compute -> save -> exit -> memo -> the tab captions -> inputs.
// Enter (or Ctrl+Enter) in an input (a field, a cell, a selector, a choice)
// runs the tab's compute button, and Enter on a focused button presses it.
// Tab moves through the cells of a grid the user types into and, after its
// last cell, on to the next control; the memo never takes a Tab character.
// Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp turn the tabs from
// anywhere in them, landing in the new tab's first input.
// Results (read-only fields, grids that take no typing) are left out of the
// Tab walk; a click still puts the focus there for copying.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "context/tab_frame.h"

class QTabWidget;
class QWidget;

namespace tc::gui {

class KeyFlow : public QObject {
public:
    // `frameOf` names a page's frame parts (null for a widget that is no page).
    // Handles the keys of widgets inside `tabs`, and of its tab bar.
    KeyFlow(QTabWidget* tabs, std::function<std::optional<TabFrameNames>(const QString& page)> frameOf);

    // The widgets Tab visits on `page`, in order (without the tab bar).
    std::vector<QWidget*> tabOrder(QWidget* page) const;
    // Puts the focus where the student types first on `page`: its first field
    // or grid cell (not a selector), so that typing and Enter work at once.
    void focusFirstTyped(QWidget* page) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* pageOf(QWidget* w) const;
    bool enter(QWidget* focus, QWidget* page);
    bool tab(QWidget* focus, QWidget* page, bool forward);

    QTabWidget* tabs_;
    std::function<std::optional<TabFrameNames>(const QString&)> frameOf_;
};

} // namespace tc::gui
