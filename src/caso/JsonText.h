#pragma once

// The JSON of the case documents and of zarn-calc's answers: one JSON library, the keys kept
// in the order they are written, every text in UTF-8 on the way out. The program's texts are
// Windows-1252; they cross here through engine/CodePage.

#include "dates/CivilDate.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zarn {

using JsonValue = nlohmann::ordered_json;

// A Windows-1252 text as a JSON string.
JsonValue JsonText(std::string_view cp1252);

// A date as "dd/mm/aaaa", or null.
JsonValue JsonDate(std::optional<DayNumber> date);

// A whole number where the value is whole, else the value: 50 for 50.0, 16.67.
JsonValue JsonNumber(double value);

// The value on one line, UTF-8, with a blank after each colon and comma, as zarn-calc's
// outputs have always been written.
std::string WriteJsonLine(const JsonValue& value);

// The value indented by two blanks a level, as a case document is saved.
std::string WriteJsonDocument(const JsonValue& value);

// The object with its keys in the order given; keys the order does not name follow, as they
// were.
JsonValue InKeyOrder(JsonValue object, std::span<const std::string_view> order);

} // namespace zarn
