// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QStyleOption>
#include <algorithm>
#include <optional>
#include <qdrawutil.h>

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

const QPixmap& StartStyle::groupBoxFrame() const {
    if (!frameRead_) {
        frameRead_ = true;
        if (baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
            // Named as a PNG and not guessed: no plug-in is asked.
            QImageReader reader(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
            reader.setAutoDetectImageFormat(false);
            frame_ = QPixmap::fromImage(reader.read());
        }
    }
    return frame_;
}

void StartStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (element != PE_FrameGroupBox || groupBoxFrame().isNull())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // Fusion's frame: its image stretched over the box below the title, or
    // over nearly all of a box with neither title nor check box.
    constexpr int kTopMargin = 3;
    int top = kTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), groupBoxFrame());
}

} // namespace tc::gui
