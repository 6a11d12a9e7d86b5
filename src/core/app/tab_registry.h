// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's tabs, in tab order. Adding a tab is one line here, a folder
// for the tab under calc/ and its language lines.

#include <vector>

#include "context/tab.h"

namespace tc {

const std::vector<TabEntry>& RegisteredTabs();

} // namespace tc
