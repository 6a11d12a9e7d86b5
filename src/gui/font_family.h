// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The family a font of the window is drawn in.
//
// Where the family the window asks for is not installed (Times New Roman on
// most Linux desktops), Qt asks fontconfig to sort every installed font by
// likeness each time it sets up a font of that family, and draws in the first
// one of the list: a sizeable part of the window's start-up. The window asks
// for that first family itself, found once with fontconfig's best match for
// the same request, and Qt finds it at once.

#include <QFont>
#include <QString>

namespace tc::gui {

// `family` where it is installed; otherwise the installed family Qt would
// draw a font of `family` and `hint` in; `family` itself where no font
// library tells which one that is.
QString InstalledFamily(const QString& family, QFont::StyleHint hint);

// The family the window's text is asked for in.
inline constexpr char kWindowFamily[] = "Times New Roman";
inline constexpr QFont::StyleHint kWindowHint = QFont::Serif;

// Asks fontconfig now, on any thread and before the application exists,
// which installed family stands in for `family`: InstalledFamily then has the
// answer at hand. Fontconfig must be initialised.
void PrepareFamily(const char* family, QFont::StyleHint hint);

} // namespace tc::gui
