// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the About window under language files: where each line
// lands, what a missing or short file leaves behind, and what a language
// change keeps.

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "app/main_window.h"
#include "context/recording_host.h"
#include "app/version.h"
#include "language_test_support.h"

namespace tc {
namespace {

using test::V;

struct Target {
    int line;
    const char* widget;
};

// Every caption a language file sets, with the line it comes from; the copied
// captions of the other tabs' buttons and groups included.
const Target kCaptionTargets[] = {
    {0, "N1"},        {1, "N4"},        {2, "Info1"},      {3, "N9"},        {4, "N10"},
    {5, "N11"},       {6, "N12"},       {7, "N13"},        {8, "N14"},       {9, "N15"},
    {10, "N16"},      {11, "N17"},      {12, "N18"},       {13, "N19"},      {14, "N20"},
    {15, "N21"},      {16, "N28"},      {17, "N29"},       {18, "N30"},      {19, "N31"},
    {20, "N32"},      {166, "N5"},      {21, "CVec_Task"}, {30, "CRoz_N"},   {31, "CVec_data"},
    {32, "CVec_Rez"}, {33, "CBut1"},    {34, "CV_Save"},   {35, "CClose"},   {41, "CMat_Roz"},
    {42, "CTV"},      {43, "CCentre"},  {44, "CLength"},   {45, "CLine"},    {32, "CTri"},
    {33, "CTr_But"},  {33, "Mat_But"},  {33, "CP_But"},    {33, "CRun"},     {34, "CRecord3"},
    {34, "M_Save"},   {34, "CP_Save"},  {34, "CS_Save"},   {35, "M_But"},    {35, "CClose3"},
    {35, "CP_Close"}, {35, "CS_Close"}, {21, "CGM_Task"},  {46, "CVersh"},   {47, "CStor"},
    {48, "CPl"},      {49, "CKut"},     {50, "CT_Alpha"},  {51, "TVecH"},    {52, "CVol"},
    {53, "CSLA_N"},   {54, "CSLA_Sys"}, {55, "CSLA_Det"},  {56, "CRez_SLA"}, {58, "EQG"},
    {59, "eq1"},      {60, "eq2"},      {61, "eq3"},       {31, "Eq_i"},     {32, "Eq_rez"},
    {33, "Eq_Run"},   {34, "Eq_Save"},  {35, "Eq_close"},
};

// The window frame has these from the start, whichever tabs are built.
const char* const kFrameWidgets[] = {"N1",      "N4",       "Info1",    "N5",      "N9",      "N32",
                                     "CBut1",   "CV_Save",  "CClose",   "Mat_But", "M_Save",  "M_But",
                                     "CTr_But", "CRecord3", "CClose3",  "CP_But",  "CP_Save", "CP_Close",
                                     "CRun",    "CS_Save",  "CS_Close", "Eq_Run",  "Eq_Save", "Eq_close"};

const char* const kComputeButtons[] = {"CBut1", "Mat_But", "CTr_But", "CP_But", "CRun", "Eq_Run"};

// The About text made from a file whose line i has the value "<prefix><i>".
std::vector<std::string> AboutLines(const std::string& prefix = "v") {
    std::vector<std::string> lines;
    for (int i = 200; i <= 206; ++i)
        lines.push_back(V(i, prefix));
    lines.push_back("");
    lines.push_back(V(207, prefix));
    lines.push_back(std::string(8, ' ') + AboutWindow::kAuthors);
    lines.push_back("");
    lines.push_back(V(208, prefix));
    lines.push_back(std::string(8, ' ') + AboutWindow::kLicence);
    lines.push_back("");
    for (int i = 209; i <= 213; ++i)
        lines.push_back(V(i, prefix));
    lines.push_back(std::string(7, ' ') + ProgramVersion());
    return lines;
}

class LanguageWindowTest : public ::testing::Test {
protected:
    test::ScratchDir here, dir;
    test::InDirectory cd{here.path()};
    RecordingHost host;
    std::unique_ptr<MainWindow> window;

