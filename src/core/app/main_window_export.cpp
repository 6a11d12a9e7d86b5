// SPDX-License-Identifier: GPL-3.0-or-later
// Handing in a tab's solution: the page it makes, printing and copying.

#include <utility>

#include "app/main_window.h"
#include "export/latex_page.h"
#include "export/tab_content.h"
#include "base/failure.h"
#include "widgets/names.h"

namespace tc {

Memo& MainWindow::memoOf(int tab) {
    return tabs_.at(static_cast<size_t>(tab))->memo();
}

// A page holds one language: that of the solution it hands in. When the
// window has changed language since, the solution's language is put back for
// the page's headings and labels, and the window's language restored after.
SolutionPage MainWindow::solutionPage(int tab) {
    const std::string current = language(), written = solutionLanguage_.at(static_cast<size_t>(tab));
    if (written.empty() || written == current) return pageInCurrentLanguage(tab);
    SolutionPage page;
    try {
        chooseLanguage(written);
        page = pageInCurrentLanguage(tab);
    } catch (const Failure&) {
        // Its file cannot be read now: the page is made in the window's language.
        chooseLanguage(current);
        return pageInCurrentLanguage(tab);
    }
    chooseLanguage(current);
    return page;
}

SolutionPage MainWindow::pageInCurrentLanguage(int tab) {
    const std::string item = language();
    SolutionPage page;
    page.lang = item == names::N24 ? "ru" : item == names::N25 ? "en" : "uk";
    page.date = env_.host.today();
    const MessageTable& m = env_.messages;
    page.dateHeading = m.text(Line::export_date, "Date:");
    // The tabs' own group captions for data and results, when a file gave them.
    const auto line = [this](Line l) { return LineIndex(l) < language_.count() ? language_.value(l) : ""; };
    const std::string data = line(Line::data_group), result = line(Line::result_group);
    page.inputsHeading = data.empty() ? "Data" : data;
    page.resultsHeading = result.empty() ? "Result" : result;
    page.figureHeading = m.text(Line::export_figure, "Figure");
    page.solutionHeading = m.text(Line::export_solution, "Solution");
    const Tab& source = tabAt(tab);
    FillTabContent(tree_, source.pageLayout(), page);
    source.finishPage(page, m);
    // The figure of the tab's last computation, as the figure window draws it.
    if (const std::string name = figureOfTab(tab); !name.empty()) {
        const Figure shown = figure(name);
        if (shown.drawable()) {
            PageFigure& drawn = page.figure.emplace();
            drawn.dimensions = shown.dimensions;
            for (const FigurePoint& p : shown.points)
                drawn.points.push_back({p.label, p.at.size() > 0 ? p.at[0] : 0.0L,
                                        p.at.size() > 1 ? p.at[1] : 0.0L, p.at.size() > 2 ? p.at[2] : 0.0L,
                                        p.role != PointRole::Corner});
            for (const FigureSegment& s : shown.segments)
                drawn.segments.emplace_back(s.from, s.to);
        }
    }
    page.lines = memoOf(tab).lines;
    page.decimal = settings_.decimal;
    return page;
}

void MainWindow::printSolution() {
    const SolutionPage page = solutionPage(tab_);
    env_.host.print(HtmlPage(page, PageMedium::Paper), page.title);
}

void MainWindow::copySolution() {
    // The memo's own text: its lines, each but the last ended by a line break.
    const std::vector<std::string>& lines = memoOf(tab_).lines;
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];
    env_.host.copyText(text);
}

// The solution as LaTeX paragraphs, to paste into the student's own document.
void MainWindow::copyLatex() {
    env_.host.copyText(LatexLines(memoOf(tab_).lines, settings_.decimal));
}

// The new commands have no built-in caption of another language: a file
// without their lines shows them in English.
void MainWindow::applyExportCaptions() {
    tree_.get(names::NCopy).caption = env_.messages.text(Line::export_copy_menu, "Copy solution");
    tree_.get(names::NPrint).caption = env_.messages.text(Line::export_print_menu, "Print...");
    tree_.get(names::NEdit).caption = env_.messages.text(Line::edit_menu, "Edit");
    tree_.get(names::NCopyLatex).caption = env_.messages.text(Line::export_copy_latex, "Copy as LaTeX");
}

} // namespace tc
