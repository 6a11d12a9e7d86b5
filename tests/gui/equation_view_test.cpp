// SPDX-License-Identifier: GPL-3.0-or-later
// The Eq tab in the real window: the kind buttons, the message box they show
// and the inputs they hide, and a computation shown in the fields and memo.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

// A radio button takes clicks on its circle and its caption only, so the
// click goes where a user aims: at the circle.
void ClickRadio(QRadioButton* r) {
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(8, r->height() / 2));
}

const char* const kInputs[] = {"Eq_e1", "eq_e2", "Eq_e3", "Eq_l1", "Eq_l2", "Eq_l3", "Eq_Variant"};

} // namespace

class EquationViewTest : public QObject {
    Q_OBJECT

private slots:
    void each_kind_shows_its_inputs_and_the_typed_coefficients_stay() {
        ModalWatchdog watchdog;
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QAction>(view.get(), "N5")->trigger();
        QCOMPARE(Find<QTabWidget>(view.get(), "Matem")->currentIndex(), 5);
        auto* eq1 = Find<QRadioButton>(view.get(), "eq1");
        auto* eq2 = Find<QRadioButton>(view.get(), "eq2");
        QVERIFY(eq1->isChecked());
        for (const char* name : kInputs)
            QVERIFY2(Find<QWidget>(view.get(), name)->isVisible(), name);
        QVERIFY(!Find<QWidget>(view.get(), "Eq_e4")->isVisible());
        Find<QLineEdit>(view.get(), "Eq_e1")->setText("4");
        QTest::keyClick(Find<QLineEdit>(view.get(), "Eq_e1"), Qt::Key_5); // the model hears typed text

        ClickRadio(eq2);
        QVERIFY(log.messages.isEmpty());
        QVERIFY(eq2->isChecked());
        QVERIFY(!eq1->isChecked());
        for (const char* name : {"Eq_e4", "Eq_l4", "Eq_X3", "le3"})
            QVERIFY2(Find<QWidget>(view.get(), name)->isVisible(), name);
        QVERIFY(!Find<QWidget>(view.get(), "Eq_X4")->isVisible());
        QCOMPARE(Find<QLabel>(view.get(), "Eq_Variant")->text(), QString("A*x^3+B*x^2+C*x+D=0"));
        // The coefficients typed stay; D, the cubic's own, shows its start value.
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_e1")->text(), QString("45"));
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_e4")->text(), QString("-6"));

        // (x-1)(x-2)(x-3): three real roots in the three fields.
        const char* const cubic[][2] = {{"Eq_e1", "1"}, {"eq_e2", "-6"}, {"Eq_e3", "11"}};
        for (const auto& [name, text] : cubic) {
            auto* field = Find<QLineEdit>(view.get(), name);
            field->selectAll();
            QTest::keyClicks(field, text);
        }
        QTest::mouseClick(Find<QWidget>(view.get(), "Eq_Run"), Qt::LeftButton);
        QVERIFY(log.errors.isEmpty());
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_X1")->text(), QString("3"));
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_X2")->text(), QString("1"));
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_X3")->text(), QString("2"));
        const QString cubicSolution = Find<QPlainTextEdit>(view.get(), "Eq_M")->toPlainText();

        ClickRadio(eq1);
        QVERIFY(log.messages.isEmpty());
        for (const char* name : kInputs)
            QVERIFY2(Find<QWidget>(view.get(), name)->isVisible(), name);
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_e1")->text(), QString("1"));
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_e3")->text(), QString("11"));
        QVERIFY(!Find<QWidget>(view.get(), "Eq_X3")->isVisible());
        QVERIFY(Find<QLineEdit>(view.get(), "Eq_X1")->text().isEmpty());
        // The memo keeps the last solution; only the roots of the kind left go.
        QVERIFY(!cubicSolution.isEmpty());
        QCOMPARE(Find<QPlainTextEdit>(view.get(), "Eq_M")->toPlainText(), cubicSolution);
    }

    // Every kind's widgets lie uncut and uncovered in each shipped language,
    // with the widest root texts each kind writes.
    void lays_out_every_kind_uncut_and_uncovered() {
        ModalWatchdog watchdog;
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QVERIFY(log.startErrors.isEmpty());
        Find<QAction>(view.get(), "N5")->trigger();
        auto* page = Find<QWidget>(view.get(), "Eq");
        const std::pair<const char*, QStringList> cases[] = {{"eq1", {"-3", "-1.5", "7.25"}},
                                                             {"eq2", {"-3.5", "1.25", "-7.125", "11.0625"}},
                                                             {"eq3", {"-2.5", "1.75", "-9.125"}}};
        const char* const fields[] = {"Eq_e1", "eq_e2", "Eq_e3", "Eq_e4"};
        for (const char* language : {"N23", "N24", "N25"}) {
            Find<QAction>(view.get(), language)->trigger();
            for (const auto& [kind, coefficients] : cases) {
                ClickRadio(Find<QRadioButton>(view.get(), kind));
                for (int k = 0; k < coefficients.size(); ++k) {
                    auto* e = Find<QLineEdit>(view.get(), fields[k]);
                    e->selectAll();
                    QTest::keyClicks(e, coefficients[k]);
                }
                QTest::mouseClick(Find<QWidget>(view.get(), "Eq_Run"), Qt::LeftButton);
                QVERIFY(log.errors.isEmpty());
                QVERIFY2(!Find<QLineEdit>(view.get(), "Eq_X2")->text().isEmpty(), kind);
                CheckPlacement(page);
                CheckTextsFit(page);
            }
        }
    }

    void computing_fills_the_root_fields_and_the_memo() {
        ModalWatchdog watchdog;
        BoxLog log;
        auto view = MakeWindow(log, ',');
        Find<QAction>(view.get(), "N5")->trigger();
        auto* a = Find<QLineEdit>(view.get(), "Eq_e1");
        a->clear();
        QTest::keyClicks(a, "0,5");
        QTest::mouseClick(Find<QWidget>(view.get(), "Eq_Run"), Qt::LeftButton);
        QVERIFY(log.errors.isEmpty());
        // 0.5x^2 + 5x + 6 = 0: x = -5 +- sqrt(13)
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_X1")->text(), QString("-1,3944487"));
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_X2")->text(), QString("-8,6055513"));
        const QStringList lines = ShownMemoLines(view.get(), "Eq_M");
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[1], QString("0,5*x^2+5*x+6=0"));
        QCOMPARE(lines[6], QString("D=5*5-4*0,5*6=13"));
    }
};

QTEST_MAIN(EquationViewTest)
#include "equation_view_test.moc"
