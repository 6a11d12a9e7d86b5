// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the language file chosen by the checked language item and applying
// it to the captions, the task selectors and the message table.

#include <algorithm>
#include <functional>
#include <vector>

#include "app/main_window.h"
#include "i18n/language_file.h"
#include "base/lines.h"
#include "widgets/names.h"

namespace tc {

namespace {

using L = Line;
using namespace names;

// The window's own captions from the required lines; the tabs add theirs.
const CaptionLine kWindowLines[] = {
    {CaptionStage::MenuBar, L::menu_tasks, N1},
    {CaptionStage::MenuBar, L::menu_save, N4},
    {CaptionStage::MenuBar, L::menu_help, Info1},
    {CaptionStage::Menu, L::menu_higher_math, N9},
};

struct OptionalCaption {
    Line line;
    const char* widget;
    const char* fallback; // the built-in caption, kept by a file without the line
};

// Captions that had no line before: a file without their lines leaves the
// built-in texts.
const OptionalCaption kOptionalCaptions[] = {
    {L::menu_language, N22, "Lenguage"},         {L::menu_exit, N26, "Вихід"},
    {L::menu_about, N2, "Про програму"},         {L::about_title, Form1, "Про програму"},
    {L::about_title, TabSheet1, "Про програму"}, {L::about_close, Button1, "Вихід"},
    {L::menu_ukrainian, N23, "Ukrainian"},       {L::menu_russian, N24, "Russian"},
    {L::menu_english, N25, "English"},
};

// Every widget named in these tables exists: an unknown name is a fault of
// the table and throws.
void ApplyCaption(const LanguageTable& table, WidgetTree& tree, const CaptionLine& c) {
    tree.get(c.widget).caption = table.value(c.line);
}

// A task selector gets its shown-text line and the lines of its `itemCount`
// items, which follow each other from `firstItem` on. Its selected position
// stays, showing the item's new text: a language change must not leave the
// selector showing one task while the tab computes another.
void ApplySelector(const LanguageTable& table, WidgetTree& tree, const char* name, Line shownLine,
                   Line firstItem, int itemCount) {
    Combo& combo = tree.get<Combo>(name);
    combo.text = table.value(shownLine);
    for (int i = 0; i < itemCount; ++i) {
        std::string item = table.value(LineIndex(firstItem) + i);
        const auto at = static_cast<std::size_t>(i);
        if (combo.items.size() <= at) combo.items.resize(at + 1);
        combo.items[at] = std::move(item);
    }
    if (combo.index >= 0 && combo.index < static_cast<int>(combo.items.size()))
        combo.text = combo.items[static_cast<std::size_t>(combo.index)];
}

} // namespace

// The captions of the required lines, the window's and every tab's, stage
// by stage and within a stage in the file's order (see CaptionStage).
void MainWindow::applyRequiredCaptions() {
    struct Step {
        CaptionStage stage;
        int line;
        std::function<void()> apply;
    };
    std::vector<Step> steps;
    const auto addCaption = [&](const CaptionLine& c) {
        steps.push_back({c.stage, LineIndex(c.line), [this, c] { ApplyCaption(language_, tree_, c); }});
    };
    for (const CaptionLine& c : kWindowLines)
        addCaption(c);
    for (const auto& tab : tabs_) {
        for (const CaptionLine& c : tab->captionLines())
            addCaption(c);
        for (const SelectorLines& s : tab->selectorLines())
            steps.push_back({s.stage, LineIndex(s.shown), [this, s] {
                                 ApplySelector(language_, tree_, s.selector, s.shown, s.firstItem, s.count);
                             }});
    }
    std::stable_sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) {
        return a.stage != b.stage ? a.stage < b.stage : a.line < b.line;
    });
    for (const Step& step : steps)
        step.apply();
}

void MainWindow::loadLanguage() {
    // The new table replaces the old one before the file is read, so a file
    // that cannot be read leaves an empty table and every caption as it was.
    language_ = LanguageTable();
    language_ = ReadLanguageFile(LanguageFileName(language()), settings_.languageDirs);
    applyRequiredCaptions();

    // The message entries 1..80 are the lines from msg01 on, in order.
    for (int k = 1; k <= 80; ++k)
        env_.messages.set(k, language_.value(LineIndex(Line::msg01_vec_title) + k - 1));

    // Lines from 214 on are optional: the ones the file has replace their
    // built-in texts, a shorter file keeps the texts used before they existed.
    std::vector<std::string> extended;
    for (int i = kFirstExtendedLine; i < std::min(language_.count(), kLineCount); ++i)
        extended.push_back(language_.value(i));
    env_.messages.setExtended(std::move(extended));
    for (const OptionalCaption& c : kOptionalCaptions)
        tree_.get(c.widget).caption = env_.messages.text(c.line, c.fallback);
    for (const auto& tab : tabs_) {
        const TabParts& parts = tab->parts();
        tree_.get(parts.page).caption = env_.messages.text(parts.captionLine, parts.captionFallback);
    }
    for (const auto& tab : tabs_)
        tab->applyLanguage(env_.messages);

    tree_.get<MenuItem>(names::NView).caption = env_.messages.text(Line::view_menu, "View");
    tree_.get<MenuItem>(names::NExact).caption = env_.messages.text(Line::view_exact, "Exact fractions");
    tree_.get<MenuItem>(names::NCheck).caption = env_.messages.text(Line::view_check, "Check");
    tree_.get(names::NFigure).caption = env_.messages.text(Line::fig_menu, "Figure window");
    applyExportCaptions();
}

// Only the texts that belong to a language change, the About text among them:
// what the user typed, the grid sizes, the selections, the results and the
// written solutions stay.
void MainWindow::chooseLanguage(const std::string& item) {
    for (const char* other : {names::N23, names::N24, names::N25})
        tree_.get<MenuItem>(other).checked = item == other;
    loadLanguage();
    // The About text follows the language too. A file that failed above has
    // left the text of the language before.
    about_.compose(language_);
}

MainWindow::FaultWords MainWindow::faultWords() const {
    const MessageTable& m = env_.messages;
    return {applicationTitle() + ": " + m.text(Line::fault_title, "internal error"),
            m.text(Line::fault_intro, "The program went wrong and stopped the last action:"),
            m.text(Line::fault_advice,
                   "This is a fault of the program, not of your input. What you typed stays; "
                   "please report the text above.")};
}

} // namespace tc
