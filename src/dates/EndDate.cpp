#include "dates/EndDate.h"

#include "dates/CivilDate.h"
#include "dates/DateError.h"
#include "dates/DateSettings.h"
#include "dates/DateText.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace zarn {

namespace {

constexpr std::int64_t kLargestValue = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kLargestNegatedMagnitude = kLargestValue + 1;

// Where the day, month and year sit in a "dd/mm/yyyy" field text.
constexpr std::size_t kDaySliceStart = 0;
constexpr std::size_t kMonthSliceStart = 3;
constexpr std::size_t kYearSliceStart = 6;
constexpr std::size_t kDayMonthSliceLength = 2;
constexpr std::size_t kYearSliceLength = 4;

std::optional<int> DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return std::nullopt;
}

// A failed reading keeps the magnitude read so far, without its sign. The one magnitude
// that does not fit, 2147483648 after a '-', is kept as the largest value.
WholeNumberReading FailedReading(std::int64_t magnitude) {
    return WholeNumberReading{static_cast<std::int32_t>(std::min(magnitude, kLargestValue)), true};
}

bool IsHexPrefix(char c) {
    return c == '$' || c == 'x' || c == 'X';
}

std::string_view Slice(std::string_view text, std::size_t start, std::size_t length) {
    if (start >= text.size()) {
        return {};
    }
    return text.substr(start, length);
}

// The valid-date test on the values as read: a value outside 0..65535 is no part of a
// date, and must not reach the 16-bit test, where it would wrap into one.
bool SlicesFormValidDate(std::int32_t year, std::int32_t month, std::int32_t day) {
    constexpr std::int32_t kLargestPart = std::numeric_limits<std::uint16_t>::max();
    for (const std::int32_t part : {year, month, day}) {
        if (part < 0 || part > kLargestPart) {
            return false;
        }
    }
    return CivilDateValid(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                          static_cast<std::uint16_t>(day));
}

// The day, month and year slices of a start-date text form a valid date.
bool StartSlicesFormValidDate(std::string_view start) {
    const std::int32_t day =
        ReadWholeNumber(Slice(start, kDaySliceStart, kDayMonthSliceLength)).Value;
    const std::int32_t month =
        ReadWholeNumber(Slice(start, kMonthSliceStart, kDayMonthSliceLength)).Value;
    const std::int32_t year =
        ReadWholeNumber(Slice(start, kYearSliceStart, kYearSliceLength)).Value;
    return SlicesFormValidDate(year, month, day);
}

EndDateOutcome ErrorOutcome() {
    return EndDateOutcome{true, kEndDateErrorMark};
}

} // namespace

WholeNumberReading ReadWholeNumber(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && text[position] == ' ') {
        ++position;
    }

    bool negative = false;
    int base = 10;
    if (position < text.size() && (text[position] == '-' || text[position] == '+')) {
        negative = text[position] == '-';
        ++position;
    } else if (position < text.size() && IsHexPrefix(text[position])) {
        base = 16;
        ++position;
    } else if (position + 1 < text.size() && text[position] == '0' &&
               (text[position + 1] == 'x' || text[position + 1] == 'X')) {
        base = 16;
        position += 2;
    }
    if (position >= text.size()) {
        return FailedReading(0);
    }

    const std::int64_t limit = negative ? kLargestNegatedMagnitude : kLargestValue;
    std::int64_t magnitude = 0;
    for (; position < text.size(); ++position) {
        const std::optional<int> digit = DigitValue(text[position], base);
        if (!digit) {
            return FailedReading(magnitude);
        }
        const std::int64_t next = magnitude * base + *digit;
        if (next > limit) {
            return FailedReading(magnitude);
        }
        magnitude = next;
    }
    return WholeNumberReading{static_cast<std::int32_t>(negative ? -magnitude : magnitude), false};
}

std::optional<DayNumber> ReadStartDate(const std::string& startDateText) {
    if (!StartSlicesFormValidDate(startDateText)) {
        return std::nullopt;
    }
    try {
        return ReadDateText(startDateText);
    } catch (const DateError&) {
        return std::nullopt;
    }
}

EndDateOutcome ComputeEndDate(const std::string& yearsText, const std::string& monthsText,
                              const std::string& daysText, const std::string& startDateText) {
    if (!StartSlicesFormValidDate(startDateText)) {
        return ErrorOutcome();
    }

    DayNumber date = ReadDateText(startDateText);

    // Days, then months, then years: a month shift clamps the day the days have reached.
    const WholeNumberReading days = ReadWholeNumber(daysText);
    if (days.Value > 0) {
        date = AddDays(date, days.Value);
    }
    const WholeNumberReading months = ReadWholeNumber(monthsText);
    if (months.Value > 0) {
        date = AddMonths(date, months.Value);
    }
    const WholeNumberReading years = ReadWholeNumber(yearsText);
    if (years.Value > 0) {
        date = AddYears(date, years.Value);
    }

    const bool noneRead = days.Failed && months.Failed && years.Failed;
    const bool noTerm = days.Value == 0 && months.Value == 0 && years.Value == 0;
    if (noneRead || noTerm) {
        return ErrorOutcome();
    }

    // The last day of the term. Only a date of 01/01/0001..31/12/9999 is an end date: days
    // alone can carry past the year 9999, and a start on 01/01/0001 can step back before it.
    const DayNumber endDate = AddDays(date, -1);
    if (endDate < kFirstDayNumber || endDate > kLastDayNumber) {
        return ErrorOutcome();
    }
    UseCalendarDateSettings();
    return EndDateOutcome{false, WriteDateText(endDate)};
}

} // namespace zarn
