// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared set-up of the window tests: the real window, offscreen, with every
// modal box and dialog answered by the test instead of blocking, and a
// watchdog that fails the test when an unexpected modal dialog appears.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>

#include "handin/hand_in.h"
#include "main_view.h"
#include "memo_view.h"
#include "qt_text.h"

namespace tc::gui::test {

// The hand-in module is built beside the program, not beside the tests.
inline const bool kHandInFolderAdded = (AddHandInFolder(QStringLiteral(TOVRIN_HANDIN_DIR)), true);

struct BoxLog {
    QStringList errors;
    QStringList startErrors;
    QStringList messages;
    int aboutShown = 0;
    std::deque<std::optional<QString>> saveAnswers;

    // The next queued answer of the save dialog; a cancel when none is left.
    // The answer is rebuilt from its name, not copied as an optional: GCC 12 at
    // -O2 takes that copy for a read of uninitialised memory.
    std::optional<QString> nextSaveAnswer() {
        if (saveAnswers.empty()) return std::nullopt;
        std::optional<QString> answer;
        if (saveAnswers.front()) answer.emplace(std::move(*saveAnswers.front()));
        saveAnswers.pop_front();
        return answer;
    }
};

// A started window whose boxes land in `log`. `languageDirs` are searched
// after the current directory (none by default: the built-in captions stay).
inline std::unique_ptr<MainView> MakeWindow(BoxLog& log, char decimal = '.',
                                            std::vector<std::string> languageDirs = {}) {
    auto view = std::make_unique<MainView>(Settings{decimal, std::move(languageDirs)});
    view->hooks.error = [&log](const QString& t) { log.errors << t; };
    view->hooks.message = [&log](const QString& t) { log.messages << t; };
    view->hooks.about = [&log] { ++log.aboutShown; };
    view->hooks.saveName = [&log](const QString&) { return log.nextSaveAnswer(); };
    view->hooks.confirmReplace = [](const QString&) { return true; };
    view->start();
    // Without language files in reach, start-up reports them missing; a test
    // sees in `errors` only what its own actions show.
    log.startErrors = log.errors;
    log.errors.clear();
    view->show();
    return view;
}

// Makes `window` the active window, as a click on it would; keys and the
// focus reach its widgets only then. False if it did not become active.
[[nodiscard]] inline bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Closes any modal dialog that shows up and fails the running test: nothing in
// these tests may wait for a person.
class ModalWatchdog {
public:
    ModalWatchdog() {
        timer_.setInterval(100);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                QString title = modal->windowTitle();
                if (auto* d = qobject_cast<QDialog*>(modal))
                    d->reject();
                else
                    modal->close();
                QTest::qFail(qPrintable("unexpected modal dialog: " + title), __FILE__, __LINE__);
            }
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

// A fresh working folder and a watchdog for each test function of a test that
// saves files: enter() in init(), leave() in cleanup().
class Workspace {
public:
    bool enter() {
        work_ = std::make_unique<QTemporaryDir>();
        if (!work_->isValid() || !QDir::setCurrent(work_->path())) return false;
        watchdog_ = std::make_unique<ModalWatchdog>();
        return true;
    }
    // For a test that expects a modal window of its own.
    void stopWatchdog() { watchdog_.reset(); }
    void leave() {
        watchdog_.reset();
        QDir::setCurrent(QDir::tempPath());
        work_.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

// The widget `name` of type T below `root`; fails the running test and gives
// null when there is none. The window builds a page when it first shows it; a
// page looked up before that is built as showing it would build it.
template <class T> T* Find(QWidget* root, const char* name) {
    if (auto* view = qobject_cast<MainView*>(root->window())) view->buildPageOf(name);
    T* w = root->findChild<T*>(QString::fromLatin1(name));
    if (!w) QTest::qFail(qPrintable(QString("no widget ") + name), __FILE__, __LINE__);
    return w;
}

// The bytes of the file at `path`, or a text no file holds when it cannot be read.
inline QByteArray Bytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<no file>";
    return f.readAll();
}

// The lines of memo `name` as the real text box shows them, read back the way
// the window reads a memo the user has edited.
inline QStringList ShownMemoLines(QWidget* root, const char* name) {
    QStringList lines;
    auto* memo = Find<QPlainTextEdit>(root, name);
    if (!memo) return lines;
    // What the student reads: the memo's invisible joiners are no part of it.
    for (const std::string& line : SplitLines(WithoutJoiners(memo->toPlainText())))
        lines << Q(line);
    return lines;
}

// The caption of a button as the user reads it: without the "&" that marks
// its Alt mnemonic ("&&" shows one "&").
inline QString ShownText(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}
inline QString ShownCaption(const QAbstractButton* button) {
    return ShownText(button->text());
}

// The widgets a tab places itself, as opposed to the parts Qt adds inside them.
inline bool IsLaidOut(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QGroupBox*>(w) || qobject_cast<const QPushButton*>(w) ||
           qobject_cast<const QTableView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

// Every shown widget of `parent` lies inside it, below the caption when
// `parent` is a group box, and clear of its siblings; recurses into group
// boxes. Fails the running test at the first widget that does not.
inline void CheckPlacement(QWidget* parent) {
    QList<QWidget*> children;
    for (QWidget* w : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (IsLaidOut(w) && w->isVisibleTo(parent)) children << w;
    for (int i = 0; i < children.size(); ++i) {
        QWidget* w = children[i];
        QVERIFY2(parent->rect().contains(w->geometry()),
                 qPrintable(w->objectName() + " sticks out of " + parent->objectName()));
        // (A group box without a caption has none to cover.)
        if (auto* group = qobject_cast<QGroupBox*>(parent); group && !group->title().isEmpty())
            QVERIFY2(w->y() >= group->fontMetrics().height(),
                     qPrintable(w->objectName() + " covers the caption of " + parent->objectName()));
        for (int j = i + 1; j < children.size(); ++j)
            QVERIFY2(!w->geometry().intersects(children[j]->geometry()),
                     qPrintable(w->objectName() + " covers " + children[j]->objectName()));
        if (qobject_cast<QGroupBox*>(w)) CheckPlacement(w);
    }
}

// Every label, group box caption, button caption and field's text below `page`
// fits its widget. Fails the running test at the first one that does not.
inline void CheckTextsFit(QWidget* page) {
    for (QLabel* l : page->findChildren<QLabel*>())
        QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable("label cut: " + l->text()));
    for (QGroupBox* g : page->findChildren<QGroupBox*>())
        QVERIFY2(g->fontMetrics().horizontalAdvance(g->title()) + 16 <= g->width(),
                 qPrintable("caption cut: " + g->title()));
    for (QPushButton* b : page->findChildren<QPushButton*>())
        QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable("button caption cut: " + b->text()));
    for (QLineEdit* e : page->findChildren<QLineEdit*>())
        QVERIFY2(e->fontMetrics().horizontalAdvance(e->text()) + 8 <= e->width(),
                 qPrintable(e->objectName() + " cuts " + e->text()));
}

} // namespace tc::gui::test
