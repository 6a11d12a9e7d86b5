// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu of the window: items, nesting, shortcuts and built-in captions.

#include "app/main_window.h"
#include "app/tab_registry.h"

#include <string_view>
#include "widgets/names.h"

namespace tc {

namespace {

struct ItemRow {
    const char* name;
    const char* parent; // "" for the menu bar
    const char* caption;
    MenuItemKind kind;
    const char* shortcut;
};

// In menu order, the tabs' own items going after Higher mathematics (see
// kTabItemsAfter); the built-in captions are Ukrainian, and the language
// files replace most of them.
const ItemRow kItems[] = {
    {names::N1, "", "Завдання", MenuItemKind::Submenu, ""},
    {names::N9, names::N1, "Вища математика   ", MenuItemKind::Submenu, ""},
    // The built-in caption of a later item is English until its language line is read.
    {names::NFigure, names::N1, "Figure window", MenuItemKind::Command, ""},
    {names::NCopy, names::N1, "Copy solution", MenuItemKind::Command, "Ctrl+Shift+C"},
    {names::NPrint, names::N1, "Print...", MenuItemKind::Command, "Ctrl+P"},
    {names::N3, names::N1, "-", MenuItemKind::Separator, ""},
    {names::N26, names::N1, "Вихід", MenuItemKind::Command, ""},
    {names::N4, "", "Зберегти ", MenuItemKind::Command, "Ctrl+S"},
    {names::NEdit, "", "Edit", MenuItemKind::Submenu, ""},
    {names::NCopyLatex, names::NEdit, "Copy as LaTeX", MenuItemKind::Command, "Ctrl+Shift+L"},
    {names::N22, "", "Lenguage", MenuItemKind::Submenu, ""},
    {names::N23, names::N22, "Ukrainian", MenuItemKind::Radio, "Ctrl+U"},
    {names::N24, names::N22, "Russian", MenuItemKind::Radio, "Ctrl+R"},
    {names::N25, names::N22, "English", MenuItemKind::Radio, "Ctrl+E"},
    {names::NView, "", "View", MenuItemKind::Submenu, ""},
    {names::NExact, names::NView, "Exact fractions", MenuItemKind::Check, ""},
    {names::NCheck, names::NView, "Check", MenuItemKind::Check, ""},
    {names::Info1, "", "Довідка", MenuItemKind::Submenu, ""},
    {names::N2, names::Info1, "Про програму", MenuItemKind::Command, ""},
};

// The tabs' items follow this one, in tab order.
constexpr const char* kTabItemsAfter = names::N9;

} // namespace

void MainWindow::buildMenu() {
    for (const ItemRow& row : kItems) {
        MenuItem& item = tree_.add<MenuItem>(row.name, row.parent, row.kind);
        item.caption = row.caption;
        item.shortcut = row.shortcut;
        if (std::string_view(row.name) != kTabItemsAfter) continue;
        for (const TabEntry& entry : RegisteredTabs())
            for (const TabMenuRow& tabRow : entry.menu())
                tree_.add<MenuItem>(tabRow.name, tabRow.parent, tabRow.kind).caption = tabRow.caption;
    }
    tree_.get<MenuItem>(names::N23).checked = true;
}

void MainWindow::setViewOptions(const ViewOptions& options) {
    tree_.get<MenuItem>(names::NExact).checked = options.exact;
    tree_.get<MenuItem>(names::NCheck).checked = options.check;
}

} // namespace tc
