#include "execution/Remicao.h"

#include "execution/ExecutionTables.h"

#include <algorithm>

namespace zarn {

namespace {

RemicaoCount WholeDays(long long units, long long unitsPerDay) {
    const long long all = std::max(0LL, units);
    return RemicaoCount{all / unitsPerDay, all % unitsPerDay};
}

} // namespace

RemicaoCount RemicaoForWork(long long workDays, long long carriedDays) {
    return WholeDays(workDays + carriedDays, kWorkDaysPerDay);
}

RemicaoCount RemicaoForStudy(long long hours, bool levelCompleted, long long carriedHours) {
    RemicaoCount count = WholeDays(hours + carriedHours, kStudyHoursPerDay);
    if (levelCompleted) {
        count.Days = ShareOf(count.Days, kCompletedLevelFactor);
    }
    return count;
}

long long BooksThatCount(long long books, long long booksCountedInTheTwelveMonths) {
    const long long room = std::max(0LL, kBooksPerTwelveMonths - booksCountedInTheTwelveMonths);
    return std::clamp(books, 0LL, room);
}

RemicaoCount RemicaoForBooks(long long books, long long booksCountedInTheTwelveMonths) {
    return RemicaoCount{kDaysPerBook * BooksThatCount(books, booksCountedInTheTwelveMonths), 0};
}

RemicaoCount NightConfinementDays(long long hours, long long carriedHours) {
    return WholeDays(hours + carriedHours, kNightHoursPerDay);
}

} // namespace zarn
