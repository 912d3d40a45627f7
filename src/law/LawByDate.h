#pragma once

// The law in force at the date of the crime: the progression share of that law, or of a
// later one where it is smaller; parole, with the bars only for crimes after the laws that
// made them; the cap of art. 75. Each rule carries the law it applied and the readings that
// decided it, as notes for the text. An unknown date of the crime takes today's law.

#include "law/CaseFacts.h"
#include "law/Fraction.h"
#include "law/LegalSource.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

struct ProgressionRule {
    Fraction Share;
    bool WrittenAsPercent = true; // "16%"; the earlier laws' shares and par. 3 as "1/6"
    std::optional<Inciso> Which;  // none: a share of a law before Lei 13.964/2019
    LegalSource Source;           // the article; Source.Wording.Law is the law applied
    bool Retroactive = false;     // a later law than the crime's, more favourable
    std::vector<std::string> Notes;
};

struct ParoleRule {
    bool Barred = false;
    Fraction Share;     // when not barred
    LegalSource Source; // the rule, or what bars it
    std::vector<std::string> Notes;
};

// The share of the first progression for the facts, their date of the crime included.
ProgressionRule ProgressionRuleFor(const CaseFacts& facts);

// The parole fraction or bar for the facts, whatever the term.
ParoleRule ParoleRuleFor(const CaseFacts& facts);

// The most time that may be served for a crime of that date, in years (30 or 40), and the
// article with its wording.
struct Art75Cap {
    long long Years = 0;
    LegalSource Source;
};
Art75Cap Art75CapFor(std::optional<DayNumber> crimeDate);

// "16%", "12,5%" or "1/6", as the rule writes its share.
std::string ShareText(const ProgressionRule& rule);

// The share as a percentage rounded to two decimals: 16.67 for 1/6.
double SharePercent(Fraction share);

} // namespace zarn
