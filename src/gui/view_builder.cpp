// SPDX-License-Identifier: GPL-3.0-or-later
// Building the Qt widgets from the model's widget tree, and showing the tree's
// state in them.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/page_fit.h"
#include "context/tab_frame.h"
#include "cell_grid.h"
#include "deferred_pages.h"
#include "font_family.h"
#include "grid_drag.h"
#include "grid_model.h"
#include "late_completer.h"
#include "main_view.h"
#include "memo_view.h"
#include "mnemonics.h"
#include "one_line.h"
#include "qt_text.h"
#include "result_fields.h"
#include "whole_text.h"
#include "widgets/names.h"

namespace tc::gui {

namespace {

QColor Rgb(unsigned rgb) {
    return QColor(QRgb(rgb));
}

void ApplyLook(QWidget* q, const Look& look) {
    if (look.bold || look.pixelSize) {
        QFont f = q->font();
        if (look.bold) f.setBold(true);
        if (look.pixelSize) f.setPixelSize(look.pixelSize);
        q->setFont(f);
    }
    if (look.color || look.background) {
        QPalette p = q->palette();
        if (look.color) {
            p.setColor(QPalette::WindowText, Rgb(look.color));
            p.setColor(QPalette::Text, Rgb(look.color));
        }
        if (look.background) {
            p.setColor(QPalette::Window, Rgb(look.background));
            p.setColor(QPalette::Base, Rgb(look.background));
            q->setAutoFillBackground(true);
        }
        q->setPalette(p);
    }
}

QFont WindowFont(const char* family, QFont::StyleHint hint, int pixels) {
    // Where the named font is missing, the closest installed one of its kind serves.
    QFont f(InstalledFamily(QString::fromLatin1(family), hint));
    f.setStyleHint(hint);
    f.setPixelSize(pixels);
    return f;
}

// Cell grids lay their text out 1 pixel from the cell's edges, as narrow as
// the grids the layout was measured with; the wider margins of the Qt styles
// cut a value such as -0.1233 in a 55-pixel column, and a vertex such as
// -12,75 in the 38-pixel cells of the tetrahedron. Only the cells are drawn with
// the narrower margin: the grid itself keeps the window's style, so its frame
// and scroll bars measure as everywhere else.
class CellStyle : public QProxyStyle {
public:
    CellStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_FocusFrameHMargin) return 0; // the text margin is this plus 1
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// A cell takes its text as it is typed, as the grids of the window always did:
// a menu command or shortcut leaves the focus in the cell's editor, and it must
// see the text typed so far, not the one before the editor opened. Showing the
// grid again after each action then finds the editor holding the cell's text
// already and leaves it (and its cursor) alone.
class CellDelegate : public QStyledItemDelegate {
    static constexpr const char* kOpenedCell = "tovrinOpenedCell";
    static constexpr const char* kOpenedText = "tovrinOpenedText";

public:
    explicit CellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setValidator(new OneLine(line));
            // The cell may leave the grid while its editor is open.
            const QPersistentModelIndex cell(index);
            // Escape gives the cell back the text it had when the editor opened.
            line->setProperty(kOpenedCell, QVariant::fromValue(cell));
            line->setProperty(kOpenedText, index.data(Qt::EditRole));
            connect(line, &QLineEdit::textEdited, line, [cell](const QString& text) {
                if (cell.isValid())
                    const_cast<QAbstractItemModel*>(cell.model())->setData(cell, text, Qt::EditRole);
            });
        }
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            const QString text = index.data(Qt::EditRole).toString();
            if (line->text() != text) line->setText(text);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    // Left and Right move through the typed text; at its edge (or with all of
    // it selected) they go on to the neighbouring cell, so "4", Right, "1.5"
    // fills two cells instead of giving one cell "41.5".
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* line = qobject_cast<QLineEdit*>(object);
        auto* view = qobject_cast<QAbstractItemView*>(parent());
        if (line && view && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape) {
                const auto cell = line->property(kOpenedCell).value<QPersistentModelIndex>();
                const QString opened = line->property(kOpenedText).toString();
                if (cell.isValid() && cell.data(Qt::EditRole).toString() != opened)
                    const_cast<QAbstractItemModel*>(cell.model())->setData(cell, opened, Qt::EditRole);
            }
            const int step = key->key() == Qt::Key_Right ? 1 : key->key() == Qt::Key_Left ? -1 : 0;
            // A cell entered from its neighbour has its whole text selected:
            // the keys go straight on through it.
            const bool all = line->selectedText() == line->text();
            const bool atEdge = line->hasSelectedText()
                                    ? all
                                    : line->cursorPosition() == (step > 0 ? line->text().size() : 0);
            if (step != 0 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && atEdge) {
                const QModelIndex current = view->currentIndex();
                const QModelIndex next = current.sibling(current.row(), current.column() + step);
                if (next.isValid() && (next.flags() & Qt::ItemIsEditable)) {
                    emit commitData(line);
                    emit closeEditor(line, QAbstractItemDelegate::NoHint);
                    view->setCurrentIndex(next);
                    return true;
                }
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        style_.drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    }

private:
    CellStyle style_;
};

// A selector whose drop-down list is as wide as its longest item, however
// narrow the box: a task's whole name can be read before it is chosen.
class WideListCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        int longest = 0;
        const QFontMetrics metrics(view()->font());
        for (int i = 0; i < count(); ++i)
            longest = std::max(longest, metrics.horizontalAdvance(itemText(i)));
        const int margins = 2 * view()->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
        view()->setMinimumWidth(std::max(width(), longest + margins));
        QComboBox::showPopup();
    }
};

} // namespace

