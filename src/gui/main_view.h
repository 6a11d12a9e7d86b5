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

class QAction;
class QDialog;
class QMenu;
class QTabWidget;

namespace tc::gui {

class FigureWindow;
class GridModel;

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
    };

    explicit MainView(Settings settings, QWidget* parent = nullptr);
    ~MainView() override;

    // Runs the program's start-up on the model and shows its state.
    void start();
    void refresh();

    MainWindow& model() { return model_; }
    QDialog* aboutWindow() const { return about_; }
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildWidget(const Widget& w);
    void buildMenuItem(const MenuItem& item);
    void refreshWidget(const Widget& w);
    QWidget* container(const std::string& name) const;
    // Runs a user's action on the model and shows the outcome.
    void act(const std::function<void()>& action);

    MainWindow model_;
    QTabWidget* tabs_ = nullptr;
    QDialog* about_ = nullptr;
    FigureWindow* figure_ = nullptr;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, GridModel*> grids_;
    std::map<std::string, QTabWidget*> pageControls_; // per window: "" for the main window, "Form1"
    bool refreshing_ = false;
};

} // namespace tc::gui
