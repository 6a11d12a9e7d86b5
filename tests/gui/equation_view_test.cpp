// The Eq tab in the real window: the kind buttons, the message box they show
// and the inputs they hide, and a computation shown in the fields and memo.

#include <QAction>
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
    void choosing_the_cubic_kind_shows_a_message_and_hides_the_inputs() {
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
        Find<QLineEdit>(view.get(), "Eq_e1")->setText("4");
        QTest::keyClick(Find<QLineEdit>(view.get(), "Eq_e1"), Qt::Key_5); // the model hears typed text

        // The box comes while the handler runs: the new kind is already shown
        // checked, the inputs are still there.
        bool checkedDuringBox = false, inputsDuringBox = false;
        view->hooks.message = [&](const QString& text) {
            log.messages << text;
            checkedDuringBox = eq2->isChecked() && !eq1->isChecked();
            inputsDuringBox = Find<QWidget>(view.get(), "Eq_e1")->isVisible();
        };
        ClickRadio(eq2);
        QCOMPARE(log.messages.size(), 1);
        QVERIFY(checkedDuringBox);
        QVERIFY(inputsDuringBox);
        QVERIFY(log.errors.isEmpty());
        for (const char* name : kInputs)
            QVERIFY2(!Find<QWidget>(view.get(), name)->isVisible(), name);
        QVERIFY(eq2->isChecked());
        QVERIFY(!eq1->isChecked());

        // Clicking the checked kind again does not uncheck it.
        ClickRadio(eq2);
        QCOMPARE(log.messages.size(), 2);
        QVERIFY(eq2->isChecked());

        QTest::mouseClick(Find<QWidget>(view.get(), "Eq_Run"), Qt::LeftButton);
        QVERIFY(Find<QPlainTextEdit>(view.get(), "Eq_M")->toPlainText().isEmpty());

        ClickRadio(eq1);
        QCOMPARE(log.messages.size(), 2);
        for (const char* name : kInputs)
            QVERIFY2(Find<QWidget>(view.get(), name)->isVisible(), name);
        QCOMPARE(Find<QLineEdit>(view.get(), "Eq_e1")->text(), QString("45"));
        QVERIFY(!Find<QWidget>(view.get(), "Eq_X3")->isVisible());
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
        QCOMPARE(lines[1], QString("0,5*x^2+5*x+ 6=0"));
        QCOMPARE(lines[6], QString("D=5*5-4*0,5*6=13"));
    }
};

QTEST_MAIN(EquationViewTest)
#include "equation_view_test.moc"