// A widget lies where its page's size puts it; pages not laid out yet take
// their designed size.
void MainView::place(const Widget& w, QWidget* q) {
    Rect r = w.geometry;
    if (const Widget* holder = PageOf(model_.widgets(), w))
        if (auto page = widgets_.find(holder->name()); page != widgets_.end() && tabs_ && tabs_->isVisible() &&
                                                       tabs_->indexOf(page->second) >= 0) {
            const PageSize size{page->second->width(), page->second->height()};
            if (size.w != kPageWidth || size.h != kPageHeight) r = fitOf(*holder).placed(w, size);
        }
    if (q->geometry() != QRect(r.x, r.y, r.w, r.h)) q->setGeometry(r.x, r.y, r.w, r.h);
}

const PageFitter& MainView::fitOf(const Widget& page) {
    auto it = fits_.find(&page);
    if (it == fits_.end()) it = fits_.emplace(&page, PageFitter(model_.widgets(), page.name())).first;
    return it->second;
}

void MainView::placePage(QWidget* page) {
    fits_.clear();
    const Widget* shown = model_.widgets().find(S(page->objectName()));
    for (const Widget* w : model_.widgets().all())
        if (w != shown && PageOf(model_.widgets(), *w) == shown)
            if (auto it = widgets_.find(w->name()); it != widgets_.end()) place(*w, it->second);
}

void MainView::build() {
    const Widget& frame = model_.widgets().get(names::Mat);
    setWindowTitle(Q(frame.caption));
    setFont(WindowFont(kWindowFamily, kWindowHint, frame.look.pixelSize));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Rgb(frame.look.background));
    setPalette(pal);

    // The tabs fill the window, which the user may resize and maximize: the
    // pages give the room to their memos (page_fit.h).
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* fill = new QVBoxLayout(central);
    fill->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("Matem"));
    fill->addWidget(tabs_);
    designSize_ = QSize(frame.geometry.w, frame.geometry.h);
    pageControls_[""] = tabs_;
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        if (!refreshing_ && i >= 0) act([this, i] { model_.setTab(i); });
    });

    deferred_ = new DeferredPages(
        model_.widgets(), frame.name(), [this](const std::vector<const Widget*>& ws) { buildLate(ws); },
        this);
    for (const Widget* w : model_.widgets().all())
        if (!deferred_->defer(*w)) buildWidget(*w);
    refresh();
}

// The widgets of a page or window built after start-up, most often while the
// page is showing for the first time: each new widget takes its state, and on
// a page that shows already it shows at once.
void MainView::buildLate(const std::vector<const Widget*>& widgets) {
    fits_.clear();
    for (const Widget* w : widgets)
        buildWidget(*w);
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    for (const Widget* w : widgets)
        refreshWidget(*w);
    refreshing_ = wasRefreshing;
}

