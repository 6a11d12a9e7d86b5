// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/save_text.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

#include "encoding/system_text.h"
#include "io/language_guard.h"
#include "base/failure.h"

namespace tc {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw Failure(Line::fail_cannot_save, "Cannot save \"" + path + "\": " + reason, {path, reason});
}

[[noreturn]] void FailErrno(const std::string& path, int code) {
    Fail(path, SystemReason(code ? code : EIO));
}

// The file a name stands for: a symbolic link is followed (through a chain of
// them) to the file it names, so that saving through it changes that file,
// or creates it when it does not exist yet, and the link stays.
fs::path Resolve(const std::string& path) {
    // The system would take the name only up to the NUL, and save elsewhere.
    if (path.find('\0') != std::string::npos) Fail(path, "The name holds a NUL character");
    fs::path p = fs::u8path(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) Fail(path, SystemText(ec.message()));
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    FailErrno(path, ELOOP);
}

// What is at `p`: not_found, or a file that may be replaced. Throws for anything
// that cannot take the text.
fs::file_status Inspect(const fs::path& p, const std::string& path) {
    std::error_code ec;
    fs::file_status st = fs::status(p, ec);
    if (st.type() == fs::file_type::not_found) return st;
    if (ec) Fail(path, SystemText(ec.message()));
    if (st.type() == fs::file_type::directory) FailErrno(path, EISDIR);
    if (st.type() != fs::file_type::regular) Fail(path, "Not a regular file");
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((st.permissions() & anyWrite) == fs::perms::none) Fail(path, "Read-only file");
    return st;
}

// The memo's lines as the file's bytes. A break inside a line (CR LF, CR or
// LF) ends a file line there too, so every line of the file ends in CR LF.
std::string FileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        size_t from = 0;
        for (size_t at; (at = line.find_first_of("\r\n", from)) != std::string::npos; from = at + 1) {
            text.append(line, from, at - from);
            text += "\r\n";
            if (line[at] == '\r' && at + 1 < line.size() && line[at + 1] == '\n') ++at;
        }
        text.append(line, from, std::string::npos);
        text += "\r\n";
    }
    return text;
}

// Every byte of `text` to `fd`; false with errno set when the system refuses.
bool WriteAll(FileOps& ops, int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const long n = ops.write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Writes `text` over the whole file `fd` holds and syncs it; false with errno
// set on failure.
bool Overwrite(FileOps& ops, int fd, const std::string& text) {
    return WriteAll(ops, fd, text) && ops.ftruncate(fd, static_cast<long long>(text.size())) == 0 &&
           ops.fsync(fd) == 0;
}

// The whole file at `p`, or false with errno set.
bool ReadAll(FileOps& ops, const fs::path& p, std::string& text) {
    const int fd = ops.open(p.string(), O_RDONLY, 0);
    if (fd < 0) return false;
    text.clear();
    char buffer[8192];
    for (;;) {
        const long n = ops.read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ops.close(fd);
            errno = error;
            return false;
        }
        if (n == 0) break;
        text.append(buffer, static_cast<size_t>(n));
    }
    return ops.close(fd) == 0;
}

// A new file in `folder` under a name no file has yet, created with `mode`;
// -1 with errno set when the folder takes none. The name does not grow with
// the target's, so a target whose name is as long as the system allows still
// gets one.
int CreateBeside(FileOps& ops, const fs::path& folder, int mode, fs::path& created) {
    static std::atomic<unsigned> counter{0};
    const auto stamp =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[64];
        std::snprintf(name, sizeof name, ".tovrin-%08llx-%u.tmp", stamp & 0xFFFFFFFFull, counter++);
        created = folder / name;
        const int fd = ops.open(created.string(), O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

int ModeOf(const fs::file_status& st) {
    return fs::exists(st) ? static_cast<int>(st.permissions() & fs::perms::all) : 0666;
}

// Syncs the folder, so that the rename itself is on the disk. Not every file
// system can sync a folder; the text is saved either way.
void SyncFolder(FileOps& ops, const fs::path& folder) {
    const int fd = ops.open(folder.empty() ? "." : folder.string(), O_RDONLY, 0);
    if (fd < 0) return;
    ops.fsync(fd);
    ops.close(fd);
}

// The temporary file beside the target, then a rename. Returns false, having
// changed nothing, when the folder takes no new file (errno EACCES or EPERM).
bool SaveByRename(FileOps& ops, const fs::path& target, const fs::file_status& existing,
                  const std::string& text, const std::string& path) {
    fs::path temp;
    const int fd = CreateBeside(ops, target.parent_path(), ModeOf(existing), temp);
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM) return false;
        FailErrno(path, errno);
    }
    // The replacement keeps the access rights of the file it replaces, which
    // the creation mask may have narrowed.
    if (fs::exists(existing)) {
        std::error_code ec;
        fs::permissions(temp, existing.permissions(), fs::perm_options::replace, ec);
    }
    const bool written = WriteAll(ops, fd, text) && ops.fsync(fd) == 0;
    int error = errno;
    const bool closed = ops.close(fd) == 0;
    if (written && !closed) error = errno;
    if (!written || !closed || ops.rename(temp.string(), target.string()) != 0) {
        if (written && closed) error = errno;
        ops.unlink(temp.string());
        FailErrno(path, error);
    }
    SyncFolder(ops, target.parent_path());
    return true;
}

