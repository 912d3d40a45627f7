#pragma once

// The text of a masked date field under the program's date mask ("dd/mm/aaaa", the
// separator the date settings show), read and written by its positions, so that neither
// depends on the date pattern of the regional settings.

#include "dates/CivilDate.h"

#include <optional>
#include <string>

namespace zarn {

class MaskedField;

// The date of a field text whose day, month and year are all typed and name a date of the
// calendar; nothing for any other text.
std::optional<DayNumber> ReadDateField(const std::string& text);

// The date as the field shows it, with the separator the field shows now.
std::string WriteDateField(DayNumber date, const MaskedField& field);

} // namespace zarn