QDialog* MainView::aboutWindow() {
    deferred_->build(names::Form1);
    return about_;
}

void MainView::buildPageOf(const std::string& name) {
    deferred_->buildHolderOf(name);
}

QWidget* MainView::container(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? centralWidget() : it->second;
}

void MainView::buildWidget(const Widget& w) {
    const std::string name = w.name();
    QWidget* q = nullptr;
    switch (w.kind()) {
    case WidgetKind::Form: {
        if (name == names::Mat) return;
        auto* dialog = new QDialog(this);
        dialog->setWindowTitle(Q(w.caption));
        dialog->setFixedSize(w.geometry.w, w.geometry.h);
        dialog->setFont(
            WindowFont("MS Sans Serif", QFont::SansSerif, w.look.pixelSize ? w.look.pixelSize : 11));
        if (w.look.background) {
            QPalette p = dialog->palette();
            p.setColor(QPalette::Window, Rgb(w.look.background));
            dialog->setPalette(p);
        }
        about_ = dialog;
        widgets_[name] = dialog;
        dialog->setObjectName(Q(name));
        return;
    }
    case WidgetKind::Page: {
        QTabWidget*& control = pageControls_[w.parent()];
        if (!control) {
            control = new QTabWidget(container(w.parent()));
            control->setObjectName(QStringLiteral("PageControl1"));
            control->setGeometry(w.geometry.x, w.geometry.y, w.geometry.w, w.geometry.h);
        }
        auto* page = new QWidget;
        // Pages share their window's background colour.
        page->setAutoFillBackground(true);
        if (w.parent().empty()) {
            const PageSize least = SmallestPage(model_.widgets(), name);
            page->setMinimumSize(least.w, least.h);
        }
        control->addTab(page, Q(w.caption));
        page->setObjectName(Q(name));
        widgets_[name] = page;
        deferred_->buildOnShow(page, name);
        return;
    }
    case WidgetKind::MenuItem: return buildMenuItem(static_cast<const MenuItem&>(w));
    case WidgetKind::GroupBox:
    case WidgetKind::RadioGroup:
        q = new QGroupBox(container(w.parent()));
        // A group box is a frame behind its neighbours: widgets that share its
        // parent but lie within its area stay on top of it and take the clicks.
        q->lower();
        break;
    case WidgetKind::Label: q = new QLabel(container(w.parent())); break;
    case WidgetKind::Button: {
        auto* b = new QPushButton(container(w.parent()));
        if (name == names::Button1) {
            connect(b, &QPushButton::clicked, this, [this] {
                act([this] { model_.click(names::Button1); });
                about_->accept();
            });
        } else {
            connect(b, &QPushButton::clicked, this,
                    [this, name] { act([this, name] { model_.click(name); }); });
        }
        q = b;
        break;
    }
    case WidgetKind::RadioButton: {
        auto* r = new QRadioButton(container(w.parent()));
        r->setAutoExclusive(false); // the model keeps the group
        connect(r, &QRadioButton::clicked, this, [this, name] { act([this, name] { model_.click(name); }); });
        q = r;
        break;
    }
    case WidgetKind::Edit: {
        auto* e = new QLineEdit(container(w.parent()));
        e->setValidator(new OneLine(e));
        ShowWholeFieldText(e);
        connect(e, &QLineEdit::textEdited, this,
                [this, name](const QString& t) { act([this, name, t] { model_.setText(name, S(t)); }); });
        q = e;
        break;
    }
    case WidgetKind::Memo: {
        auto* m = new MemoView(container(w.parent()));
        if (static_cast<const Memo&>(w).table) m->showAsTable();
        connect(m, &QPlainTextEdit::textChanged, this, [this, name, m] {
            if (!refreshing_) model_.setMemo(name, m->lines());
        });
        q = m;
        break;
    }
    case WidgetKind::Combo: {
        const auto& combo = static_cast<const Combo&>(w);
        auto* c = new WideListCombo(container(w.parent()));
        if (combo.editable) MakeEditable(c);
        c->setInsertPolicy(QComboBox::NoInsert);
        if (combo.editable) c->setValidator(new OneLine(c));
        connect(c, QOverload<int>::of(&QComboBox::activated), this,
                [this, name](int i) { act([this, name, i] { model_.select(name, i); }); });
        if (combo.editable)
            connect(c->lineEdit(), &QLineEdit::textEdited, this,
                    [this, name](const QString& t) { act([this, name, t] { model_.type(name, S(t)); }); });
        q = c;
        break;
    }
    case WidgetKind::Grid: {
        const auto& grid = static_cast<const Grid&>(w);
        auto* view = new CellGrid(container(w.parent()));
        auto* model = new GridModel(
            grid,
            [this, name](int col, int row, const QString& t) {
                act([this, name, col, row, t] { model_.setCell(name, col, row, S(t)); });
            },
            view);
        // The headings are hidden before the grid gets its model: a shown
        // heading measures the text of every section as the columns arrive.
        view->horizontalHeader()->hide();
        view->verticalHeader()->hide();
        view->setModel(model);
        view->setItemDelegate(new CellDelegate(view));
        ShowWholeCellText(view);
        view->verticalHeader()->setMinimumSectionSize(8);
        view->setEditTriggers(QAbstractItemView::AllEditTriggers);
        grids_[name] = model;
        if (grid.movable)
            new GridDrag(
                view, grid.fixedCols, grid.fixedRows,
                [this, name](int from, int to) {
                    act([this, name, from, to] { model_.moveRow(name, from, to); });
                },
                [this, name](int from, int to) {
                    act([this, name, from, to] { model_.moveColumn(name, from, to); });
                });
        q = view;
        break;
    }
    }
    q->setObjectName(Q(name));
    ApplyLook(q, w.look);
    widgets_[name] = q;
}

