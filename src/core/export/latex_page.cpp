// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/latex_page.h"

#include <map>

#include "formula/formula_writers.h"

namespace tc {

namespace {

using formula::EscapeLatex;

// Cyrillic needs the T2A font encoding, which not every LaTeX installation
// has; a document without Cyrillic letters compiles without it.
const char* const kPreamble = "\\documentclass[a4paper,11pt]{article}\n"
                              "\\usepackage[utf8]{inputenc}\n"
                              "\\IfFileExists{t2aenc.def}{\\usepackage[T2A]{fontenc}}{}\n"
                              "\\usepackage{amsmath}\n"
                              "\\setlength{\\parindent}{0pt}\n"
                              "\\setlength{\\textwidth}{170mm}\n"
                              "\\setlength{\\oddsidemargin}{-5mm}\n"
                              "\\setlength{\\textheight}{240mm}\n"
                              "\\setlength{\\topmargin}{-15mm}\n"
                              "\\allowdisplaybreaks\n";

void AppendTable(std::string& out, const PageTable& table, const std::string& section) {
    if (!table.caption.empty() && table.caption != section)
        out += "\\subsubsection*{" + EscapeLatex(table.caption) + "}\n";
    size_t columns = 0;
    for (const auto& row : table.rows)
        columns = std::max(columns, row.size());
    if (columns == 0) return;
    out += "\\begin{tabular}{|";
    for (size_t c = 0; c < columns; ++c)
        out += "r|";
    out += "}\n\\hline\n";
    for (size_t r = 0; r < table.rows.size(); ++r) {
        for (size_t c = 0; c < columns; ++c) {
            if (c) out += " & ";
            if (c < table.rows[r].size()) {
                const bool head =
                    static_cast<int>(r) < table.headRows || static_cast<int>(c) < table.headCols;
                const std::string cell = EscapeLatex(table.rows[r][c]);
                out += head && !cell.empty() ? "\\textbf{" + cell + "}" : cell;
            }
        }
        out += " \\\\\n\\hline\n";
    }
    out += "\\end{tabular}\n\n\\medskip\n";
}

void AppendSection(std::string& out, const std::string& heading, const std::vector<PageTable>& tables) {
    if (tables.empty()) return;
    out += "\\subsection*{" + EscapeLatex(heading) + "}\n";
    for (const PageTable& t : tables)
        AppendTable(out, t, heading);
}

// The figure in LaTeX's own picture environment: straight lines as
// degenerate quadratic curves, which take any slope.
std::string Picture(const PageFigure& figure) {
    const std::vector<PlacedPoint> shown = PlaceFigure(figure);
    if (shown.empty()) return {};
    const long double side = FigureSide();
    std::map<std::string, const PlacedPoint*> at;
    for (const PlacedPoint& p : shown)
        at[p.label] = &p;
    const auto xy = [side](long double x, long double y) {
        return "(" + PageNumber(x) + "," + PageNumber(side - y) + ")";
    };
    std::string out = "\\begin{center}\n\\setlength{\\unitlength}{0.25mm}\n\\begin{picture}(" +
                      PageNumber(side) + "," + PageNumber(side) + ")\n";
    for (const auto& [from, to] : figure.segments) {
        auto a = at.find(from), b = at.find(to);
        if (a == at.end() || b == at.end()) continue;
        const PlacedPoint &p = *a->second, &q = *b->second;
        out += "\\qbezier" + xy(p.x, p.y) + xy((p.x + q.x) / 2, (p.y + q.y) / 2) + xy(q.x, q.y) + "\n";
    }
    for (const PlacedPoint& p : shown) {
        if (!p.marked) continue;
        out += "\\put" + xy(p.x, p.y) + "{\\circle*{5}}\n";
        out += "\\put" + xy(p.x + 6, p.y - 6) + "{\\small " + EscapeLatex(p.label) + "}\n";
    }
    return out + "\\end{picture}\n\\end{center}\n";
}

} // namespace

std::string LatexLines(const std::vector<std::string>& lines, char decimal) {
    std::string out;
    for (const std::string& line : PageLines(lines)) {
        const std::string body = formula::LineLatex(formula::ReadLine(line, decimal));
        // An empty line of the solution is a gap, not an empty paragraph.
        out += body.find_first_not_of(' ') == std::string::npos ? "\\medskip\n" : body + "\\par\n";
    }
    return out;
}

std::string LatexPage(const SolutionPage& page) {
    std::string out = std::string(kPreamble) + "\\begin{document}\n";
    out += "\\section*{" + EscapeLatex(page.title) + "}\n";
    out += EscapeLatex(page.dateHeading) + " " + EscapeLatex(page.date) + "\n\n";
    AppendSection(out, page.inputsHeading, page.inputs);
    AppendSection(out, page.resultsHeading, page.results);
    if (page.figure) {
        const std::string picture = Picture(*page.figure);
        if (!picture.empty()) out += "\\subsection*{" + EscapeLatex(page.figureHeading) + "}\n" + picture;
    }
    out += "\\subsection*{" + EscapeLatex(page.solutionHeading) + "}\n";
    out += LatexLines(page.lines, page.decimal);
    out += "\\end{document}\n";
    return out;
}

} // namespace tc
