// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_view.h"

#include <algorithm>
#include <iostream>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTabWidget>

#include "drawing/figure_window.h"
#include "fit_to_screen.h"
#include "io/save_kind.h"
#include "key_flow.h"
#include "qt_text.h"
#include "save_dialog.h"
#include "save_types.h"

namespace tc::gui {

namespace {

// A box cannot show a text of any length: a pasted page in a cell would make
// the error box wider than the screen. The middle of a very long text gives
// way to an ellipsis, so its start and its end (the message itself) stay.
// A control character in a typed text would end the box's text there (a NUL)
// or show as nothing; each shows as its picture (U+2400 and on) instead.
QString BoxText(const std::string& text) {
    constexpr qsizetype kKeep = 300;
    QString shown = Q(text);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t'))
            c = QChar(static_cast<char16_t>(0x2400 + c.unicode()));
    if (shown.size() > 2 * kKeep + 1) shown = shown.left(kKeep) + QChar(0x2026) + shown.right(kKeep);
    return shown;
}

} // namespace

MainView::MainView(Settings settings, QWidget* parent)
    : QMainWindow(parent), model_(*this, std::move(settings)) {
    build();
    QApplication::instance()->installEventFilter(this);
    keyFlow_ =
        new KeyFlow(tabs_, [this](const QString& page) { return FindTabFrame(model_.widgets(), S(page)); });
    QApplication::instance()->installEventFilter(keyFlow_);
}

// The menu's Ctrl shortcuts win over the same keys in a text field: on X11 a
// line edit takes Ctrl+E and Ctrl+U for itself (end of line, delete to the
// start), which would swallow the language commands while the cursor is in a
// cell or a field.
bool MainView::eventFilter(QObject* watched, QEvent* event) {
    // Only inside this window: the text fields of a dialog (the file name of
    // the save dialog) keep their own editing keys.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Resize && widget && tabs_ && tabs_->indexOf(widget) >= 0) {
        placePage(widget);
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride && widget && widget->window() == this) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const auto& [name, action] : actions_) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

MainView::~MainView() {
    // Widgets still emit signals while they are torn down (a combo box whose
    // edit loses the focus reports a choice). The widgets go here, while the
    // model exists, and no signal reaches the model any more.
    refreshing_ = true;
    QApplication::instance()->removeEventFilter(this);
    delete takeCentralWidget();
    delete about_;
    delete figure_;
}

void MainView::start() {
    guarded([this] { model_.start(); });
    refresh();
    // The window opens at its designed size (or the one it was left at) in
    // the middle of the screen, made smaller where the screen's free area
    // is; on a screen too small even for its least size its top left corner
    // stays on the screen, so the title bar and the menu can still be reached.
    QSize wanted =
        startSize_.value_or(QSize(designSize_.width(), designSize_.height() + menuBar()->sizeHint().height()));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        // Where even the least size does not fit, the tabs scroll (FitToScreen sizes the window).
        if (!FitToScreen(*this, area)) resize(wanted.boundedTo(RoomOn(*this, area)).expandedTo(minimumSizeHint()));
        QRect placed(QPoint(), size());
        placed.moveCenter(area.center());
        move(std::max(placed.left(), area.left()), std::max(placed.top(), area.top()));
    }
}

void MainView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The cursor waits in the first cell: a student types the data and presses
    // Enter without reaching for the mouse. (Only a shown page knows which of
    // its controls Tab can reach.)
    if (!event->spontaneous() && !focusPlaced_) {
        focusPlaced_ = true;
        keyFlow_->focusFirstTyped(tabs_->currentWidget());
    }
}

void MainView::chooseLanguage(const std::string& item) {
    act([this, &item] { model_.menu(item); });
}

void MainView::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && hooks.closing) hooks.closing(normalGeometry().size(), isMaximized());
}

void MainView::act(const std::function<void()>& action) {
    if (refreshing_) return;
    guarded(action);
    refresh();
    if (model_.closed()) close();
}

