// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/save_kind.h"

#include "io/save_text.h"

namespace tc {

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& ending) {
    if (text.size() < ending.size()) return false;
    for (size_t i = 0; i < ending.size(); ++i) {
        char c = text[text.size() - ending.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ending[i]) return false;
    }
    return true;
}

} // namespace

SaveKind SaveKindOf(const std::string& chosen) {
    if (EndsWithNoCase(chosen, ".html") || EndsWithNoCase(chosen, ".htm")) return SaveKind::Html;
    if (EndsWithNoCase(chosen, ".pdf")) return SaveKind::Pdf;
    if (EndsWithNoCase(chosen, ".tex")) return SaveKind::Latex;
    return SaveKind::Text;
}

std::string SaveFileName(const std::string& chosen) {
    return SaveKindOf(chosen) == SaveKind::Text ? TextFileName(chosen) : chosen;
}

} // namespace tc
