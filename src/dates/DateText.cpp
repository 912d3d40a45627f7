#include "dates/DateText.h"

#include "dates/Clock.h"
#include "dates/DateError.h"
#include "dates/DateSettings.h"

#include <optional>

namespace zarn {

namespace {

constexpr char kBlank = ' ';

// Digits are taken while the number read so far is below this, so at most four
// significant digits make one number.
constexpr int kNumberDigitLimit = 1000;

enum class PartOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The first of the letters d, m, y or e (era, which comes first and means a year-first
// pattern) in either case decides; a pattern with none of them reads month first.
PartOrder PartOrderOf(std::string_view pattern) {
    for (const char c : pattern) {
        switch (c) {
        case 'd':
        case 'D':
            return PartOrder::DayMonthYear;
        case 'm':
        case 'M':
            return PartOrder::MonthDayYear;
        case 'y':
        case 'Y':
        case 'e':
        case 'E':
            return PartOrder::YearMonthDay;
        default:
            break;
        }
    }
    return PartOrder::MonthDayYear;
}

struct ScannedNumber {
    int Value = 0;
    std::size_t Length = 0; // digits taken, leading zeros included
};

// Walks through a date text; never reads past its end.
class DateTextCursor {
public:
    DateTextCursor(std::string_view text, char separator)
        : m_text(text)
        , m_separator(separator) {}

    void SkipBlanks() {
        while (!AtEnd() && m_text[m_position] == kBlank) {
            ++m_position;
        }
    }

    // Blanks, then at least one digit.
    std::optional<ScannedNumber> Number() {
        SkipBlanks();
        ScannedNumber number;
        while (!AtEnd() && IsDigit(m_text[m_position]) && number.Value < kNumberDigitLimit) {
            number.Value = number.Value * 10 + (m_text[m_position] - '0');
            ++number.Length;
            ++m_position;
        }
        if (number.Length == 0) {
            return std::nullopt;
        }
        return number;
    }

    // Blanks, then the separator. A blank separator is the run of blanks itself, since the
    // blanks before it would otherwise swallow it.
    bool Separator() {
        const std::size_t start = m_position;
        SkipBlanks();
        if (m_separator == kBlank) {
            return m_position > start;
        }
        if (!AtEnd() && m_text[m_position] == m_separator) {
            ++m_position;
            return true;
        }
        return false;
    }

    bool AtEnd() const { return m_position >= m_text.size(); }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::string_view m_text;
    char m_separator;
    std::size_t m_position = 0;
};

int FloorDivide(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

// A year written with one or two digits is moved into the hundred years around the
// current year.
int WindowedYear(int year, int currentYear) {
    const int base = currentYear - kTwoDigitYearWindow;
    year += 100 * FloorDivide(base, 100);
    if (year < base) {
        year += 100;
    }
    return year;
}

bool ValidParts(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31) {
        return false;
    }
    return CivilDateValid(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                          static_cast<std::uint16_t>(day));
}

[[noreturn]] void FailDateText(std::string_view text) {
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid date");
    throw DateError(message);
}

std::string ZeroPadded(unsigned value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

} // namespace

DayNumber ReadDateText(std::string_view text) {
    const DateSettingsRecord& settings = DateSettings();
    const PartOrder order = PartOrderOf(settings.Pattern);
    DateTextCursor cursor(text, settings.Separator);

    const std::optional<ScannedNumber> first = cursor.Number();
    if (!first || !cursor.Separator()) {
        FailDateText(text);
    }
    const std::optional<ScannedNumber> second = cursor.Number();
    if (!second) {
        FailDateText(text);
    }

    int year = 0;
    int month = 0;
    int day = 0;
    if (cursor.Separator()) {
        const std::optional<ScannedNumber> third = cursor.Number();
        if (!third) {
            FailDateText(text);
        }
        ScannedNumber yearNumber;
        switch (order) {
        case PartOrder::DayMonthYear:
            day = first->Value;
            month = second->Value;
            yearNumber = *third;
            break;
        case PartOrder::MonthDayYear:
            month = first->Value;
            day = second->Value;
            yearNumber = *third;
            break;
        case PartOrder::YearMonthDay:
            yearNumber = *first;
            month = second->Value;
            day = third->Value;
            break;
        }
        year = yearNumber.Value;
        if (yearNumber.Length <= 2) {
            year = WindowedYear(year, Today().Year);
        }
    } else {
        year = Today().Year;
        if (order == PartOrder::DayMonthYear) {
            day = first->Value;
            month = second->Value;
        } else {
            month = first->Value;
            day = second->Value;
        }
    }

    cursor.Separator();
    cursor.SkipBlanks();
    if (!cursor.AtEnd() || !ValidParts(year, month, day)) {
        FailDateText(text);
    }
    return DateFromCivil(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                         static_cast<std::uint16_t>(day));
}

std::string WriteDateText(DayNumber date) {
    const CivilDate civil = CivilFromDate(date);
    const char separator = DateSettings().Separator;
    std::string text = ZeroPadded(civil.Day, 2);
    text += separator;
    text += ZeroPadded(civil.Month, 2);
    text += separator;
    text += ZeroPadded(civil.Year, 4);
    return text;
}

} // namespace zarn
