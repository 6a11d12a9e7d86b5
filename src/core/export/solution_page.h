// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tab's solution as a page to hand in: what the page holds, as plain texts,
// and the writer that turns it into one self-contained HTML page. The window
// prints and exports documents from the same page.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tc {

// A grid or a list of fields as a table: every row has the same cells as the
// grid shows them; the first `headRows` rows and `headCols` columns are
// headings.
struct PageTable {
    std::string caption;
    std::vector<std::vector<std::string>> rows;
    int headRows = 0;
    int headCols = 0;
};

// A figure drawn from points and the segments between them. A figure in
// space (three dimensions) is drawn in an oblique projection.
struct PageFigure {
    int dimensions = 2;
    struct Point {
        std::string label;
        long double x = 0, y = 0, z = 0;
        bool marked = true; // drawn with its dot and label; not the end of a drawn line
    };
    std::vector<Point> points;
    std::vector<std::pair<std::string, std::string>> segments; // labels of the two ends
};

struct SolutionPage {
    std::string lang;  // "uk", "ru" or "en"
    std::string title; // the task
    std::string date;  // as it is to be shown
    // Headings, in the page's language.
    std::string dateHeading, inputsHeading, resultsHeading, figureHeading, solutionHeading;
    std::vector<PageTable> inputs;
    std::vector<PageTable> results;
    std::optional<PageFigure> figure;
    std::vector<std::string> lines; // the written solution
    char decimal = '.';             // the separator its numbers are written with
};

// A point of a figure where a page draws it: x to the right and y downwards
// on a square of FigureSide() units.
struct PlacedPoint {
    std::string label;
    long double x = 0, y = 0;
    bool marked = true;
};
std::vector<PlacedPoint> PlaceFigure(const PageFigure& figure);
long double FigureSide();

// A coordinate as machines read it: one decimal, always after a point.
std::string PageNumber(long double v);

// The length of the UTF-8 sequence starting at `at`, or 0 when the bytes there
// are no well-formed sequence (overlong forms and surrogates included).
size_t Utf8Length(std::string_view s, size_t at);

// `text` safe inside an element or a quoted attribute: the markup characters
// as entities, control characters (other than tab and line breaks) as their
// pictures (U+2400 on), and bytes that are no UTF-8 as U+FFFD, so that the page
// stays well-formed whatever was typed.
std::string EscapeHtml(std::string_view text);

// Where a page is read: on screen (a browser typesets the formulas, as
// MathML) or on paper (Qt's text engine, which knows no MathML: the solution
// as plain text, its long lines wrapped at operators).
enum class PageMedium { Screen, Paper };

// The characters of a solution line on paper; longer lines are wrapped.
inline constexpr size_t kPaperColumns = 92;

// The page: UTF-8, `lang` set, the title, the date, the inputs and the results
// as tables, the figure as inline SVG when there is one, and the written
// solution in a block that keeps its alignment. Well-formed as XML too.
std::string HtmlPage(const SolutionPage& page, PageMedium medium = PageMedium::Screen);

// The solution's lines as a page sets them: a line break inside a memo line
// (CR, LF or CR LF) ends a line there.
std::vector<std::string> PageLines(const std::vector<std::string>& lines);

// The figure as an SVG element; empty for a figure without points.
std::string FigureSvg(const PageFigure& figure);

} // namespace tc
