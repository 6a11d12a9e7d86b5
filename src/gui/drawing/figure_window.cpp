// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/figure_window.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/file_name.h"
#include "drawing/figure_canvas.h"
#include "export/tab_content.h"
#include "io/language_guard.h"
#include "qt_text.h"
#include "save_dialog.h"

namespace tc::gui {

FigureWindow::FigureWindow(const MainWindow& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), canvas_(new FigureCanvas(this)),
      highlightLabel_(new QLabel(this)), highlight_(new QComboBox(this)), reset_(new QPushButton(this)),
      png_(new QPushButton(this)), svg_(new QPushButton(this)) {
    setObjectName(QStringLiteral("FigureWindow"));
    // The main window's green and its serif type are its own; the figure takes
    // the system's look.
    setPalette(QPalette());
    setFont(QFont());
    highlight_->setObjectName(QStringLiteral("FigureHighlight"));
    reset_->setObjectName(QStringLiteral("FigureReset"));
    png_->setObjectName(QStringLiteral("FigurePng"));
    svg_->setObjectName(QStringLiteral("FigureSvg"));
    highlight_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* bar = new QHBoxLayout;
    bar->addWidget(highlightLabel_);
    bar->addWidget(highlight_);
    bar->addStretch(1);
    bar->addWidget(reset_);
    bar->addWidget(png_);
    bar->addWidget(svg_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(canvas_, 1);
    resize(640, 560);

    connect(highlight_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });
    connect(reset_, &QPushButton::clicked, canvas_, &FigureCanvas::resetView);
    connect(png_, &QPushButton::clicked, this, [this] { saveAs(false); });
    connect(svg_, &QPushButton::clicked, this, [this] { saveAs(true); });
}

void FigureWindow::applyTexts() {
    const MessageTable& m = model_.env().messages;
    setWindowTitle(Q(model_.applicationTitle()) + QStringLiteral(": ") +
                   Q(m.text(Line::fig_button, "Figure")));
    highlightLabel_->setText(Q(m.text(Line::fig_highlight, "Highlight:")));
    reset_->setText(Q(m.text(Line::fig_reset_view, "Reset view")));
    png_->setText(Q(m.text(Line::fig_save_png, "Save PNG...")));
    svg_->setText(Q(m.text(Line::fig_save_svg, "Save SVG...")));
}

void FigureWindow::follow(int tab) {
    applyTexts();
    const std::string name = model_.figureOfTab(tab);
    const bool newFigure = name != name_;
    name_ = name;
    // The list of what can be highlighted, keeping the choice where it still exists.
    const QString chosen = newFigure ? QString() : highlight_->currentData().toString();
    const Figure plain = name_.empty() ? Figure{} : model_.figure(name_);
    const QSignalBlocker quiet(highlight_);
    highlight_->clear();
    highlight_->addItem(Q(model_.env().messages.text(Line::fig_highlight_none, "nothing")), QString());
    for (const std::string& element : plain.elements)
        highlight_->addItem(Q(element), Q(element));
    highlight_->setCurrentIndex(std::max(0, highlight_->findData(chosen)));
    const bool drawable = plain.drawable();
    highlight_->setEnabled(drawable && !plain.elements.empty());
    reset_->setEnabled(drawable);
    png_->setEnabled(drawable);
    svg_->setEnabled(drawable);
    if (newFigure) canvas_->resetView();
    redraw();
}

void FigureWindow::redraw() {
    if (name_.empty()) {
        Figure none;
        none.note = model_.env().messages.text(Line::fig_no_figure, "This tab has no figure.");
        canvas_->setFigure(std::move(none), false);
        return;
    }
    canvas_->setFigure(model_.figure(name_, S(highlight_->currentData().toString())), false);
}

bool FigureWindow::refusedLanguageFile(const QString& path) {
    if (!ReplacesLanguageFile(S(path), model_.settings().languageDirs)) return false;
    const QString text = Q(model_.env().messages.text(
        Line::window_save_language_file,
        "This is a language file of the program: it is not replaced. Choose another name."));
    if (showError)
        showError(text);
    else
        QMessageBox::warning(this, windowTitle(), text);
    return true;
}

bool FigureWindow::savePng(const QString& path) {
    if (refusedLanguageFile(path)) return false;
    const qreal ratio = std::max<qreal>(2.0, devicePixelRatioF());
    return canvas_->image(ratio).save(path, "PNG") || saveFailed(path);
}

bool FigureWindow::saveSvg(const QString& path) {
    if (refusedLanguageFile(path)) return false;
    return canvas_->saveSvg(path, windowTitle()) || saveFailed(path);
}

bool FigureWindow::saveFailed(const QString& path) {
    if (showError)
        showError(path);
    else
        QMessageBox::warning(
            this, windowTitle(),
            Q(model_.env().messages.text(Line::fig_save_failed, "The figure could not be saved:")) +
                QStringLiteral("\n") + path);
    return false;
}

void FigureWindow::saveAs(bool svg) {
    const QString filter = svg ? QStringLiteral("SVG (*.svg)") : QStringLiteral("PNG (*.png)");
    const QString ending = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    // Named for the tab and its task, beside the solutions (never in the
    // program's folder, where the dialog would open by itself).
    SolutionPage page;
    FillTabContent(model_.widgets(), model_.tabAt(model_.tab()).pageLayout(), page);
    const QString folder = !lastFolder_.isEmpty() ? lastFolder_ : saveFolder ? saveFolder() : DocumentsFolder();
    const QString suggested = QDir(folder).filePath(Q(TaskFileName(page.title)) + ending);
    std::optional<QString> path;
    if (askFileName) {
        path = askFileName(filter, suggested);
    } else {
        const QString chosen = QFileDialog::getSaveFileName(this, windowTitle(), suggested, filter);
        if (!chosen.isEmpty()) path = chosen;
    }
    if (!path || path->isEmpty()) return;
    QString file = *path;
    lastFolder_ = QFileInfo(file).absolutePath();
    if (!file.endsWith(ending, Qt::CaseInsensitive)) file += ending;
    if (svg)
        saveSvg(file);
    else
        savePng(file);
}

} // namespace tc::gui
