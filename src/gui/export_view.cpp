// SPDX-License-Identifier: GPL-3.0-or-later
// Handing in a solution from the window: the page as a PDF document, printed,
// and texts put on the clipboard.

#include <QClipboard>
#include <QGuiApplication>

#include "handin/hand_in.h"
#include "main_view.h"
#include "base/failure.h"
#include "qt_text.h"

#include "app/file_name.h"

namespace tc::gui {

// The document and the printout are made by the hand-in module, loaded the
// first time they are asked for.
std::string MainView::renderPdf(const std::string& html, const std::string& title) {
    const QByteArray pdf = LoadHandIn().pdf(Q(html), Q(title), QString::fromUtf8(kApplicationTitle));
    if (pdf.isEmpty()) throw Failure("Cannot make the PDF document");
    return pdf.toStdString();
}

void MainView::print(const std::string& html, const std::string& title) {
    // The print dialog offers the job's name as the name of a file printed to:
    // it takes the tab and the task without their formulas, as a figure does.
    LoadHandIn().print(Q(html), Q(TaskFileName(title)), this, hooks.print);
}

void MainView::copyText(const std::string& text) {
    QGuiApplication::clipboard()->setText(Q(text));
}

} // namespace tc::gui
