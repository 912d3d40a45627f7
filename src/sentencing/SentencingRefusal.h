#pragma once

// An input the dosimetria cannot compute, found on the way (a step that would pass the largest
// term, fractions whose sum 64 bits cannot hold). Thrown inside the library only: the answer
// carries its message, which names the item at fault.

#include <stdexcept>
#include <string>

namespace zarn {

class SentencingRefusal : public std::runtime_error {
public:
    explicit SentencingRefusal(const std::string& message)
        : std::runtime_error(message) {}
};

} // namespace zarn
