#include "engine/TermText.h"

#include "engine/NumberWords.h"
#include "engine/Texts.h"

#include <array>
#include <cstddef>

namespace zarn {

namespace {

constexpr long long kDaysPerYear = 360;
constexpr long long kDaysPerMonth = 30;

// The number and its word, plural only above 1: "1 ano", "2 anos", "0 dia".
std::string WritePart(long long value, const UnitWord& word, bool inWords) {
    return WriteNumber(value, inWords) + std::string(value > 1 ? word.Plural : word.Singular);
}

// "a", "a e b", "a, b e c".
std::string JoinAsList(const std::array<std::string, 3>& items, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            text += i + 1 == count ? kListLastSeparator : kListSeparator;
        }
        text += items[i];
    }
    return text;
}

} // namespace

std::string WriteTerm(const TermParts& term, bool inWords) {
    std::array<std::string, 3> parts;
    std::size_t count = 0;
    if (term.Years != 0) {
        parts[count++] = WritePart(term.Years, kYearWord, inWords);
    }
    if (term.Months != 0) {
        parts[count++] = WritePart(term.Months, kMonthWord, inWords);
    }
    if (term.Days != 0) {
        parts[count++] = WritePart(term.Days, kDayWord, inWords);
    }
    if (term.Fines == 0) {
        return count == 0 ? WritePart(0, kDayWord, inWords) : JoinAsList(parts, count);
    }
    const std::string fines = WritePart(term.Fines, kFineWord, inWords);
    if (count == 0) {
        return fines;
    }
    return JoinAsList(parts, count) + std::string(kBeforeFines) + fines;
}

TermParts SplitDays(long long days) {
    TermParts term;
    term.Years = days / kDaysPerYear;
    const long long remainder = days % kDaysPerYear;
    term.Months = remainder / kDaysPerMonth;
    term.Days = remainder % kDaysPerMonth;
    return term;
}

} // namespace zarn
