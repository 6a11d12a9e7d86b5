// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding/system_text.h"

#include <system_error>

#include "encoding/text_encoding.h"

#if __has_include(<iconv.h>) && __has_include(<langinfo.h>)
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#define TOVRIN_HAVE_ICONV 1
#endif

namespace tc {

namespace {

const char kReplacement[] = "\xEF\xBF\xBD"; // U+FFFD

// Without a converter only UTF-8 is known: every byte of a text that is not
// valid UTF-8 and is no ASCII character is replaced.
[[maybe_unused]] std::string ReplaceNonAscii(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x80)
            out += c;
        else
            out += kReplacement;
    }
    return out;
}

} // namespace

std::string TextToUtf8(std::string_view bytes, const char* encoding) {
#ifdef TOVRIN_HAVE_ICONV
    iconv_t cd = iconv_open("UTF-8", encoding);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return IsUtf8(bytes) ? std::string(bytes) : ReplaceNonAscii(bytes);
    std::string out;
    char* in = const_cast<char*>(bytes.data()); // iconv's signature; it does not write there
    std::size_t inLeft = bytes.size();
    char buffer[256];
    while (inLeft > 0) {
        char* to = buffer;
        std::size_t toLeft = sizeof buffer;
        const std::size_t done = iconv(cd, &in, &inLeft, &to, &toLeft);
        out.append(buffer, static_cast<std::size_t>(to - buffer));
        if (done != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // An invalid or incomplete sequence: that byte is replaced and the
        // conversion starts again after it.
        out += kReplacement;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
#else
    (void)encoding;
    return IsUtf8(bytes) ? std::string(bytes) : ReplaceNonAscii(bytes);
#endif
}

std::string SystemText(std::string_view bytes) {
#ifdef TOVRIN_HAVE_ICONV
    const char* codeset = nl_langinfo(CODESET);
    // The C locale names ASCII; the program's own names are UTF-8 there.
    if (!codeset || !*codeset || std::strcmp(codeset, "ANSI_X3.4-1968") == 0) codeset = "UTF-8";
    if (IsUtf8(bytes) && std::strcmp(codeset, "UTF-8") == 0) return std::string(bytes);
    return TextToUtf8(bytes, codeset);
#else
    return TextToUtf8(bytes, "UTF-8");
#endif
}

std::string SystemReason(int code) {
    return SystemText(std::generic_category().message(code));
}

} // namespace tc
