#pragma once

// The edit masks of the program's fields. A mask reads: "9" an optional digit, "c" any
// character, "\" makes the next character a literal, "/" the date separator, "!" pads
// texts at the start; then ";1" keeps literals in the text, and the last character is the
// blank shown at an empty position.

#include <array>

namespace zarn {

inline constexpr const char* kYearsMask = "999;1; ";
inline constexpr const char* kMonthsMask = "99;1; ";
inline constexpr const char* kDaysMask = "99;1; ";
inline constexpr const char* kFinesMask = "99999;1; ";
inline constexpr const char* kOperationMask = "c\\ 99\\/999;1; ";
inline constexpr const char* kDateMask = "!99/99/9999;1;_";
// The calendar's end-date field while it shows the error mark.
inline constexpr const char* kEndDateErrorMask = "cccccccc;1; ";

// Every distinct mask the program uses.
inline constexpr std::array<const char*, 6> kProgramMasks = {
    kYearsMask, kMonthsMask, kFinesMask, kOperationMask, kDateMask, kEndDateErrorMask};

} // namespace zarn
