// SPDX-License-Identifier: GPL-3.0-or-later
// Handing in a solution from the window: the page as a PDF document, printed,
// and texts put on the clipboard.

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>

#include "main_view.h"
#include "numbers/failure.h"
#include "qt_text.h"

namespace tc::gui {

namespace {

// The page laid out for paper: A4 with margins of 15 mm. Qt embeds the
// glyphs of the fonts it uses, so Cyrillic shows on any reader. A text
// document draws no inline SVG: the figure goes in as a picture of it.
void PrintPage(const std::string& html, QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QTextDocument document;
    QString page = Q(html);
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
        page.replace(from, to + end.size() - from,
                     QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\"/>")
                         .arg(name.toString())
                         .arg(size.width())
                         .arg(size.height()));
    }
    document.setHtml(page);
    document.print(&device);
}

} // namespace

std::string MainView::renderPdf(const std::string& html, const std::string& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(Q(title));
        writer.setCreator(QString::fromUtf8(kApplicationTitle));
        writer.setResolution(300);
        PrintPage(html, writer);
    }
    if (buffer.data().isEmpty()) throw Failure("Cannot make the PDF document");
    return buffer.data().toStdString();
}

void MainView::print(const std::string& html, const std::string& title) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Q(title));
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (hooks.print) {
        if (!hooks.print(printer)) return;
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    PrintPage(html, printer);
}

void MainView::copyText(const std::string& text) {
    QGuiApplication::clipboard()->setText(Q(text));
}

} // namespace tc::gui
