#pragma once
// A failure ends the running handler: whatever the handler wrote before stays,
// and the window reports the message in the error box.

#include <stdexcept>
#include <string>

namespace tc {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

// The messages of the arithmetic failures, as the error box shows them.
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kOverflow = "Floating point overflow";

} // namespace tc