void MainView::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& e) {
        reportFault(e.what());
    }
}

void MainView::reportFault(const std::string& what) {
    std::cerr << "tovrincalc: internal error: " << what << "\n";
    refresh();
    if (hooks.fault) return hooks.fault(BoxText(what));
    const MainWindow::FaultWords words = model_.faultWords();
    QMessageBox::critical(this, Q(words.title),
                          Q(words.before) + QLatin1Char('\n') + BoxText(what) + QStringLiteral("\n\n") +
                              Q(words.after));
}

void MainView::refresh() {
    refreshing_ = true;
    fits_.clear();
    qtTexts_.follow(model_.language());
    for (const Widget* w : model_.widgets().all())
        refreshWidget(*w);
    if (tabs_ && tabs_->currentIndex() != model_.tab()) tabs_->setCurrentIndex(model_.tab());
    // The figure follows the active tab and whatever the action computed.
    if (figure_ && figure_->isVisible()) figure_->follow(model_.tab());
    refreshing_ = false;
}

void MainView::showFigure() {
    if (!figure_) {
        figure_ = new FigureWindow(model_, this);
        figure_->saveFolder = [this] { return saveFolder_.isEmpty() ? DocumentsFolder() : saveFolder_; };
        // Beside the main window, kept on its screen, and no larger than the
        // screen's free area (less a title bar and borders).
        if (QScreen* screen = this->screen()) {
            const QSize frame = frameGeometry().size() - geometry().size();
            figure_->resize(figure_->size().boundedTo(screen->availableGeometry().size() -
                                                      frame.expandedTo(QSize(16, 40))));
        }
        QRect placed(frameGeometry().topRight() + QPoint(8, 0), figure_->size());
        if (QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            placed.moveRight(std::min(placed.right(), area.right()));
            placed.moveLeft(std::max(placed.left(), area.left()));
            placed.moveBottom(std::min(placed.bottom(), area.bottom()));
            placed.moveTop(std::max(placed.top(), area.top()));
        }
        figure_->move(placed.topLeft());
    }
    figure_->follow(model_.tab());
    figure_->show();
    figure_->raise();
    figure_->activateWindow();
}

void MainView::showError(const std::string& text) {
    refresh();
    if (hooks.error) return hooks.error(BoxText(text));
    QMessageBox::critical(this, Q(model_.applicationTitle()), BoxText(text));
}

void MainView::showMessage(const std::string& text) {
    refresh();
    if (hooks.message) return hooks.message(BoxText(text));
    QMessageBox::information(this, Q(model_.applicationTitle()), BoxText(text));
}

void MainView::showAbout() {
    refresh();
    if (hooks.about) return hooks.about();
    aboutWindow()->exec();
}

std::optional<std::string> MainView::askSaveName(const std::string& lastName) {
    refresh();
    QString last = Q(lastName);
    for (;;) {
        std::optional<QString> answer;
        if (hooks.saveName) {
            answer = hooks.saveName(last);
        } else {
            const auto dialog = MakeSaveDialog(this, last);
            OfferSaveTypes(*dialog, model_.env().messages);
            if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
                answer = WithChosenType(*dialog, dialog->selectedFiles().front());
        }
        if (!answer || answer->isEmpty()) return std::nullopt;
        // A language file is never replaced by a solution: the user is told
        // and chooses again (the program would lose its texts otherwise).
        if (!IsLanguageFile(SaveFileName(S(*answer)), model_.settings().languageDirs)) {
            saveFolder_ = QFileInfo(*answer).absolutePath();
            return S(*answer);
        }
        showError(model_.env().messages.text(
            Line::window_save_language_file,
            "This is a language file of the program: it is not replaced. Choose another name."));
        last = *answer;
    }
}

bool MainView::confirmReplace(const std::string& path, const std::string& question) {
    if (hooks.confirmReplace) return hooks.confirmReplace(Q(path));
    return QMessageBox::question(this, Q(model_.applicationTitle()), Q(question)) == QMessageBox::Yes;
}

} // namespace tc::gui
