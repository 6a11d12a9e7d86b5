// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/error_box.h"
#include "app/tab_registry.h"
#include "i18n/language_file.h"
#include "widgets/names.h"

namespace tc {

namespace {

// The tabs made in tab order, each adding its page to `tree`.
std::vector<std::unique_ptr<Tab>> MakeTabs(WidgetTree& tree, Env& env) {
    std::vector<std::unique_ptr<Tab>> tabs;
    for (const TabEntry& entry : RegisteredTabs())
        tabs.push_back(entry.make(tree, env));
    return tabs;
}

} // namespace

MainWindow::MainWindow(Host& host, Settings settings)
    : settings_(std::move(settings)), env_{Numbers(settings_.decimal), {}, host},
      tabs_((buildFrame(), buildMenu(), MakeTabs(tree_, env_))), solutionLanguage_(tabs_.size()),
      about_(tree_, env_) {
    connectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildFrame() {
    Widget& frame = tree_.addPlain(WidgetKind::Form, names::Mat, "", "TovrinCALC", {0, 0, 800, 623});
    frame.look.background = 0xC0DCC0;
    frame.look.pixelSize = 16;
}

void MainWindow::connectCommands() {
    for (int t = 0; t < tabCount(); ++t) {
        const TabParts& parts = tabAt(t).parts();
        // The item (or submenu, as it opens) brings its tab forward.
        tree_.onClick(parts.menuItem, [this, t] { tab_ = t; });
        for (size_t k = 0; k < parts.taskItems.size(); ++k)
            tree_.onClick(parts.taskItems[k],
                          [this, selector = parts.taskSelector, k] { setTask(selector, static_cast<int>(k)); });
        tree_.onClick(parts.exit, [this] { closeWindow(); });
        tree_.onClick(parts.save, [this, t] { saveMemo(t); });
    }
    tree_.onClick(names::N26, [this] { closeWindow(); });

    for (const char* lang : {names::N23, names::N24, names::N25})
        tree_.onClick(lang, [this, lang] { chooseLanguage(lang); });

    tree_.onClick(names::N2, [this] { env_.host.showAbout(); });
    tree_.onClick(names::Button1, [] {}); // closes the About window; the view hides it

    tree_.onClick(names::N4, [this] { N4Click(); });
    connectFigures();
    tree_.onClick(names::NCopy, [this] { copySolution(); });
    tree_.onClick(names::NPrint, [this] { printSolution(); });
    tree_.onClick(names::NCopyLatex, [this] { copyLatex(); });
}

void MainWindow::start() {
    run([this] { FormCreate(); });
    // The About window is created right after the main window, while
    // "Ukrainian" is still the checked language; a language change recomposes
    // its text. The file the main window has just read is that file: its
    // lines serve again. Only when it could not be read does the About
    // window try it itself, and report it missing in a box of its own.
    run([this] {
        if (language_.count() > 0)
            about_.compose(language_);
        else
            about_.formCreate(LanguageFileName(language()), settings_.languageDirs);
    });
    run([this] { FormShow(); });
}

void MainWindow::FormCreate() {
    for (const auto& tab : tabs_) {
        tab->formCreate();
        tree_.get(tab->parts().compute).enabled = true;
    }
    loadLanguage();
}

void MainWindow::FormShow() {
    for (const auto& tab : tabs_)
        tab->formShow();
}

void MainWindow::run(const Handler& handler) {
    // Only the program's own failures are part of its behaviour; anything else
    // is a fault of the program and must not pass for an ordinary error box.
    // A solution is written in the language of the moment; a later language
    // change leaves it as it is, so the language goes with it.
    std::vector<std::vector<std::string>> before;
    for (int t = 0; t < tabCount(); ++t)
        before.push_back(memoOf(t).lines);
    try {
        handler();
    } catch (const Failure& f) {
        env_.host.showError(ErrorBoxText(FailureText(f, env_.messages)));
    }
    for (int t = 0; t < tabCount(); ++t)
        if (memoOf(t).lines != before[static_cast<size_t>(t)]) solutionLanguage_[static_cast<size_t>(t)] = language();
}

void MainWindow::menu(const std::string& item) {
    MenuItem& m = tree_.get<MenuItem>(item);
    if (m.itemKind == MenuItemKind::Separator) throw UsageError("\"" + item + "\" is a separator");
    if (closed_) return;
    if (m.itemKind == MenuItemKind::Check) m.checked = !m.checked;
    if (const Handler* h = tree_.clickHandler(item)) run(*h);
}

void MainWindow::click(const std::string& name) {
    Widget& w = tree_.get(name);
    if (w.kind() != WidgetKind::Button && w.kind() != WidgetKind::RadioButton)
        throw UsageError("\"" + name + "\" is a " + KindName(w.kind()) + ", not a button");
    if (closed_) return;
    if (auto* radio = dynamic_cast<RadioButton*>(&w)) {
        // Radio buttons with the same parent form one group.
        for (Widget* other : tree_.all())
            if (auto* r = dynamic_cast<RadioButton*>(other); r && r->parent() == radio->parent())
                r->checked = false;
        radio->checked = true;
    }
    if (const Handler* h = tree_.clickHandler(name)) run(*h);
}

void MainWindow::select(const std::string& combo, int index) {
    Combo& c = tree_.get<Combo>(combo);
    if (index < 0 || index >= static_cast<int>(c.items.size()))
        throw UsageError("\"" + combo + "\" has no list position " + std::to_string(index));
    if (closed_) return;
    c.select(index);
    if (const Handler* h = tree_.changeHandler(combo)) run(*h);
}

void MainWindow::type(const std::string& combo, std::string text) {
    Combo& c = tree_.get<Combo>(combo);
    if (!c.editable) throw UsageError("\"" + combo + "\" takes no typed text");
    if (closed_) return;
    c.type(std::move(text));
    if (const Handler* h = tree_.changeHandler(combo)) run(*h);
}

void MainWindow::setText(const std::string& edit, std::string text) {
    tree_.get<Edit>(edit).text = std::move(text);
}

void MainWindow::setCell(const std::string& grid, int col, int row, std::string text) {
    Grid& g = tree_.get<Grid>(grid);
    if (col < 0 || row < 0)
        throw UsageError("cell (" + std::to_string(col) + ", " + std::to_string(row) + ") is outside \"" +
                         grid + "\"");
    g.setCell(col, row, std::move(text));
}

void MainWindow::setMemo(const std::string& memo, std::vector<std::string> lines) {
    tree_.get<Memo>(memo).lines = std::move(lines);
}

namespace {

// A row or column that can be dragged: not a heading, inside the grid's size.
void CheckMove(const Grid& g, int from, int to, int fixed, int count, const char* what) {
    if (!g.movable) throw UsageError("\"" + g.name() + "\" does not let its " + what + "s be moved");
    for (int i : {from, to})
        if (i < fixed || i >= count)
            throw UsageError("\"" + g.name() + "\" has no movable " + what + " " + std::to_string(i));
}

} // namespace

void MainWindow::moveRow(const std::string& grid, int from, int to) {
    Grid& g = tree_.get<Grid>(grid);
    CheckMove(g, from, to, g.fixedRows, g.rows, "row");
    g.moveRow(from, to);
}

void MainWindow::moveColumn(const std::string& grid, int from, int to) {
    Grid& g = tree_.get<Grid>(grid);
    CheckMove(g, from, to, g.fixedCols, g.cols, "column");
    g.moveColumn(from, to);
}

void MainWindow::setTab(int index) {
    if (index < 0 || index >= tabCount()) throw UsageError("there is no tab " + std::to_string(index));
    tab_ = index;
}

std::string MainWindow::language() const {
    for (const char* item : {names::N23, names::N24, names::N25})
        if (tree_.get<MenuItem>(item).checked) return item;
    return names::N23;
}

void MainWindow::closeWindow() {
    // FormCloseQuery allows every close: nothing is asked and nothing is saved.
    closed_ = true;
}

void MainWindow::setTask(const std::string& selector, int index) {
    Combo& combo = tree_.get<Combo>(selector);
    if (index >= static_cast<int>(combo.items.size()))
        throw std::logic_error("\"" + selector + "\" lists no task " + std::to_string(index));
    combo.select(index);
    if (const Handler* h = tree_.changeHandler(selector)) (*h)();
}

void MainWindow::N4Click() {
    saveMemo(tab_);
}

} // namespace tc
