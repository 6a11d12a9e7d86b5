// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window `Mat` as a model: every widget's state and every handler.
// The Qt window and the scenario runner are views of it: they pass the user's
// actions in through the methods below and show what the tree then holds.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/about_window.h"
#include "context/env.h"
#include "context/tab.h"
#include "context/view_options.h"
#include "export/solution_page.h"
#include "i18n/language_table.h"
#include "widgets/widget_tree.h"

namespace tc {

struct Settings {
    // The user's decimal separator, "." or ",".
    char decimal = '.';
    // Folders where language files are looked up after the current directory,
    // in order (the executable's folder, the installed data folder).
    std::vector<std::string> languageDirs;
};

class MainWindow {
public:
    MainWindow(Host& host, Settings settings);
    ~MainWindow();

    // Program start: FormCreate, the About window's text, FormShow. Failures are
    // reported in error boxes and start-up goes on, as the window does.
    void start();

    // The user's actions. A Failure inside the handler they run ends it and is
    // reported through Host::showError; an action that names no such widget (or
    // one of another kind) throws UsageError and changes nothing. Any other
    // exception from a handler is a fault of the program: it ends the handler
    // and passes out of the action (and out of start()) unchanged, for the view
    // to report as an internal error.
    void menu(const std::string& item);                    // a menu command, or opening a submenu
    void click(const std::string& name);                   // a button or radio button
    void select(const std::string& combo, int index);      // a list choice in a combo box
    void type(const std::string& combo, std::string text); // typing into a combo box
    void setText(const std::string& edit, std::string text);
    void setCell(const std::string& grid, int col, int row, std::string text);
    void setMemo(const std::string& memo, std::vector<std::string> lines); // the user edits a memo
    // Dragging a row or column of a grid that allows it by its heading cell.
    void moveRow(const std::string& grid, int from, int to);
    void moveColumn(const std::string& grid, int from, int to);
    void setTab(int index); // clicking a tab caption; no handler runs
    // The View menu's options as the view remembered them (both off until then).
    void setViewOptions(const ViewOptions& options);

    // The figures the window can show, by name ("triangle", "tetrahedron"),
    // each drawn from the last computation of its tab.
    std::vector<std::string> figureNames() const;
    // The figure `name` with `highlight` highlighted; UsageError for an
    // unknown name.
    Figure figure(const std::string& name, const std::string& highlight = "") const;
    // The name of the figure that tab `index` shows, or "" when it shows none;
    // the figure window follows the active tab.
    std::string figureOfTab(int index) const;

    int tab() const { return tab_; }
    bool closed() const { return closed_; }
    // The checked language item: "N23", "N24" or "N25".
    std::string language() const;
    // The title of the error and message boxes and of the figure window, in
    // the current language where the file words it.
    std::string applicationTitle() const { return env_.messages.text(Line::app_title, kApplicationTitle); }
    // The box that reports a fault of the program (never of the input): its
    // title, and the words before and after what went wrong.
    struct FaultWords {
        std::string title, before, after;
    };
    FaultWords faultWords() const;
    const WidgetTree& widgets() const { return tree_; }
    const Env& env() const { return env_; }
    const Settings& settings() const { return settings_; }

    // The tabs, in tab order.
    int tabCount() const { return static_cast<int>(tabs_.size()); }
    const Tab& tabAt(int index) const { return *tabs_.at(static_cast<size_t>(index)); }
    // The structured result of the last computation on the tab in front, or
    // null when it has none (see Tab::answer).
    nlohmann::json answer() const { return tabs_.at(static_cast<size_t>(tab_))->answer(); }

private:
    void buildFrame();
    void buildMenu();
    void connectCommands();
    void run(const Handler& handler);
    void closeWindow();
    void setTask(const std::string& selector, int index);

    // Start-up and language (the handlers of the same names in the window).
    void FormCreate();
    void FormShow();
    void loadLanguage();
    void applyRequiredCaptions();
    void chooseLanguage(const std::string& item);
    void saveMemo(int tab);
    void N4Click();
    void connectFigures();

    // Each figure: its tab, its name and how it is drawn.
    struct FigureSource {
        int tab;
        TabFigure figure;
    };
    std::vector<FigureSource> figures_;

    // Handing in a solution (main_window_export.cpp).
    Memo& memoOf(int tab);
    SolutionPage solutionPage(int tab);
    SolutionPage pageInCurrentLanguage(int tab);
    void printSolution();
    void copySolution();
    void copyLatex();
    void applyExportCaptions();

    Settings settings_;
    WidgetTree tree_;
    Env env_;
    LanguageTable language_; // the lines of the language file loaded last
    int tab_ = 0;
    bool closed_ = false;
    std::string lastSaveName_;
    // The tabs, in tab order (app/tab_registry.cpp).
    std::vector<std::unique_ptr<Tab>> tabs_;
    // The language item each tab's written solution was written in; empty
    // before the first one.
    std::vector<std::string> solutionLanguage_;
    AboutWindow about_;
};

} // namespace tc
