// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/equation_tab.h"

#include "widgets/names.h"

namespace tc {

namespace {

constexpr unsigned kNavy = 0x000080;

const char* const kForms[] = {"A*x^2+B*x+C=0", "A*x^3+B*x^2+C*x+D=0", "A*x^4+B*x^2+C=0"};

size_t Index(EquationKind kind) {
    return static_cast<size_t>(kind);
}

} // namespace

EquationTab::EquationTab(WidgetTree& tree, Env& env)
    : FramedTab(tree, env, {names::Eq, "Eq", names::Eq_M, names::Eq_Run, names::Eq_Save, "Зберегти", names::Eq_close, true}),
      variant_((addWidgets(), tree.get(names::Eq_Variant))) {
    coefficients_ = {&tree_.get<Edit>(names::Eq_e1), &tree_.get<Edit>(names::eq_e2),
                     &tree_.get<Edit>(names::Eq_e3), &tree_.get<Edit>(names::Eq_e4)};
    coefficientLabels_ = {&tree_.get(names::Eq_l1), &tree_.get(names::Eq_l2), &tree_.get(names::Eq_l3),
                          &tree_.get(names::Eq_l4)};
    roots_ = {&tree_.get<Edit>(names::Eq_X1), &tree_.get<Edit>(names::Eq_X2), &tree_.get<Edit>(names::Eq_X3),
              &tree_.get<Edit>(names::Eq_X4)};
    rootLabels_ = {&tree_.get(names::le1), &tree_.get(names::le2), &tree_.get(names::le3),
                   &tree_.get(names::le4)};
    // The equation the window starts with: (x+2)(x+3).
    const char* const start[] = {"1", "5", "6", ""};
    for (size_t k = 0; k < 4; ++k)
        coefficients_[k]->text = start[k];
    showKind();
    tree_.onClick(names::eq1, [this] { choose(EquationKind::Quadratic); });
    tree_.onClick(names::eq2, [this] { choose(EquationKind::Cubic); });
    tree_.onClick(names::eq3, [this] { choose(EquationKind::Biquadratic); });
    tree_.onClick(names::Eq_Run, [this] { Eq_RunClick(); });
}

// Geometry in pixels, relative to the parent. Along the top, inside `eq_g`,
// the kinds in a row, and under them the inputs beside the results; the memo
// takes the page's width below, the buttons under its right end. `eq_g` stays
// clear of the memo and the buttons so that it never lies over them. It has
// no caption, but Qt keeps room for one at its top, so its first child starts
// below that.
void EquationTab::addWidgets() {
    tree_.addPlain(WidgetKind::GroupBox, names::eq_g, names::Eq, "", {4, 2, 764, 228});

    // An empty frame drawn round the radio buttons, which belong to `eq_g` so
    // that they form one group.
    tree_.addPlain(WidgetKind::RadioGroup, names::EQG, names::eq_g, "Виберіть рівняння", {8, 18, 748, 52});
    const char* kinds[][2] = {
        {names::eq1, "Квадратне"}, {names::eq2, "Кубічне"}, {names::eq3, "Біквадратне"}};
    for (int k = 0; k < 3; ++k) {
        auto& radio = tree_.add<RadioButton>(kinds[k][0], names::eq_g);
        radio.caption = kinds[k][1];
        radio.geometry = {24 + 248 * k, 38, 232, 26};
    }
    tree_.get<RadioButton>(names::eq1).checked = true;

    // The coefficients two to a row: A and B, then C and D.
    tree_.addPlain(WidgetKind::GroupBox, names::Eq_i, names::eq_g, "Введіть дані", {8, 74, 372, 146});
    Widget& variant =
        tree_.addPlain(WidgetKind::Label, names::Eq_Variant, names::Eq_i, kForms[0], {16, 22, 340, 40});
    variant.look = {true, 28, kNavy, 0};
    const char* coefficients[][3] = {{names::Eq_l1, "A=", names::Eq_e1},
                                     {names::Eq_l2, "B=", names::eq_e2},
                                     {names::Eq_l3, "C=", names::Eq_e3},
                                     {names::Eq_l4, "D=", names::Eq_e4}};
    for (int k = 0; k < 4; ++k) {
        const int x = 16 + 178 * (k % 2), y = 68 + 38 * (k / 2);
        tree_.addPlain(WidgetKind::Label, coefficients[k][0], names::Eq_i, coefficients[k][1], {x, y, 36, 28});
        tree_.add<Edit>(coefficients[k][2], names::Eq_i).geometry = {x + 40, y, 124, 28};
    }

    tree_.addPlain(WidgetKind::GroupBox, names::Eq_rez, names::eq_g, "Результат", {384, 74, 372, 146});
    const char* roots[][3] = {{names::le1, "X[1]=", names::Eq_X1},
                              {names::le2, "X[2]=", names::Eq_X2},
                              {names::le3, "X[3]=", names::Eq_X3},
                              {names::le4, "X[4]=", names::Eq_X4}};
    for (int k = 0; k < 4; ++k) {
        const int y = 22 + 30 * k;
        tree_.addPlain(WidgetKind::Label, roots[k][0], names::Eq_rez, roots[k][1], {16, y, 56, 28});
        tree_.add<Edit>(roots[k][2], names::Eq_rez).geometry = {76, y, 284, 28};
    }

    frame_.memo.geometry = {4, 236, 784, 314};
    frame_.compute.geometry = {412, 556, 120, 32};
    frame_.save.geometry = {540, 556, 120, 32};
    frame_.exit.geometry = {668, 556, 120, 32};
}

void EquationTab::showKind() {
    for (size_t k = 0; k < 4; ++k) {
        coefficients_[k]->visible = coefficientLabels_[k]->visible = k < coefficientCount();
        roots_[k]->visible = rootLabels_[k]->visible = k < rootCount();
    }
    variant_.caption = kForms[Index(kind_)];
}

// Choosing another kind keeps the coefficients as typed: a student who has
// typed an equation and then picks its kind must not type it again. D, which
// only the cubic has, waits hidden while another kind is shown and comes back
// with the cubic. The roots of the kind left are cleared, as they belong to
// another equation; the memo keeps the last solution, as the other tabs'
// memos do on a task change.
void EquationTab::choose(EquationKind kind) {
    if (kind == kind_) return;
    if (kind_ == EquationKind::Cubic) cubicD_ = coefficients_[3]->text;
    kind_ = kind;
    coefficients_[3]->text = kind_ == EquationKind::Cubic ? cubicD_ : "";
    showKind();
    for (Edit* root : roots_)
        root->text.clear();
}

} // namespace tc
