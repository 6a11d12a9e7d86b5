// SPDX-License-Identifier: GPL-3.0-or-later
#include "state_dump.h"

#include <algorithm>

namespace tc::cli {

namespace {

using Json = nlohmann::ordered_json;

bool HasShownCaption(const Widget& w) {
    switch (w.kind()) {
    case WidgetKind::MenuItem: return static_cast<const MenuItem&>(w).itemKind != MenuItemKind::Separator;
    case WidgetKind::GroupBox:
    case WidgetKind::RadioGroup:
    case WidgetKind::Label:
    case WidgetKind::Button:
    case WidgetKind::RadioButton:
    case WidgetKind::Page: return true;
    default: return false;
    }
}

Json GridJson(const Grid& g) {
    Json cells = Json::array();
    for (int r = 0; r < g.rows; ++r) {
        Json row = Json::array();
        for (int c = 0; c < g.cols; ++c)
            row.push_back(g.cell(c, r));
        cells.push_back(std::move(row));
    }
    return Json{{"cols", g.cols}, {"rows", g.rows}, {"cells", std::move(cells)}};
}

const char* SegmentRoleName(SegmentRole role) {
    switch (role) {
    case SegmentRole::Side: return "side";
    case SegmentRole::Edge: return "edge";
    case SegmentRole::Median: return "median";
    case SegmentRole::Height: return "height";
    case SegmentRole::Bisector: return "bisector";
    case SegmentRole::Arrow: return "arrow";
    }
    return "";
}

// A figure as the state reports it: "points" and "segments" always; the rest
// says how they are drawn.
Json FigureJson(const Figure& f) {
    Json points = Json::object(), captions = Json::object();
    for (const FigurePoint& p : f.points) {
        points[p.label] = p.at;
        if (!p.caption.empty()) captions[p.label] = p.caption;
    }
    Json segments = Json::array(), kinds = Json::array(), segmentCaptions = Json::array(),
         highlighted = Json::array(), faces = Json::array();
    for (const FigureSegment& s : f.segments) {
        segments.push_back({s.from, s.to});
        kinds.push_back(SegmentRoleName(s.role));
        segmentCaptions.push_back(s.caption);
        if (s.highlighted) highlighted.push_back({s.from, s.to});
    }
    for (const FigureFace& face : f.faces) {
        faces.push_back(face.points);
        if (face.highlighted) highlighted.push_back(face.points);
    }
    Json labels = Json::array();
    for (const FigureLabel& l : f.labels)
        labels.push_back({{"at", l.at}, {"text", l.text}});
    return Json{{"points", std::move(points)},
                {"segments", std::move(segments)},
                {"dimensions", f.dimensions},
                {"segment_kinds", std::move(kinds)},
                {"segment_captions", std::move(segmentCaptions)},
                {"faces", std::move(faces)},
                {"captions", std::move(captions)},
                {"labels", std::move(labels)},
                {"elements", f.elements},
                {"highlighted", std::move(highlighted)},
                {"note", f.note}};
}

} // namespace

Json DumpState(const MainWindow& window, const RecordingHost& host) {
    Json boxes = Json::array();
    for (const Box& b : host.boxes) {
        const char* kind = b.kind == Box::Kind::Error      ? "error"
                           : b.kind == Box::Kind::Question ? "question"
                                                           : "message";
        boxes.push_back({{"kind", kind}, {"text", b.text}});
    }

    Json memos = Json::object(), fields = Json::object(), grids = Json::object(), combos = Json::object(),
         captions = Json::object();
    std::vector<std::string> hidden, checked;
    for (const Widget* w : window.widgets().all()) {
        if (!w->visible) hidden.push_back(w->name());
        if (auto* item = dynamic_cast<const MenuItem*>(w); item && item->itemKind == MenuItemKind::Check && item->checked)
            checked.push_back(w->name());
        if (HasShownCaption(*w)) captions[w->name()] = w->caption;
        if (auto* m = dynamic_cast<const Memo*>(w)) memos[w->name()] = m->lines;
        if (auto* e = dynamic_cast<const Edit*>(w)) fields[w->name()] = e->text;
        if (auto* g = dynamic_cast<const Grid*>(w)) grids[w->name()] = GridJson(*g);
        if (auto* c = dynamic_cast<const Combo*>(w))
            combos[w->name()] = {{"index", c->index}, {"text", c->text}, {"items", c->items}};
    }
    std::sort(hidden.begin(), hidden.end());
    std::sort(checked.begin(), checked.end());
    Json figures = Json::object();
    for (const std::string& name : window.figureNames())
        figures[name] = FigureJson(window.figure(name));

    Json state{
        {"closed", window.closed()},   {"tab", window.tab()},          {"language", window.language()},
        {"boxes", std::move(boxes)},   {"memos", std::move(memos)},    {"fields", std::move(fields)},
        {"grids", std::move(grids)},   {"combos", std::move(combos)},  {"captions", std::move(captions)},
        {"hidden", std::move(hidden)}, {"figures", std::move(figures)}, {"checked", std::move(checked)}};
    // Only on a tab that answers, after a computation that did not fail.
    if (Json answer = window.answer(); !answer.is_null()) state["answer"] = std::move(answer);
    // Only after a copy, so that the state of every other run stays as it was.
    if (host.clipboard) state["clipboard"] = *host.clipboard;
    return state;
}

} // namespace tc::cli
