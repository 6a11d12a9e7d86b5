// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget kinds that hold more than a caption.

#include <string>
#include <vector>

#include "widgets/widget.h"

namespace tc {

class Edit : public Widget {
public:
    Edit(std::string name, std::string parent)
        : Widget(std::move(name), WidgetKind::Edit, std::move(parent)) {}
    std::string text;
    bool readOnly = false;
};

// A multi-line text box: the explanation memos and the About text.
class Memo : public Widget {
public:
    Memo(std::string name, std::string parent)
        : Widget(std::move(name), WidgetKind::Memo, std::move(parent)) {}
    std::vector<std::string> lines;
    // Lines laid out as tables (matrices in aligned columns): a fixed-pitch
    // font, and a long line scrolls sideways instead of wrapping.
    bool table = false;
    void clear() { lines.clear(); }
    void add(std::string line) { lines.push_back(std::move(line)); }
};

class Combo : public Widget {
public:
    Combo(std::string name, std::string parent, bool isEditable)
        : Widget(std::move(name), WidgetKind::Combo, std::move(parent)), editable(isEditable) {}
    std::vector<std::string> items;
    int index = -1;   // selected list position, -1 for none
    std::string text; // the shown text
    bool editable;

    // Selects list position i and shows its text (as a user's choice does).
    void select(int i);
    // The shown text becomes `t` with no list position selected (as typing does).
    void type(std::string t);
};

// Check: an item that turns an option on or off, each choice toggling it.
enum class MenuItemKind { Submenu, Command, Radio, Separator, Check };

class MenuItem : public Widget {
public:
    MenuItem(std::string name, std::string parent, MenuItemKind kindOfItem)
        : Widget(std::move(name), WidgetKind::MenuItem, std::move(parent)), itemKind(kindOfItem) {}
    MenuItemKind itemKind;
    std::string shortcut; // "Ctrl+S" and the like; empty for none
    bool checked = false; // radio and check items
};

class RadioButton : public Widget {
public:
    RadioButton(std::string name, std::string parent)
        : Widget(std::move(name), WidgetKind::RadioButton, std::move(parent)) {}
    bool checked = false;
};

} // namespace tc
