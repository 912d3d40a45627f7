#pragma once

// Whole-number texts of the input fields: blank removal and a strict decimal conversion
// that never throws, never reads past the text and never yields a different number.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zarn {

// Longest digit run a number field may hold. Nine digits keep every value, and every
// product the arithmetic forms with it, an exact whole number in a 64-bit real.
inline constexpr std::size_t kMaxNumberDigits = 9;

// The text without any space character; every other character keeps its order.
std::string RemoveBlanks(std::string_view text);

// Converts an optional single "+" or "-" followed by 1 to maxDigits decimal digits, and
// nothing else. "-0" converts to negative zero. Any other text gives no value.
std::optional<double> ConvertSignedWhole(std::string_view text,
                                         std::size_t maxDigits = kMaxNumberDigits);

// Converts 1 to maxDigits decimal digits without any sign. Any other text gives no value.
std::optional<double> ConvertDigits(std::string_view text, std::size_t maxDigits);

// A count of days as a user or a command line writes it (detracao, remicao): blanks
// dropped, nothing left is 0, an optional "-" and then decimal digits. A sign is read, so
// that the analyses refuse a negative count in their own words.
enum class DayCountFault { None, NotWhole, TooLarge };
struct DayCountReading {
    long long Days = 0;
    DayCountFault Fault = DayCountFault::None;
};
DayCountReading ReadDayCount(std::string_view text);

} // namespace zarn
