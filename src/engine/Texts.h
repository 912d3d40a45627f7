#pragma once

// The engine's own words: the input error messages and the unit words of the result
// sentence, in Windows-1252.

#include <string_view>

namespace zarn {

inline constexpr std::string_view kMonthsTooLargeMessage =
    "O n\xFAmero m\xE1ximo de meses \xE9 11.";
inline constexpr std::string_view kDaysTooLargeMessage = "O n\xFAmero m\xE1ximo de dias \xE9 29.";
inline constexpr std::string_view kFinesBelowMinimumMessage =
    "Ser\xE1 de 10 o m\xEDnimo de dias-multa.";
inline constexpr std::string_view kFinesAboveMaximumMessage =
    "O m\xE1ximo de dias-multa \xE9 66.666 (Lei 11.343/06).";
inline constexpr std::string_view kInvalidOperationMessage = "Opera\xE7\xE3o inv\xE1lida!";
// A number field holding something other than a whole number (only a program write can
// put such a text there).
inline constexpr std::string_view kInvalidNumberMessage = "N\xFAmero inv\xE1lido!";

// A unit word in its two forms: the singular for a part of 1 or less, the plural above.
struct UnitWord {
    std::string_view Singular;
    std::string_view Plural;
};

inline constexpr UnitWord kYearWord{" ano", " anos"};
inline constexpr UnitWord kMonthWord{" m\xEAs", " meses"};
inline constexpr UnitWord kDayWord{" dia", " dias"};
inline constexpr UnitWord kFineWord{" dia-multa", " dias-multa"};

// Joiners of the sentence.
inline constexpr std::string_view kAfterYears = ", ";
inline constexpr std::string_view kBeforeDays = " e ";
inline constexpr std::string_view kBeforeFines = ", e ";

// Joiners of a list of term parts: "a, b e c".
inline constexpr std::string_view kListSeparator = ", ";
inline constexpr std::string_view kListLastSeparator = " e ";

} // namespace zarn
