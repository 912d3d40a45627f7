#pragma once

// The rules of an execution of several convictions (law.md 10 and 11) that the tables of
// law/ do not already hold: the rates of remicao, the months after a falta grave, and the
// articles the text cites. The shares of progression and parole, the cap of art. 75 and the
// initial regime come from law/ (LawByDate.h, Consequences.h), never from here.

#include "law/Fraction.h"
#include "law/LawTables.h"
#include "law/LegalSource.h"

namespace zarn {

// ---- Remicao, law.md 10 (LEP arts. 126 to 128; Res. CNJ 391/2021; STJ Tema 1155) -----------

inline constexpr long long kWorkDaysPerDay = 3;    // art. 126, par. 1, II
inline constexpr long long kStudyHoursPerDay = 12; // art. 126, par. 1, I
// A level of education completed during the sentence: the study days increased by 1/3.
inline constexpr Fraction kCompletedLevelFactor{4, 3}; // art. 126, par. 5
inline constexpr long long kDaysPerBook = 4;
inline constexpr long long kBooksPerTwelveMonths = 12;
inline constexpr long long kReadingWindowMonths = 12;
inline constexpr long long kNightHoursPerDay = 24;
// At most this share of the remicao already granted is lost at a falta grave (art. 127).
inline constexpr Fraction kRemicaoLostAtMost{1, 3};

inline constexpr LegalSource kWorkRemicao{"LEP art. 126, \xA7 1\xBA, II"};
inline constexpr LegalSource kStudyRemicao{"LEP art. 126, \xA7 1\xBA, I"};
inline constexpr LegalSource kCompletedLevel{"LEP art. 126, \xA7 5\xBA"};
inline constexpr LegalSource kReadingRemicao{"Resolu\xE7\xE3o CNJ 391/2021, art. 5\xBA"};
inline constexpr LegalSource kRemicaoCounts{"LEP art. 128"};
inline constexpr LegalSource kRemicaoLost{"LEP art. 127"};
inline constexpr LegalSource kNightConfinement{"STJ Tema 1155"};

// ---- The sum and the order of imputation ----------------------------------------------------

inline constexpr LegalSource kSumOfTerms{"LEP art. 111; CP art. 69"};
inline constexpr LegalSource kRegimeOfTheSum{"LEP art. 111"};
inline constexpr LegalSource kReclusaoFirst{"CP arts. 69 e 76"};
inline constexpr LegalSource kParoleOfTheSum{"CP art. 84"};

// ---- The data-base ------------------------------------------------------------------------

inline constexpr LegalSource kFaltaResets{"S\xFAmula 534 do STJ; LEP art. 112, \xA7 6\xBA"};
inline constexpr LegalSource kCrimeDuringExecution{"S\xFAmula 526 do STJ"};
inline constexpr LegalSource kNewConvictionKeeps{"STJ Tema 1006"};
inline constexpr LegalSource kParoleNotReset{"S\xFAmulas 441 e 535 do STJ"};
inline constexpr LegalSource kProgressionWhenDue{"LEP art. 112, \xA7 6\xBA; STJ HC 369.774"};
inline constexpr LegalSource kNoRegimeSkipped{"S\xFAmula 491 do STJ"};
inline constexpr LegalSource kRegression{"LEP art. 118"};
inline constexpr LegalSource kGoodBehaviourRegained{"LEP art. 112, \xA7 7\xBA"};

// ---- After a falta grave -----------------------------------------------------------------

// Parole asks for no falta grave in the last 12 months (CP art. 83, III, b).
inline constexpr long long kMonthsWithoutFaltaForParole = 12;
// Good behaviour comes back a year after a falta grave (LEP art. 112, par. 7).
inline constexpr long long kMonthsToRegainGoodBehaviour = 12;

// ---- The cap of art. 75 --------------------------------------------------------------------

inline constexpr LegalSource kNewUnification{"CP art. 75, \xA7 2\xBA"};
// law.md 11, mais_favoravel: 30 years whenever a crime of the unification is before
// Lei 13.964/2019; the cap of each date is Art75CapFor's.

// The largest sum of terms the execution takes: the longest span the calendar can hold.
inline constexpr long long kLargestSumDays = 9999 * kDaysPerYearOnBase;

} // namespace zarn
