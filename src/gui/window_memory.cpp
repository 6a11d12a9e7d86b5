// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_memory.h"
#include "widgets/names.h"

#include <QSettings>
#include <QSize>

#include "main_view.h"
#include "qt_text.h"

namespace tc::gui {

namespace {

const char kLanguage[] = "window/language";
const char kSize[] = "window/size";
const char kMaximized[] = "window/maximized";

bool IsLanguageItem(const std::string& item) {
    return item == names::N23 || item == names::N24 || item == names::N25;
}

} // namespace

std::string SystemLanguageItem(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::Russian: return names::N24;
    case QLocale::English: return names::N25;
    default: return names::N23;
    }
}

std::unique_ptr<QSettings> OpenSettings(const QString& file) {
    if (file.isEmpty()) return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

void StartRemembered(MainView& window, const QString& settingsFile, const QLocale& system) {
    std::string language = SystemLanguageItem(system);
    {
        const auto stored = OpenSettings(settingsFile);
        const QSize size = stored->value(QLatin1String(kSize)).toSize();
        if (size.isValid() && !size.isEmpty()) window.setStartSize(size);
        // A stored item that is no language (an edited file) counts as none.
        const std::string kept = S(stored->value(QLatin1String(kLanguage)).toString());
        if (IsLanguageItem(kept)) language = kept;
    }
    window.start();
    if (language != window.model().language()) window.chooseLanguage(language);
    window.hooks.closing = [&window, settingsFile](const QSize& size, bool maximized) {
        const auto stored = OpenSettings(settingsFile);
        stored->setValue(QLatin1String(kLanguage), Q(window.model().language()));
        stored->setValue(QLatin1String(kSize), size);
        stored->setValue(QLatin1String(kMaximized), maximized);
    };
}

bool StartMaximized(const QString& settingsFile) {
    return OpenSettings(settingsFile)->value(QLatin1String(kMaximized), false).toBool();
}

} // namespace tc::gui
