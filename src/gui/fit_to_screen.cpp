// SPDX-License-Identifier: GPL-3.0-or-later
#include "fit_to_screen.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScrollArea>
#include <QStyle>

namespace tc::gui {

namespace {

// The window's title bar and borders, which the available area must hold as
// well. Before the window is first shown its frame is unknown: then a title
// bar and thin borders are assumed.
QSize FrameExtent(const QMainWindow& window) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (frame.width() > 0 || frame.height() > 0) return frame;
    const QStyle* style = window.style();
    const int border = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return {border + 8, style->pixelMetric(QStyle::PM_TitleBarHeight) + border + 8};
}

} // namespace

QSize RoomOn(const QMainWindow& window, const QRect& available) {
    return available.size() - FrameExtent(window);
}

bool FitToScreen(QMainWindow& window, const QRect& available) {
    if (window.centralWidget() && qobject_cast<QScrollArea*>(window.centralWidget())) return true;
    const QSize least = window.minimumSizeHint();
    const QSize room = RoomOn(window, available);
    if (least.width() <= room.width() && least.height() <= room.height()) return false;
    const QSize full = window.sizeHint().expandedTo(least);

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("FitScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(window.takeCentralWidget());
    scroll->setWidgetResizable(true);
    window.setCentralWidget(scroll);
    // The least size the tabs set on the window gives way to the scroll area's.
    window.layout()->activate();
    window.resize(full.boundedTo(room));
    // Tab, Shift+Tab and the mnemonics move the focus; it is scrolled into view.
    QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll](QWidget*, QWidget* now) {
        if (now && scroll->widget() && scroll->widget()->isAncestorOf(now)) scroll->ensureWidgetVisible(now);
    });
    return true;
}

} // namespace tc::gui
