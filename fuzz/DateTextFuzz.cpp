// Date texts and the sentence end date under arbitrary date settings (separator and short
// date pattern) and an arbitrary today's date, set through the clock's testing seam.
//
// The input: one byte for the separator, the pattern (a line), four bytes for today, the
// text for ReadDateText (a line), then the years, months and days texts and the start-date
// text for ComputeEndDate (a line each), then bytes for a date written in every part order.
//
// Properties, checked against std::chrono's calendar:
// - ReadDateText either gives a valid date (01/01/0001..31/12/9999) or fails with the
//   message that quotes the whole text;
// - a date written with its parts in the pattern's order reads back as itself;
// - ComputeEndDate gives the end date that the calendar arithmetic of std::chrono gives,
//   "Erro!" exactly when the term or the start date makes no sense, and raises only the
//   two date errors, each where the arithmetic says so.

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "dates/CivilDate.h"
#include "dates/Clock.h"
#include "dates/DateError.h"
#include "dates/DateSettings.h"
#include "dates/DateText.h"
#include "dates/EndDate.h"
#include "support/DateOracle.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace zarn::fuzz {
namespace {

namespace chr = std::chrono;

using testing::CivilOf;
using testing::DayNumberOf;
using testing::DayOf;
using testing::kFirstDay;
using testing::kLastDay;
using testing::MonthsOn;
constexpr std::array<char, 4> kCommonSeparators = {'/', '-', '.', ' '};

char TakeSeparator(FuzzInput& input) {
    const std::uint8_t byte = input.TakeByte();
    return byte < kCommonSeparators.size() ? kCommonSeparators[byte] : static_cast<char>(byte);
}

// A valid date of the years 1..9999 from four bytes.
chr::year_month_day TakeDate(FuzzInput& input) {
    const int high = input.TakeByte();
    const int yearNumber = 1 + (high * 256 + input.TakeByte()) % 9999;
    const chr::year year{yearNumber};
    const chr::month month{static_cast<unsigned>(1 + input.TakeIndex(12))};
    const auto length = static_cast<unsigned>((year / month / chr::last).day());
    return year / month / chr::day{1 + static_cast<unsigned>(input.TakeByte()) % length};
}

std::string Padded(unsigned value, std::size_t width) {
    std::string digits = std::to_string(value);
    digits.insert(0, width > digits.size() ? width - digits.size() : 0, '0');
    return digits;
}

std::string DateMessage(const std::string& text) {
    return "'" + text + "' is not a valid date";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void CheckReadDateText(const std::string& text) {
    try {
        const DayNumber date = ReadDateText(text);
        Require(date == static_cast<DayNumber>(static_cast<std::int64_t>(date)),
                "a date read has no time of day");
        const chr::sys_days day = DayOf(date);
        Require(day >= kFirstDay && day <= kLastDay, "a date read lies in the years 1..9999");
        Require(CivilFromDate(date) == CivilOf(chr::year_month_day{day}),
                "a date read splits as the calendar says");
    } catch (const DateError& error) {
        // what() is a C string: a text with a NUL byte is quoted up to that byte.
        Require(std::string(error.what()) == DateMessage(text).c_str(),
                "an unreadable date quotes its text");
    }
}

// The date written with its parts in the order the pattern asks for, under the separator,
// with blanks around the numbers; it must read back as itself.
void CheckWrittenDateReadsBack(const chr::year_month_day& date, FuzzInput& input) {
    const char separator = DateSettings().Separator;
    if (IsDigit(separator) || separator == ' ') {
        return; // a separator that is a digit or a blank cannot part numbers
    }
    static constexpr std::array<const char*, 3> kPatterns = {"dd/mm/yyyy", "m/d/yyyy",
                                                             "yyyy-mm-dd"};
    const int order = input.TakeIndex(static_cast<int>(kPatterns.size()));
    const std::string blank = input.TakeByte() % 2 == 0 ? "" : " ";
    const std::string day = blank + Padded(static_cast<unsigned>(date.day()), 2);
    const std::string month = blank + Padded(static_cast<unsigned>(date.month()), 1);
    const std::string year = Padded(static_cast<unsigned>(static_cast<int>(date.year())), 4);
    const std::string sep(1, separator);
    std::string text;
    switch (order) {
    case 0:
        text = day + sep + month + sep + year;
        break;
    case 1:
        text = month + sep + day + sep + year;
        break;
    default:
        text = year + sep + month + sep + day;
        break;
    }
    const DateSettingsRecord saved = DateSettings();
    DateSettings().Pattern = kPatterns[static_cast<std::size_t>(order)];
    const DayNumber read = ReadDateText(text);
    DateSettings() = saved;
    Require(read == DayNumberOf(chr::sys_days{date}), "a written date reads back as itself");
}

struct ExpectedEnd {
    enum class Kind { Date, ErrorMark, Raises } Result = Kind::ErrorMark;
    std::string Text; // the end date, or the raised message
};

std::string_view Slice(std::string_view text, std::size_t start, std::size_t length) {
    return start >= text.size() ? std::string_view{} : text.substr(start, length);
}

ExpectedEnd Expect(const std::string& yearsText, const std::string& monthsText,
                   const std::string& daysText, const std::string& start) {
    using Kind = ExpectedEnd::Kind;
    const std::int32_t startDay = ReadWholeNumber(Slice(start, 0, 2)).Value;
    const std::int32_t startMonth = ReadWholeNumber(Slice(start, 3, 2)).Value;
    const std::int32_t startYear = ReadWholeNumber(Slice(start, 6, 4)).Value;
    if (startYear < 1 || startYear > 9999 || startMonth < 1 || startMonth > 12 || startDay < 1 ||
        startDay > 31 ||
        !chr::year_month_day{chr::year{startYear}, chr::month{static_cast<unsigned>(startMonth)},
                             chr::day{static_cast<unsigned>(startDay)}}
             .ok()) {
        return {Kind::ErrorMark, {}};
    }
    chr::sys_days day;
    try {
        day = DayOf(ReadDateText(start));
    } catch (const DateError& error) {
        return {Kind::Raises, error.what()};
    }
    const WholeNumberReading days = ReadWholeNumber(daysText);
    const WholeNumberReading months = ReadWholeNumber(monthsText);
    const WholeNumberReading years = ReadWholeNumber(yearsText);
    if (days.Value > 0) {
        day += chr::days{days.Value};
    }
    for (const std::int64_t count : {std::int64_t{months.Value}, std::int64_t{years.Value} * 12}) {
        if (count > 0) {
            const std::optional<chr::sys_days> shifted = MonthsOn(day, count);
            if (!shifted) {
                return {Kind::Raises, kDateEncodeError};
            }
            day = *shifted;
        }
    }
    const bool noneRead = days.Failed && months.Failed && years.Failed;
    const bool noTerm = days.Value == 0 && months.Value == 0 && years.Value == 0;
    const chr::sys_days end = day - chr::days{1};
    if (noneRead || noTerm || end < kFirstDay || end > kLastDay) {
        return {Kind::ErrorMark, {}};
    }
    const chr::year_month_day date{end};
    return {Kind::Date, Padded(static_cast<unsigned>(date.day()), 2) + "/" +
                            Padded(static_cast<unsigned>(date.month()), 2) + "/" +
                            Padded(static_cast<unsigned>(static_cast<int>(date.year())), 4)};
}

void CheckEndDate(const std::string& yearsText, const std::string& monthsText,
                  const std::string& daysText, const std::string& start) {
    using Kind = ExpectedEnd::Kind;
    const DateSettingsRecord settings = DateSettings();
    const ExpectedEnd expected = Expect(yearsText, monthsText, daysText, start);
    Require(DateSettings().Separator == settings.Separator &&
                DateSettings().Pattern == settings.Pattern,
            "reading leaves the settings alone");
    try {
        const EndDateOutcome outcome = ComputeEndDate(yearsText, monthsText, daysText, start);
        if (outcome.IsError) {
            Require(expected.Result == Kind::ErrorMark && outcome.Text == kEndDateErrorMark,
                    "the error mark where the term or the start date makes no sense");
            return;
        }
        Require(expected.Result == Kind::Date && outcome.Text == expected.Text,
                "the end date the calendar gives");
        Require(DateSettings().Separator == '/' && DateSettings().Pattern == "dd/mm/yyyy",
                "an end date leaves the calendar's settings in force");
    } catch (const DateError& error) {
        Require(expected.Result == Kind::Raises && expected.Text == error.what(),
                "a date error where the calendar says so");
    }
}

} // namespace
} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zarn;
    using namespace zarn::fuzz;
    FuzzInput input(data, size);
    DateSettings().Separator = TakeSeparator(input);
    DateSettings().Pattern = input.TakeText();
    SetTodayForTesting(CivilOf(TakeDate(input)));

    CheckReadDateText(input.TakeText());

    const std::string years = input.TakeText();
    const std::string months = input.TakeText();
    const std::string days = input.TakeText();
    const std::string start = input.TakeText();
    CheckEndDate(years, months, days, start);

    CheckWrittenDateReadsBack(TakeDate(input), input);
    return 0;
}
