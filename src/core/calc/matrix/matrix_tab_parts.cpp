// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the matrix tab: its menu, frame, captions and page.

#include "calc/matrix/matrix_tab.h"
#include "widgets/names.h"

namespace tc {

using namespace names;

std::vector<TabMenuRow> MatrixTab::MenuRows() {
    return {{N11, N9, "Матриці", MenuItemKind::Submenu},
            {N18, N11, "Додавання матриць", MenuItemKind::Command},
            {N19, N11, "Віднімання матриць", MenuItemKind::Command},
            {N31, N11, "Множення матриць", MenuItemKind::Command},
            {N20, N11, "Визначник матриці", MenuItemKind::Command},
            {N21, N11, "Обернена матриця", MenuItemKind::Command}};
}

const TabParts& MatrixTab::parts() const {
    static const TabParts parts{names::Matrix,    Line::tab_matrix, "Matrix", N11, names::Mat_But, names::M_Save, names::M_But,
                                names::TMat_task, {N18, N19, N31, N20, N21}};
    return parts;
}

std::vector<CaptionLine> MatrixTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage menu = CaptionStage::Menu, frame = CaptionStage::Frames;
    return {{menu, L::menu_matrices, N11},         {menu, L::menu_mat_add, N18},
            {menu, L::menu_mat_sub, N19},          {menu, L::menu_mat_det, N20},
            {menu, L::menu_mat_inverse, N21},      {menu, L::menu_mat_mul, N31},
            {CaptionStage::Pages, L::mat_size_group, names::CMat_Roz},
            {frame, L::compute_button, names::Mat_But}, {frame, L::save_button, names::M_Save},
            {frame, L::exit_button, names::M_But},      {frame, L::vec_task_group, names::CGM_Task}};
}

// The selector shows its first item's line until a task is chosen.
std::vector<SelectorLines> MatrixTab::selectorLines() const {
    return {{CaptionStage::Pages, names::TMat_task, Line::mat_task_add, Line::mat_task_add, 5}};
}

void MatrixTab::applyLanguage(const MessageTable& /*messages*/) {
    applySizeSign();
}

const PageLayout& MatrixTab::pageLayout() const {
    static const PageLayout layout{N11,
                                   names::TMat_task,
                                   nullptr,
                                   {{true, nullptr, names::Mat1, {}, {}},
                                    {true, nullptr, names::Mat2, {}, {}},
                                    {false, nullptr, names::Mat_R, {}, {}},
                                    {false, nullptr, nullptr, {}, {{names::M_D, nullptr, {names::DET_A}}}}}};
    return layout;
}

} // namespace tc
