// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solution memo. A solution's formulas have no spaces inside them, and
// Qt's line breaking (the Unicode rules) would still break them after a minus
// or a slash, leaving "(Bz-" at the end of one line and "Az)" on the next. A
// student reads a formula as one word: the memo breaks lines only at spaces,
// and a formula wider than the memo scrolls sideways.
//
// Qt has no hook for where a line may break, so the shown text carries an
// invisible zero width joiner (U+200D) at every other break opportunity. The
// joiners live in this widget only: what the model, a copy, a saved file or an
// export gets is the text without them.

#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace tc::gui {

// `line` with a joiner at each place where Qt could break it other than after
// white space.
QString JoinedAtSpacesOnly(const QString& line);
QString WithoutJoiners(QString text);

class MemoView : public QPlainTextEdit {
public:
    explicit MemoView(QWidget* parent);
    // Aligned columns: a fixed-pitch font and no wrapping.
    void showAsTable();

    // The memo's lines as the model holds them.
    std::vector<std::string> lines() const;
    // Shows `lines` unless the memo holds them already (a text the user is
    // typing keeps its cursor).
    void show(const std::vector<std::string>& lines);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tc::gui
