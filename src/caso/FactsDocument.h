#pragma once

// The facts of a conviction as the case document holds them (caso.md `fatos`, law.md 2): read
// with their defaults, the ages derived from the date of birth where they are not given, the
// facts that contradict each other refused; written back with only what differs from what a
// reader would take without it.

#include "caso/DocumentNode.h"
#include "law/CaseFacts.h"

#include <optional>

namespace zarn {

// `fatos` may be missing (every default). The date of the crime is the conviction's own key.
CaseFacts ReadFacts(const std::optional<DocumentNode>& fatos, std::optional<DayNumber> crimeDate,
                    std::optional<DayNumber> birth);

JsonValue WriteFacts(const CaseFacts& facts, std::optional<DayNumber> birth);

// Under 21 on the day of the crime: the 21st birthday falls after it (law.md 9).
bool Under21On(DayNumber birth, DayNumber day);
// Over 70 on a day: the 70th birthday falls on or before it.
bool Over70On(DayNumber birth, DayNumber day);

} // namespace zarn
