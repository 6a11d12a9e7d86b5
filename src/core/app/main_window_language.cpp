// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the language file chosen by the checked language item and applying
// it to the captions, the task selectors and the message table.

#include <algorithm>

#include "app/main_window.h"
#include "i18n/language_file.h"
#include "i18n/lines.h"
#include "widgets/names.h"

namespace tc {

namespace {

using L = Line;
using namespace names;

struct CaptionLine {
    Line line;
    const char* widget;
};

// The menu, in the order its lines are applied: "Квадратне рівняння" (a line
// of the message entries) comes fourth, so a file too short for the message
// table still renames the menu bar's three items and nothing else.
const CaptionLine kMenuLines[] = {
    {L::menu_tasks, N1},        {L::menu_save, N4},
    {L::menu_help, Info1},      {L::msg68_quadratic_equation, N5},
    {L::menu_higher_math, N9},  {L::menu_vectors, N10},
    {L::menu_matrices, N11},    {L::menu_vec_add, N12},
    {L::menu_vec_sub, N13},     {L::menu_vec_length, N14},
    {L::menu_vec_scalar, N15},  {L::menu_vec_norm, N16},
    {L::menu_vec_angle, N17},   {L::menu_mat_add, N18},
    {L::menu_mat_sub, N19},     {L::menu_mat_det, N20},
    {L::menu_mat_inverse, N21}, {L::menu_triangle, N28},
    {L::menu_tetrahedron, N29}, {L::menu_vec_projection, N30},
    {L::menu_mat_mul, N31},     {L::menu_slae, N32},
};

// The vector tab's group and button lines, applied between its two selectors.
const CaptionLine kVectorLines[] = {
    {L::vec_size_group, CRoz_N}, {L::data_group, CVec_data}, {L::result_group, CVec_Rez},
    {L::compute_button, CBut1},  {L::save_button, CV_Save},  {L::exit_button, CClose},
};

const CaptionLine kMatrixAndTriangleLines[] = {
    {L::mat_size_group, "CMat_Roz"},   {L::tri_vertices_group, "CTV"}, {L::tri_centroid_group, "CCentre"},
    {L::tri_lengths_group, "CLength"}, {L::tri_lines_group, "CLine"},
};

// Widgets that take the caption of a vector-tab widget, that is its line again.
const CaptionLine kCopies[] = {
    {L::result_group, "CTri"},     {L::compute_button, "CTr_But"},  {L::compute_button, "Mat_But"},
    {L::compute_button, "CP_But"}, {L::compute_button, "CRun"},     {L::save_button, "CRecord3"},
    {L::save_button, "M_Save"},    {L::save_button, "CP_Save"},     {L::save_button, "CS_Save"},
    {L::exit_button, "M_But"},     {L::exit_button, "CClose3"},     {L::exit_button, "CP_Close"},
    {L::exit_button, "CS_Close"},  {L::vec_task_group, "CGM_Task"},
};

const CaptionLine kLaterTabLines[] = {
    {L::tet_vertices_group, "CVersh"},
    {L::tet_edges_group, "CStor"},
    {L::tet_planes_group, "CPl"},
    {L::tet_edge_angles_group, "CKut"},
    {L::tet_face_angles_group, "CT_Alpha"},
    {L::tet_heights_group, "TVecH"},
    {L::tet_volume_group, "CVol"},
    {L::slae_count_group, "CSLA_N"},
    {L::slae_coef_group, "CSLA_Sys"},
    {L::slae_det_group, "CSLA_Det"},
    {L::slae_unknowns_group, "CRez_SLA"},
    {L::eq_kind_group, "EQG"},
    {L::eq_quadratic, "eq1"},
    {L::eq_cubic, "eq2"},
    {L::eq_biquadratic, "eq3"},
    {L::data_group, "Eq_i"},
    {L::result_group, "Eq_rez"},
    {L::compute_button, "Eq_Run"},
    {L::save_button, "Eq_Save"},
    {L::exit_button, "Eq_close"},
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
    {L::tab_vector, Vector, "Vector"},           {L::tab_matrix, "Matrix", "Matrix"},
    {L::tab_triangle, T4, "Triangle"},           {L::tab_tetrahedron, TabSheet4, "Tetraedr"},
    {L::tab_slae, "TabSheet5", "SLAE"},          {L::tab_equation, "Eq", "Eq"},
    {L::menu_ukrainian, N23, "Ukrainian"},       {L::menu_russian, N24, "Russian"},
    {L::menu_english, N25, "English"},           {L::tri_bisector_label, "Tr_LBis", "B="},
};

// Every widget named in these tables exists: an unknown name is a fault of
// the table and throws.
void ApplyCaption(const LanguageTable& table, WidgetTree& tree, const CaptionLine& c) {
    tree.get(c.widget).caption = table.value(c.line);
}

template <std::size_t N>
void ApplyCaptions(const LanguageTable& table, WidgetTree& tree, const CaptionLine (&lines)[N]) {
    for (const CaptionLine& c : lines)
        ApplyCaption(table, tree, c);
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

void MainWindow::loadLanguage() {
    // The new table replaces the old one before the file is read, so a file
    // that cannot be read leaves an empty table and every caption as it was.
    language_ = LanguageTable();
    language_ = ReadLanguageFile(LanguageFileName(language()), settings_.languageDirs);

    ApplyCaptions(language_, tree_, kMenuLines);
    ApplyCaption(language_, tree_, {Line::vec_task_group, names::CVec_Task});
    ApplySelector(language_, tree_, names::TVec, Line::vec_task_text, Line::vec_task_add, 7);
    ApplyCaptions(language_, tree_, kVectorLines);
    // The matrix selector shows its first item's line until a task is chosen.
    ApplySelector(language_, tree_, "TMat_task", Line::mat_task_add, Line::mat_task_add, 5);
    ApplyCaptions(language_, tree_, kMatrixAndTriangleLines);
    ApplyCaptions(language_, tree_, kCopies);
    ApplyCaptions(language_, tree_, kLaterTabLines);

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
    // The menu item opens the tab of all three kinds: it takes the tab's name
    // where the file has it, and the quadratic's heading as before otherwise.
    if (env_.messages.has(L::tab_equation)) tree_.get(N5).caption = env_.messages.text(L::tab_equation, "");
    matrix_.applySizeSign();
    tetrahedron_.applyHeadings();

    tree_.get<MenuItem>(names::NView).caption = env_.messages.text(Line::view_menu, "View");
    tree_.get<MenuItem>(names::NExact).caption = env_.messages.text(Line::view_exact, "Exact fractions");
    tree_.get<MenuItem>(names::NCheck).caption = env_.messages.text(Line::view_check, "Check");
    // Captions of later features, from their optional lines.
    const std::string figure = env_.messages.text(Line::fig_button, "Figure");
    for (const char* button : {names::Tr_Figure, names::Tet_Figure, names::Vec_Figure})
        if (Widget* w = tree_.find(button)) w->caption = figure;
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
