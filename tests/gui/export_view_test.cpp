// SPDX-License-Identifier: GPL-3.0-or-later
// Handing in a solution from the window: the page of every tab read back as
// XML, the PDF document and the printout made offscreen, and copying.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QPrinter>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "export/paper_lines.h"
#include "export/solution_page.h"
#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

// What a page holds, read as XML.
struct ReadPage {
    QString error;
    QString lang;
    QString pre;
    QStringList cells; // every table cell, in order
    int formulas = 0;  // typeset formulas in the solution
};

ReadPage Parse(const QByteArray& html) {
    ReadPage page;
    QXmlStreamReader xml(html);
    QString* into = nullptr;
    QString cell;
    // Inside a formula only its annotation, the formula as written, is text.
    bool inMath = false, inAnnotation = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("html")) page.lang = xml.attributes().value("lang").toString();
            if (xml.name() == QLatin1String("pre")) into = &page.pre;
            if (xml.name() == QLatin1String("td") || xml.name() == QLatin1String("th")) into = &cell;
            if (xml.name() == QLatin1String("math")) inMath = true;
            if (xml.name() == QLatin1String("annotation")) {
                inAnnotation = true;
                page.formulas++;
            }
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("annotation")) inAnnotation = false;
            if (xml.name() == QLatin1String("math")) inMath = false;
            if (xml.name() == QLatin1String("td") || xml.name() == QLatin1String("th")) page.cells << cell;
            if (xml.name() == QLatin1String("td") || xml.name() == QLatin1String("th") ||
                xml.name() == QLatin1String("pre")) {
                cell.clear();
                into = nullptr;
            }
        } else if (xml.isCharacters() && into && (!inMath || inAnnotation)) {
            *into += xml.text();
        }
    }
    if (xml.hasError()) page.error = xml.errorString() + " at line " + QString::number(xml.lineNumber());
    return page;
}

struct TabCase {
    int tab;
    const char* compute;
    const char* save;
    const char* memo;
    // Where the typed text goes after the computation: a grid's cell (1, 1) or a field.
    const char* grid;
    const char* field;
};

const TabCase kTabs[] = {
    {0, "CBut1", "CV_Save", "Vec_M", "Vec_Table", nullptr},
    {1, "Mat_But", "M_Save", "MAT_M", "Mat1", nullptr},
    {2, "CTr_But", "CRecord3", "TM", nullptr, "ax"},
    {3, "CP_But", "CP_Save", "Tet_M", "Piram", nullptr},
    {4, "CRun", "CS_Save", "SLA", "SLAE", nullptr},
    {5, "Eq_Run", "Eq_Save", "Eq_M", nullptr, "Eq_e1"},
};

} // namespace

