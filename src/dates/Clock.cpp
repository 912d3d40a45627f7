#include "dates/Clock.h"

#include "dates/LocalTime.h"

#include <chrono>
#include <ctime>
#include <stdexcept>

namespace zarn {

namespace {

std::optional<CivilDate>& FixedToday() {
    static std::optional<CivilDate> today;
    return today;
}

// The local calendar date, if the platform can tell it.
std::optional<CivilDate> LocalToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!ToLocalTime(now, local)) {
        return std::nullopt;
    }
    return CivilDate{static_cast<std::uint16_t>(local.tm_year + 1900),
                     static_cast<std::uint16_t>(local.tm_mon + 1),
                     static_cast<std::uint16_t>(local.tm_mday)};
}

// The date in UTC, for a platform that cannot tell the local one.
CivilDate UtcToday() {
    const std::chrono::year_month_day today{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return CivilDate{static_cast<std::uint16_t>(static_cast<int>(today.year())),
                     static_cast<std::uint16_t>(static_cast<unsigned>(today.month())),
                     static_cast<std::uint16_t>(static_cast<unsigned>(today.day()))};
}

CivilDate SystemToday() {
    return LocalToday().value_or(UtcToday());
}

} // namespace

CivilDate Today() {
    if (FixedToday()) {
        return *FixedToday();
    }
    return SystemToday();
}

void SetTodayForTesting(std::optional<CivilDate> today) {
    if (today && !CivilDateValid(today->Year, today->Month, today->Day)) {
        throw std::invalid_argument("SetTodayForTesting: not a valid date");
    }
    FixedToday() = today;
}

DayNumber CurrentDate() {
    const CivilDate today = Today();
    return DateFromCivil(today.Year, today.Month, today.Day);
}

} // namespace zarn
