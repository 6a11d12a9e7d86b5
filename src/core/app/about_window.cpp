#include "app/about_window.h"

namespace tc {

AboutWindow::AboutWindow(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env), info_([&]() -> Memo& {
          Widget& form = tree.addPlain(WidgetKind::Form, "Form1", "", "Про програму", {0, 0, 475, 332});
          form.look.background = 0xC0DCC0;
          form.look.pixelSize = 11;
          tree.addPlain(WidgetKind::Page, "TabSheet1", "Form1", "Про програму", {0, 0, 473, 305});
          Memo& m = tree.add<Memo>("InfoM", "TabSheet1");
          m.geometry = {0, 4, 465, 269};
          m.look.background = 0xE0E0E0;
          tree.addPlain(WidgetKind::Button, "Button1", "Form1", "Вихід", {2, 307, 471, 25});
          return m;
      }()) {}

} // namespace tc
