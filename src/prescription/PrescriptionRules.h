#pragma once

// The rules of prescription by dates that the tables of law/LawTables.h do not hold: where
// each kind rests, when a period starts, the suspensions and the laws that changed them
// (law.md 9 and 12). The art. 109 periods, the increase for a repeat offender and the
// halving by age are law/LawTables.h's, used from there.

#include "law/LawTables.h"
#include "law/LegalSource.h"
#include "prescription/PrescriptionInput.h"
#include "prescription/PrescriptionReport.h"

#include <array>

namespace zarn {

// ---- The kinds (law.md 12) -------------------------------------------------------------

struct KindRule {
    PrescriptionKind Kind;
    LegalSource Source; // the term that sets the period, as the texts cite it
};

inline constexpr std::array kKindRules{
    KindRule{PrescriptionKind::Abstrata, LegalSource{"CP art. 109, caput"}},
    KindRule{PrescriptionKind::Retroativa, kPunitivaByAppliedTerm},
    KindRule{PrescriptionKind::Intercorrente, kPunitivaByAppliedTerm},
    KindRule{PrescriptionKind::Executoria, LegalSource{"CP arts. 110, caput, e 112"}},
};

const KindRule& KindRuleFor(PrescriptionKind kind);

// ---- When a period starts and what interrupts it (law.md 12) ---------------------------

inline constexpr LegalSource kPeriodStart{"CP art. 111"};
inline constexpr LegalSource kConfirmingAcordao{"CP art. 117, IV; STF HC 176.473"};
// Before Lei 12.234/2010 the retroativa also ran from the fact to the complaint.
inline constexpr LegalSource kRetroativaBeforeComplaint{
    "CP art. 110, \xA7\xA7 1\xBA e 2\xBA, reda\xE7\xE3o anterior \xE0 Lei 12.234/2010"};
inline constexpr LegalSource kNoHypotheticalPenalty{"S\xFAmula 438 do STJ"};
inline constexpr LegalSource kExecutoriaFromProsecution{"CP art. 112, I"};
// A final judgment for the prosecution after this day starts the executoria only once the
// sentence is final for both parties.
inline constexpr Enactment kFinalForBothParties{"STF Tema 788; STJ RHC 201.968",
                                                CivilDate{2020, 11, 12}};
inline constexpr LegalSource kExecutoriaFromBothParties{"CP art. 112, I; STF Tema 788",
                                                        kFinalForBothParties};
inline constexpr LegalSource kExecutoriaAfterEscape{"CP arts. 112, II, e 113"};
inline constexpr LegalSource kExecutoriaAfterRevocation{"CP arts. 112, I, e 113"};
inline constexpr LegalSource kServingInterrupts{"CP art. 117, V"};
inline constexpr LegalSource kRepeatInterrupts{"CP art. 117, VI"};

// ---- The halving by age (law.md 9) -----------------------------------------------------

inline constexpr int kHalvingAgeAtFact = 21;     // under it at the fact
inline constexpr int kHalvingAgeAtDecision = 70; // at it or over at the first decision
// Crimes of sexual violence against a woman from its publication keep the whole period.
inline constexpr Enactment kNoHalvingForSexualViolence{"Lei 15.160/2025", CivilDate{2025, 7, 4}};
inline constexpr LegalSource kNoHalvingForSexualViolenceSource{"CP art. 115, Lei 15.160/2025",
                                                               kNoHalvingForSexualViolence};

// ---- Suspensions (law.md 12) -----------------------------------------------------------

struct SuspensionRule {
    SuspensionKind Kind;
    bool Executoria;     // suspends the executoria; otherwise the punitiva
    bool CappedByPeriod; // at most the period of the maximum penalty
    // Where Source.Wording has a date, only crimes from that date are suspended.
    LegalSource Source;
};

inline constexpr std::array kSuspensionRules{
    SuspensionRule{SuspensionKind::Art116IAndII, false, false, LegalSource{"CP art. 116, I e II"}},
    SuspensionRule{SuspensionKind::Art116IIIAndIV, false, false,
                   LegalSource{"CP art. 116, III e IV", kProgressionWording}},
    SuspensionRule{
        SuspensionKind::Cpp366, false, true,
        LegalSource{"CPP art. 366", Enactment{"Lei 9.271/1996", CivilDate{1996, 6, 17}}}},
    SuspensionRule{SuspensionKind::SursisProcessual, false, false,
                   LegalSource{"Lei 9.099/1995, art. 89, \xA7 6\xBA"}},
    SuspensionRule{SuspensionKind::PresoOutroMotivo, true, false,
                   LegalSource{"CP art. 116, par\xE1grafo \xFAnico"}},
};

inline constexpr LegalSource kSuspensionCap{"S\xFAmula 415 do STJ; STF Tema 438"};

const SuspensionRule& SuspensionRuleFor(SuspensionKind kind);

// ---- The period (law.md 9) -------------------------------------------------------------

// The art. 109 period of a term, in months: the earlier period of the row for a fact before
// the wording of Lei 12.234/2010 took force; increased by a third for a repeat offender
// (executoria), then halved by age, each as asked.
long long PeriodMonths(long long termDays, DayNumber fact, bool increased, bool halved);

// The art. 109 row gives its earlier period for this fact and term.
bool EarlierPeriodApplies(long long termDays, DayNumber fact);

} // namespace zarn
