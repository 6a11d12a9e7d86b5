// SPDX-License-Identifier: GPL-3.0-or-later
#include "context/host.h"

#include <ctime>

#include "widgets/widget_tree.h"

namespace tc {

std::string Host::renderPdf(const std::string&, const std::string&) {
    throw UsageError("saving as PDF needs the window");
}

void Host::print(const std::string&, const std::string&) {
    throw UsageError("printing needs the window");
}

void Host::copyText(const std::string&) {}

std::string Host::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

} // namespace tc
