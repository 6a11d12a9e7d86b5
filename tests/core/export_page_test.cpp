// SPDX-License-Identifier: GPL-3.0-or-later
// Handing in a solution: which kind of file a name asks for, the page's
// escaping and parts, and the commands that copy, print and save as a page.

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

#include "app/main_window.h"
#include "context/recording_host.h"
#include "export/solution_page.h"
#include "export/tab_content.h"
#include "io/save_kind.h"
#include "save_test_support.h"

namespace tc {
namespace {

using test::ReadBytes;
using test::WorkFolder;

TEST(SaveKindTest, TheEndingChoosesTheKindAndOnlyATextGetsTxt) {
    EXPECT_EQ(SaveKindOf("a.html"), SaveKind::Html);
    EXPECT_EQ(SaveKindOf("a.HTM"), SaveKind::Html);
    EXPECT_EQ(SaveKindOf("a.Pdf"), SaveKind::Pdf);
    EXPECT_EQ(SaveKindOf("a.html.txt"), SaveKind::Text);
    EXPECT_EQ(SaveKindOf("pdf"), SaveKind::Text);
    EXPECT_EQ(SaveFileName("a.HTML"), "a.HTML");
    EXPECT_EQ(SaveFileName("a.pdf"), "a.pdf");
    EXPECT_EQ(SaveFileName("a.xhtml5"), "a.xhtml5.txt");
    EXPECT_EQ(SaveFileName("a.TXT"), "a.TXT");
}

TEST(EscapeHtmlTest, MarkupControlCharactersAndBrokenUtf8CannotBreakThePage) {
    EXPECT_EQ(EscapeHtml("<&>\"'"), "&lt;&amp;&gt;&quot;&#39;");
    EXPECT_EQ(EscapeHtml(std::string("a\0b\x1b", 4)), "a\u2400b\u241b");
    EXPECT_EQ(EscapeHtml("x\ty\nz"), "x\ty\nz");
    // Cyrillic stays as it is; a lone continuation byte, a cut sequence and an
    // overlong form each become one replacement character.
    EXPECT_EQ(EscapeHtml("Розв'язок"), "Розв&#39;язок");
    EXPECT_EQ(EscapeHtml("a\x80z\xD0"), "a\uFFFDz\uFFFD");
    EXPECT_EQ(EscapeHtml("\xC0\xAF"), "\uFFFD\uFFFD");
}

TEST(HtmlPageTest, HoldsTheLanguageTheTablesAndTheLinesInABlockThatKeepsThem) {
    SolutionPage page;
    page.lang = "uk";
    page.title = "Вектори: <Додавання>";
    page.date = "2026-12-07";
    page.dateHeading = "Дата:";
    page.inputsHeading = "Дані";
    page.resultsHeading = "Результат";
    page.solutionHeading = "Розв'язок";
    page.inputs.push_back({"A", {{"", "1"}, {"A", "1<2"}}, 1, 1});
    page.lines = {"", "  a  b", "x\r\ny"};
    const std::string html = HtmlPage(page);
    EXPECT_NE(html.find("lang=\"uk\""), std::string::npos);
    EXPECT_NE(html.find("<title>Вектори: &lt;Додавання&gt;</title>"), std::string::npos);
    EXPECT_NE(html.find("<p>Дата: 2026-12-07</p>"), std::string::npos);
    EXPECT_NE(html.find("<tr><th></th><th>1</th></tr>\n<tr><th>A</th><td>1&lt;2</td></tr>"),
              std::string::npos);
    // The block starts with a line break that readers drop, so the empty first line stays.
    EXPECT_NE(html.find("<pre>\n\n  a  b\nx\ny\n</pre>"), std::string::npos);
    // No results, no figure: no heading for them.
    EXPECT_EQ(html.find("Результат"), std::string::npos);
    EXPECT_EQ(html.find("<svg"), std::string::npos);
}

TEST(HtmlPageTest, AFigureIsDrawnFromItsPointsAndSegments) {
    PageFigure figure;
    figure.points = {{"A", 0, 0, 0}, {"B", 4, 0, 0}, {"C<", 0, 3, 0}};
    figure.segments = {{"A", "B"}, {"B", "C<"}, {"A", "nowhere"}};
    const std::string svg = FigureSvg(figure);
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
    // The unknown end draws nothing; the longer side spans the picture, y grows upwards.
    EXPECT_EQ(std::count(svg.begin(), svg.end(), '\n'), 1 + 2 + 2 * 3 + 1);
    EXPECT_NE(svg.find("<line x1=\"40.0\" y1=\"280.0\" x2=\"360.0\" y2=\"280.0\""), std::string::npos);
    EXPECT_NE(svg.find(">C&lt;</text>"), std::string::npos);
    EXPECT_EQ(FigureSvg(PageFigure{}), "");
}

// Under a locale that writes decimal commas, the figure's numbers keep their
// points: "380,0" is no SVG length and no reader would draw the figure.
TEST(HtmlPageTest, TheFigureIsValidUnderADecimalCommaLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "uk_UA.UTF-8")) GTEST_SKIP() << "no uk_UA.UTF-8 locale";
    PageFigure figure;
    figure.dimensions = 3;
    figure.points = {{"A", 0.5L, 0, 0}, {"B", 4, 1.25L, 0}, {"C", 0, 3, 2.5L}};
    figure.segments = {{"A", "B"}};
    const std::string svg = FigureSvg(figure);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_NE(svg.find("width=\"400.0\" height=\"400.0\" viewBox=\"0 0 400.0 400.0\""), std::string::npos) << svg;
    EXPECT_EQ(svg.find(','), std::string::npos) << svg;
}

