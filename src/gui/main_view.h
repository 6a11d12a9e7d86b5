// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt window: a thin view of the main window model. Each signal calls the
// model's action, then every widget shows what the model holds (also after a
// failure, before the error box appears).

#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "app/page_fit.h"
#include "qt_translations.h"

class QAction;
class QDialog;
class QMenu;
class QPrinter;
class QTabWidget;

namespace tc::gui {

class DeferredPages;
class FigureWindow;
class GridModel;
class KeyFlow;

class MainView : public QMainWindow, public Host {
    Q_OBJECT
public:
    // Replacements for the modal boxes and dialogs; tests set them so that
    // nothing blocks. An unset hook shows the real box or dialog.
    struct Hooks {
        std::function<void(const QString& text)> error;
        std::function<void(const QString& text)> message;
        std::function<std::optional<QString>(const QString& lastName)> saveName;
        std::function<bool(const QString& path)> confirmReplace;
        std::function<void()> about;
        // Replaces the print dialog: sets up `printer` and returns true to print.
        std::function<bool(QPrinter& printer)> print;
        // A fault of the program (see reportFault).
        std::function<void(const QString& what)> fault;
        // Told the View menu's options after the user changed one, so that
        // the window can remember them for the next run.
        std::function<void(const ViewOptions& options)> viewChanged;
        // Told as the window closes, so that its size can be remembered:
        // the size it has when not maximized, and whether it is maximized.
        std::function<void(const QSize& size, bool maximized)> closing;
    };

    explicit MainView(Settings settings, QWidget* parent = nullptr);
    ~MainView() override;

    // The size the window opens at (the one it had when last closed); called
    // before start(). Without it the window opens at its designed size. Either
    // is made to fit the screen's free area.
    void setStartSize(const QSize& size) { startSize_ = size; }
    // Runs the program's start-up on the model and shows its state.
    void start();
    void refresh();
    // Chooses a language as its menu item does ("N23", "N24", "N25").
    void chooseLanguage(const std::string& item);

    MainWindow& model() { return model_; }
    // The About window, built now if it has not been shown yet.
    QDialog* aboutWindow();
    // Builds the page or window that holds the widget `name` (or the page
    // `name` itself) if it has not been shown yet, as showing it would.
    void buildPageOf(const std::string& name);
    Hooks hooks;

    // Host
    void showError(const std::string& text) override;
    void showMessage(const std::string& text) override;
    void showAbout() override;
    std::optional<std::string> askSaveName(const std::string& lastName) override;
    bool confirmReplace(const std::string& path, const std::string& question) override;
    void showFigure() override;

    // The figure window, once it has been opened.
    FigureWindow* figureWindow() const { return figure_; }
    // Handing in a solution (export_view.cpp).
    std::string renderPdf(const std::string& html, const std::string& title) override;
    void print(const std::string& html, const std::string& title) override;
    void copyText(const std::string& text) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void buildWidget(const Widget& w);
    void buildLate(const std::vector<const Widget*>& widgets);
    void buildMenuItem(const MenuItem& item);
    void refreshWidget(const Widget& w);
    // Puts `q`, the view of `w`, where the size of its page puts it.
    void place(const Widget& w, QWidget* q);
    // Places the widgets of a page of the tabs after it changed its size.
    void placePage(QWidget* page);
    // The plan of `page`'s fit, worked out once per pass over the widgets
    // (refresh, placePage, buildLate), which clears fits_ as it starts.
    const PageFitter& fitOf(const Widget& page);
    QWidget* container(const std::string& name) const;
    // Runs a user's action on the model and shows the outcome.
    void act(const std::function<void()>& action);
    // Runs `step`; an exception out of it is a fault of the program (the
    // user's failures come as error boxes), reported by reportFault.
    void guarded(const std::function<void()>& step);
    // Shows a fault of the program in a box of its own, not as an error of the
    // user's input; the window goes on with what the stopped handler left.
    void reportFault(const std::string& what);

    MainWindow model_;
    QTabWidget* tabs_ = nullptr;
    KeyFlow* keyFlow_ = nullptr;
    bool focusPlaced_ = false;
    QSize designSize_;           // the tabs as designed
    std::optional<QSize> startSize_;
    QDialog* about_ = nullptr;
    DeferredPages* deferred_ = nullptr;
    FigureWindow* figure_ = nullptr;
    QString saveFolder_; // where the last solution was saved; empty before the first save
    std::map<std::string, QWidget*> widgets_;
    std::map<const Widget*, PageFitter> fits_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, GridModel*> grids_;
    std::map<std::string, QTabWidget*> pageControls_; // per window: "" for the main window, "Form1"
    bool refreshing_ = false;
    QtTranslations qtTexts_; // Qt's own texts follow the chosen language
};

} // namespace tc::gui
