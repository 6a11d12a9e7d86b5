#include "calc/equation/equation_tab.h"

#include "widgets/names.h"

namespace tc {

namespace {

constexpr unsigned kNavy = 0x000080;

// The coefficient inputs and the equation label: hidden together when the
// cubic or biquadratic kind is chosen, shown together for the quadratic one.
const char* const kInputs[] = {names::Eq_e1, names::eq_e2, names::Eq_e3,     names::Eq_l1,
                               names::Eq_l2, names::Eq_l3, names::Eq_Variant};

} // namespace

EquationTab::EquationTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(AddTabFrame(tree, {"Eq", "Eq", "Eq_M", "Eq_Run", "Eq_Save", "Зберегти", "Eq_close", true})),
      quadratic_((addWidgets(), tree.get<RadioButton>(names::eq1))) {
    coefficients_ = {&tree_.get<Edit>(names::Eq_e1), &tree_.get<Edit>(names::eq_e2),
                     &tree_.get<Edit>(names::Eq_e3)};
    roots_ = {&tree_.get<Edit>(names::Eq_X1), &tree_.get<Edit>(names::Eq_X2), &tree_.get<Edit>(names::Eq_X3)};
    tree_.onClick(names::eq1, [this] { eq1Click(); });
    tree_.onClick(names::eq2, [this] { eq2Click(); });
    tree_.onClick(names::eq3, [this] { eq3Click(); });
    tree_.onClick(names::Eq_Run, [this] { Eq_RunClick(); });
}

// Geometry in pixels, relative to the parent. The left column holds the kind,
// the inputs and the results inside `eq_g`; the memo fills the right half and
// the buttons sit below the column. `eq_g` stays clear of the memo and the
// buttons so that it never lies over them.
void EquationTab::addWidgets() {
    frame_.memo.geometry = {400, 8, 384, 576};

    tree_.addPlain(WidgetKind::GroupBox, "eq_g", "Eq", "", {4, 2, 388, 542});

    // An empty frame drawn round the radio buttons, which belong to `eq_g` so
    // that they form one group.
    tree_.addPlain(WidgetKind::RadioGroup, "EQG", "eq_g", "Виберіть рівняння", {8, 8, 372, 124});
    const char* kinds[][2] = {{"eq1", "Квадратне"}, {"eq2", "Кубічне"}, {"eq3", "Біквадратне"}};
    for (int k = 0; k < 3; ++k) {
        auto& radio = tree_.add<RadioButton>(kinds[k][0], "eq_g");
        radio.caption = kinds[k][1];
        radio.geometry = {24, 36 + 30 * k, 240, 26};
    }
    tree_.get<RadioButton>("eq1").checked = true;

    tree_.addPlain(WidgetKind::GroupBox, "Eq_i", "eq_g", "Введіть дані", {8, 142, 372, 214});
    Widget& variant =
        tree_.addPlain(WidgetKind::Label, "Eq_Variant", "Eq_i", "A*x^2+B*x+C=0", {16, 30, 340, 40});
    variant.look = {true, 28, kNavy, 0};
    const char* coefficients[][4] = {
        {"Eq_l1", "A=", "Eq_e1", "1"}, {"Eq_l2", "B=", "eq_e2", "5"}, {"Eq_l3", "C=", "Eq_e3", "6"}};
    for (int k = 0; k < 3; ++k) {
        const int y = 86 + 40 * k;
        tree_.addPlain(WidgetKind::Label, coefficients[k][0], "Eq_i", coefficients[k][1], {16, y, 36, 28});
        auto& edit = tree_.add<Edit>(coefficients[k][2], "Eq_i");
        edit.geometry = {56, y, 200, 28};
        edit.text = coefficients[k][3];
    }

    tree_.addPlain(WidgetKind::GroupBox, "Eq_rez", "eq_g", "Результат", {8, 366, 372, 166});
    const char* roots[][3] = {
        {"le1", "X[1]=", "Eq_X1"}, {"le2", "X[2]=", "Eq_X2"}, {"le3", "X[3]=", "Eq_X3"}};
    for (int k = 0; k < 3; ++k) {
        const int y = 34 + 40 * k;
        Widget& label =
            tree_.addPlain(WidgetKind::Label, roots[k][0], "Eq_rez", roots[k][1], {16, y, 56, 28});
        auto& edit = tree_.add<Edit>(roots[k][2], "Eq_rez");
        edit.geometry = {76, y, 280, 28};
        // The third root is there for the cubic kind, which is never solved.
        label.visible = edit.visible = k < 2;
    }

    frame_.compute.geometry = {8, 552, 120, 32};
    frame_.save.geometry = {140, 552, 120, 32};
    frame_.exit.geometry = {272, 552, 120, 32};
}

void EquationTab::showInputs(bool shown) {
    for (const char* name : kInputs)
        tree_.get(name).visible = shown;
}

void EquationTab::eq1Click() {
    tree_.get(names::le3).visible = false;
    roots_[2]->visible = false;
    showInputs(true);
}

void EquationTab::eq2Click() {
    env_.host.showMessage(env_.messages(Line::msg76_not_solved_yet));
    showInputs(false);
}

} // namespace tc
