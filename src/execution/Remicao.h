#pragma once

// Remicao and detracao by hours, counted alone (law.md 10): days of work, hours of study,
// books read and hours of night confinement, each turned into days with the fraction of a
// day dropped. What a grant leaves over (days of work, hours of study or of confinement that
// make no whole day) is carried to the next grant of the same kind: the law is silent, and
// Zarn carries it rather than lose it.

namespace zarn {

struct RemicaoCount {
    long long Days = 0;    // the days the grant gives
    long long Carried = 0; // what is left over for the next grant of the same kind
};

// 1 day per 3 days of work (LEP art. 126, par. 1, II).
RemicaoCount RemicaoForWork(long long workDays, long long carriedDays = 0);

// 1 day per 12 hours of study (LEP art. 126, par. 1, I); with a level of education completed,
// those days increased by a third, floor(days x 4 / 3) (par. 5).
RemicaoCount RemicaoForStudy(long long hours, bool levelCompleted, long long carriedHours = 0);

// 4 days per book approved, at most 12 books in the 12 months before a grant: the books that
// count are those the earlier grants of those months left room for (Res. CNJ 391/2021,
// art. 5). Nothing is carried: books beyond the limit count nothing.
long long BooksThatCount(long long books, long long booksCountedInTheTwelveMonths);
RemicaoCount RemicaoForBooks(long long books, long long booksCountedInTheTwelveMonths = 0);

// Night and weekend confinement as a precautionary measure: its hours / 24 (STJ Tema 1155).
RemicaoCount NightConfinementDays(long long hours, long long carriedHours = 0);

} // namespace zarn
