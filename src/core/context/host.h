// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the model asks of the view that shows it: the modal boxes and dialogs.
// The Qt window shows real ones; the scenario runner records them and answers
// from the scenario.

#include <optional>
#include <string>

namespace tc {

class Host {
public:
    virtual ~Host() = default;
    // The error box, titled with the application title; `text` has the full-stop
    // rule applied already. Called after the failing handler has ended, so the
    // view shows the model's state first.
    virtual void showError(const std::string& text) = 0;
    // A message box with a message-table entry, shown while the handler runs.
    virtual void showMessage(const std::string& text) = 0;
    // The About window, modally; returns when the user has closed it.
    virtual void showAbout() = 0;
    // The save dialog, offering `lastName`; nullopt when the user cancels.
    virtual std::optional<std::string> askSaveName(const std::string& lastName) = 0;
    // Asked before the existing file `path` is replaced, with `question` in the
    // current language; true to go on.
    virtual bool confirmReplace(const std::string& path, const std::string& question) = 0;
    // Opens the figure window, or brings it forward when it is open already; it
    // is not modal. A host without a screen has nothing to open.
    virtual void showFigure() {}

    // The page `html` (titled `title`) as a PDF document of A4 pages with its
    // fonts embedded: the document's bytes. Only a window can lay out a page;
    // a view without one throws UsageError.
    virtual std::string renderPdf(const std::string& html, const std::string& title);
    // The print dialog, then the page printed; nothing when the user cancels.
    // A view without a window throws UsageError.
    virtual void print(const std::string& html, const std::string& title);
    // Puts `text` on the clipboard.
    virtual void copyText(const std::string& text);
    // Today's date as the page shows it (YYYY-MM-DD, local time).
    virtual std::string today();
};

// The product title: the title of every error box, as a language file without
// its own wording of it gives it (MainWindow::applicationTitle).
inline constexpr const char* kApplicationTitle = "TovrinCALC: higher mathematics";

} // namespace tc
