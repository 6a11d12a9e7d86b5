#include "io/save_text.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "numbers/failure.h"

namespace tc {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw Failure("Cannot save \"" + path + "\": " + reason);
}

std::string Reason(std::errc code) {
    return std::make_error_code(code).message();
}

// The reason the last failed stream operation left in errno; streams keep no
// error code of their own, and a failure without one is reported as an I/O error.
std::string StreamReason(int savedErrno) {
    return savedErrno ? std::generic_category().message(savedErrno) : Reason(std::errc::io_error);
}

// A link is followed to the file it names, so that saving through it changes
// that file instead of replacing the link with a file of its own.
fs::path Resolve(const std::string& path) {
    fs::path p = fs::u8path(path);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(p, ec))) {
        fs::path target = fs::weakly_canonical(p, ec);
        if (ec) Fail(path, ec.message());
        return target;
    }
    return p;
}

// What is at `p`: not_found, or a file that may be replaced. Throws for anything
// that cannot take the text.
fs::file_status Inspect(const fs::path& p, const std::string& path) {
    std::error_code ec;
    fs::file_status st = fs::status(p, ec);
    if (st.type() == fs::file_type::not_found) return st;
    if (ec) Fail(path, ec.message());
    if (st.type() == fs::file_type::directory) Fail(path, Reason(std::errc::is_a_directory));
    if (st.type() != fs::file_type::regular) Fail(path, "Not a regular file");
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((st.permissions() & anyWrite) == fs::perms::none) Fail(path, "Read-only file");
    return st;
}

// A name in the target's folder that no file has yet. It does not grow with the
// target's name, so a target whose name is as long as the system allows still
// gets one.
fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0;; ++attempt) {
        char name[64];
        std::snprintf(name, sizeof name, ".tovrin-%08llx-%u.tmp", stamp & 0xFFFFFFFFull, counter++);
        fs::path candidate = target.parent_path() / name;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec)) || attempt >= 100) return candidate;
    }
}

// Removes the temporary file unless the save went through.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path p) : path_(std::move(p)) {}
    ~TemporaryFile() {
        if (path_.empty()) return;
        std::error_code ec;
        fs::remove(path_, ec);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const fs::path& path() const { return path_; }
    void keep() { path_.clear(); }

private:
    fs::path path_;
};

// One memo line and its CR LF. A break inside the line (CR LF, CR or LF) ends
// a file line there too, so every line of the file ends in CR LF.
void WriteLine(std::ofstream& out, const std::string& line) {
    size_t from = 0;
    for (size_t at; (at = line.find_first_of("\r\n", from)) != std::string::npos; from = at + 1) {
        out.write(line.data() + from, static_cast<std::streamsize>(at - from));
        out.write("\r\n", 2);
        if (line[at] == '\r' && at + 1 < line.size() && line[at + 1] == '\n') ++at;
    }
    out.write(line.data() + from, static_cast<std::streamsize>(line.size() - from));
    out.write("\r\n", 2);
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

bool CheckSaveTarget(const std::string& path) {
    return fs::exists(Inspect(Resolve(path), path));
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines) {
    const fs::path target = Resolve(path);
    const fs::file_status existing = Inspect(target, path);

    TemporaryFile temp(TemporaryBeside(target));
    {
        errno = 0;
        std::ofstream out(temp.path(), std::ios::binary | std::ios::trunc);
        if (!out) Fail(path, StreamReason(errno));
        for (const std::string& line : lines) {
            WriteLine(out, line);
            if (!out) Fail(path, StreamReason(errno));
        }
        // Closing writes out what is still buffered; a full disk shows here.
        errno = 0;
        out.close();
        if (!out) Fail(path, StreamReason(errno));
    }

    std::error_code ec;
    // The replacement keeps the access rights of the file it replaces.
    if (fs::exists(existing))
        fs::permissions(temp.path(), existing.permissions(), fs::perm_options::replace, ec);
    fs::rename(temp.path(), target, ec);
    if (ec) Fail(path, ec.message());
    temp.keep();
}

std::string ReplaceQuestion(const std::string& path, const std::string& wording) {
    if (wording.empty()) return "\"" + path + "\" already exists.\nDo you want to replace it?";
    const size_t at = wording.find("%s");
    if (at == std::string::npos) return wording;
    return wording.substr(0, at) + path + wording.substr(at + 2);
}

} // namespace tc
