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
    std::vector<std::string> hidden;
    for (const Widget* w : window.widgets().all()) {
        if (!w->visible) hidden.push_back(w->name());
        if (HasShownCaption(*w)) captions[w->name()] = w->caption;
        if (auto* m = dynamic_cast<const Memo*>(w)) memos[w->name()] = m->lines;
        if (auto* e = dynamic_cast<const Edit*>(w)) fields[w->name()] = e->text;
        if (auto* g = dynamic_cast<const Grid*>(w)) grids[w->name()] = GridJson(*g);
        if (auto* c = dynamic_cast<const Combo*>(w))
            combos[w->name()] = {{"index", c->index}, {"text", c->text}, {"items", c->items}};
    }
    std::sort(hidden.begin(), hidden.end());

    Json state{{"closed", window.closed()},  {"tab", window.tab()},         {"language", window.language()},
               {"boxes", std::move(boxes)},  {"memos", std::move(memos)},   {"fields", std::move(fields)},
               {"grids", std::move(grids)},  {"combos", std::move(combos)}, {"captions", std::move(captions)},
               {"hidden", std::move(hidden)}};
    // Only after a copy, so that the state of every other run stays as it was.
    if (host.clipboard) state["clipboard"] = *host.clipboard;
    return state;
}

} // namespace tc::cli
