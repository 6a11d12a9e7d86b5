// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/file_ops.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tc {

#if defined(_WIN32)

int FileOps::open(const std::string& path, int flags, int mode) {
    return ::_open(path.c_str(), flags | _O_BINARY, mode);
}
long FileOps::write(int fd, const char* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(size));
}
long FileOps::read(int fd, char* data, std::size_t size) {
    return ::_read(fd, data, static_cast<unsigned>(size));
}
int FileOps::fsync(int fd) {
    return ::_commit(fd);
}
int FileOps::ftruncate(int fd, long long size) {
    errno = ::_chsize_s(fd, size);
    return errno ? -1 : 0;
}
int FileOps::close(int fd) {
    return ::_close(fd);
}
int FileOps::rename(const std::string& from, const std::string& to) {
    // std::rename does not replace an existing file there; this does.
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    errno = ec ? ec.value() : 0;
    return ec ? -1 : 0;
}
int FileOps::unlink(const std::string& path) {
    return ::_unlink(path.c_str());
}

#else

int FileOps::open(const std::string& path, int flags, int mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}
long FileOps::write(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}
long FileOps::read(int fd, char* data, std::size_t size) {
    return static_cast<long>(::read(fd, data, size));
}
int FileOps::fsync(int fd) {
    return ::fsync(fd);
}
int FileOps::ftruncate(int fd, long long size) {
    return ::ftruncate(fd, static_cast<off_t>(size));
}
int FileOps::close(int fd) {
    return ::close(fd);
}
int FileOps::rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str());
}
int FileOps::unlink(const std::string& path) {
    return ::unlink(path.c_str());
}

#endif

FileOps& SystemFileOps() {
    static FileOps ops;
    return ops;
}

} // namespace tc
