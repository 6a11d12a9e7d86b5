// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_style.h"

#include <QApplication>
#include <QIconEngine>
#include <optional>

namespace tc::gui {

namespace {

// An icon of the style that is looked up when it is first drawn or measured.
class LaterIcon : public QIconEngine {
public:
    LaterIcon(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("TovrinLaterIcon"); }
    QIconEngine* clone() const override { return new LaterIcon(style_, which_); }

private:
    const QIcon& icon() {
        if (!icon_) icon_ = style_->standardIcon(which_);
        return *icon_;
    }

    const QStyle* style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> icon_;
};

} // namespace

StartStyle::StartStyle() : QProxyStyle(QApplication::style()->name()) {}

QIcon StartStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new LaterIcon(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace tc::gui
