// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// No number shown cut off without a way to see it.

class QLineEdit;
class QTableView;

namespace tc::gui {

// A read-only field (a result) shows its whole text: when the text is wider
// than the field at the field's own font, the font gets smaller until it fits
// (down to a readable least size), and the whole text is the field's tooltip.
// A field the user types into keeps its font. Follows every change of text.
void ShowWholeFieldText(QLineEdit* field);

// A cell too narrow for its text shows it elided ("…") and shows the whole
// text as a tooltip when the mouse rests on it.
void ShowWholeCellText(QTableView* grid);

} // namespace tc::gui
