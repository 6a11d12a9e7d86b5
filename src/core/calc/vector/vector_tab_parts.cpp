// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the vector tab: its menu, frame, captions and page.

#include "calc/vector/vector_tab.h"
#include "widgets/names.h"

namespace tc {

using namespace names;

std::vector<TabMenuRow> VectorTab::MenuRows() {
    return {{N10, N9, "Вектори", MenuItemKind::Submenu},
            {N12, N10, "Додавання векторів", MenuItemKind::Command},
            {N13, N10, "Віднімання векторів", MenuItemKind::Command},
            {N15, N10, "Скалярний добуток", MenuItemKind::Command},
            {N14, N10, "Довжина", MenuItemKind::Command},
            {N16, N10, "Норма вектора", MenuItemKind::Command},
            {N17, N10, "Кут між векторами", MenuItemKind::Command},
            {N30, N10, "Проекція одного на інший", MenuItemKind::Command}};
}

const TabParts& VectorTab::parts() const {
    static const TabParts parts{Vector, Line::tab_vector, "Vector", N10, CBut1, CV_Save, CClose,
                                TVec,   {N12, N13, N15, N14, N16, N17, N30}, {Vec_Figure}};
    return parts;
}

std::vector<CaptionLine> VectorTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage menu = CaptionStage::Menu, page = CaptionStage::Pages;
    return {{menu, L::menu_vectors, N10},        {menu, L::menu_vec_add, N12},
            {menu, L::menu_vec_sub, N13},        {menu, L::menu_vec_length, N14},
            {menu, L::menu_vec_scalar, N15},     {menu, L::menu_vec_norm, N16},
            {menu, L::menu_vec_angle, N17},      {menu, L::menu_vec_projection, N30},
            {page, L::vec_task_group, CVec_Task}, {page, L::vec_size_group, CRoz_N},
            {page, L::data_group, CVec_data},    {page, L::result_group, CVec_Rez},
            {page, L::compute_button, CBut1},    {page, L::save_button, CV_Save},
            {page, L::exit_button, CClose}};
}

std::vector<SelectorLines> VectorTab::selectorLines() const {
    return {{CaptionStage::Pages, TVec, Line::vec_task_text, Line::vec_task_add, 7}};
}

void VectorTab::applyLanguage(const MessageTable& messages) {
    tree_.get(Vec_Figure).caption = messages.text(Line::fig_button, "Figure");
}

const PageLayout& VectorTab::pageLayout() const {
    static const PageLayout layout{
        N10,
        TVec,
        nullptr,
        {{true, CVec_data, Vec_Table, {}, {}},
         {false, CVec_Rez, V_Rez, {}, {}},
         {false, nullptr, nullptr, {}, {{Vec_lab, nullptr, {Vec_R}}, {phi_l, nullptr, {phi1}}}}}};
    return layout;
}

std::vector<TabFigure> VectorTab::figures() {
    return {{"vector", [this](const std::string& h) { return figure(h); }}};
}

} // namespace tc
