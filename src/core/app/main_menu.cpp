// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu of the window: items, nesting, shortcuts and built-in captions.

#include "app/main_window.h"
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

// In menu order; the built-in captions are Ukrainian, and the language files
// replace most of them.
const ItemRow kItems[] = {
    {names::N1, "", "Завдання", MenuItemKind::Submenu, ""},
    {names::N9, names::N1, "Вища математика   ", MenuItemKind::Submenu, ""},
    {names::N10, names::N9, "Вектори", MenuItemKind::Submenu, ""},
    {names::N12, names::N10, "Додавання векторів", MenuItemKind::Command, ""},
    {names::N13, names::N10, "Віднімання векторів", MenuItemKind::Command, ""},
    {names::N15, names::N10, "Скалярний добуток", MenuItemKind::Command, ""},
    {names::N14, names::N10, "Довжина", MenuItemKind::Command, ""},
    {names::N16, names::N10, "Норма вектора", MenuItemKind::Command, ""},
    {names::N17, names::N10, "Кут між векторами", MenuItemKind::Command, ""},
    {names::N30, names::N10, "Проекція одного на інший", MenuItemKind::Command, ""},
    {names::N11, names::N9, "Матриці", MenuItemKind::Submenu, ""},
    {names::N18, names::N11, "Додавання матриць", MenuItemKind::Command, ""},
    {names::N19, names::N11, "Віднімання матриць", MenuItemKind::Command, ""},
    {names::N31, names::N11, "Множення матриць", MenuItemKind::Command, ""},
    {names::N20, names::N11, "Визначник матриці", MenuItemKind::Command, ""},
    {names::N21, names::N11, "Обернена матриця", MenuItemKind::Command, ""},
    {names::N28, names::N9, "Трикутник", MenuItemKind::Command, ""},
    {names::N29, names::N9, "Тетраедр", MenuItemKind::Command, ""},
    {names::N32, names::N9, "СЛАР", MenuItemKind::Command, ""},
    {names::N5, names::N9, "Квадратне рівняння", MenuItemKind::Command, ""},
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

} // namespace

void MainWindow::buildMenu() {
    for (const ItemRow& row : kItems) {
        MenuItem& item = tree_.add<MenuItem>(row.name, row.parent, row.kind);
        item.caption = row.caption;
        item.shortcut = row.shortcut;
    }
    tree_.get<MenuItem>(names::N23).checked = true;
}

void MainWindow::setViewOptions(const ViewOptions& options) {
    tree_.get<MenuItem>(names::NExact).checked = options.exact;
    tree_.get<MenuItem>(names::NCheck).checked = options.check;
}

} // namespace tc
