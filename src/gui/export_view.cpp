// Handing in a solution from the window: the page as a PDF document, printed,
// and texts put on the clipboard.

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "main_view.h"
#include "numbers/failure.h"
#include "qt_text.h"

namespace tc::gui {

namespace {

// The page laid out for paper: A4 with margins of 15 mm. Qt embeds the
// glyphs of the fonts it uses, so Cyrillic shows on any reader.
void PrintPage(const std::string& html, QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QTextDocument document;
    document.setHtml(Q(html));
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
