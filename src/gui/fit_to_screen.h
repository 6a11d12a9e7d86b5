// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping every control of the window within reach on a small screen (or under
// a large scale factor, such as QT_SCALE_FACTOR=2).

#include <QRect>

class QMainWindow;

namespace tc::gui {

// The room `available` (a screen's free area) leaves for the window's client
// area once its title bar and borders are counted.
QSize RoomOn(const QMainWindow& window, const QRect& available);

// The window shrinks its memos to fit; only where even its least size (the
// minimum size hint) does not fit into `available` do its tabs move into a
// scroll area, so that scroll bars reach every part and the focus, moved by
// the keyboard, is scrolled into view. Call once, after the window is built
// and before it is shown. Returns whether the window scrolls.
bool FitToScreen(QMainWindow& window, const QRect& available);

} // namespace tc::gui
