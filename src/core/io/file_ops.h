// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file system calls that saving makes, behind one seam: the program uses
// the system's own, and tests put in ones that fail at any chosen call (a full
// disk, a failed write, rename or sync) to check that nothing is lost.

#include <cstddef>
#include <string>

namespace tc {

class FileOps {
public:
    virtual ~FileOps() = default;
    // Each does what the POSIX call of the same name does and returns what it
    // returns: -1 with errno set on failure. Paths are in the system's form.
    virtual int open(const std::string& path, int flags, int mode);
    virtual long write(int fd, const char* data, std::size_t size);
    virtual long read(int fd, char* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int ftruncate(int fd, long long size);
    virtual int close(int fd);
    // Replaces `to` with `from` in one step.
    virtual int rename(const std::string& from, const std::string& to);
    virtual int unlink(const std::string& path);
};

// The system's calls.
FileOps& SystemFileOps();

} // namespace tc
