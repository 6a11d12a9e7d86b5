#pragma once
// Shared set-up of the window tests: the real window, offscreen, with every
// modal box and dialog answered by the test instead of blocking, and a
// watchdog that fails the test when an unexpected modal dialog appears.

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>

#include <QPlainTextEdit>

#include "main_view.h"
#include "qt_text.h"

namespace tc::gui::test {

struct BoxLog {
    QStringList errors;
    QStringList startErrors;
    QStringList messages;
    int aboutShown = 0;
    std::deque<std::optional<QString>> saveAnswers;
};

// A started window whose boxes land in `log`. `languageDirs` are searched
// after the current directory (none by default: the built-in captions stay).
inline std::unique_ptr<MainView> MakeWindow(BoxLog& log, char decimal = '.',
                                            std::vector<std::string> languageDirs = {}) {
    auto view = std::make_unique<MainView>(Settings{decimal, std::move(languageDirs)});
    view->hooks.error = [&log](const QString& t) { log.errors << t; };
    view->hooks.message = [&log](const QString& t) { log.messages << t; };
    view->hooks.about = [&log] { ++log.aboutShown; };
    view->hooks.saveName = [&log](const QString&) -> std::optional<QString> {
        if (log.saveAnswers.empty()) return std::nullopt;
        auto a = log.saveAnswers.front();
        log.saveAnswers.pop_front();
        return a;
    };
    view->hooks.confirmReplace = [](const QString&) { return true; };
    view->start();
    // Without language files in reach, start-up reports them missing; a test
    // sees in `errors` only what its own actions show.
    log.startErrors = log.errors;
    log.errors.clear();
    view->show();
    return view;
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

// Text of the memo or edit `name` as the real widget shows it.
template <class T> T* Find(QWidget* root, const char* name) {
    T* w = root->findChild<T*>(QString::fromLatin1(name));
    if (!w) QTest::qFail(qPrintable(QString("no widget ") + name), __FILE__, __LINE__);
    return w;
}

// The lines of memo `name` as the real text box shows them, read back the way
// the window reads a memo the user has edited.
inline QStringList ShownMemoLines(QWidget* root, const char* name) {
    QStringList lines;
    auto* memo = Find<QPlainTextEdit>(root, name);
    if (!memo) return lines;
    for (const std::string& line : SplitLines(memo->toPlainText()))
        lines << Q(line);
    return lines;
}

} // namespace tc::gui::test
