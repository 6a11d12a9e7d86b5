#include "app/tab_frame.h"

namespace tc {

TabFrame AddTabFrame(WidgetTree& tree, const TabFrameParts& parts) {
    Widget& page =
        tree.addPlain(WidgetKind::Page, parts.page, "", parts.caption, {0, 0, kPageWidth, kPageHeight});
    Memo& memo = tree.add<Memo>(parts.memo, parts.page);
    memo.geometry = {400, 8, 384, 530};
    Widget& compute =
        tree.addPlain(WidgetKind::Button, parts.compute, parts.page, "Обчислити", {8, 552, 120, 30});
    compute.enabled = parts.computeEnabled;
    Widget& save =
        tree.addPlain(WidgetKind::Button, parts.save, parts.page, parts.saveCaption, {136, 552, 120, 30});
    Widget& exit = tree.addPlain(WidgetKind::Button, parts.exit, parts.page, "Вихід", {264, 552, 120, 30});
    return {page, memo, compute, save, exit};
}

} // namespace tc
