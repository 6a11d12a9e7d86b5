// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Language files come as UTF-8 or, when made for the original Windows program,
// as single-byte text in code page 1251. Inside the program every text is UTF-8.

#include <string>
#include <string_view>

namespace tc {

// True when `bytes` is well-formed UTF-8: no stray continuation bytes, no
// truncated or overlong sequences, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view bytes);

// The UTF-8 text of `bytes` read as code page 1251 (Windows Cyrillic). Every byte
// maps to one character; the one byte the code page leaves undefined (0x98)
// becomes U+0098, as web browsers read it.
std::string Cp1251ToUtf8(std::string_view bytes);

} // namespace tc
