#pragma once

// The name of an inciso of LEP art. 112, as the texts write it and as a user types it.
// Texts are Windows-1252.

#include "law/CaseFacts.h"

#include <optional>
#include <string_view>

namespace zarn {

// "I", "II", ..., "VI-a", "VI-A", "VII", "VIII", and for the paragraph 3 the section sign,
// a blank, "3" and the masculine ordinal sign.
std::string_view IncisoName(Inciso inciso);

// Reads a typed name, blanks around it allowed:
// - a roman numeral I to VIII, in either case; VI alone names nothing;
// - VI followed by a letter, with or without a hyphen: "VI-a", "VI-b" and "VI-c" in lower
//   case, "VI-A" in upper case (the letter's case is what tells VI-a from VI-A);
// - the paragraph 3 as "par3" or the section sign and 3, with blanks and dots anywhere,
//   "par" in either case, and the ordinal sign or an "o" after the 3 allowed:
//   "par. 3", "PAR3", "<section sign> 3<ordinal sign>".
// Nothing for any other text.
std::optional<Inciso> ReadIncisoName(std::string_view text);

} // namespace zarn
