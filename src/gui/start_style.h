// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's style, unchanged but for one icon it fetches too early.
//
// A menu bar fetches the icon of its overflow button ("more items") as it is
// created. The icon lives in an image file whose reading loads every image
// format plug-in and the JPEG library: a tenth of the window's start-up
// beyond what a bare window does, for a button that shows only when the menu
// does not fit its bar, which never happens in this window. Here the icon is
// fetched when it is first drawn, from the same style.

#include <QProxyStyle>

namespace tc::gui {

class StartStyle : public QProxyStyle {
public:
    // Wraps the style the application would have used.
    StartStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tc::gui
