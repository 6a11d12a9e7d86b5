// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/common/terms.h"

namespace tc {

namespace {

// `part` without its surrounding spaces and its sign.
std::string Magnitude(const std::string& part) {
    std::size_t first = part.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    if (part[first] == '+' || part[first] == '-') ++first;
    const std::size_t last = part.find_last_not_of(' ');
    return last < first ? "" : part.substr(first, last - first + 1);
}

} // namespace

std::string SignInFront(const std::string& text, const Rational& x) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return text;
    return (x < 0 ? "-" : "") + Magnitude(text.substr(0, slash)) + "/" + Magnitude(text.substr(slash + 1));
}

} // namespace tc
