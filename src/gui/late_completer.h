// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An editable selector whose list and completion are set up when they are
// first needed.
//
// Qt sets up an editable combo box's drop-down list (a popup window with a
// list view, scroll bars and scrollers) and its completer (a filtering model
// wired to the list by a score of connections) the moment the box becomes
// editable: a fifth of the first page's set-up, for what only opening the
// list or typing uses. Here the box gets an edit part that holds an empty
// stand-in completer, so that Qt makes none; the completer Qt would have made
// replaces it when the box first takes the focus, which comes before any key
// can reach it, and Qt makes the list when it is first opened.

class QComboBox;

namespace tc::gui {

// Makes `combo` editable: in the end as QComboBox::setEditable(true) does.
void MakeEditable(QComboBox* combo);

} // namespace tc::gui
