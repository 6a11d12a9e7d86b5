#pragma once
// A failure ends the running handler: whatever the handler wrote before stays,
// and the window reports the message in the error box.

#include <stdexcept>
#include <string>

namespace tc {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message), message_(message) {}
    // The whole message: what() ends at the first NUL, and a typed text may hold one.
    const std::string& message() const { return message_; }

private:
    std::string message_;
};

// The messages of the arithmetic failures, as the error box shows them.
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kOverflow = "Floating point overflow";

} // namespace tc
