// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/solution_page.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "export/paper_lines.h"
#include "formula/formula_writers.h"
#include "numbers/convert.h"

namespace tc {

namespace {

void AppendCodePoint(std::string& out, unsigned cp) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

// A coordinate as SVG reads it: always with a point, whatever the locale
// (printf would write "380,0" under a Ukrainian locale, and no reader draws that).
std::string Number(long double v) {
    return FormatFixed(v, 1, '.');
}

// The font size (in points) at which the table's widest cells fit the
// width of an A4 page less its margins: about 0.6 em a character and a few
// points of padding and rules a cell; 9 points at most, 5 at least.
long double PaperFontSize(const PageTable& table) {
    std::vector<size_t> widths;
    for (const auto& row : table.rows)
        for (size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.resize(c + 1);
            size_t n = 0;
            for (char ch : row[c])
                n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
            widths[c] = std::max(widths[c], n);
        }
    size_t characters = 0;
    for (size_t w : widths)
        characters += w;
    // The width Qt's text engine gives a table on an A4 page, in points.
    constexpr long double kWidth = 380, kCell = 8;
    const long double room = kWidth - kCell * static_cast<long double>(widths.size());
    long double size = characters ? room / (0.6L * static_cast<long double>(characters)) : 9;
    return std::floor(std::clamp(size, 5.0L, 9.0L) * 2) / 2;
}

void AppendTable(std::string& out, const PageTable& table, const std::string& section, bool paper);

// A table too wide for paper at a readable size goes in two halves, each
// with the heading columns.
bool AppendHalves(std::string& out, const PageTable& table, const std::string& section) {
    const size_t columns = table.rows.empty() ? 0 : table.rows[0].size();
    const size_t head = static_cast<size_t>(std::max(table.headCols, 0));
    if (PaperFontSize(table) >= 7 || columns < head + 4) return false;
    const size_t middle = head + (columns - head + 1) / 2;
    for (const auto& [from, to] : {std::pair<size_t, size_t>{head, middle}, {middle, columns}}) {
        PageTable half{from == head ? table.caption : section, {}, table.headRows, table.headCols};
        for (const auto& row : table.rows) {
            std::vector<std::string> cells(row.begin(),
                                           row.begin() + static_cast<long>(std::min(head, row.size())));
            for (size_t c = from; c < to && c < row.size(); ++c)
                cells.push_back(row[c]);
            half.rows.push_back(std::move(cells));
        }
        AppendTable(out, half, section, true);
    }
    return true;
}

void AppendTable(std::string& out, const PageTable& table, const std::string& section, bool paper) {
    if (paper && AppendHalves(out, table, section)) return;
    // A table headed as its section (the "Data" group under "Data") needs no heading of its own.
    if (!table.caption.empty() && table.caption != section)
        out += "<h3>" + EscapeHtml(table.caption) + "</h3>\n";
    // On paper a wide table takes a smaller font, so that every number fits
    // its cell on one line.
    const std::string size =
        paper ? " style=\"font-size: " + FormatFixed(PaperFontSize(table), 1, '.') + "pt\"" : "";
    out += std::string("<table border=\"1\" cellspacing=\"0\" cellpadding=\"") + (paper ? "2" : "4") + "\"" +
           size + ">\n";
    for (size_t r = 0; r < table.rows.size(); ++r) {
        out += "<tr>";
        for (size_t c = 0; c < table.rows[r].size(); ++c) {
            const bool head = static_cast<int>(r) < table.headRows || static_cast<int>(c) < table.headCols;
            const char* tag = head ? "th" : "td";
            // On paper a cell keeps its number on one line.
            out += std::string("<") + tag + (paper ? " nowrap=\"nowrap\"" + size + ">" : ">") +
                   EscapeHtml(table.rows[r][c]) + "</" + tag + ">";
        }
        out += "</tr>\n";
    }
    out += "</table>\n";
}

void AppendSection(std::string& out, const std::string& heading, const std::vector<PageTable>& tables,
                   bool paper) {
    if (tables.empty()) return;
    out += "<h2>" + EscapeHtml(heading) + "</h2>\n";
    for (const PageTable& t : tables)
        AppendTable(out, t, heading, paper);
}

} // namespace

size_t Utf8Length(std::string_view s, size_t at) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(at);
    if (c < 0x80) return 1;
    size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else
        return 0;
    if (at + n > s.size()) return 0;
    if (b(at + 1) < lo || b(at + 1) > hi) return 0;
    for (size_t i = 2; i < n; ++i)
        if (b(at + i) < 0x80 || b(at + i) > 0xBF) return 0;
    return n;
}

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t n = Utf8Length(text, i);
        if (n == 0) {
            AppendCodePoint(out, 0xFFFD);
            ++i;
            continue;
        }
        const char c = text[i];
        if (n > 1)
            out.append(text, i, n);
        else if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else if (c == '\'')
            out += "&#39;";
        else if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            AppendCodePoint(out, 0x2400 + static_cast<unsigned char>(c));
        else if (c == 0x7F)
            AppendCodePoint(out, 0x2421);
        else
            out += c;
        i += n;
    }
    return out;
}