void MainView::buildMenuItem(const MenuItem& item) {
    const std::string name = item.name();
    QMenu* parentMenu = item.parent().empty() ? nullptr : menus_.at(item.parent());
    switch (item.itemKind) {
    case MenuItemKind::Separator: parentMenu->addSeparator(); return;
    case MenuItemKind::Submenu: {
        const QString text = MenuText(model_.widgets(), item);
        QMenu* menu = parentMenu ? parentMenu->addMenu(text) : menuBar()->addMenu(text);
        menu->setObjectName(Q(name));
        menu->menuAction()->setObjectName(Q(name));
        // Opening a submenu runs its item's handler before the submenu shows.
        connect(menu, &QMenu::aboutToShow, this, [this, name] { act([this, name] { model_.menu(name); }); });
        menus_[name] = menu;
        actions_[name] = menu->menuAction();
        return;
    }
    case MenuItemKind::Command:
    case MenuItemKind::Check:
    case MenuItemKind::Radio: {
        const QString text = MenuText(model_.widgets(), item);
        QAction* a = parentMenu ? parentMenu->addAction(text) : menuBar()->addAction(text);
        a->setObjectName(Q(name));
        if (!item.shortcut.empty()) {
            a->setShortcut(QKeySequence(Q(item.shortcut)));
            a->setShortcutContext(Qt::ApplicationShortcut);
            // Actions on the menu bar itself need the window to hold them for shortcuts.
            addAction(a);
        }
        if (item.itemKind == MenuItemKind::Radio) {
            a->setCheckable(true);
            // The radio items of one menu form one group: the menu marks them as
            // radio items, and a click on the checked one leaves it checked.
            // The model decides which one is checked; refresh shows it.
            auto* group = parentMenu->findChild<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly);
            if (!group) group = new QActionGroup(parentMenu);
            group->addAction(a);
        }
        if (item.itemKind == MenuItemKind::Check) {
            // The model toggles the option; refresh shows its state.
            a->setCheckable(true);
            connect(a, &QAction::triggered, this, [this, name] {
                act([this, name] { model_.menu(name); });
                if (hooks.viewChanged) hooks.viewChanged(ReadViewOptions(model_.widgets()));
            });
            actions_[name] = a;
            return;
        }
        connect(a, &QAction::triggered, this, [this, name] { act([this, name] { model_.menu(name); }); });
        actions_[name] = a;
        return;
    }
    }
}

