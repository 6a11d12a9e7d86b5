// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the Gauss tab: its menu, frame and page.

#include "calc/gauss/gauss_tab.h"
#include "widgets/names.h"

namespace tc {

const char* const kGaussTaskItems[kGaussTaskCount] = {names::NGs0, names::NGs1, names::NGs2, names::NGs3,
                                                      names::NGs4, names::NGs5, names::NGs6, names::NGs7};

const char* const kGaussTaskCaptions[kGaussTaskCount] = {
    "Система лінійних рівнянь методом Гаусса",
    "Система лінійних рівнянь методом Гаусса–Жордана",
    "Ранг матриці",
    "Обернена матриця методом Гаусса–Жордана",
    "Матричне рівняння A*X=B",
    "Матричне рівняння X*A=B",
    "Визначник зведенням до трикутного вигляду",
    "Власні значення і власні вектори"};

std::vector<TabMenuRow> GaussTab::MenuRows() {
    std::vector<TabMenuRow> rows{{names::NGs, names::N9, "Метод Гаусса", MenuItemKind::Submenu}};
    for (int i = 0; i < kGaussTaskCount; ++i)
        rows.push_back({kGaussTaskItems[i], names::NGs, kGaussTaskCaptions[i], MenuItemKind::Command});
    rows.push_back({names::NGsSlae, names::NGs, "Система з вкладки СЛАР методом Гаусса",
                    MenuItemKind::Command});
    return rows;
}

const TabParts& GaussTab::parts() const {
    static const TabParts kParts{names::Gs,
                                 Line::gs_tab_caption,
                                 "Gauss",
                                 names::NGs,
                                 names::Gs_Run,
                                 names::Gs_Save,
                                 names::Gs_Close,
                                 names::Gs_Task,
                                 std::vector<const char*>(std::begin(kGaussTaskItems), std::end(kGaussTaskItems))};
    return kParts;
}

const PageLayout& GaussTab::pageLayout() const {
    static const PageLayout kLayout{names::NGs,
                                    names::Gs_Task,
                                    nullptr,
                                    {{true, names::Gs_ABox, names::Gs_A, {}, {}},
                                     {true, names::Gs_BBox, names::Gs_B, {}, {}},
                                     {false, names::Gs_RBox, names::Gs_R, {}, {}}}};
    return kLayout;
}

} // namespace tc
