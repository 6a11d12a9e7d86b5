// Eq_RunClick: the quadratic equation solved and written out step by step.

#include "calc/equation/double_value.h"
#include "calc/equation/equation_tab.h"
#include "calc/equation/quadratic_text.h"

namespace tc {

namespace {

const std::string kSpaces11(11, ' ');

} // namespace

void EquationTab::Eq_RunClick() {
    Memo& m = frame_.memo;
    m.clear();
    tree_.get<Edit>("Eq_X1").text.clear();
    tree_.get<Edit>("Eq_X2").text.clear();
    if (!tree_.get<RadioButton>("eq1").checked) return;

    const Numbers& n = env_.nums;
    const std::string& textA = tree_.get<Edit>("Eq_e1").text;
    const std::string& textB = tree_.get<Edit>("eq_e2").text;
    const std::string& textC = tree_.get<Edit>("Eq_e3").text;
    // All three are read before a zero leading coefficient is answered.
    const double a = StoreDouble(n.read(textA));
    const double b = StoreDouble(n.read(textB));
    const double c = StoreDouble(n.read(textC));
    if (a == 0) {
        env_.host.showMessage(env_.messages(67));
        return;
    }

    m.add("***    " + env_.messages(68) + "   ***");
    m.add(textA + "*x^2+" + textB + "*x+ " + textC + "=0");
    m.add(kSpaces11);
    m.add(env_.messages(69));
    m.add("              D=b*b-4*a*c");
    m.add(kSpaces11);
    m.add(DiscriminantText(n, a, b, c));
    m.add(kSpaces11);

    // The case goes by the sign of the discriminant as computed. Kept as a
    // double it would read 0 whenever it lies nearer to 0 than any double:
    // two roots of different sign would be shown as one double root, and
    // complex roots would fail on the square root of a negative number.
    // Every number shown is computed again from the coefficients.
    const Ext d = Discriminant(a, b, c);
    if (d > 0.0L)
        writeRealRoots(a, b, c);
    else if (d == 0.0L)
        writeDoubleRoot(a, b, c);
    else
        writeComplexRoots(a, b, c);
}

void EquationTab::writeRealRoots(double a, double b, double c) {
    const Numbers& n = env_.nums;
    Memo& m = frame_.memo;
    m.add(env_.messages(70));
    m.add(env_.messages(71));
    m.add("");
    m.add("X[1]=(-b+sqrt(D))/(2*a)=" + RealRootText(n, '+', a, b, c));
    m.add("X[2]=(-b-sqrt(D))/(2*a)=" + RealRootText(n, '-', a, b, c));
    const Ext root = Sqrt(Discriminant(a, b, c));
    tree_.get<Edit>("Eq_X1").text = n.general((-Ext(b) + root) / (2.0L * Ext(a)), 8);
    tree_.get<Edit>("Eq_X2").text = n.general((-Ext(b) - root) / (2.0L * Ext(a)), 8);
}

void EquationTab::writeDoubleRoot(double a, double b, double c) {
    const Numbers& n = env_.nums;
    Memo& m = frame_.memo;
    m.add(env_.messages(72));
    m.add(env_.messages(73));
    m.add(kSpaces11);
    m.add("X[1]=(-b)/(2*a)=" + RealRootText(n, '+', a, b, c));
    m.add("X[2]=(-b)/(2*a)=" + RealRootText(n, '-', a, b, c));
    const std::string root = n.general(-Ext(b) / (2.0L * Ext(a)), 5);
    tree_.get<Edit>("Eq_X1").text = root;
    tree_.get<Edit>("Eq_X2").text = root;
}

void EquationTab::writeComplexRoots(double a, double b, double c) {
    const Numbers& n = env_.nums;
    Memo& m = frame_.memo;
    m.add(env_.messages(74));
    m.add(env_.messages(75));
    m.add(kSpaces11);
    m.add("X[1]=(-b+sqrt(-D)*i)/(2*a)=" + ComplexRootText(n, '+', a, b, c));
    m.add("X[2]=(-b-sqrt(-D)*i)/(2*a)=" + ComplexRootText(n, '-', a, b, c));
    const Ext s = Sqrt(NegatedDiscriminant(a, b, c));
    const std::string re = n.general(-Ext(b) / (2.0L * Ext(a)), 5);
    const std::string im = n.general(s / (2.0L * Ext(a)), 5);
    tree_.get<Edit>("Eq_X1").text = re + "+" + im + "*i";
    tree_.get<Edit>("Eq_X2").text = re + "-" + im + "*i";
}

} // namespace tc
