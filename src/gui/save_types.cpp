// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_types.h"

#include <QFileDialog>

#include "context/env.h"
#include "io/save_kind.h"
#include "qt_text.h"

namespace tc::gui {

namespace {

// In the order of the type list.
const char* const kPatterns[] = {" (*.txt)", " (*.html *.htm)", " (*.pdf)", " (*.tex)"};
const char* const kEndings[] = {"", ".html", ".pdf", ".tex"};
constexpr int kTypes = 4;

} // namespace

void OfferSaveTypes(QFileDialog& dialog, const MessageTable& messages) {
    const std::string names[] = {messages.text(Line::export_filter_text, "Text files"),
                                 messages.text(Line::export_filter_html, "Web pages"),
                                 messages.text(Line::export_filter_pdf, "PDF documents"),
                                 messages.text(Line::export_filter_latex, "LaTeX documents")};
    QStringList filters;
    for (int i = 0; i < kTypes; ++i)
        filters << Q(names[i]) + QString::fromLatin1(kPatterns[i]);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
}

QString WithChosenType(const QFileDialog& dialog, const QString& name) {
    const qsizetype chosen = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    if (chosen <= 0 || chosen >= kTypes) return name;
    // A typed ending wins over the list, ".txt" too.
    if (SaveKindOf(S(name)) != SaveKind::Text || name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return name;
    return name + QString::fromLatin1(kEndings[chosen]);
}

} // namespace tc::gui