    void write(const std::string& name, const std::vector<std::string>& lines,
               const std::string& lineEnd = "\r\n") {
        test::WriteBytes(dir.path() / name, test::JoinLines(lines, lineEnd));
    }
    void start() {
        window = std::make_unique<MainWindow>(host, Settings{'.', {dir.str()}});
        window->start();
    }
    const WidgetTree& tree() const { return window->widgets(); }
    const std::string& caption(const char* name) const { return tree().get(name).caption; }
    const std::string& message(int k) const { return window->env().messages(k); }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const Box& b : host.boxes)
            texts.push_back(b.text);
        return texts;
    }
    std::string cannotOpen(const std::string& name) const {
        return test::CannotOpen(std::filesystem::current_path(), name);
    }
};

TEST_F(LanguageWindowTest, every_line_lands_where_the_line_table_says) {
    write("Ukrainian.txt", test::NumberedLines(214));
    start();
    EXPECT_TRUE(host.boxes.empty());
    for (const char* name : kFrameWidgets)
        ASSERT_NE(tree().find(name), nullptr) << name;
    for (const Target& t : kCaptionTargets)
        EXPECT_EQ(tree().get(t.widget).caption, V(t.line)) << t.widget;
    for (int k = 1; k <= 80; ++k)
        EXPECT_EQ(message(k), V(k + 98)) << "entry " << k;
    for (int k = 81; k <= 100; ++k)
        EXPECT_EQ(message(k), "") << "entry " << k;
    EXPECT_EQ(tree().get<Memo>("InfoM").lines, AboutLines());
}

TEST_F(LanguageWindowTest, texts_outside_the_line_table_keep_their_built_in_captions) {
    write("Ukrainian.txt", test::NumberedLines(214));
    start();
    const std::pair<const char*, const char*> fixed[] = {
        {"N22", "Lenguage"},       {"N23", "Ukrainian"},          {"N24", "Russian"},    {"N25", "English"},
        {"N26", "Вихід"},          {"N2", "Про програму"},        {"Vector", "Vector"},  {"Matrix", "Matrix"},
        {"T4", "Triangle"},        {"TabSheet4", "Tetraedr"},     {"TabSheet5", "SLAE"}, {"Eq", "Eq"},
        {"Form1", "Про програму"}, {"TabSheet1", "Про програму"}, {"Button1", "Вихід"}};
    for (const auto& [name, text] : fixed)
        EXPECT_EQ(caption(name), text) << name;
}

TEST_F(LanguageWindowTest, the_vector_task_selector_takes_its_items_and_keeps_the_chosen_task_on_a_change) {
    write("Ukrainian.txt", test::NumberedLines(214, "u"));
    write("English.txt", test::NumberedLines(214, "e"));
    start();
    const auto& vec = tree().get<Combo>("TVec");
    EXPECT_EQ(vec.items, (std::vector<std::string>{"u23", "u24", "u25", "u26", "u27", "u28", "u29"}));
    // No task is selected at start: the selector shows its own line.
    EXPECT_EQ(vec.index, -1);
    EXPECT_EQ(vec.text, "u22");

    window->menu("N17"); // the angle between vectors, position 5
    window->menu("N25");
    EXPECT_EQ(vec.index, 5);
    EXPECT_EQ(vec.text, "e28");
    EXPECT_EQ(vec.items, (std::vector<std::string>{"e23", "e24", "e25", "e26", "e27", "e28", "e29"}));
}

TEST_F(LanguageWindowTest, the_matrix_task_selector_takes_its_items_and_keeps_the_chosen_task_on_a_change) {
    write("Ukrainian.txt", test::NumberedLines(214, "u"));
    write("English.txt", test::NumberedLines(214, "e"));
    start();
    const auto& mat = tree().get<Combo>("TMat_task");
    // Line 36 is both the shown text and the first item.
    EXPECT_EQ(mat.items, (std::vector<std::string>{"u36", "u37", "u38", "u39", "u40"}));
    EXPECT_EQ(mat.index, -1);
    EXPECT_EQ(mat.text, "u36");

    window->menu("N20"); // the determinant, position 3
    window->menu("N25");
    EXPECT_EQ(mat.index, 3);
    EXPECT_EQ(mat.text, "e39");
    EXPECT_EQ(mat.items[4], "e40");
}