TEST(TabSeparatedTest, CellsAreSeparatedByTabsAndCannotShiftEachOther) {
    EXPECT_EQ(TabSeparated({{"1", "2.5"}, {"a\tb", "c\nd"}}), "1\t2.5\na b\tc d\n");
}

class ExportCommandsTest : public ::testing::Test {
protected:
    ExportCommandsTest() : window(host, Settings{'.', {}}) {
        window.start();
        host.boxes.clear();
        host.date = "2026-12-07";
    }
    RecordingHost host;
    MainWindow window;
};

TEST_F(ExportCommandsTest, CopyPutsTheMemoOfTheTabInFrontOnTheClipboard) {
    window.setMemo("Eq_M", {"x<1", "", "  y"});
    window.setTab(5);
    window.menu("NCopy");
    EXPECT_EQ(host.clipboard, "x<1\n\n  y");
    EXPECT_EQ(window.widgets().get("NCopy").caption, "Copy solution");
}

TEST_F(ExportCommandsTest, PdfAndPrintNeedTheWindowAndWriteNothing) {
    WorkFolder dir;
    host.saveAnswers.push_back("s.pdf");
    EXPECT_THROW(window.click("Eq_Save"), UsageError);
    EXPECT_TRUE(dir.names().empty());
    EXPECT_TRUE(host.replaceQuestions.empty());
    EXPECT_THROW(window.menu("NPrint"), UsageError);
}

TEST_F(ExportCommandsTest, AnHtmlNameSavesThePageOfTheButtonsTabWithTheReplaceQuestion) {
    WorkFolder dir;
    const std::string file = "s.HTM";
    window.setTab(5); // the button of another tab saves its own tab
    window.setMemo("Vec_M", {"a & b"});
    for (int run = 0; run < 2; ++run) {
        host.saveAnswers.push_back(file);
        window.click("CV_Save");
    }
    EXPECT_EQ(host.replaceQuestions, std::vector<std::string>{file});
    const std::string html = ReadBytes(file);
    EXPECT_NE(html.find("<pre>\na &amp; b\n</pre>"), std::string::npos);
    EXPECT_NE(html.find("<p>Date: 2026-12-07</p>"), std::string::npos);
    EXPECT_EQ(dir.names(), std::set<std::string>{file});
}

