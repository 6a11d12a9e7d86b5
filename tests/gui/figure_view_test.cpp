// SPDX-License-Identifier: GPL-3.0-or-later
// The figure window: opened from the tabs, following the active tab and each
// computation, painting the vertices where its projection puts them, turning,
// zooming, highlighting and saving the picture.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <filesystem>

#include "drawing/figure_canvas.h"
#include "drawing/figure_window.h"
#include "gui_fixture.h"
#include "save_dialog.h"

using namespace tc::gui::test;
using tc::gui::FigureCanvas;
using tc::gui::FigureWindow;

namespace {

void ShowTab(tc::gui::MainView* view, int index) {
    Find<QTabWidget>(view, "Matem")->setCurrentIndex(index);
}

void Click(tc::gui::MainView* view, const char* button) {
    QTest::mouseClick(Find<QPushButton>(view, button), Qt::LeftButton);
}

// How far two colours are apart, channel by channel.
int Distance(const QColor& a, const QColor& b) {
    return std::max(
        {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

} // namespace

class FigureViewTest : public QObject {
    Q_OBJECT

private slots:
    void one_window_follows_the_active_tab_and_each_computation() {
        BoxLog log;
        auto view = MakeWindow(log);
        QVERIFY(!view->figureWindow());
        ShowTab(view.get(), 2);
        Click(view.get(), "Tr_Figure");
        FigureWindow* window = view->figureWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::NonModal);
        QCOMPARE(window->canvas()->figure().note, std::string("Compute to see the figure."));

        Click(view.get(), "CTr_But");
        QCOMPARE(window->canvas()->figure().points.size(), 7u);
        QCOMPARE(window->highlightList()->count(), 4); // nothing, AM, AH, AK

        ShowTab(view.get(), 1);
        QCOMPARE(window->canvas()->figure().note, std::string("This tab has no figure."));
        QVERIFY(!window->highlightList()->isEnabled());
        ShowTab(view.get(), 3);
        Click(view.get(), "CP_But");
        QCOMPARE(window->canvas()->figure().dimensions, 3);
        QCOMPARE(window->canvas()->figure().segments.size(), 10u);

        // The menu item and the other tab's button bring back the same window.
        Find<QAction>(view.get(), "NFigure")->trigger();
        Click(view.get(), "Tet_Figure");
        QCOMPARE(view->figureWindow(), window);
        QVERIFY(log.errors.isEmpty());
    }

    void vertices_land_where_the_projection_puts_them() {
        BoxLog log;
        auto view = MakeWindow(log);
        ShowTab(view.get(), 2);
        Click(view.get(), "CTr_But");
        Click(view.get(), "Tr_Figure");
        FigureCanvas* canvas = view->figureWindow()->canvas();
        canvas->resize(420, 320);
        const QColor ink = canvas->palette().color(QPalette::Text);
        const QColor paper = canvas->palette().color(QPalette::Base);
        for (int tab : {2, 3}) {
            ShowTab(view.get(), tab);
            if (tab == 3) Click(view.get(), "CP_But");
            const QImage image = canvas->grab().toImage();
            const tc::gui::FigureProjection projection = canvas->projection();
            int vertices = 0;
            for (const tc::FigurePoint& p : canvas->figure().points) {
                if (p.role != tc::PointRole::Vertex) continue;
                ++vertices;
                const QPoint at = projection.map(p.at).toPoint();
                QVERIFY2(QRect(QPoint(), image.size() / image.devicePixelRatio()).contains(at),
                         p.label.c_str());
                const QColor shown = image.pixelColor(at * image.devicePixelRatio());
                QVERIFY2(Distance(shown, ink) < 40, p.label.c_str());
                QVERIFY(Distance(shown, paper) > 100);
            }
            QCOMPARE(vertices, tab == 2 ? 3 : 4);
        }
    }

    // A, B and A+B each in a colour of its own, none of them the ink.
    void the_arrows_of_a_vector_figure_differ_in_colour() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QAction>(view.get(), "N25")->trigger(); // addition
        Click(view.get(), "CBut1");
        Click(view.get(), "Vec_Figure");
        FigureCanvas* canvas = view->figureWindow()->canvas();
        canvas->resize(420, 320);
        const QImage image = canvas->grab().toImage();
        const tc::gui::FigureProjection projection = canvas->projection();
        std::vector<QColor> colors;
        for (const tc::FigureSegment& s : canvas->figure().segments) {
            const QPointF from = projection.map(canvas->figure().point(s.from)->at);
            const QPointF to = projection.map(canvas->figure().point(s.to)->at);
            colors.push_back(image.pixelColor(((from + to) / 2).toPoint() * image.devicePixelRatio()));
        }
        QCOMPARE(colors.size(), 3u);
        const QColor ink = canvas->palette().color(QPalette::Text);
        for (size_t i = 0; i < 3; ++i) {
            QVERIFY(Distance(colors[i], ink) > 60);
            QVERIFY(Distance(colors[i], colors[(i + 1) % 3]) > 60);
        }
    }

    void a_solid_turns_zooms_and_resets_and_a_pick_highlights() {
        BoxLog log;
        auto view = MakeWindow(log);
        ShowTab(view.get(), 3);
        Click(view.get(), "CP_But");
        Click(view.get(), "Tet_Figure");
        FigureWindow* window = view->figureWindow();
        FigureCanvas* canvas = window->canvas();
        const double yaw = canvas->view().yaw;
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 100));
        QMouseEvent drag(QEvent::MouseMove, QPointF(160, 110), canvas->mapToGlobal(QPointF(160, 110)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(canvas, &drag);
        QVERIFY(canvas->view().yaw > yaw);
        QWheelEvent wheel(QPointF(50, 50), canvas->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
        QVERIFY(canvas->view().zoom > 1.0);
        QTest::mouseClick(Find<QPushButton>(window, "FigureReset"), Qt::LeftButton);
        QCOMPARE(canvas->view().yaw, yaw);
        QCOMPARE(canvas->view().zoom, 1.0);

        QComboBox* list = window->highlightList();
        list->setCurrentIndex(list->findText("BCD"));
        const tc::Figure& shown = canvas->figure();
        QVERIFY(shown.faces[3].highlighted);
        QVERIFY(!shown.faces[0].highlighted);
        // A computation keeps the pick.
        Click(view.get(), "CP_But");
        QVERIFY(canvas->figure().faces[3].highlighted);
    }

    void the_picture_saves_as_png_and_svg_and_a_failed_save_is_reported() {
        BoxLog log;
        auto view = MakeWindow(log);
        ShowTab(view.get(), 2);
        Click(view.get(), "CTr_But");
        Click(view.get(), "Tr_Figure");
        FigureWindow* window = view->figureWindow();
        window->canvas()->resize(300, 200);
        QTemporaryDir dir;
        QStringList failed;
        window->showError = [&failed](const QString& path) { failed << path; };
        QString answer = dir.filePath("triangle");
        QString offered;
        window->askFileName = [&answer, &offered](const QString&, const QString& suggested) {
            offered = suggested;
            return std::optional<QString>(answer);
        };

        QTest::mouseClick(Find<QPushButton>(window, "FigurePng"), Qt::LeftButton);
        // Before any save the dialog offers the documents folder, with a name of the tab.
        const QFileInfo first(offered);
        QCOMPARE(first.absolutePath(), QFileInfo(tc::gui::DocumentsFolder()).absoluteFilePath());
        QVERIFY2(first.fileName().endsWith(".png") && !first.completeBaseName().isEmpty(), qPrintable(offered));
        QVERIFY(!first.fileName().contains(QRegularExpression("[*^:/]")));
        const QImage png(dir.filePath("triangle.png"));
        QVERIFY(!png.isNull());
        QVERIFY(png.width() >= 600);
        QTest::mouseClick(Find<QPushButton>(window, "FigureSvg"), Qt::LeftButton);
        // The next picture goes where the last one went.
        QCOMPARE(QFileInfo(offered).absoluteDir(), QDir(dir.path()));
        QCOMPARE(QFileInfo(offered).completeBaseName(), first.completeBaseName());
        QVERIFY(offered.endsWith(".svg"));
        QFile svg(dir.filePath("triangle.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.contains("<svg"));
        QVERIFY(text.contains("A(1; 1)"));
        QVERIFY(failed.isEmpty());

        answer = dir.filePath("no/such/folder/picture.svg");
        QTest::mouseClick(Find<QPushButton>(window, "FigureSvg"), Qt::LeftButton);
        QVERIFY(!window->savePng(dir.filePath("no/such/folder/picture.png")));
        QCOMPARE(failed.size(), 2);
    }

    // Lines and planes: the plane's patch is shaded, the points found are
    // marked where the projection puts them, the line ends and corners not.
    void the_space_figure_shades_planes_and_marks_the_points_found() {
        BoxLog log;
        auto view = MakeWindow(log);
        ShowTab(view.get(), 7);
        Click(view.get(), "Sp_Figure");
        FigureCanvas* canvas = view->figureWindow()->canvas();
        canvas->resize(420, 320);
        const QColor ink = canvas->palette().color(QPalette::Text);
        const QColor paper = canvas->palette().color(QPalette::Base);
        for (const char* task : {"NSp7", "NSp11", "NSp13"}) {
            Find<QAction>(view.get(), task)->trigger();
            Click(view.get(), "Sp_Run");
            const tc::Figure& f = canvas->figure();
            QVERIFY2(f.drawable(), task);
            const QImage image = canvas->grab().toImage();
            const tc::gui::FigureProjection projection = canvas->projection();
            for (const tc::FigurePoint& p : f.points) {
                const QPoint at = projection.map(p.at).toPoint();
                if (p.role != tc::PointRole::Vertex || !QRect(QPoint(), canvas->size()).contains(at)) continue;
                QVERIFY2(Distance(image.pixelColor(at * image.devicePixelRatio()), ink) < 40, p.label.c_str());
            }
            for (const tc::FigureFace& face : f.faces) {
                QPointF middle;
                for (const std::string& corner : face.points)
                    middle += projection.map(f.point(corner)->at) / static_cast<double>(face.points.size());
                // Off the middle, where the points found may be drawn.
                const QPointF inside = 0.6 * middle + 0.4 * projection.map(f.point(face.points[0])->at);
                const QColor shaded = image.pixelColor(inside.toPoint() * image.devicePixelRatio());
                QVERIFY2(Distance(shaded, paper) > 3, face.element.c_str());
            }
        }
        QVERIFY(log.errors.isEmpty());
    }

    void a_picture_is_offered_beside_the_saved_solutions() {
        BoxLog log;
        auto view = MakeWindow(log);
        ShowTab(view.get(), 3);
        Click(view.get(), "CP_But");
        QTemporaryDir dir;
        log.saveAnswers.push_back(dir.filePath("tetra.txt"));
        Click(view.get(), "CP_Save");
        QVERIFY(QFile::exists(dir.filePath("tetra.txt")));
        Click(view.get(), "Tet_Figure");
        FigureWindow* window = view->figureWindow();
        QString offered;
        window->askFileName = [&offered](const QString&, const QString& suggested) {
            offered = suggested;
            return std::optional<QString>();
        };
        QTest::mouseClick(Find<QPushButton>(window, "FigureSvg"), Qt::LeftButton);
        QCOMPARE(QFileInfo(offered).absoluteDir(), QDir(dir.path()));
        QCOMPARE(QFileInfo(offered).fileName(), QString("Тетраедр.svg"));
    }

    void a_figure_is_never_saved_over_a_language_file() {
        QTemporaryDir programDir;
        const QString language = programDir.filePath("English.txt");
        {
            QFile file(language);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("a language file\n");
        }
        // A symbolic and a hard link with a picture's name reach the file itself.
        QVERIFY(QFile::link(language, programDir.filePath("figure.png")));
        std::error_code ec;
        std::filesystem::create_hard_link(language.toStdString(), programDir.filePath("figure.svg").toStdString(),
                                          ec);
        QVERIFY(!ec);
        BoxLog log;
        auto view = MakeWindow(log, '.', {programDir.path().toStdString()});
        ShowTab(view.get(), 2);
        Click(view.get(), "CTr_But");
        Click(view.get(), "Tr_Figure");
        FigureWindow* window = view->figureWindow();
        QStringList refused;
        window->showError = [&refused](const QString& text) { refused << text; };
        QVERIFY(!window->savePng(programDir.filePath("figure.png")));
        QVERIFY(!window->saveSvg(programDir.filePath("figure.svg")));
        QCOMPARE(refused, QStringList(2, QString("This is a language file of the program: it is not replaced. "
                                                 "Choose another name.")));
        QFile kept(language);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("a language file\n"));
    }
};

QTEST_MAIN(FigureViewTest)
#include "figure_view_test.moc"
