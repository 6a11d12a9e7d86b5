// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place that converts between the core's UTF-8 texts and Qt's strings.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace tc::gui {

inline QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string S(const QString& s) {
    QByteArray utf8 = s.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}
std::vector<std::string> SplitLines(const QString& text);

} // namespace tc::gui
