// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of file the save dialog offers: a text (the default), a web page
// and a PDF document. A typed ending chooses the kind; a name without one
// takes the kind chosen in the dialog's type list.

#include <QString>

class QFileDialog;

namespace tc {
class MessageTable;
}

namespace tc::gui {

// Offers the three kinds in `dialog`, named in the current language.
void OfferSaveTypes(QFileDialog& dialog, const MessageTable& messages);

// `name` with the ending of the kind chosen in the type list when it has no
// ending of a kind of its own; a text keeps it as it is (".txt" is added when
// it is saved, as always).
QString WithChosenType(const QFileDialog& dialog, const QString& name);

} // namespace tc::gui
