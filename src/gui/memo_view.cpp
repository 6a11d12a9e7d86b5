// SPDX-License-Identifier: GPL-3.0-or-later
#include "memo_view.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include "qt_text.h"

namespace tc::gui {
namespace {

// A joiner forbids a break on both its sides and belongs to the character
// before it as one grapheme, so the cursor never stops between the two.
constexpr QChar kJoiner(0x200D);

} // namespace

QString JoinedAtSpacesOnly(const QString& line) {
    QString joined;
    joined.reserve(line.size() + line.size() / 4);
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, line);
    qsizetype from = 0;
    for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < line.size(); at = breaks.toNextBoundary()) {
        joined += QStringView(line).mid(from, at - from);
        if (!line[at - 1].isSpace()) joined += kJoiner;
        from = at;
    }
    joined += QStringView(line).mid(from);
    return joined;
}

QString WithoutJoiners(QString text) {
    return text.remove(kJoiner);
}

MemoView::MemoView(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void MemoView::showAsTable() {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

std::vector<std::string> MemoView::lines() const {
    return SplitLines(WithoutJoiners(toPlainText()));
}

void MemoView::show(const std::vector<std::string>& lines) {
    if (this->lines() == lines) return;
    QString text;
    for (const std::string& line : lines)
        text += JoinedAtSpacesOnly(Q(line)) + QLatin1Char('\n');
    setPlainText(text);
}

QMimeData* MemoView::createMimeDataFromSelection() const {
    auto* copied = new QMimeData;
    copied->setText(WithoutJoiners(textCursor().selection().toPlainText()));
    return copied;
}

void MemoView::keyPressEvent(QKeyEvent* event) {
    // Backspace takes a whole character: after "-" it would take only the
    // invisible joiner, and the key would seem to do nothing.
    QTextCursor cursor = textCursor();
    if (event->key() != Qt::Key_Backspace || event->modifiers() != Qt::NoModifier || isReadOnly() ||
        cursor.hasSelection() || cursor.position() < 2 ||
        document()->characterAt(cursor.position() - 1) != kJoiner) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    setTextCursor(cursor);
    event->accept();
}

} // namespace tc::gui
