// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of one window widget as the program sees it. The window and the
// scenario runner only show this state; every handler reads and writes it here.

#include <string>

namespace tc {

enum class WidgetKind {
    Form,       // a second window (the About window); its widgets name it as parent
    Page,       // a tab sheet of the page control
    MenuItem,   // an item of the main menu (command, submenu, radio item, separator)
    GroupBox,   // a captioned frame holding other widgets
    RadioGroup, // the captioned frame round a set of radio buttons
    Label,
    Button,
    RadioButton,
    Edit,  // single-line edit field
    Memo,  // multi-line text box
    Combo, // combo box, editable or a fixed list
    Grid,  // cell grid
};

const char* KindName(WidgetKind kind);

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

// How a widget's text looks; zero values mean the window's defaults.
struct Look {
    bool bold = false;
    int pixelSize = 0;       // character height in pixels
    unsigned color = 0;      // 0xRRGGBB text colour, 0 for the default
    unsigned background = 0; // 0xRRGGBB background colour, 0 for the default
};

class Widget {
public:
    Widget(std::string name, WidgetKind kind, std::string parent)
        : name_(std::move(name)), kind_(kind), parent_(std::move(parent)) {}
    virtual ~Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    const std::string& name() const { return name_; }
    WidgetKind kind() const { return kind_; }
    // The widget that contains this one: a page, a group box or a menu item;
    // empty for the top level (the menu bar's items, the pages).
    const std::string& parent() const { return parent_; }

    std::string caption;
    bool visible = true;
    bool enabled = true;
    Rect geometry;
    Look look;

private:
    std::string name_;
    WidgetKind kind_;
    std::string parent_;
};

} // namespace tc
