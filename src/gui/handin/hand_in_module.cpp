// SPDX-License-Identifier: GPL-3.0-or-later
// The module that hands a solution in (see hand_in.h): the only part of the
// program that links Qt's printing and SVG libraries.

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "handin/hand_in.h"

namespace tc::gui {

namespace {

// The page laid out for paper: A4 with margins of 15 mm at the sides and
// 12 mm above and below. Qt embeds the
// glyphs of the fonts it uses, so Cyrillic shows on any reader. A text
// document draws no inline SVG: the figure goes in as a picture of it.
void PrintPage(const QString& html, QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    QTextDocument document;
    QString page = html;
    const QString end = QStringLiteral("</svg>");
    const qsizetype from = page.indexOf(QLatin1String("<svg")), to = page.indexOf(end);
    if (from >= 0 && to > from) {
        QSvgRenderer figure(page.mid(from, to + end.size() - from).toUtf8());
        const QSize size = figure.defaultSize();
        QImage picture(size * 3, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        figure.render(&painter);
        painter.end();
        const QUrl name(QStringLiteral("tovrin-figure.png"));
        document.addResource(QTextDocument::ImageResource, name, picture);
        // A paragraph of its own right under its heading, small enough to
        // leave the page room for the solution.
        constexpr int kShown = 200;
        page.replace(from, to + end.size() - from,
                     QStringLiteral("<p align=\"center\"><img src=\"%1\" width=\"%2\" height=\"%3\"/></p>")
                         .arg(name.toString())
                         .arg(kShown)
                         .arg(kShown * size.height() / std::max(size.width(), 1)));
    }
    document.setHtml(page);
    document.print(&device);
}

QByteArray Pdf(const QString& html, const QString& title, const QString& creator) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(creator);
        writer.setResolution(300);
        PrintPage(html, writer);
    }
    return buffer.data();
}

void Print(const QString& html, const QString& title, QWidget* parent,
           const std::function<bool(QPrinter&)>& choose) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (choose) {
        if (!choose(printer)) return;
    } else {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    PrintPage(html, printer);
}

bool Svg(const QString& path, const QString& title, const QSize& size,
         const std::function<void(QPainter&)>& paint) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter painter;
    // Beginning fails when the file cannot be opened for writing.
    if (!painter.begin(&svg)) return false;
    paint(painter);
    return painter.end();
}

const HandIn kHandIn{Pdf, Print, Svg};

} // namespace

} // namespace tc::gui

extern "C" Q_DECL_EXPORT const tc::gui::HandIn* tovrincalc_hand_in_1() {
    return &tc::gui::kHandIn;
}