namespace {

constexpr long double kFigureSize = 320, kFigureMargin = 40;

} // namespace

long double FigureSide() {
    return kFigureSize + 2 * kFigureMargin;
}

std::string PageNumber(long double v) {
    return Number(v);
}

std::vector<PlacedPoint> PlaceFigure(const PageFigure& figure) {
    // Points in a plane are drawn as they are; in space, in the oblique view
    // where depth (y) goes up and to the right at half length.
    const bool solid = figure.dimensions == 3;
    const long double slant = solid ? 0.5L * std::sqrt(0.5L) : 0;
    std::vector<PlacedPoint> shown;
    for (const PageFigure::Point& p : figure.points) {
        const long double px = p.x + slant * p.y, py = solid ? p.z + slant * p.y : p.y;
        if (!std::isfinite(px) || !std::isfinite(py)) continue;
        shown.push_back({p.label, px, py, p.marked});
    }
    if (shown.empty()) return {};
    long double minX = shown[0].x, maxX = minX, minY = shown[0].y, maxY = minY;
    for (const PlacedPoint& s : shown) {
        minX = std::min(minX, s.x), maxX = std::max(maxX, s.x);
        minY = std::min(minY, s.y), maxY = std::max(maxY, s.y);
    }
    const long double span = std::max({maxX - minX, maxY - minY, 1e-12L});
    for (PlacedPoint& s : shown) {
        s.x = kFigureMargin + (s.x - minX) / span * kFigureSize;
        // The page's y grows downwards.
        s.y = kFigureMargin + (maxY - s.y) / span * kFigureSize;
    }
    return shown;
}

std::string FigureSvg(const PageFigure& figure) {
    const std::vector<PlacedPoint> shown = PlaceFigure(figure);
    if (shown.empty()) return {};
    std::map<std::string, const PlacedPoint*> at;
    long double midX = 0, midY = 0;
    for (const PlacedPoint& p : shown) {
        at[p.label] = &p;
        midX += p.x / static_cast<long double>(shown.size());
        midY += p.y / static_cast<long double>(shown.size());
    }
    const std::string side = Number(FigureSide());
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + side + "\" height=\"" + side +
                      "\" viewBox=\"0 0 " + side + " " + side +
                      "\" font-family=\"sans-serif\" font-size=\"14\">\n";
    for (const auto& [from, to] : figure.segments) {
        auto a = at.find(from), b = at.find(to);
        if (a == at.end() || b == at.end()) continue;
        out += "<line x1=\"" + Number(a->second->x) + "\" y1=\"" + Number(a->second->y) + "\" x2=\"" +
               Number(b->second->x) + "\" y2=\"" + Number(b->second->y) + "\" stroke=\"black\"/>\n";
    }
    // A label stands off its point, away from the figure's middle, so that it
    // lies on no line; its left or right end is at the point's side.
    for (const PlacedPoint& p : shown) {
        if (!p.marked) continue;
        const long double dx = p.x - midX, dy = p.y - midY;
        const long double length = std::max(std::hypot(dx, dy), 1e-9L);
        const long double lx = p.x + 12 * dx / length, ly = p.y + 12 * dy / length + 5;
        out += "<circle cx=\"" + Number(p.x) + "\" cy=\"" + Number(p.y) + "\" r=\"3\"/>\n";
        out += "<text x=\"" + Number(lx) + "\" y=\"" + Number(ly) + "\" text-anchor=\"" +
               (dx < -1  ? "end"
                : dx > 1 ? "start"
                         : "middle") +
               "\">" + EscapeHtml(p.label) + "</text>\n";
    }
    out += "</svg>\n";
    return out;
}

