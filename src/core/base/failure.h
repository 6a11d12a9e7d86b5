// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A failure ends the running handler: whatever the handler wrote before stays,
// and the window reports the message in the error box.

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "base/lines.h"

namespace tc {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message), message_(message) {}
    // A failure whose text a language file may word: the error box shows line
    // `line` of the current file with "%1", "%2", ... replaced by `args`, or
    // `message` when the file has no such line.
    Failure(Line line, const std::string& message, std::vector<std::string> args = {})
        : std::runtime_error(message), message_(message), line_(line), args_(std::move(args)) {}
    // The whole message: what() ends at the first NUL, and a typed text may hold one.
    const std::string& message() const { return message_; }
    const std::optional<Line>& line() const { return line_; }
    const std::vector<std::string>& args() const { return args_; }
    // The line that words the failure when the file lacks line(), if any.
    const std::optional<Line>& fallbackLine() const { return fallbackLine_; }
    // The same failure worded by `line` where the file has it, and as before
    // where it does not.
    Failure reworded(Line line) const {
        Failure f(line, message_, args_);
        f.fallbackLine_ = line_;
        return f;
    }

private:
    std::string message_;
    std::optional<Line> line_;
    std::vector<std::string> args_;
    std::optional<Line> fallbackLine_;
};

// The messages of the arithmetic failures, as the error box shows them.
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kOverflow = "Floating point overflow";

// The arithmetic failures, each worded by its language line.
inline Failure InvalidOperation() {
    return Failure(Line::fail_invalid_operation, kInvalidOperation);
}
inline Failure DivisionByZero() {
    return Failure(Line::fail_division_by_zero, kDivisionByZero);
}
inline Failure Overflow() {
    return Failure(Line::fail_overflow, kOverflow);
}

} // namespace tc
