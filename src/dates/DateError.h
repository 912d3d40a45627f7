#pragma once

// The error raised by the date services. what() is the exact message shown to the user
// (for instance "Invalid argument to date encode").

#include <stdexcept>
#include <string>

namespace zarn {

class DateError : public std::runtime_error {
public:
    explicit DateError(const std::string& message)
        : std::runtime_error(message) {}
};

} // namespace zarn
