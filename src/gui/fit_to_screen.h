// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping every button of the window within reach on a small screen (or under
// a large scale factor, such as QT_SCALE_FACTOR=2 on a 1280x1024 screen).

#include <QRect>

class QMainWindow;

namespace tc::gui {

// When the window at its fixed size does not fit into `available` (a screen's
// available area), its tabs move into a scroll area and the window shrinks to
// the area: scroll bars reach every part, and the focus, moved by the keyboard,
// is scrolled into view. When it fits, nothing changes. Call once, after the
// window is built and before it is shown. Returns whether the window scrolls.
bool FitToScreen(QMainWindow& window, const QRect& available);

} // namespace tc::gui