TEST_F(LanguageWindowTest, a_typed_task_name_gives_way_to_the_shown_text_line) {
    write("Ukrainian.txt", test::NumberedLines(214, "u"));
    write("English.txt", test::NumberedLines(214, "e"));
    start();
    window->type("TVec", "my own task");
    window->menu("N25");
    EXPECT_EQ(tree().get<Combo>("TVec").index, -1);
    EXPECT_EQ(tree().get<Combo>("TVec").text, "e22");
}

// Whatever the user typed, chose or got as a result, on every tab the build has.
TEST_F(LanguageWindowTest, a_language_change_keeps_typed_inputs_selections_results_and_memos) {
    write("Ukrainian.txt", test::NumberedLines(214, "u"));
    write("English.txt", test::NumberedLines(214, "e"));
    start();
    for (const Widget* w : tree().all()) {
        if (w->kind() == WidgetKind::Grid) window->setCell(w->name(), 1, 1, "typed in " + w->name());
        if (w->kind() == WidgetKind::Edit) window->setText(w->name(), "typed in " + w->name());
    }
    window->setMemo("Vec_M", {"a solution", "", "kept"});
    window->setMemo("Eq_M", {"another"});
    window->setTab(3);

    struct Seen {
        std::string text;
        int cols = 0, rows = 0, index = 0;
        bool visible = true;
    };
    auto snapshot = [&] {
        std::map<std::string, Seen> seen;
        for (const Widget* w : tree().all()) {
            Seen s;
            s.visible = w->visible;
            if (auto* g = dynamic_cast<const Grid*>(w)) s = {g->cell(1, 1), g->cols, g->rows, 0, w->visible};
            if (auto* e = dynamic_cast<const Edit*>(w)) s.text = e->text;
            if (auto* c = dynamic_cast<const Combo*>(w)) s.index = c->index;
            if (auto* m = dynamic_cast<const Memo*>(w))
                for (const std::string& l : m->lines)
                    s.text += l + "\n";
            seen[w->name()] = s;
        }
        return seen;
    };
    const auto before = snapshot();
    window->menu("N25");
    const auto after = snapshot();

    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(caption("N1"), "e0");
    EXPECT_EQ(message(1), "e99");
    EXPECT_EQ(window->tab(), 3);
    for (const auto& [name, was] : before) {
        if (name == "InfoM") continue; // the About text follows the language
        const Seen& now = after.at(name);
        EXPECT_EQ(now.text, was.text) << name;
        EXPECT_EQ(now.cols, was.cols) << name;
        EXPECT_EQ(now.rows, was.rows) << name;
        EXPECT_EQ(now.index, was.index) << name;
        EXPECT_EQ(now.visible, was.visible) << name;
    }
    EXPECT_EQ(tree().get<Memo>("InfoM").lines, AboutLines("e"));
}

TEST_F(LanguageWindowTest, without_any_language_file_the_window_keeps_its_built_in_texts_after_two_boxes) {
    start();
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{cannotOpen("Ukrainian.txt"), cannotOpen("Ukrainian.txt")}));
    EXPECT_EQ(caption("N1"), "Завдання");
    EXPECT_EQ(caption("N9"), "Вища математика   ");
    EXPECT_EQ(caption("N4"), "Зберегти ");
    EXPECT_EQ(caption("CBut1"), "Обчислити");
    EXPECT_EQ(caption("CS_Save"), "Зберегти");
    for (int k = 1; k <= 80; ++k)
        EXPECT_EQ(message(k), "") << "entry " << k;
    EXPECT_TRUE(tree().get<Memo>("InfoM").lines.empty());
}

