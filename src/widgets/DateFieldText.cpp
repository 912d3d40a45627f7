#include "widgets/DateFieldText.h"

#include "fields/MaskModel.h"
#include "law/LegalText.h"
#include "widgets/MaskedField.h"

#include <algorithm>
#include <cstdint>

namespace zarn {
namespace {

// Where the day, the month and the year start in the text, and their digits.
struct DatePart {
    std::size_t At;
    std::size_t Digits;
};
constexpr DatePart kDayPart{0, 2};
constexpr DatePart kMonthPart{3, 2};
constexpr DatePart kYearPart{6, 4};
constexpr char kWrittenSeparator = '/';

std::optional<std::uint16_t> PartOf(const std::string& text, const DatePart& part) {
    if (text.size() < part.At + part.Digits) {
        return std::nullopt;
    }
    std::uint16_t value = 0;
    for (std::size_t i = part.At; i < part.At + part.Digits; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = static_cast<std::uint16_t>(value * 10 + (text[i] - '0'));
    }
    return value;
}

} // namespace

std::optional<DayNumber> ReadDateField(const std::string& text) {
    const std::optional<std::uint16_t> day = PartOf(text, kDayPart);
    const std::optional<std::uint16_t> month = PartOf(text, kMonthPart);
    const std::optional<std::uint16_t> year = PartOf(text, kYearPart);
    if (!day || !month || !year || !CivilDateValid(*year, *month, *day)) {
        return std::nullopt;
    }
    return DateFromCivil(*year, *month, *day);
}

std::string WriteDateField(DayNumber date, const MaskedField& field) {
    std::string text = WriteDayMonthYear(date);
    const char separator = field.Model().Pattern().LiteralAt(static_cast<int>(kMonthPart.At) - 1);
    std::replace(text.begin(), text.end(), kWrittenSeparator, separator);
    return text;
}

} // namespace zarn
