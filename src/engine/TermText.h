#pragma once

// A term as a sentence writes it: only its nonzero parts, each with its singular or plural
// word, "5 anos e 10 meses, e 11 dias-multa". Texts are Windows-1252.

#include <string>

namespace zarn {

// A custodial term in whole years, months and days, and a number of day-fines.
struct TermParts {
    long long Years = 0, Months = 0, Days = 0, Fines = 0;

    friend bool operator==(const TermParts&, const TermParts&) = default;
};

// The nonzero parts of the term joined as "a", "a e b" or "a, b e c", then ", e N
// dias-multa" when there are day-fines; the day-fines alone when the term is all zero, and
// "0 dia" when everything is. A part takes the plural word only above 1, like the result
// sentence. With inWords every number is followed by its words: "5 (cinco) anos".
std::string WriteTerm(const TermParts& term, bool inWords);

// Splits a number of days into years of 360 days, months of 30 and days, truncating toward
// zero like the calculator. Fines stays 0.
TermParts SplitDays(long long days);

} // namespace zarn