TEST_F(LanguageWindowTest, a_missing_file_on_a_change_moves_the_check_and_keeps_the_previous_texts) {
    write("Ukrainian.txt", test::NumberedLines(214, "u"));
    start();
    window->menu("N25");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{cannotOpen("English.txt")});
    EXPECT_EQ(window->language(), "N25");
    EXPECT_EQ(caption("N1"), "u0");
    EXPECT_EQ(caption("Eq_close"), "u35");
    EXPECT_EQ(message(80), "u178");
}

// The failure texts of a file made before the lines from 214 on, where a
// change to a file that has them words the next failures in its language.
TEST_F(LanguageWindowTest, a_file_of_214_lines_keeps_the_failure_texts_of_before) {
    write("Ukrainian.txt", test::NumberedLines(214, "u"));
    std::vector<std::string> russian = test::NumberedLines(kLineCount, "r");
    russian[LineIndex(Line::fail_not_a_number)] = "k=%1: [%2]!";
    russian[LineIndex(Line::fail_cannot_open)] = "k=%2 / %1!";
    russian[LineIndex(Line::fail_invalid_operation)] = "k=invalid!";
    write("Russian.txt", russian);
    start();
    window->setCell("Vec_Table", 1, 1, "2,5");
    window->click("CBut1");
    window->menu("N17"); // the angle between A and a zero vector B
    window->setCell("Vec_Table", 1, 1, "1");
    window->setCell("Vec_Table", 1, 2, "0");
    window->setCell("Vec_Table", 2, 2, "0");
    window->click("CBut1");
    window->menu("N25");
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"'2,5' is not a valid floating point value.",
                                        "Invalid floating point operation.", cannotOpen("English.txt")}));
    host.boxes.clear();

    window->menu("N24");
    window->click("CBut1");
    window->setCell("Vec_Table", 2, 2, "x");
    window->click("CBut1");
    window->menu("N25");
    const std::string path = (std::filesystem::current_path() / "English.txt").string();
    const std::string reason = std::error_code(ENOENT, std::generic_category()).message();
    // The line's text (after "k=") with the values in its places; the place of
    // the cell reads as its own line of this file.
    const std::string place = V(LineIndex(Line::place_vector_component), "r");
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"invalid!", place + ": [x]!", reason + " / " + path + "!"}));
}

TEST_F(LanguageWindowTest, a_file_of_three_lines_renames_only_the_menu_bar) {
    write("Ukrainian.txt", test::NumberedLines(3));
    start();
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"List index out of bounds (166)", "List index out of bounds (200)"}));
    EXPECT_EQ(caption("N1"), "v0");
    EXPECT_EQ(caption("N4"), "v1");
    EXPECT_EQ(caption("Info1"), "v2");
    EXPECT_EQ(caption("N5"), "Квадратне рівняння");
    EXPECT_EQ(caption("N9"), "Вища математика   ");
    EXPECT_EQ(caption("CBut1"), "Обчислити");
    EXPECT_EQ(message(1), "");
    EXPECT_TRUE(tree().get<Memo>("InfoM").lines.empty());
}

TEST_F(LanguageWindowTest, a_file_of_167_lines_sets_every_caption_and_stops_in_the_message_table) {
    write("Ukrainian.txt", test::NumberedLines(167));
    start();
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"List index out of bounds (167)", "List index out of bounds (200)"}));
    EXPECT_EQ(caption("N5"), "v166");
    EXPECT_EQ(caption("N32"), "v20");
    EXPECT_EQ(caption("CS_Close"), "v35");
    EXPECT_EQ(caption("Eq_close"), "v35");
    EXPECT_EQ(message(68), "v166");
    EXPECT_EQ(message(69), "");
}

TEST_F(LanguageWindowTest, a_file_of_178_lines_leaves_the_last_entry_as_it_was) {
    write("Ukrainian.txt", test::NumberedLines(214, "u"));
    write("Russian.txt", test::NumberedLines(178, "r"));
    start();
    window->menu("N24");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"List index out of bounds (178)"});
    EXPECT_EQ(message(1), "r99");
    EXPECT_EQ(message(79), "r177");
    EXPECT_EQ(message(80), "u178");
}

