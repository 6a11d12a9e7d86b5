// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contract every tab of the window keeps. A tab builds its page and its
// widgets when it is made, and describes itself once here: the main window,
// the language change, saving, hand-in, the figure window and the scenario
// runner loop over the registered tabs (app/tab_registry.cpp) instead of
// keeping lists of their own.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "context/env.h"
#include "export/solution_page.h"
#include "export/tab_content.h"
#include "figure/figure.h"
#include "i18n/language_table.h"
#include "base/lines.h"
#include "widgets/widget_tree.h"

namespace tc {

// A row of the Tasks > Higher mathematics menu that belongs to a tab. The
// rows are added before any page, in tab order, so that the menu keeps its
// order whatever the tabs' own widgets.
struct TabMenuRow {
    const char* name;
    const char* parent; // names::N9 for the item that brings the tab forward
    const char* caption; // built-in caption, until the language file words it
    MenuItemKind kind;
};

// The names of what a tab shows that the window itself needs.
struct TabParts {
    const char* page;             // the tab sheet
    Line captionLine;             // the tab's caption ...
    const char* captionFallback;  // ... and the one shown by a file without that line
    const char* menuItem;         // the menu item (or submenu) that brings the tab forward
    const char* compute;          // buttons of the tab frame
    const char* save;
    const char* exit;
    // The task selector and the menu items that choose its tasks, in list
    // order; none for a tab of one task.
    const char* taskSelector = nullptr;
    std::vector<const char*> taskItems = {};
    // Buttons that open the figure window.
    std::vector<const char*> figureButtons = {};
};

// Captions worded by the lines every language file has (0 to 213). The
// window words them for all tabs together, stage by stage and within a stage
// in the file's order: a file cut short then stops at its first missing line
// with the same captions renamed, whatever the order of the tabs. The stages
// are the order the window has always worded its parts in: the menu bar, the
// quadratic equation's menu item (a line of the message entries), the rest
// of the menu, the first tabs' pages, their frame buttons, the later pages.
enum class CaptionStage { MenuBar, QuadraticItem, Menu, Pages, Frames, LaterPages };

struct CaptionLine {
    CaptionStage stage;
    Line line;
    const char* widget;
};

// A selector worded by its shown-text line and the lines of its `count`
// items, which follow each other from `firstItem` on.
struct SelectorLines {
    CaptionStage stage;
    const char* selector;
    Line shown;
    Line firstItem;
    int count;
};

// A figure a tab draws from its last computation.
struct TabFigure {
    std::string name; // as the runner and the figure window know it
    std::function<Figure(const std::string& highlight)> draw;
};

class Tab {
public:
    virtual ~Tab() = default;

    virtual const TabParts& parts() const = 0;
    virtual Memo& memo() = 0;

    // Start-up: filling what the page shows before the language file is read
    // (row numbers, headings, examples), and after the window is shown.
    virtual void formCreate() {}
    virtual void formShow() {}

    // Captions and selectors worded by the required lines (see CaptionStage);
    // a tab whose texts all come from optional lines has none.
    virtual std::vector<CaptionLine> captionLines() const { return {}; }
    virtual std::vector<SelectorLines> selectorLines() const { return {}; }

    // After the window has worded the captions above and made the message
    // table of the file just read: everything else worded on the page, from
    // the optional lines (214 on) with their fallbacks. Texts the user typed,
    // selections and results stay.
    virtual void applyLanguage(const MessageTable& /*messages*/) {}

    // The figures the tab draws (none for most tabs).
    virtual std::vector<TabFigure> figures() { return {}; }

    // What of the tab goes on a hand-in page, read from its widgets.
    virtual const PageLayout& pageLayout() const = 0;
    // The page once filled from the layout: a tab may word its title its own way.
    virtual void finishPage(SolutionPage& /*page*/, const MessageTable& /*messages*/) const {}

    // The structured result of the last computation, with exact texts; null
    // before the first one and after a failure.
    virtual nlohmann::json answer() const { return nullptr; }
};

// One entry of the registry: the menu rows (needed before any tab exists)
// and how the tab is made.
struct TabEntry {
    std::vector<TabMenuRow> (*menu)();
    std::unique_ptr<Tab> (*make)(WidgetTree& tree, Env& env);
};

template <class T> TabEntry RegisterTab() {
    return {&T::MenuRows, [](WidgetTree& tree, Env& env) -> std::unique_ptr<Tab> {
                return std::make_unique<T>(tree, env);
            }};
}

} // namespace tc
