// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A validator for one-line fields and cells.

#include <QValidator>

namespace tc::gui {

// A cell or a field holds one line. Pasted lines join into one, separated by a
// blank, and line breaks before or after them go; a line break kept in a cell
// would split the data line of the explanation in two.
class OneLine : public QValidator {
public:
    explicit OneLine(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;
};

} // namespace tc::gui
