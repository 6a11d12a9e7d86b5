// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figure window: one per main window, not modal, resizable. It shows the
// figure of the active tab (a note on tabs without one) and is told to follow
// after every action, so it redraws after every computation. The content comes
// from the core; this window only lets the user pick a highlight, reset the
// view and save the picture.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/main_window.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tc::gui {

class FigureCanvas;

class FigureWindow : public QWidget {
    Q_OBJECT
public:
    FigureWindow(const MainWindow& model, QWidget* parent);

    // Shows the figure of tab `tab` as the model now has it.
    void follow(int tab);

    FigureCanvas* canvas() const { return canvas_; }
    QComboBox* highlightList() const { return highlight_; }
    // Saves the picture; false (after the error box) when it cannot be written
    // or `path` is one of the program's language files.
    bool savePng(const QString& path);
    bool saveSvg(const QString& path);

    // The file name for a save, asked in a dialog that offers `suggested`
    // (a name from the tab and its task, in the folder of saves); tests
    // answer instead.
    std::function<std::optional<QString>(const QString& filter, const QString& suggested)> askFileName;
    // The folder solutions are saved in: where the first picture goes too.
    std::function<QString()> saveFolder;
    // The error box for a failed save; tests record it instead.
    std::function<void(const QString& text)> showError;

private:
    // Tells the user that the figure could not be saved to `path`; returns false.
    bool saveFailed(const QString& path);
    // A language file of the program is never written over by a figure: true,
    // after the box that says so, when `path` is one.
    bool refusedLanguageFile(const QString& path);
    void applyTexts();
    void redraw();
    void saveAs(bool svg);

    const MainWindow& model_;
    std::string name_; // the figure shown: "" on a tab without one
    FigureCanvas* canvas_;
    QLabel* highlightLabel_;
    QComboBox* highlight_;
    QPushButton* reset_;
    QPushButton* png_;
    QPushButton* svg_;
    QString lastFolder_; // where the last picture went
};

} // namespace tc::gui
