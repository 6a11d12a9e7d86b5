#include "i18n/language_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "numbers/failure.h"

namespace tc {

namespace {

// The whole file at `path`, or nullopt with `error` set to the system's reason.
// The stream takes the path in the system's own form, so folders with
// Cyrillic names work on Windows as well.
std::optional<std::string> ReadWhole(const std::filesystem::path& path, int& error) {
    std::error_code ec;
    // Some systems open a folder as a file that cannot be read.
    if (std::filesystem::is_directory(path, ec)) {
        error = EISDIR;
        return std::nullopt;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = errno ? errno : ENOENT;
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        error = errno ? errno : EIO;
        return std::nullopt;
    }
    error = 0;
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
    throw Failure("Cannot open file \"" + here.u8string() + "\". " +
                  std::error_code(hereError, std::generic_category()).message());
}

} // namespace tc
