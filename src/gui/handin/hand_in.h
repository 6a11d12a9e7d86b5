// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Handing in a solution: the page as a PDF document, the page printed, and a
// figure saved as SVG. These need Qt's printing and SVG libraries, whose
// loading and linking took a noticeable part of the window's start-up, so
// they live in a module of their own (tovrincalc-handin) that the window
// loads when a solution is first handed in.

#include <QByteArray>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QSize;
class QWidget;

namespace tc::gui {

struct HandIn {
    // The page (HTML; a figure in it as inline SVG) as a PDF document on A4;
    // empty when none could be made.
    QByteArray (*pdf)(const QString& html, const QString& title, const QString& creator);
    // Prints the page on A4. `choose` sets up the printer and says whether to
    // print; where it is empty, the print dialog asks the user.
    void (*print)(const QString& html, const QString& title, QWidget* parent,
                  const std::function<bool(QPrinter&)>& choose);
    // Writes what `paint` draws on `size` as an SVG file; false when the file
    // cannot be written.
    bool (*svg)(const QString& path, const QString& title, const QSize& size,
                const std::function<void(QPainter&)>& paint);
};

// The module's entry point; a new layout of HandIn takes a new name.
inline constexpr char kHandInEntry[] = "tovrincalc_hand_in_1";

// The module's functions, loaded at the first call from the program's folder
// or the installed module folder. Throws a Failure that names the module and
// why it could not be loaded.
const HandIn& LoadHandIn();

// A further folder to look in first (the tests' build folder).
void AddHandInFolder(const QString& folder);

} // namespace tc::gui
