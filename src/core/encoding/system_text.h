// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts that come from the system rather than from the program or the user:
// file names read from the file system and the system's reasons for a failure.
// They are in the encoding of the user's locale, which need not be UTF-8 (a
// KOI8-U locale, a folder named in Latin-1 under a UTF-8 locale).

#include <string>
#include <string_view>

namespace tc {

// `bytes` in the encoding of the process locale (LC_CTYPE), as UTF-8. Under the
// C locale, and wherever the encoding is unknown, UTF-8 is assumed. Whatever
// cannot be converted becomes U+FFFD, one for each byte.
std::string SystemText(std::string_view bytes);

// `bytes` in the named encoding ("KOI8-U", "UTF-8"), as UTF-8, with U+FFFD for
// each byte that cannot be converted.
std::string TextToUtf8(std::string_view bytes, const char* encoding);

// The system's reason for the error number `code`, as UTF-8.
std::string SystemReason(int code);

} // namespace tc
