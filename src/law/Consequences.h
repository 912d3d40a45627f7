#pragma once

// The consequences of a term once it is fixed: the initial regime, the substitution by
// restrictive penalties, the suspended sentence, parole, the first progression of regime
// and the periods of prescription. Each answer carries the rule it rests on, so the text
// can cite it. Terms are days on the 360/30 base; every share is exact integer arithmetic.

#include "law/CaseFacts.h"
#include "law/Fraction.h"
#include "law/LawByDate.h"
#include "law/LegalSource.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

// The longest term the analyses take: far beyond any sentence, and small enough that every
// share of it and every date arithmetic on it stays exact.
inline constexpr long long kLargestTermDays = 360LL * 1000000000LL;

struct RegimeAnswer {
    Regime Initial = Regime::Aberto;
    long long TermDays = 0;        // the term the regime is fixed on: the term less detracao
    bool FullyServed = false;      // the detracao reaches the whole term (CP art. 42)
    bool EasedForDetencao = false; // the table gave fechado, detencao starts in semiaberto
    bool HarsherExists = false;    // a harsher regime could still be fixed with reasons
    LegalSource Source;
};

struct SubstitutionAnswer {
    bool Possible = false;
    bool AtJudgesDiscretion = false;     // a repeat offender, not specific (art. 44 par. 3)
    bool DependsOnCircumstances = false; // unfavourable circumstances (art. 44 III)
    std::string_view Form;               // empty when not possible
    // What stands in the way, each on its own.
    bool TermOrViolenceBars = false; // above 4 years, or with violence, and not culposo
    bool RepeatOffenceBars = false;  // a specific repeat offender in a doloso crime
    LegalSource Source;
};

struct SursisAnswer {
    bool Possible = false;
    std::string_view Period;             // "2 a 4 anos", "4 a 6 anos"; empty when not possible
    bool SubstitutionComesFirst = false; // not possible because substitution is
    bool HealthCouldOpen = false;        // the age ground's other conditions hold
    LegalSource Source;
};

enum class ParoleBar { None, TermTooShort, Barred };

struct ParoleAnswer {
    bool Possible = false;
    Fraction Share;     // meaningful when possible
    long long Days = 0; // floor(T x Share)
    ParoleBar Bar = ParoleBar::None;
    LegalSource Source; // the parole rule, or what bars it
    std::vector<std::string> Notes;
};

struct ProgressionAnswer {
    ProgressionRule Rule; // the share, its inciso or law, and the readings
    long long Days = 0;   // floor(T x share), before detracao and remicao
};

struct PrescriptionAnswer {
    long long PeriodYears = 0;                   // art. 109 by the applied term
    std::optional<long long> EarlierPeriodYears; // for crimes before the wording's date
    long long PunitivaMonths = 0;                // halved where art. 115 applies
    long long ExecutoriaMonths = 0;              // increased, then halved where they apply
    bool Halved = false;
    bool AgeWouldHalve = false; // under 21 at the crime or over 70 at the sentence
    bool HalvingBarred = false; // sexual violence against a woman, Lei 15.160/2025
    bool IncreasedForRepeat = false;
    LegalSource Source;
};

struct Consequences {
    long long TermDays = 0;
    RegimeAnswer Regime;
    SubstitutionAnswer Substitution;
    SursisAnswer Sursis;
    ParoleAnswer Parole;
    ProgressionAnswer Progression;
    PrescriptionAnswer Prescription;
    std::vector<std::string> Notes; // every reading and note of the answers, once each
};

// Either the answers or the message of the input that stopped them.
struct ConsequencesOutcome {
    std::string Error; // Windows-1252; empty when the answers hold
    Consequences Answers;

    bool Ok() const { return Error.empty(); }
};

// The answers one by one, for a term of 1 .. kLargestTermDays days and detracao >= 0.
RegimeAnswer InitialRegime(long long termDays, const CaseFacts& facts);
SubstitutionAnswer SubstitutionFor(long long termDays, const CaseFacts& facts);
SursisAnswer SursisFor(long long termDays, const CaseFacts& facts);
ParoleAnswer ParoleFor(long long termDays, const CaseFacts& facts);
ProgressionAnswer FirstProgression(long long termDays, const CaseFacts& facts);
PrescriptionAnswer PrescriptionFor(long long termDays, const CaseFacts& facts);

// All of them, after checking the term, the detracao and that the facts hold together.
ConsequencesOutcome AnalyseConsequences(long long termDays, const CaseFacts& facts);

// The message for a term or a count of days the analyses cannot take; empty when they can.
std::string TermInputError(long long termDays, long long detracaoDays, long long remicaoDays);

} // namespace zarn
