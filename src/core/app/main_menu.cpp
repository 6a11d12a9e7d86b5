// The main menu of the window: items, nesting, shortcuts and built-in captions.

#include "app/main_window.h"

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
    {"N1", "", "Завдання", MenuItemKind::Submenu, ""},
    {"N9", "N1", "Вища математика   ", MenuItemKind::Submenu, ""},
    {"N10", "N9", "Вектори", MenuItemKind::Submenu, ""},
    {"N12", "N10", "Додавання векторів", MenuItemKind::Command, ""},
    {"N13", "N10", "Віднімання векторів", MenuItemKind::Command, ""},
    {"N15", "N10", "Скалярний добуток", MenuItemKind::Command, ""},
    {"N14", "N10", "Довжина", MenuItemKind::Command, ""},
    {"N16", "N10", "Норма вектора", MenuItemKind::Command, ""},
    {"N17", "N10", "Кут між векторами", MenuItemKind::Command, ""},
    {"N30", "N10", "Проекція одного на інший", MenuItemKind::Command, ""},
    {"N11", "N9", "Матриці", MenuItemKind::Submenu, ""},
    {"N18", "N11", "Додавання матриць", MenuItemKind::Command, ""},
    {"N19", "N11", "Віднімання матриць", MenuItemKind::Command, ""},
    {"N31", "N11", "Множення матриць", MenuItemKind::Command, ""},
    {"N20", "N11", "Визначник матриці", MenuItemKind::Command, ""},
    {"N21", "N11", "Обернена матриця", MenuItemKind::Command, ""},
    {"N28", "N9", "Трикутник", MenuItemKind::Command, ""},
    {"N29", "N9", "Тетраедр", MenuItemKind::Command, ""},
    {"N32", "N9", "СЛАР", MenuItemKind::Command, ""},
    {"N5", "N9", "Квадратне рівняння", MenuItemKind::Command, ""},
    // The built-in caption of a later item is English until its language line is read.
    {"NFigure", "N1", "Figure window", MenuItemKind::Command, ""},
    {"N3", "N1", "-", MenuItemKind::Separator, ""},
    {"N26", "N1", "Вихід", MenuItemKind::Command, ""},
    {"N4", "", "Зберегти ", MenuItemKind::Command, "Ctrl+S"},
    {"N22", "", "Lenguage", MenuItemKind::Submenu, ""},
    {"N23", "N22", "Ukrainian", MenuItemKind::Radio, "Ctrl+U"},
    {"N24", "N22", "Russian", MenuItemKind::Radio, "Ctrl+R"},
    {"N25", "N22", "English", MenuItemKind::Radio, "Ctrl+E"},
    {"Info1", "", "Довідка", MenuItemKind::Submenu, ""},
    {"N2", "Info1", "Про програму", MenuItemKind::Command, ""},
};

} // namespace

void MainWindow::buildMenu() {
    for (const ItemRow& row : kItems) {
        MenuItem& item = tree_.add<MenuItem>(row.name, row.parent, row.kind);
        item.caption = row.caption;
        item.shortcut = row.shortcut;
    }
    tree_.get<MenuItem>("N23").checked = true;
}

} // namespace tc
