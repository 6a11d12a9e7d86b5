// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-in module is found beside the program or where an install puts it;
// a missing one is reported by name, and once found it serves every hand-in.
// This test does without the window fixture: the module's build folder is
// only named to the loader after the failure has been seen.

#include <QPainter>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "handin/hand_in.h"
#include "base/failure.h"

class HandInTest : public QObject {
    Q_OBJECT

private slots:
    void a_missing_module_is_named_and_a_found_one_serves() {
        try {
            tc::gui::LoadHandIn();
            QFAIL("the module was found where the tests do not keep it");
        } catch (const tc::Failure& f) {
            QVERIFY(f.message().find("tovrincalc-handin") != std::string::npos);
        }
        tc::gui::AddHandInFolder(QStringLiteral(TOVRIN_HANDIN_DIR));
        const tc::gui::HandIn& handIn = tc::gui::LoadHandIn();
        QCOMPARE(&tc::gui::LoadHandIn(), &handIn);

        QTemporaryDir dir;
        bool painted = false;
        const QString path = dir.filePath("square.svg");
        QVERIFY(handIn.svg(path, "A square", QSize(40, 30), [&painted](QPainter& p) {
            p.drawRect(5, 5, 20, 20);
            painted = true;
        }));
        QVERIFY(painted);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains("<svg") && svg.contains("A square"));
        QVERIFY(!handIn.svg(dir.filePath("no/such/folder/x.svg"), "x", QSize(4, 4), [](QPainter&) {}));
    }
};

QTEST_MAIN(HandInTest)
#include "hand_in_test.moc"
