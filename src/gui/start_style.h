// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's style, unchanged in what it draws, but for two images it
// fetches in a costly way.
//
// A menu bar fetches the icon of its overflow button ("more items") as it is
// created. The icon lives in an image file whose reading loads every image
// format plug-in and the JPEG library: a tenth of the window's start-up
// beyond what a bare window does, for a button that shows only when the menu
// does not fit its bar, which never happens in this window. Here the icon is
// fetched when it is first drawn, from the same style.
//
// The Fusion style draws a group box's frame from a PNG image it reads by
// file name, which asks every image format plug-in whether it reads PNG
// better than Qt itself (loading them all, and the JPEG library with them)
// while the first page paints. Here that image is read as the PNG it is, and
// the frame is drawn from it as Fusion draws it.

#include <QPixmap>
#include <QProxyStyle>

namespace tc::gui {

class StartStyle : public QProxyStyle {
public:
    // Wraps the style the application would have used.
    StartStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // The image of a group box's frame, read once; null where the base style
    // is not Fusion or the image is not where Fusion keeps it.
    const QPixmap& groupBoxFrame() const;

    mutable bool frameRead_ = false;
    mutable QPixmap frame_;
};

} // namespace tc::gui
