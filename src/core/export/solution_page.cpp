// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/solution_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace tc {

namespace {

// The length of the UTF-8 sequence starting at `at`, or 0 when the bytes there
// are no well-formed sequence (overlong forms and surrogates included).
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

void AppendCodePoint(std::string& out, unsigned cp) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

std::string Number(long double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(v));
    return text;
}

void AppendTable(std::string& out, const PageTable& table, const std::string& section) {
    // A table headed as its section (the "Data" group under "Data") needs no heading of its own.
    if (!table.caption.empty() && table.caption != section)
        out += "<h3>" + EscapeHtml(table.caption) + "</h3>\n";
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n";
    for (size_t r = 0; r < table.rows.size(); ++r) {
        out += "<tr>";
        for (size_t c = 0; c < table.rows[r].size(); ++c) {
            const bool head = static_cast<int>(r) < table.headRows || static_cast<int>(c) < table.headCols;
            const char* tag = head ? "th" : "td";
            out += std::string("<") + tag + ">" + EscapeHtml(table.rows[r][c]) + "</" + tag + ">";
        }
        out += "</tr>\n";
    }
    out += "</table>\n";
}

void AppendSection(std::string& out, const std::string& heading, const std::vector<PageTable>& tables) {
    if (tables.empty()) return;
    out += "<h2>" + EscapeHtml(heading) + "</h2>\n";
    for (const PageTable& t : tables)
        AppendTable(out, t, heading);
}

// A memo line may hold line breaks of its own; inside the block they are
// plain line feeds.
std::string PreLine(const std::string& line) {
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r') {
            out += '\n';
            if (i + 1 < line.size() && line[i + 1] == '\n') ++i;
        } else {
            out += line[i];
        }
    }
    return EscapeHtml(out);
}

} // namespace

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

std::string FigureSvg(const PageFigure& figure) {
    // Points in a plane are drawn as they are; in space, in the oblique view
    // where depth (y) goes up and to the right at half length.
    const bool solid = figure.dimensions == 3;
    const long double slant = solid ? 0.5L * std::sqrt(0.5L) : 0;
    std::map<std::string, std::pair<long double, long double>> at;
    std::vector<std::pair<std::string, std::pair<long double, long double>>> shown;
    for (const PageFigure::Point& p : figure.points) {
        const long double px = p.x + slant * p.y, py = solid ? p.z + slant * p.y : p.y;
        if (!std::isfinite(px) || !std::isfinite(py)) continue;
        at[p.label] = {px, py};
        shown.push_back({p.label, {px, py}});
    }
    if (shown.empty()) return {};
    long double minX = shown[0].second.first, maxX = minX, minY = shown[0].second.second, maxY = minY;
    for (const auto& s : shown) {
        minX = std::min(minX, s.second.first), maxX = std::max(maxX, s.second.first);
        minY = std::min(minY, s.second.second), maxY = std::max(maxY, s.second.second);
    }
    constexpr long double kSize = 320, kMargin = 30;
    const long double span = std::max({maxX - minX, maxY - minY, 1e-12L});
    const auto X = [&](long double x) { return Number(kMargin + (x - minX) / span * kSize); };
    // The page's y grows downwards.
    const auto Y = [&](long double y) { return Number(kMargin + (maxY - y) / span * kSize); };
    const std::string side = Number(kSize + 2 * kMargin);
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + side + "\" height=\"" + side +
                      "\" viewBox=\"0 0 " + side + " " + side + "\">\n";
    for (const auto& [from, to] : figure.segments) {
        auto a = at.find(from), b = at.find(to);
        if (a == at.end() || b == at.end()) continue;
        out += "<line x1=\"" + X(a->second.first) + "\" y1=\"" + Y(a->second.second) + "\" x2=\"" +
               X(b->second.first) + "\" y2=\"" + Y(b->second.second) + "\" stroke=\"black\"/>\n";
    }
    for (const auto& [label, p] : shown) {
        out += "<circle cx=\"" + X(p.first) + "\" cy=\"" + Y(p.second) + "\" r=\"3\"/>\n";
        out += "<text x=\"" + X(p.first) + "\" y=\"" + Y(p.second) + "\" dx=\"5\" dy=\"-5\">" +
               EscapeHtml(label) + "</text>\n";
    }
    out += "</svg>\n";
    return out;
}

std::string HtmlPage(const SolutionPage& page) {
    std::string out = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"" +
                      EscapeHtml(page.lang) + "\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
                      EscapeHtml(page.title) +
                      "</title>\n<style>\n"
                      "body { font-family: sans-serif; }\n"
                      "table { border-collapse: collapse; margin-bottom: 0.8em; }\n"
                      "th, td { border: 1px solid #888; padding: 2px 8px; text-align: right; }\n"
                      "th { background: #eee; }\n"
                      "pre { font-family: monospace; white-space: pre; }\n"
                      "</style>\n</head>\n<body>\n";
    out += "<h1>" + EscapeHtml(page.title) + "</h1>\n";
    out += "<p>" + EscapeHtml(page.dateHeading) + " " + EscapeHtml(page.date) + "</p>\n";
    AppendSection(out, page.inputsHeading, page.inputs);
    AppendSection(out, page.resultsHeading, page.results);
    if (page.figure) {
        const std::string svg = FigureSvg(*page.figure);
        if (!svg.empty()) out += "<h2>" + EscapeHtml(page.figureHeading) + "</h2>\n" + svg;
    }
    // A line break right after the opening tag is dropped by HTML readers, so
    // a solution that starts with an empty line keeps it.
    out += "<h2>" + EscapeHtml(page.solutionHeading) + "</h2>\n<pre>\n";
    for (const std::string& line : page.lines)
        out += PreLine(line) + "\n";
    out += "</pre>\n</body>\n</html>\n";
    return out;
}

} // namespace tc