TEST_F(LanguageWindowTest,
       a_file_of_179_lines_fills_all_80_entries_and_is_too_short_only_for_the_about_text) {
    write("Ukrainian.txt", test::NumberedLines(179));
    start();
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"List index out of bounds (200)"});
    EXPECT_EQ(message(80), "v178");
}

TEST_F(LanguageWindowTest, an_about_text_cut_short_keeps_the_lines_before_the_missing_one) {
    write("Ukrainian.txt", test::NumberedLines(209));
    start();
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"List index out of bounds (209)"});
    const auto& info = tree().get<Memo>("InfoM").lines;
    ASSERT_EQ(info.size(), 14u);
    EXPECT_EQ(info[11], "v208");
    EXPECT_EQ(info[12], std::string(8, ' ') + AboutWindow::kLicence);
    EXPECT_EQ(info[13], "");
}

TEST_F(LanguageWindowTest, a_file_with_lone_cr_breaks_loads_whole) {
    write("Ukrainian.txt", test::NumberedLines(214), "\r");
    start();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(caption("N1"), "v0");
    EXPECT_EQ(message(80), "v178");
    EXPECT_EQ(tree().get<Memo>("InfoM").lines, AboutLines());
}

TEST_F(LanguageWindowTest, a_nul_byte_ends_the_file_inside_its_line) {
    std::string bytes = test::JoinLines(test::NumberedLines(214));
    const std::string line170 = "key170=v170";
    bytes.insert(bytes.find(line170) + line170.size(), std::string("\0 and the rest", 14));
    test::WriteBytes(dir.path() / "Ukrainian.txt", bytes);
    start();
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"List index out of bounds (171)", "List index out of bounds (200)"}));
    EXPECT_EQ(message(72), "v170");
    EXPECT_EQ(message(73), "");
}

TEST_F(LanguageWindowTest, a_code_page_1251_file_from_the_original_program_loads) {
    auto lines = test::NumberedLines(214);
    lines[0] = "menu=\xC7\xE0\xE4\xE0\xF7\xB3";                  // "Задачі"
    lines[33] = "compute=\xD0\xE0\xF5\xF3\xE2\xE0\xF2\xE8";      // "Рахувати"
    lines[99] = "msg=\xCF\xF0\xEE\xE5\xEA\xF6\xB3\xFF \xBF\xBF"; // "Проекція її"
    write("Ukrainian.txt", lines);
    start();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(caption("N1"), "Задачі");
    for (const char* button : kComputeButtons)
        EXPECT_EQ(caption(button), "Рахувати") << button;
    EXPECT_EQ(message(1), "Проекція її");
}

TEST_F(LanguageWindowTest, a_line_gives_its_text_after_the_first_equals_sign_or_whole_without_one) {
    auto lines = test::NumberedLines(214);
    lines[0] = "Tasks without a key";
    lines[1] = "k=a=b";
    lines[33] = "k=Go";
    lines[99] = "k=";
    write("Ukrainian.txt", lines);
    start();
    EXPECT_EQ(caption("N1"), "Tasks without a key");
    EXPECT_EQ(caption("N4"), "a=b");
    for (const char* button : kComputeButtons)
        EXPECT_EQ(caption(button), "Go") << button;
    EXPECT_EQ(message(1), "");
}

TEST_F(LanguageWindowTest, the_current_directory_comes_before_the_program_folders) {
    write("Ukrainian.txt", test::NumberedLines(214, "installed"));
    test::WriteBytes(here.path() / "Ukrainian.txt", test::JoinLines(test::NumberedLines(214, "local")));
    start();
    EXPECT_EQ(caption("N1"), "local0");
    EXPECT_EQ(tree().get<Memo>("InfoM").lines, AboutLines("local"));
}

} // namespace
} // namespace tc