class ExportViewTest : public QObject {
    Q_OBJECT

private slots:
    void every_tab_saves_a_well_formed_page_with_its_solution_and_the_typed_text_escaped() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        tc::MainWindow& model = view->model();
        for (const TabCase& t : kTabs) {
            model.setTab(t.tab);
            model.click(t.compute);
            // The page shows the inputs as they are now, the solution as it was written.
            if (t.grid) model.setCell(t.grid, 1, 1, "<&>");
            if (t.field) model.setText(t.field, "<&>");
            const QString name = QString("tab%1.html").arg(t.tab);
            log.saveAnswers.push_back(name);
            model.click(t.save);
            QVERIFY2(log.errors.isEmpty(), qPrintable(log.errors.join("; ")));

            const QByteArray html = Bytes(name);
            const ReadPage page = Parse(html);
            QVERIFY2(page.error.isEmpty(), qPrintable(name + ": " + page.error));
            QCOMPARE(page.lang, QString("uk"));
            QString expected = "\n";
            const std::vector<std::string>& lines = model.widgets().get<tc::Memo>(t.memo).lines;
            QVERIFY2(lines.size() > 3, t.memo);
            for (const std::string& line : lines)
                expected += tc::gui::Q(line) + "\n";
            QCOMPARE(page.pre, expected);
            QVERIFY2(page.formulas > 3, qPrintable(name));
            QVERIFY2(page.cells.contains("<&>"), qPrintable(name));
            QVERIFY(html.contains("&lt;&amp;&gt;"));
            QVERIFY(!html.contains("<&>"));
        }
    }

    void a_pdf_document_is_a4_with_its_fonts_and_the_cyrillic_text() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        view->model().menu("N24"); // Russian
        view->model().click("Eq_Run");
        log.saveAnswers.push_back(QString("рішення.PDF"));
        view->model().click("Eq_Save");
        QVERIFY2(log.errors.isEmpty(), qPrintable(log.errors.join("; ")));
        const QByteArray pdf = Bytes("рішення.PDF");
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains("/FontFile"));
        QVERIFY(!QFile::exists("рішення.PDF.txt"));
        const QString reader = QStandardPaths::findExecutable("pdftotext");
        if (reader.isEmpty()) QSKIP("pdftotext is not installed: the text is not read back");
        QProcess run;
        run.start(reader, {"-layout", "рішення.PDF", "-"});
        QVERIFY(run.waitForFinished(30000));
        const QString text = QString::fromUtf8(run.readAllStandardOutput());
        QVERIFY2(text.contains(QString::fromUtf8("Решение")), qPrintable(text));
        QVERIFY2(text.contains("D=5*5-4*1*6=1"), qPrintable(text));
        QVERIFY2(text.contains("X[2]=(-b-sqrt(D))/(2*a)=(-5-1)/(2*1)=-3"), qPrintable(text));
        // A4 is 595 by 842 points.
        QVERIFY(pdf.contains("/MediaBox [0 0 595"));
    }

    // Long solutions on paper: every line is there, wrapped only after an
    // operator (so no line is cut at the margin and no number broken), and a
    // triangle takes two pages at most.
    void a_long_solution_on_paper_keeps_every_line_and_number_whole() {
        const QString reader = QStandardPaths::findExecutable("pdftotext");
        if (reader.isEmpty()) QSKIP("pdftotext is not installed: the text is not read back");
        struct Case {
            int tab;
            const char *compute, *save, *memo;
            int pages;
        };
        int wrapped = 0;
        for (const Case& c :
             {Case{2, "CTr_But", "CRecord3", "TM", 2}, Case{3, "CP_But", "CP_Save", "Tet_M", 6}}) {
            BoxLog log;
            auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
            view->model().setTab(c.tab);
            // Coordinates with decimals make the tetrahedron's longest lines
            // longer than the page is wide.
            const char* const kCoordinates[4][3] = {{"7.1234", "-2.5678", "-3.9012"},
                                                    {"-4.3456", "2.7891", "1.2345"},
                                                    {"2.6789", "4.0123", "6.4567"},
                                                    {"3.8901", "2.2345", "-5.6789"}};
            if (c.tab == 3)
                for (int v = 0; v < 4; ++v)
                    for (int k = 0; k < 3; ++k)
                        view->model().setCell("Piram", v + 1, k + 1, kCoordinates[v][k]);
            view->model().click(c.compute);
            const QString name = QString("long%1.pdf").arg(c.tab);
            log.saveAnswers.push_back(name);
            view->model().click(c.save);
            QVERIFY2(log.errors.isEmpty(), qPrintable(log.errors.join("; ")));
            QProcess run;
            run.start(reader, {"-layout", name, "-"});
            QVERIFY(run.waitForFinished(30000));
            QSet<QString> shown;
            for (QString line : QString::fromUtf8(run.readAllStandardOutput()).split('\n'))
                shown.insert(line.remove(' ').remove('\f'));
            for (const std::string& line :
                 tc::PageLines(view->model().widgets().get<tc::Memo>(c.memo).lines)) {
                const std::vector<std::string> pieces = tc::WrapLine(line, '.', tc::kPaperColumns);
                wrapped += pieces.size() > 1;
                for (const std::string& piece : pieces) {
                    const QString bare = tc::gui::Q(piece).remove(' ');
                    QVERIFY2(bare.isEmpty() || shown.contains(bare), qPrintable(tc::gui::Q(line)));
                }
            }
            const qsizetype pages = Bytes(name).count("/Type /Page\n") + Bytes(name).count("/Type /Page ");
            QVERIFY2(pages >= 1 && pages <= c.pages, qPrintable(QString::number(pages)));
        }
        QVERIFY(wrapped > 5); // the tetrahedron's longest lines
    }

    void the_triangle_document_holds_the_figure_as_a_picture() {
        BoxLog log;
        auto view = MakeWindow(log);
        view->model().click("CTr_But");
        log.saveAnswers.push_back(QString("triangle.pdf"));
        view->model().click("CRecord3");
        QVERIFY2(log.errors.isEmpty(), qPrintable(log.errors.join("; ")));
        QVERIFY(Bytes("triangle.pdf").contains("/Subtype /Image"));
    }

    void ctrl_p_prints_the_page_of_the_tab_in_front() {
        BoxLog log;
        auto view = MakeWindow(log);
        view->model().setMemo("TM", {"Трикутник ABC"});
        view->model().setTab(2);
        view->refresh();
        QString printedTo;
        view->hooks.print = [&printedTo](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName("printed.pdf");
            printedTo = printer.outputFileName();
            return true;
        };
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        QTest::keyClick(view.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printedTo, QString("printed.pdf"));
        QVERIFY(Bytes("printed.pdf").startsWith("%PDF"));
        QVERIFY(log.errors.isEmpty());

        // The job (and a file printed to) is named for the tab and its task.
        QString job;
        view->hooks.print = [&job](QPrinter& printer) {
            job = printer.docName();
            return false;
        };
        view->model().setTab(0);
        view->refresh();
        QTest::keyClick(view.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY2(job.startsWith(QString::fromUtf8("Вектори - ")) && !job.contains(':'), qPrintable(job));
    }

    void ctrl_shift_c_copies_the_solution_and_ctrl_c_a_grids_selection() {
        BoxLog log;
        auto view = MakeWindow(log);
        view->model().setMemo("Vec_M", {"A(1;2)", "  |A|=5"});
        view->model().setCell("Vec_Table", 2, 1, "2.5");
        view->refresh();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("A(1;2)\n  |A|=5"));

        auto* grid = Find<QTableView>(view.get(), "Vec_Table");
        QAbstractItemModel* cells = grid->model();
        grid->setFocus();
        grid->selectionModel()->select(QItemSelection(cells->index(1, 1), cells->index(2, 2)),
                                       QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const auto cell = [cells](int r, int c) { return cells->index(r, c).data().toString(); };
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 cell(1, 1) + "\t2.5\n" + cell(2, 1) + "\t" + cell(2, 2) + "\n");
    }

    void init() { QVERIFY(workspace_.enter()); }
    void cleanup() { workspace_.leave(); }

private:
    Workspace workspace_;
};

QTEST_MAIN(ExportViewTest)
#include "export_view_test.moc"
