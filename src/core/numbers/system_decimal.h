// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tc {

// The decimal separator of the process's numeric locale (LC_NUMERIC) as it is
// set now: "," under uk_UA.UTF-8, "." under C/POSIX. The caller sets the locale
// from the environment first. Anything but "," counts as ".".
char ProcessDecimalSeparator();

} // namespace tc