// The system's temporary folder as the user set it, for a message.
std::string TemporaryFolderName(const fs::path& found) {
    if (!found.empty()) return SystemText(found.string());
    const char* set = std::getenv("TMPDIR");
    return set && *set ? SystemText(set) : std::string("(none)");
}

// A new file for the copy of a target's old text: beside the target, on its
// own disk, or where its folder takes no new file, in the system's temporary
// folder. Throws, naming the place that failed, when neither takes one.
int CreateCopy(FileOps& ops, const fs::path& target, fs::path& copy, const std::string& path) {
    const int beside = CreateBeside(ops, target.parent_path(), 0600, copy);
    if (beside >= 0) return beside;
    if (errno != EACCES && errno != EPERM) FailErrno(path, errno);
    std::error_code ec;
    const fs::path tmp = fs::temp_directory_path(ec);
    const int fd = ec ? -1 : CreateBeside(ops, tmp, 0600, copy);
    if (fd >= 0) return fd;
    const int error = ec ? ec.value() : errno;
    // Without this the user would read the system's reason (a missing folder)
    // as being about the file, which is there.
    Fail(path, "its folder takes no new file, and the copy of its old text cannot be made in the temporary "
               "folder \"" +
                   TemporaryFolderName(tmp) + "\": " + SystemReason(error ? error : EIO));
}

// Rewrites the existing file in place. Its old text is first copied (beside
// it, else to the system's temporary folder) and read back, so that a failed
// rewrite can be undone, and even a failed undo leaves the old text somewhere
// the user is told.
void SaveInPlace(FileOps& ops, const fs::path& target, const std::string& text, const std::string& path) {
    std::string old;
    if (!ReadAll(ops, target, old)) FailErrno(path, errno);

    fs::path copy;
    const int copyFd = CreateCopy(ops, target, copy, path);
    const bool copied = WriteAll(ops, copyFd, old) && ops.fsync(copyFd) == 0;
    int error = errno;
    const bool copyClosed = ops.close(copyFd) == 0;
    if (copied && !copyClosed) error = errno;
    bool verified = false;
    if (copied && copyClosed) {
        std::string check;
        const bool read = ReadAll(ops, copy, check);
        verified = read && check == old;
        error = read ? EIO : errno;
    }
    if (!verified) {
        ops.unlink(copy.string());
        FailErrno(path, error);
    }

    const int fd = ops.open(target.string(), O_WRONLY, 0);
    if (fd < 0) {
        error = errno;
        ops.unlink(copy.string());
        FailErrno(path, error);
    }
    const bool written = Overwrite(ops, fd, text);
    error = errno;
    const bool closed = ops.close(fd) == 0;
    if (written && closed) {
        ops.unlink(copy.string());
        return;
    }
    if (written) error = errno;

    // Undo: the old text back over whatever part of the new one got there.
    const int undoFd = ops.open(target.string(), O_WRONLY, 0);
    const bool undone = undoFd >= 0 && Overwrite(ops, undoFd, old);
    const bool undoClosed = undoFd >= 0 && ops.close(undoFd) == 0;
    if (undone && undoClosed) {
        ops.unlink(copy.string());
        FailErrno(path, error);
    }
    Fail(path, SystemReason(error ? error : EIO) + "; its previous text is kept in \"" +
                   SystemText(copy.string()) + "\"");
}

// How many names the file at `p` has; 1 when that cannot be told.
unsigned long LinkCount(const fs::path& p) {
    std::error_code ec;
    const auto count = fs::hard_link_count(p, ec);
    return ec ? 1 : static_cast<unsigned long>(count);
}

} // namespace

std::string TextFileName(const std::string& chosen) {
    static const std::string kExt = ".txt";
    if (chosen.size() >= kExt.size()) {
        bool same = true;
        for (size_t i = 0; i < kExt.size(); ++i) {
            char c = chosen[chosen.size() - kExt.size() + i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            same = same && c == kExt[i];
        }
        if (same) return chosen;
    }
    return chosen + kExt;
}

bool CheckSaveTarget(const std::string& path, const std::vector<std::string>& languageDirs) {
    const fs::path target = Resolve(path);
    RefuseLanguageFile(path, languageDirs);
    return fs::exists(Inspect(target, path));
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines,
               const std::vector<std::string>& languageDirs, FileOps& ops) {
    SaveBytes(path, FileText(lines), languageDirs, ops);
}

void SaveBytes(const std::string& path, const std::string& text, const std::vector<std::string>& languageDirs,
               FileOps& ops) {
    const fs::path target = Resolve(path);
    RefuseLanguageFile(path, languageDirs);
    const fs::file_status existing = Inspect(target, path);
    // A rename would give this name a file of its own and part it from the
    // file's other names, which would keep the old text.
    const bool linked = fs::exists(existing) && LinkCount(target) > 1;
    if (!linked && SaveByRename(ops, target, existing, text, path)) return;
    if (!fs::exists(existing)) FailErrno(path, EACCES);
    SaveInPlace(ops, target, text, path);
}

std::string ReplaceQuestion(const std::string& path, const std::string& wording) {
    if (wording.empty()) return "\"" + path + "\" already exists.\nDo you want to replace it?";
    const size_t at = wording.find("%s");
    if (at == std::string::npos) return wording;
    return wording.substr(0, at) + path + wording.substr(at + 2);
}

} // namespace tc
