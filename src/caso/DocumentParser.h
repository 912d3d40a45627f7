#pragma once

// The text of a case document as JSON. What is not JSON is refused by its line and column; a
// key written twice in one object, which JSON leaves undecided, is refused by its place.

#include "caso/JsonText.h"

#include <string_view>

namespace zarn {

// Throws DocumentError with the message.
JsonValue ParseDocument(std::string_view utf8);

} // namespace zarn
