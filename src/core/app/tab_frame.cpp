#include "app/tab_frame.h"

namespace tc {

TabFrame AddTabFrame(WidgetTree& tree, const TabFrameSpec& spec) {
    Widget& page = tree.addPlain(WidgetKind::Page, spec.page, "", spec.caption, {0, 0, kPageWidth, kPageHeight});
    Memo& memo = tree.add<Memo>(spec.memo, spec.page);
    memo.geometry = {400, 8, 384, 530};
    Widget& compute = tree.addPlain(WidgetKind::Button, spec.compute, spec.page, "Обчислити", {8, 552, 120, 30});
    compute.enabled = spec.computeEnabled;
    Widget& save = tree.addPlain(WidgetKind::Button, spec.save, spec.page, spec.saveCaption, {136, 552, 120, 30});
    Widget& exit = tree.addPlain(WidgetKind::Button, spec.exit, spec.page, "Вихід", {264, 552, 120, 30});
    return {page, memo, compute, save, exit};
}

} // namespace tc