std::vector<std::string> PageLines(const std::vector<std::string>& lines) {
    std::vector<std::string> parts;
    for (const std::string& line : lines) {
        parts.emplace_back();
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\r' || line[i] == '\n') {
                if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
                parts.emplace_back();
            } else {
                parts.back() += line[i];
            }
        }
    }
    return parts;
}

std::string HtmlPage(const SolutionPage& page, PageMedium medium) {
    const bool paper = medium == PageMedium::Paper;
    // On paper the solution is set in a font whose every character has the
    // same width, so that a line of kPaperColumns characters fits the page.
    const char* const style =
        paper ? "body { font-family: sans-serif; font-size: 10pt; }\n"
                "h1 { font-size: 14pt; margin-bottom: 2px; }\n"
                "h2 { font-size: 12pt; margin-top: 8px; margin-bottom: 4px; }\n"
                "h3 { font-size: 10pt; margin-top: 4px; margin-bottom: 2px; }\n"
                "p, table { margin-top: 2px; margin-bottom: 2px; }\n"
                "th, td { font-size: 9pt; }\n"
                "pre { font-family: 'DejaVu Sans Mono', monospace; font-size: 8pt; }\n"
              : "body { font-family: sans-serif; }\n"
                "table { border-collapse: collapse; margin-bottom: 0.8em; }\n"
                "th, td { border: 1px solid #888; padding: 2px 8px; text-align: right; }\n"
                "th { background: #eee; }\n"
                "pre { font-family: monospace; white-space: pre; }\n"
                "math { font-size: 1.1em; }\n";
    std::string out = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"" +
                      EscapeHtml(page.lang) + "\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
                      EscapeHtml(page.title) + "</title>\n<style>\n" + style + "</style>\n</head>\n<body>\n";
    out += "<h1>" + EscapeHtml(page.title) + "</h1>\n";
    out += "<p>" + EscapeHtml(page.dateHeading) + " " + EscapeHtml(page.date) + "</p>\n";
    std::string figure;
    if (page.figure) {
        const std::string svg = FigureSvg(*page.figure);
        if (!svg.empty()) figure = "<h2>" + EscapeHtml(page.figureHeading) + "</h2>\n" + svg;
    }
    // On paper a flat figure stands beside the data, under its heading,
    // which keeps a triangle's page count down while the result tables keep
    // the width their numbers need; a figure in space follows the tables in
    // a cell of its own with its heading.
    const bool beside = paper && !figure.empty() && page.figure->dimensions == 2;
    if (beside) out += "<table border=\"0\" cellpadding=\"0\" width=\"100%\"><tr><td valign=\"top\">\n";
    AppendSection(out, page.inputsHeading, page.inputs, paper);
    if (beside) out += "</td><td valign=\"top\" align=\"right\">\n" + figure + "</td></tr></table>\n";
    AppendSection(out, page.resultsHeading, page.results, paper);
    if (!beside && paper && !figure.empty())
        out += "<table border=\"0\" cellpadding=\"0\"><tr><td>\n" + figure + "</td></tr></table>\n";
    else if (!paper)
        out += figure;
    // A line break right after the opening tag is dropped by HTML readers, so
    // a solution that starts with an empty line keeps it.
    out += "<h2>" + EscapeHtml(page.solutionHeading) + "</h2>\n<pre>\n";
    for (const std::string& line : PageLines(page.lines)) {
        if (!paper) {
            out += formula::LineHtml(formula::ReadLine(line, page.decimal)) + "\n";
            continue;
        }
        for (const std::string& piece : WrapLine(line, page.decimal, kPaperColumns))
            out += EscapeHtml(piece) + "\n";
    }
    out += "</pre>\n</body>\n</html>\n";
    return out;
}

} // namespace tc
