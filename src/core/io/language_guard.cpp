// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/language_guard.h"

#include <filesystem>
#include <system_error>

#include "base/failure.h"

namespace tc {

namespace fs = std::filesystem;

namespace {

const char* const kLanguageItems[] = {"N23", "N24", "N25"};

bool SameLetters(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The folders the program reads its language files from, the current one first.
std::vector<fs::path> LanguageFolders(const std::vector<std::string>& languageDirs) {
    std::vector<fs::path> folders{"."};
    for (const std::string& dir : languageDirs)
        folders.push_back(fs::u8path(dir));
    return folders;
}

// The same folder or file on the disk, whatever the names: false when either
// is not there.
bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    const bool same = fs::equivalent(a, b, ec);
    return !ec && same;
}

// A name the program reads its texts under, in one of its language folders.
bool NamedAsOne(const fs::path& p, const std::vector<fs::path>& folders) {
    const std::string name = p.filename().u8string();
    bool named = false;
    for (const char* item : kLanguageItems)
        named = named || SameLetters(name, LanguageFileName(item));
    if (!named) return false;
    const fs::path folder = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    for (const fs::path& f : folders)
        if (SameFile(folder, f)) return true;
    return false;
}

// Every name `p` leads to through symbolic links, `p` first: a link that names
// no file yet would create the file it names.
std::vector<fs::path> LinkChain(fs::path p) {
    std::vector<fs::path> chain{p};
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) break;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
        chain.push_back(p);
    }
    return chain;
}

} // namespace

bool ReplacesLanguageFile(const std::string& path, const std::vector<std::string>& languageDirs) {
    // The save refuses such a name for its own reason.
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    const std::vector<fs::path> folders = LanguageFolders(languageDirs);
    const fs::path target = fs::u8path(path);
    for (const fs::path& name : LinkChain(target))
        if (NamedAsOne(name, folders)) return true;
    for (const fs::path& folder : folders)
        for (const char* item : kLanguageItems)
            if (SameFile(target, folder / LanguageFileName(item))) return true;
    return false;
}

void RefuseLanguageFile(const std::string& path, const std::vector<std::string>& languageDirs) {
    if (ReplacesLanguageFile(path, languageDirs))
        throw Failure(Line::window_save_language_file,
                      "This is a language file of the program: it is not replaced. Choose another name.");
}

std::string LanguageFileName(const std::string& item) {
    if (item == "N24") return "Russian.txt";
    if (item == "N25") return "English.txt";
    return "Ukrainian.txt";
}

} // namespace tc
