// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/space/space_tab.h"

#include "calc/common/typed_input.h"
#include "calc/space/space_write.h"
#include "context/view_options.h"
#include "widgets/names.h"

namespace tc {

namespace {

using L = Line;

const char* const kResults[3] = {names::Sp_R1, names::Sp_R2, names::Sp_R3};
const char* const kLabels[3] = {names::Sp_L1, names::Sp_L2, names::Sp_L3};

// A worked example of each task, row by row, for the cells left empty.
const char* const kExamples[kSpaceTaskCount][kSpaceMaxRows][4] = {
    {{"1", "2", "-1"}, {"3", "0", "1"}, {"2", "1", "3"}},
    {{"1", "2", "3"}, {"2", "-1", "3"}},
    {{"1", "0", "2"}, {"1", "2", "0"}, {"0", "1", "1/2"}},
    {{"1", "-3", "4"}, {"3", "-4", "8"}},
    {{"2", "-1", "3", "-5"}, {"1", "1", "-1", "2"}},
    {{"1", "0", "2"}, {"3", "-4", "1", "2"}},
    {{"1", "2", "3"}, {"0", "0", "0"}, {"1", "1", "1"}},
    {{"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}},
    {{"0", "0", "0"}, {"1", "2", "2"}, {"0", "1", "0"}, {"2", "-1", "2"}},
    {{"0", "0", "0"}, {"1", "1", "1"}, {"1", "0", "0", "2"}},
    {{"1", "2", "2", "-3"}, {"2", "-1", "2", "5"}},
    {{"1", "0", "-1"}, {"2", "1", "3"}, {"1", "-1", "2", "-4"}},
    {{"1", "2", "3"}, {"1", "1", "1"}, {"3", "2", "1"}, {"-1", "1", "3"}},
    {{"1", "0", "2"}, {"3", "-4", "1", "2"}},
    {{"1", "2", "3"}, {"0", "0", "0"}, {"1", "1", "1"}},
};

constexpr int kLeft = 8;
constexpr int kColumnWidth = 384;
constexpr int kCaptionCol = 150;
constexpr int kValueCol = 54;

bool HasPlane(SpaceTask task) {
    for (const SpaceRow& r : TaskRows(task))
        if (r.kind == RowKind::Plane) return true;
    return false;
}

bool HasPoint(SpaceTask task) {
    for (const SpaceRow& r : TaskRows(task))
        if (r.kind != RowKind::Plane) return true;
    return false;
}

} // namespace

SpaceTab::SpaceTab(WidgetTree& tree, Env& env)
    : FramedTab(tree, env, {names::Sp, "Lines and planes", names::Sp_M, names::Sp_Run, names::Sp_Save, "Зберегти",
                                names::Sp_Close, true}) {
    buildWidgets();
    tree_.onChange(names::Sp_Task, [this] { showTask(); });
    tree_.onClick(names::Sp_Run, [this] { Sp_RunClick(); });
}

void SpaceTab::buildWidgets() {
    const std::string page = names::Sp;
    tree_.addPlain(WidgetKind::Label, names::Sp_TaskL, page, "Task", {kLeft, 12, 60, 20});
    task_ = &tree_.add<Combo>(names::Sp_Task, page, false);
    task_->geometry = {72, 8, kColumnWidth - 64, 26};
    for (int t = 0; t < kSpaceTaskCount; ++t)
        task_->items.push_back(TaskName(static_cast<SpaceTask>(t)).fallback);
    task_->select(0);

    tree_.addPlain(WidgetKind::GroupBox, names::Sp_Data, page, "Data", {kLeft, 40, kColumnWidth, 154});
    grid_ = &tree_.add<Grid>(names::Sp_In, names::Sp_Data, 5, 5);
    grid_->geometry = {6, 22, kCaptionCol + 4 * kValueCol + 4, 5 * 24 + 4};
    grid_->editable = true;
    grid_->defaultColWidth = kValueCol;
    grid_->setColWidth(0, kCaptionCol);

    tree_.addPlain(WidgetKind::GroupBox, names::Sp_Res, page, "Result", {kLeft, 198, kColumnWidth, 162});
    for (std::size_t k = 0; k < 3; ++k) {
        const int top = 24 + static_cast<int>(k) * 44;
        labels_[k] = &tree_.addPlain(WidgetKind::Label, kLabels[k], names::Sp_Res, "", {12, top, 360, 18});
        results_[k] = &tree_.add<Edit>(kResults[k], names::Sp_Res);
        results_[k]->geometry = {12, top + 18, 360, 24};
    }
    tree_.addPlain(WidgetKind::Button, names::Sp_Figure, page, "Figure", {kLeft, 366, 120, 28});
}

SpaceTask SpaceTab::task() const {
    return static_cast<SpaceTask>(task_->index < 0 ? 0 : task_->index);
}

std::string SpaceTab::rowCaption(SpaceTask t, int row) const {
    const SpaceRow& r = TaskRows(t)[static_cast<std::size_t>(row)];
    const MessageTable& m = env_.messages;
    switch (r.kind) {
    case RowKind::Point: return m.format(L::sp_row_point, "Point %1", {r.name});
    case RowKind::Normal: return m.format(L::sp_row_normal, "Normal vector %1", {r.name});
    case RowKind::Vector: return m.format(L::sp_row_vector, "Vector %1", {r.name});
    case RowKind::LinePoint: return m.format(L::sp_row_line_point, "Point %1 of the line", {r.name});
    case RowKind::Direction: return m.format(L::sp_row_direction, "Direction vector %1", {r.name});
    case RowKind::Plane:
        return *r.name ? m.format(L::sp_row_plane_n, "Plane %1", {r.name}) : m.text(L::sp_row_plane, "Plane");
    }
    return "";
}

std::string SpaceTab::heading(SpaceTask t, int row, int col) const {
    const char* const coordinates[4] = {"x", "y", "z", ""};
    const char* const coefficients[4] = {"A", "B", "C", "D"};
    if (row >= 0) {
        const bool plane = TaskRows(t)[static_cast<std::size_t>(row)].kind == RowKind::Plane;
        return (plane ? coefficients : coordinates)[col];
    }
    if (!HasPlane(t)) return coordinates[col];
    if (!HasPoint(t)) return coefficients[col];
    return col == 3 ? std::string("D") : std::string(coordinates[col]) + ", " + coefficients[col];
}

bool SpaceTab::holdsExample(SpaceTask t) const {
    const std::vector<SpaceRow>& rows = TaskRows(t);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 1; c <= rows[r].columns(); ++c)
            if (grid_->cell(c, static_cast<int>(r) + 1) != kExamples[static_cast<int>(t)][r][c - 1]) return false;
    return true;
}

void SpaceTab::showTask() {
    const SpaceTask t = task();
    const std::vector<SpaceRow>& rows = TaskRows(t);
    Grid& g = *grid_;
    // Going through the tasks shows each worked example; once the user has
    // typed into the grid, the typed cells stay and only empty ones are filled.
    if (holdsExample(shown_))
        for (int r = 1; r <= kSpaceMaxRows; ++r)
            for (int c = 1; c <= 4; ++c)
                g.setCell(c, r, "");
    shown_ = t;
    g.rows = static_cast<int>(rows.size()) + 1;
    g.cols = HasPlane(t) ? 5 : 4;
    g.geometry.w = kCaptionCol + (g.cols - 1) * kValueCol + 4;
    g.geometry.h = g.rows * 24 + 4;
    for (int c = 0; c < 4; ++c)
        g.setCell(c + 1, 0, heading(t, -1, c));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        g.setCell(0, row, rowCaption(t, row - 1));
        // The example of the task fills what the user left empty.
        for (int c = 1; c <= rows[r].columns(); ++c)
            if (g.cell(c, row).empty()) g.setCell(c, row, kExamples[static_cast<int>(t)][r][c - 1]);
    }
    const auto captions = ResultCaptions(t);
    for (std::size_t k = 0; k < 3; ++k) {
        labels_[k]->visible = results_[k]->visible = captions[k].has_value();
        if (captions[k]) labels_[k]->caption = env_.messages.text(captions[k]->line, captions[k]->fallback);
        results_[k]->text.clear();
    }
}

void SpaceTab::formCreate() {
    showTask();
}

void SpaceTab::Sp_RunClick() {
    for (Edit* e : results_)
        e->text.clear();
    lastIn_.reset();
    last_.reset();
    const SpaceTask t = task();
    SpaceInput start;
    start.task = t;
    // Row by row, each from left to right: the first cell that is no number
    // stops the reading, named by its row's caption and its column.
    const Partial<SpaceInput> read = SolvePartially(start, [this, t](SpaceInput& in) {
        const std::vector<SpaceRow>& rows = TaskRows(t);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].columns(); ++c) {
                const int row = static_cast<int>(r) + 1;
                in.typed[r][static_cast<std::size_t>(c)] = grid_->cell(c + 1, row);
                const Place place{L::sp_place_cell, "%1, %2", {rowCaption(t, row - 1), heading(t, row - 1, c)}};
                in.values[r][static_cast<std::size_t>(c)] = ReadCellFraction(env_, *grid_, c + 1, row, place);
            }
    });
    const Wording wording{env_.nums, env_.messages};
    const bool check = ReadViewOptions(tree_).check;
    Partial<SpaceResult> solved;
    if (!read.failure) {
        lastIn_ = read.result;
        solved = SolvePartially(SpaceResult{}, [&read](SpaceResult& r) { r = SolveSpace(read.result); });
        if (!solved.failure) last_ = solved.result;
    }
    const TabOutput out =
        WriteSpace(read.result, !read.failure, last_ ? &*last_ : nullptr, wording, check);
    frame_.memo.lines = out.lines;
    for (const auto& [name, text] : out.fields)
        tree_.get<Edit>(name).text = text;
    read.rethrow();
    solved.rethrow();
}

} // namespace tc
