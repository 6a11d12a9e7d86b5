// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the equation tab: its menu, frame, captions and page.

#include <utility>

#include "calc/equation/equation_tab.h"
#include "widgets/names.h"

namespace tc {

using namespace names;

std::vector<TabMenuRow> EquationTab::MenuRows() {
    return {{N5, N9, "Квадратне рівняння", MenuItemKind::Command}};
}

const TabParts& EquationTab::parts() const {
    static const TabParts parts{names::Eq, Line::tab_equation, "Eq", N5, Eq_Run, names::Eq_Save, names::Eq_close};
    return parts;
}

// The menu item is worded by the quadratic's heading, a line of the message
// entries, before the rest of the menu.
std::vector<CaptionLine> EquationTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage later = CaptionStage::LaterPages;
    return {{CaptionStage::QuadraticItem, L::msg68_quadratic_equation, N5},
            {later, L::eq_kind_group, names::EQG},
            {later, L::eq_quadratic, eq1},
            {later, L::eq_cubic, eq2},
            {later, L::eq_biquadratic, eq3},
            {later, L::data_group, names::Eq_i},
            {later, L::result_group, names::Eq_rez},
            {later, L::compute_button, Eq_Run},
            {later, L::save_button, names::Eq_Save},
            {later, L::exit_button, names::Eq_close}};
}

// The menu item opens the tab of all three kinds: it takes the tab's name
// where the file has it, and the quadratic's heading as before otherwise.
void EquationTab::applyLanguage(const MessageTable& messages) {
    if (messages.has(Line::tab_equation)) tree_.get(N5).caption = messages.text(Line::tab_equation, "");
}

const PageLayout& EquationTab::pageLayout() const {
    static const PageLayout layout{nullptr,
                                   names::eq_g,
                                   Eq_Variant,
                                   {{true,
                                     names::Eq_i,
                                     nullptr,
                                     {},
                                     {{Eq_l1, nullptr, {Eq_e1}},
                                      {Eq_l2, nullptr, {eq_e2}},
                                      {Eq_l3, nullptr, {Eq_e3}},
                                      {Eq_l4, nullptr, {Eq_e4}}}},
                                    {false,
                                     names::Eq_rez,
                                     nullptr,
                                     {},
                                     {{le1, nullptr, {Eq_X1}},
                                      {le2, nullptr, {Eq_X2}},
                                      {le3, nullptr, {Eq_X3}},
                                      {le4, nullptr, {Eq_X4}}}}}};
    return layout;
}

// The kind's caption is an adjective ("Cubic"): the title takes the
// equation's heading instead, where the file words the page's headings.
void EquationTab::finishPage(SolutionPage& page, const MessageTable& m) const {
    if (!m.has(Line::export_solution)) return;
    const std::pair<const char*, Line> kinds[] = {{eq1, Line::msg68_quadratic_equation},
                                                  {eq2, Line::msg77_cubic_equation},
                                                  {eq3, Line::msg78_biquadratic_equation}};
    for (const auto& [radio, heading] : kinds)
        if (tree_.get<RadioButton>(radio).checked) page.title = m(heading) + " " + variant_.caption;
}

} // namespace tc
