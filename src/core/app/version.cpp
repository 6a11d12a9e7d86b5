// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/version.h"

namespace tc {

const char* ProgramVersion() {
    // Set for this one file only, so that a new version rebuilds nothing else.
    return TOVRIN_VERSION;
}

} // namespace tc
