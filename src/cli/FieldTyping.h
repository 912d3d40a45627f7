#pragma once

// Entering a text into a masked field as a user would: the field is empty and selected
// whole, and every character is typed under the field's editing rules (refused ones beep
// and are dropped, a separator jumps to the next sub-field). Standard C++ only.

#include <string>
#include <string_view>

namespace zarn {

// The field text after typing `typed` into an empty field with the mask `mask`.
std::string TypeIntoEmptyField(std::string_view mask, std::string_view typed);

} // namespace zarn
