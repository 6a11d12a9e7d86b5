#include "i18n/language_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "numbers/failure.h"

namespace tc {

namespace {

// The whole file at `path`, or nullopt with `error` set to errno's reason.
std::optional<std::string> ReadWhole(const std::filesystem::path& path, int& error) {
    errno = 0;
    std::FILE* f = std::fopen(path.string().c_str(), "rb");
    if (!f) {
        error = errno ? errno : ENOENT;
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, got);
    // Opening a folder succeeds on some systems; reading it then fails.
    const bool failed = std::ferror(f) != 0;
    error = failed ? (errno ? errno : EIO) : 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return bytes;
}

} // namespace

std::string LanguageFileName(const std::string& item) {
    if (item == "N24") return "Russian.txt";
    if (item == "N25") return "English.txt";
    return "Ukrainian.txt";
}

LanguageTable ReadLanguageFile(const std::string& fileName, const std::vector<std::string>& dirs) {
    std::error_code ec;
    std::filesystem::path here = std::filesystem::current_path(ec) / fileName;
    if (ec) here = fileName;

    int hereError = 0;
    if (auto bytes = ReadWhole(here, hereError)) return LanguageTable(LanguageLines(*bytes));
    for (const std::string& dir : dirs) {
        int error = 0;
        if (auto bytes = ReadWhole(std::filesystem::path(dir) / fileName, error))
            return LanguageTable(LanguageLines(*bytes));
    }
    throw Failure("Cannot open file \"" + here.string() + "\". " +
                  std::error_code(hereError, std::generic_category()).message());
}

} // namespace tc
