// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/read_regular.h"

#include <cerrno>
#include <system_error>

#include "encoding/system_text.h"

#if __has_include(<fcntl.h>) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define TOVRIN_HAVE_POSIX_FILES 1
#else
#include <fstream>
#endif

namespace tc {

namespace {

const char kNotRegular[] = "Not a regular file";

} // namespace

#ifdef TOVRIN_HAVE_POSIX_FILES

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit,
                                           std::string& reason) {
    // Opening a FIFO without O_NONBLOCK waits for a writer; the kind of file is
    // checked on the open descriptor, so nothing can be swapped in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = SystemReason(errno);
        return std::nullopt;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        reason = SystemReason(errno);
        return std::nullopt;
    }
    if (S_ISDIR(st.st_mode)) {
        reason = SystemReason(EISDIR);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        reason = kNotRegular;
        return std::nullopt;
    }
    // The size is checked as read as well: a file may grow while it is read.
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            reason = SystemReason(errno);
            return std::nullopt;
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > limit) {
            reason = SystemReason(EFBIG);
            return std::nullopt;
        }
    }
    reason.clear();
    return bytes;
}

#else

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit,
                                           std::string& reason) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec) {
        reason = SystemText(ec.message());
        return std::nullopt;
    }
    if (std::filesystem::is_directory(status)) {
        reason = SystemReason(EISDIR);
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        reason = kNotRegular;
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = SystemReason(errno ? errno : ENOENT);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[8192];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > limit) {
            reason = SystemReason(EFBIG);
            return std::nullopt;
        }
    }
    reason.clear();
    return bytes;
}

#endif

} // namespace tc
