#pragma once

// The sentence end date: the start date shifted by the days, then the months, then the
// years of the term, less one day. Standard C++ only; the calendar window wraps it.

#include "dates/CivilDate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarn {

// A whole number read from a text, and whether the text failed to read as one. On a
// failure Value holds what was read before the failing character, without its sign.
struct WholeNumberReading {
    std::int32_t Value = 0;
    bool Failed = false;
};

WholeNumberReading ReadWholeNumber(std::string_view text);

inline constexpr const char* kEndDateErrorMark = "Erro!";

// Either the end date as "dd/mm/yyyy" or the error mark "Erro!".
struct EndDateOutcome {
    bool IsError = false;
    std::string Text;
};

// The start date of a "dd/mm/yyyy" field text, read as the calendar's Calcula reads it: its
// day, month and year slices must form a valid date, then the whole text must read as one
// under the date settings in force. Nothing where the calendar shows "Erro!" or its error
// box; never throws.
std::optional<DayNumber> ReadStartDate(const std::string& startDateText);

// Throws DateError when the start date does not read as a date or a shift leaves the
// years 1..9999.
EndDateOutcome ComputeEndDate(const std::string& yearsText, const std::string& monthsText,
                              const std::string& daysText, const std::string& startDateText);

} // namespace zarn