void MainView::refreshWidget(const Widget& w) {
    const std::string& name = w.name();
    if (w.kind() == WidgetKind::MenuItem) {
        auto it = actions_.find(name);
        if (it == actions_.end()) return;
        QAction* a = it->second;
        if (const QString text = MenuText(model_.widgets(), w); a->text() != text) a->setText(text);
        const auto& item = static_cast<const MenuItem&>(w);
        if (a->isCheckable() && a->isChecked() != item.checked) a->setChecked(item.checked);
        return;
    }
    auto it = widgets_.find(name);
    if (it == widgets_.end()) return;
    QWidget* q = it->second;
    // A form and a page keep their place; only their captions follow the
    // language (the About window's title and page).
    if (w.kind() == WidgetKind::Form) {
        if (q->windowTitle() != Q(w.caption)) q->setWindowTitle(Q(w.caption));
        return;
    }
    if (w.kind() == WidgetKind::Page) {
        auto control = pageControls_.find(w.parent());
        if (control == pageControls_.end()) return;
        const int index = control->second->indexOf(q);
        if (index >= 0 && control->second->tabText(index) != Q(w.caption))
            control->second->setTabText(index, Q(w.caption));
        return;
    }
    place(w, q);
    if (q->isVisibleTo(q->parentWidget()) != w.visible) q->setVisible(w.visible);
    if (q->isEnabled() != w.enabled) q->setEnabled(w.enabled);

    switch (w.kind()) {
    case WidgetKind::GroupBox:
    case WidgetKind::RadioGroup: static_cast<QGroupBox*>(q)->setTitle(Q(w.caption)); break;
    case WidgetKind::Label: static_cast<QLabel*>(q)->setText(Q(w.caption)); break;
    case WidgetKind::Button: static_cast<QPushButton*>(q)->setText(ButtonText(model_.widgets(), w)); break;
    case WidgetKind::RadioButton: {
        auto* r = static_cast<QRadioButton*>(q);
        r->setText(Q(w.caption));
        r->setChecked(static_cast<const RadioButton&>(w).checked);
        break;
    }
    case WidgetKind::Edit: {
        auto* e = static_cast<QLineEdit*>(q);
        const auto& edit = static_cast<const Edit&>(w);
        if (e->text() != Q(edit.text)) {
            e->setText(Q(edit.text));
            // A text the program writes is shown from its start, as a number is
            // read: a field scrolled to the end of a long result shows its last
            // digits, which look like another number. A field the user is in
            // keeps its cursor at the end of what was written.
            if (!e->hasFocus()) e->setCursorPosition(0);
        }
        e->setReadOnly(edit.readOnly || IsResultField(name));
        break;
    }
    case WidgetKind::Memo: {
        // Text the user typed holds the memo's lines already, with or without a
        // final line break; setting it again would throw the cursor to the start.
        static_cast<MemoView*>(q)->show(static_cast<const Memo&>(w).lines);
        break;
    }
    case WidgetKind::Combo: {
        auto* c = static_cast<QComboBox*>(q);
        const auto& combo = static_cast<const Combo&>(w);
        QStringList items;
        for (const std::string& i : combo.items)
            items << Q(i);
        QStringList shown;
        for (int i = 0; i < c->count(); ++i)
            shown << c->itemText(i);
        if (shown != items) {
            c->clear();
            c->addItems(items);
        }
        // Dropping the list position empties the edit part, which is then given
        // its text back; the cursor goes back to where the user was typing.
        const int cursor = c->isEditable() ? c->lineEdit()->cursorPosition() : 0;
        const bool typed = c->isEditable() && c->lineEdit()->text() == Q(combo.text);
        if (c->currentIndex() != combo.index) c->setCurrentIndex(combo.index);
        if (c->isEditable()) {
            if (c->currentText() != Q(combo.text)) {
                c->setEditText(Q(combo.text));
                if (typed) c->lineEdit()->setCursorPosition(cursor);
            }
        } else if (combo.index < 0) {
            c->setPlaceholderText(Q(combo.text));
        }
        break;
    }
    case WidgetKind::Grid: {
        const auto& grid = static_cast<const Grid&>(w);
        grids_.at(name)->sync();
        auto* view = static_cast<QTableView*>(q);
        for (int c = 0; c < grid.cols; ++c)
            if (view->columnWidth(c) != grid.colWidth(c)) view->setColumnWidth(c, grid.colWidth(c));
        view->verticalHeader()->setDefaultSectionSize(grid.defaultRowHeight);
        break;
    }
    default: break;
    }
}

} // namespace tc::gui
