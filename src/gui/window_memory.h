// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window remembers from one run to the next: the chosen language
// and its size (and whether it was maximized). The first run takes the
// system's language where the program has it, Ukrainian otherwise. The
// scenario runner never reads or writes any of this: it always starts as
// the program first starts.

#include <QLocale>
#include <QString>
#include <memory>
#include <string>

class QSettings;

namespace tc::gui {

class MainView;

// The language item ("N23" Ukrainian, "N24" Russian, "N25" English) for the
// system's `locale`; Ukrainian for any other language.
std::string SystemLanguageItem(const QLocale& locale);

// The settings the window keeps: the user's own (`file` empty) or those in
// `file` (tests use a temporary one).
std::unique_ptr<QSettings> OpenSettings(const QString& file);

// Starts `window` as it was left: its size, then the language (chosen as the
// language menu would choose it); remembers both when the window closes.
// Shows nothing: the caller shows the window (maximized where it was left so,
// as `startMaximized` tells).
void StartRemembered(MainView& window, const QString& settingsFile, const QLocale& system);
bool StartMaximized(const QString& settingsFile);

} // namespace tc::gui
