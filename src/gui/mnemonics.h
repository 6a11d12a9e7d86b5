// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Alt mnemonics for the buttons. The model keeps the captions as the language
// file gives them; only the window marks a letter of each, so that Alt and
// that letter presses the button.

#include <QString>

#include "widgets/widget_tree.h"

namespace tc::gui {

// The text the window shows on `button`: its caption with one letter marked
// by "&" (and a "&" of the caption itself doubled). The buttons of a page or
// of a second window get different letters, taken in the order the buttons
// were created: the first letter of a word where it is free, otherwise any
// free letter; a caption without a free letter gets none.
QString ButtonText(const WidgetTree& tree, const Widget& button);

// The text the window shows on the menu item `item` (a menu of the menu bar
// or an item of a menu), marked the same way: the items of one menu, and the
// menus of the menu bar, get different letters, in the order they were created.
QString MenuText(const WidgetTree& tree, const Widget& item);

} // namespace tc::gui
