// Loading the language file chosen by the checked language item and applying
// it to the captions, the task selectors and the message table.

#include <algorithm>

#include "app/main_window.h"
#include "i18n/language_file.h"
#include "i18n/lines.h"
#include "widgets/names.h"

namespace tc {

namespace {

struct CaptionLine {
    int line;
    const char* widget;
};

// The menu, in the order its lines are applied: "Квадратне рівняння" (line 166)
// comes fourth, so a file too short for the message table still renames the
// menu bar's three items and nothing else.
const CaptionLine kMenuLines[] = {
    {0, "N1"},   {1, "N4"},   {2, "Info1"}, {166, "N5"}, {3, "N9"},   {4, "N10"},  {5, "N11"},  {6, "N12"},
    {7, "N13"},  {8, "N14"},  {9, "N15"},   {10, "N16"}, {11, "N17"}, {12, "N18"}, {13, "N19"}, {14, "N20"},
    {15, "N21"}, {16, "N28"}, {17, "N29"},  {18, "N30"}, {19, "N31"}, {20, "N32"},
};

// Lines 30 to 35 of the vector tab, applied between its two selectors.
const CaptionLine kVectorLines[] = {
    {30, "CRoz_N"}, {31, "CVec_data"}, {32, "CVec_Rez"}, {33, "CBut1"}, {34, "CV_Save"}, {35, "CClose"},
};

const CaptionLine kMatrixAndTriangleLines[] = {
    {41, "CMat_Roz"}, {42, "CTV"}, {43, "CCentre"}, {44, "CLength"}, {45, "CLine"},
};

// Widgets that take the caption of a vector-tab widget, that is its line again.
const CaptionLine kCopies[] = {
    {32, "CTri"},     {33, "CTr_But"},  {33, "Mat_But"},  {33, "CP_But"},   {33, "CRun"},
    {34, "CRecord3"}, {34, "M_Save"},   {34, "CP_Save"},  {34, "CS_Save"},  {35, "M_But"},
    {35, "CClose3"},  {35, "CP_Close"}, {35, "CS_Close"}, {21, "CGM_Task"},
};

const CaptionLine kLaterTabLines[] = {
    {46, "CVersh"},   {47, "CStor"},  {48, "CPl"},    {49, "CKut"},     {50, "CT_Alpha"},
    {51, "TVecH"},    {52, "CVol"},   {53, "CSLA_N"}, {54, "CSLA_Sys"}, {55, "CSLA_Det"},
    {56, "CRez_SLA"}, {58, "EQG"},    {59, "eq1"},    {60, "eq2"},      {61, "eq3"},
    {31, "Eq_i"},     {32, "Eq_rez"}, {33, "Eq_Run"}, {34, "Eq_Save"},  {35, "Eq_close"},
};

// Each line is read even when its widget is missing, so that a short file
// fails at the same line whichever widgets the window has.
void ApplyCaption(const LanguageTable& table, WidgetTree& tree, const CaptionLine& c) {
    std::string text = table.value(c.line);
    if (Widget* w = tree.find(c.widget)) w->caption = std::move(text);
}

template <std::size_t N>
void ApplyCaptions(const LanguageTable& table, WidgetTree& tree, const CaptionLine (&lines)[N]) {
    for (const CaptionLine& c : lines)
        ApplyCaption(table, tree, c);
}

// A task selector gets its shown-text line and its items' lines. Its selected
// position stays, showing the item's new text: a language change must not
// leave the selector showing one task while the tab computes another.
void ApplySelector(const LanguageTable& table, WidgetTree& tree, const char* name, int shownLine,
                   int firstItemLine, int itemCount) {
    std::string shown = table.value(shownLine);
    auto* combo = dynamic_cast<Combo*>(tree.find(name));
    if (combo) combo->text = shown;
    for (int i = 0; i < itemCount; ++i) {
        std::string item = table.value(firstItemLine + i);
        if (!combo) continue;
        const auto at = static_cast<std::size_t>(i);
        if (combo->items.size() <= at) combo->items.resize(at + 1);
        combo->items[at] = std::move(item);
    }
    if (combo && combo->index >= 0 && combo->index < static_cast<int>(combo->items.size()))
        combo->text = combo->items[static_cast<std::size_t>(combo->index)];
}

} // namespace

void MainWindow::loadLanguage() {
    // The new table replaces the old one before the file is read, so a file
    // that cannot be read leaves an empty table and every caption as it was.
    language_ = LanguageTable();
    language_ = ReadLanguageFile(LanguageFileName(language()), settings_.languageDirs);

    ApplyCaptions(language_, tree_, kMenuLines);
    ApplyCaption(language_, tree_, {21, "CVec_Task"});
    ApplySelector(language_, tree_, "TVec", 22, 23, 7);
    ApplyCaptions(language_, tree_, kVectorLines);
    ApplySelector(language_, tree_, "TMat_task", 36, 36, 5);
    ApplyCaptions(language_, tree_, kMatrixAndTriangleLines);
    ApplyCaptions(language_, tree_, kCopies);
    ApplyCaptions(language_, tree_, kLaterTabLines);

    // Entry k is line k + 98: entry 1 is line 99, entry 80 line 178.
    for (int k = 1; k <= 80; ++k)
        env_.messages.set(k, language_.value(k + 98));

    // Lines from 214 on are optional: the ones the file has replace their
    // built-in texts, a shorter file keeps the texts used before they existed.
    std::vector<std::string> extended;
    for (int i = kFirstExtendedLine; i < std::min(language_.count(), kLineCount); ++i)
        extended.push_back(language_.value(i));
    env_.messages.setExtended(std::move(extended));

    // Captions of later features, from their optional lines.
    const std::string figure = env_.messages.text(Line::fig_button, "Figure");
    for (const char* button : {names::Tr_Figure, names::Tet_Figure})
        if (Widget* w = tree_.find(button)) w->caption = figure;
    tree_.get(names::NFigure).caption = env_.messages.text(Line::fig_menu, "Figure window");
}

// Only the texts that belong to a language change: what the user typed, the
// grid sizes, the selections, the results and the written solutions stay.
void MainWindow::chooseLanguage(const std::string& item) {
    for (const char* other : {"N23", "N24", "N25"})
        tree_.get<MenuItem>(other).checked = item == other;
    loadLanguage();
}

} // namespace tc
