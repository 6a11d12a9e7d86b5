// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_name.h"

namespace tc {

std::string SafeFileName(const std::string& title) {
    std::string kept;
    for (size_t i = 0; i < title.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(title[i]);
        // Bytes of a UTF-8 letter (Cyrillic and the like) pass whole.
        const bool plain = c >= 0x80 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                           (c >= 'a' && c <= 'z') || c == ' ' || c == '-' || c == '_' || c == '.';
        if (!plain) break;
        kept += static_cast<char>(c);
    }
    // A formula's first letters ("A" of "A*x^4", a name of one or two
    // characters) belong to it, not to the name; a word ("Triangle:") stays.
    if (kept.size() < title.size()) {
        const size_t space = kept.find_last_of(' ');
        const size_t start = space == std::string::npos ? 0 : space + 1;
        if (kept.size() - start <= 2) kept.erase(start);
    }
    const size_t first = kept.find_first_not_of(" .");
    const size_t last = kept.find_last_not_of(" .");
    kept = first == std::string::npos ? std::string() : kept.substr(first, last - first + 1);
    return kept.empty() ? "solution" : kept;
}

std::string TaskFileName(const std::string& title) {
    std::string name;
    size_t from = 0;
    while (from <= title.size()) {
        const size_t colon = title.find(": ", from);
        const size_t end = colon == std::string::npos ? title.size() : colon;
        // A part that is all formula adds nothing to the name.
        if (const std::string safe = SafeFileName(title.substr(from, end - from)); safe != "solution")
            name += (name.empty() ? "" : " - ") + safe;
        if (colon == std::string::npos) break;
        from = colon + 2;
    }
    return name.empty() ? "solution" : name;
}

} // namespace tc
