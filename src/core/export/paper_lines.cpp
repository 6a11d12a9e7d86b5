// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/paper_lines.h"

#include <algorithm>

#include "formula/formula.h"

namespace tc {

namespace {

using formula::Kind;
using formula::Node;

// A place where the line may be cut: a byte offset and how good a place it
// is (a relation better than a sum, better than a product, better than a
// space of the text).
struct Cut {
    size_t at;
    int rank;
};

void CollectCuts(const Node& n, size_t& offset, int depth, std::vector<Cut>& cuts) {
    if (n.kind == Kind::Text) {
        for (size_t i = 0; i < n.text.size(); ++i)
            if (n.text[i] == ' ' && i + 1 < n.text.size() && n.text[i + 1] != ' ')
                cuts.push_back({offset + i + 1, 1});
        offset += n.text.size();
        return;
    }
    if (n.kind == Kind::Operator) {
        offset += n.text.size();
        const char c = n.text[0];
        const int rank = c == '=' ? 4 : (c == '+' || c == '-') ? 3 : 2;
        cuts.push_back({offset, std::max(1, rank - depth)});
        return;
    }
    if (n.kids.empty()) {
        offset += formula::PlainText(n).size();
        return;
    }
    // The brackets, bars and marks between the children of the other nodes.
    const std::string whole = formula::PlainText(n);
    const size_t end = offset + whole.size();
    size_t inner = offset + (n.kind == Kind::Group || n.kind == Kind::Bars ? 1 : 0);
    for (size_t i = 0; i < n.kids.size(); ++i) {
        if (n.kind == Kind::Function && i == 0) inner = offset + n.text.size();
        if (i > 0 && (n.kind == Kind::Group || n.kind == Kind::Bars)) {
            inner += n.text.size();
            cuts.push_back({inner, 1});
        }
        if (i > 0 && (n.kind == Kind::Fraction || n.kind == Kind::Power)) inner += 1;
        CollectCuts(n.kids[i], inner, depth + (n.kind == Kind::Line || n.kind == Kind::Formula ? 0 : 1),
                    cuts);
    }
    offset = end;
}

// Code points between two byte offsets of UTF-8 text.
size_t Columns(const std::string& s, size_t from, size_t to) {
    size_t n = 0;
    for (size_t i = from; i < to && i < s.size(); ++i)
        n += (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
    return n;
}

// The byte offset `columns` code points after `from`.
size_t Advance(const std::string& s, size_t from, size_t columns) {
    size_t i = from;
    while (i < s.size() && columns > 0) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
        --columns;
    }
    return i;
}

bool Word(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == ',';
}

} // namespace

std::vector<std::string> WrapLine(const std::string& line, char decimal, size_t columns) {
    if (Columns(line, 0, line.size()) <= columns) return {line};
    std::vector<Cut> cuts;
    size_t offset = 0;
    CollectCuts(formula::ReadLine(line, decimal), offset, 0, cuts);
    const size_t lead = std::min(line.find_first_not_of(' '), columns / 2);
    const std::string indent(lead + 4, ' ');
    std::vector<std::string> pieces;
    size_t from = 0;
    while (from < line.size()) {
        const size_t room = columns - (pieces.empty() ? 0 : indent.size());
        if (Columns(line, from, line.size()) <= room) {
            pieces.push_back(indent + line.substr(from));
            break;
        }
        const size_t limit = Advance(line, from, room);
        // The best place in the last third of the room, else the last one at all.
        size_t best = 0;
        int bestRank = 0;
        const size_t good = Advance(line, from, room * 2 / 3);
        for (const Cut& c : cuts) {
            if (c.at <= from || c.at > limit) continue;
            const int rank = c.at >= good ? c.rank + 10 : c.rank;
            if (rank > bestRank || (rank == bestRank && c.at > best)) best = c.at, bestRank = rank;
        }
        if (best == 0) {
            // No place at all: cut before the word (number, name) that crosses the margin.
            best = limit;
            while (best > from + 1 && Word(line[best - 1]) && Word(line[best]))
                --best;
            if (best <= from + 1) best = limit;
        }
        pieces.push_back((pieces.empty() ? "" : indent) + line.substr(from, best - from));
        from = best;
    }
    return pieces;
}

} // namespace tc