TEST_F(ExportCommandsTest, TheTrianglePageDrawsTheFigureOfItsLastComputation) {
    WorkFolder dir;
    window.setTab(2);
    for (const char* name : {"before.html", "after.html"}) {
        host.saveAnswers.push_back(name);
        window.menu("N4");
        window.click("CTr_But");
    }
    EXPECT_EQ(ReadBytes("before.html").find("<svg"), std::string::npos);
    const std::string html = ReadBytes("after.html");
    const size_t svg = html.find("<svg");
    ASSERT_NE(svg, std::string::npos);
    // The sides and the median, altitude and bisector from A; the vertices labelled.
    size_t lines = 0;
    for (size_t at = html.find("<line", svg); at != std::string::npos; at = html.find("<line", at + 1))
        ++lines;
    EXPECT_GE(lines, 6u);
    EXPECT_NE(html.find(">A</text>", svg), std::string::npos);
    EXPECT_LT(svg, html.find("<pre>"));
}

// A page is in the language of the solution it holds, whatever the window
// shows since; the window keeps its language.
TEST(SolutionLanguageTest, APageWrittenInUkrainianStaysUkrainianAfterSwitchingToRussian) {
    WorkFolder dir;
    RecordingHost host;
    MainWindow window(host, Settings{'.', {TOVRIN_LANG_SOURCE_DIR}});
    window.start();
    host.date = "2026-12-07";
    window.menu("N5");
    window.click("Eq_Run");
    window.menu("N24");
    host.saveAnswers = {"uk.html", "uk.tex"};
    window.click("Eq_Save");
    window.click("Eq_Save");
    const std::string html = ReadBytes("uk.html"), tex = ReadBytes("uk.tex");
    for (const std::string& page : {html, tex}) {
        EXPECT_NE(page.find("Дата:"), std::string::npos);
        EXPECT_EQ(page.find("Решение"), std::string::npos);
    }
    EXPECT_NE(html.find("lang=\"uk\""), std::string::npos);
    EXPECT_NE(html.find("<title>Квадратне"), std::string::npos);
    EXPECT_NE(html.find("<h2>Розв&#39;язання</h2>"), std::string::npos);
    EXPECT_EQ(window.language(), "N24");
    EXPECT_EQ(window.widgets().get("NCopy").caption, "Копировать решение");

    // Solved again, the solution is Russian and so is its page.
    window.click("Eq_Run");
    host.saveAnswers = {"ru.html"};
    window.click("Eq_Save");
    EXPECT_NE(ReadBytes("ru.html").find("lang=\"ru\""), std::string::npos);
}

TEST_F(ExportCommandsTest, ATexNameSavesALatexDocumentAndCopyAsLatexTypesetsTheMemo) {
    WorkFolder dir;
    window.menu("N5");
    window.click("Eq_Run");
    host.saveAnswers.push_back("s.TeX");
    window.click("Eq_Save");
    const std::string tex = ReadBytes("s.TeX");
    EXPECT_EQ(tex.rfind("\\documentclass", 0), 0u);
    EXPECT_NE(tex.find("\\usepackage{amsmath}"), std::string::npos);
    EXPECT_NE(tex.find("Date: 2026-12-07"), std::string::npos);
    EXPECT_NE(tex.find("\\end{document}\n"), std::string::npos);
    window.setMemo("Eq_M", {"x1=(9)^(1/2)", "", "50%"});
    window.setTab(5);
    window.menu("NCopyLatex");
    EXPECT_EQ(host.clipboard, "$x_{1}=\\sqrt{9}$\\par\n\\medskip\n50\\%\\par\n");
    EXPECT_EQ(window.widgets().get("NCopyLatex").caption, "Copy as LaTeX");
    EXPECT_EQ(SaveKindOf("a.tex"), SaveKind::Latex);
    EXPECT_EQ(SaveFileName("a.tex"), "a.tex");
}

} // namespace
} // namespace tc
