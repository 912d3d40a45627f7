#pragma once

// The rules of the dosimetria and of the concurso de crimes as data (law.md 13, 14), each with
// the source the texts cite. A change of law is an edit here.

#include "dates/CivilDate.h"
#include "law/Fraction.h"
#include "law/LegalSource.h"

#include <array>
#include <cstddef>

namespace zarn {

// law.md 13: the three phases.

struct FinesRange {
    long long Minimum;
    long long Maximum;
};

// A crime's dias-multa when its law sets none of its own (CP art. 49).
inline constexpr FinesRange kDefaultFinesRange{10, 360};

// What each unfavourable circumstance adds under the two criteria of the pena-base.
inline constexpr Fraction kIntervalCriterionShare{1, 8};
inline constexpr Fraction kMinimumCriterionShare{1, 6};

inline constexpr LegalSource kJudicialCircumstancesSource{"CP art. 59"};
inline constexpr LegalSource kBaseWithinRangeSource{"CP art. 59, II"};
inline constexpr LegalSource kPendingCasesSource{"S\xFAmula 444 do STJ"};
inline constexpr LegalSource kNoDoubleRepeatSource{"S\xFAmula 241 do STJ"};

// An agravante or atenuante without a fraction of its own.
inline constexpr Fraction kModifierDefaultShare{1, 6};
inline constexpr LegalSource kCompensationSource{"STJ, Tema 585"};
inline constexpr LegalSource kProvisionalMinimumSource{"S\xFAmula 231 do STJ"};
// The age atenuante (CP art. 65, I) is not offered for a crime of sexual violence against a
// woman committed from the day this law took force.
inline constexpr Enactment kAgeAtenuanteBar{"Lei 15.160/2025", CivilDate{2025, 7, 4}};

inline constexpr LegalSource kThirdPhaseSource{"CP art. 68"};
inline constexpr LegalSource kCascadeSource{"STF e STJ"};
inline constexpr LegalSource kOnlyLargestCauseSource{"CP art. 68, par\xE1grafo \xFAnico"};
inline constexpr LegalSource kProportionalFinesSource{"STJ, REsp 1.756.117"};

// Numerators and denominators a fraction may be typed with: three places, as in the main
// window's operation field.
inline constexpr long long kLargestFractionPart = 999;

// law.md 14: the concurso de crimes.

struct ConcursoScaleRow {
    std::size_t FromCrimes;
    Fraction Share;
};

inline constexpr std::array kFormalScale{
    ConcursoScaleRow{2, {1, 6}}, ConcursoScaleRow{3, {1, 5}}, ConcursoScaleRow{4, {1, 4}},
    ConcursoScaleRow{5, {1, 3}}, ConcursoScaleRow{6, {1, 2}},
};

inline constexpr std::array kContinuadoScale{
    ConcursoScaleRow{2, {1, 6}}, ConcursoScaleRow{3, {1, 5}}, ConcursoScaleRow{4, {1, 4}},
    ConcursoScaleRow{5, {1, 3}}, ConcursoScaleRow{6, {1, 2}}, ConcursoScaleRow{7, {2, 3}},
};

// The continuado especifico goes up to the triple: an increase of at most twice the term.
inline constexpr Fraction kLargestSpecificIncrease{2, 1};

inline constexpr LegalSource kMaterialSource{"CP art. 69"};
inline constexpr LegalSource kFormalScaleSource{"CP art. 70; escala do STJ"};
inline constexpr LegalSource kFormalImproprioSource{"CP art. 70, segunda parte"};
inline constexpr LegalSource kContinuadoScaleSource{"CP art. 71; S\xFAmula 659 do STJ"};
inline constexpr LegalSource kContinuadoEspecificoSource{"CP art. 71, par\xE1grafo \xFAnico"};
inline constexpr LegalSource kNeverAboveSumSource{"CP art. 70, par\xE1grafo \xFAnico"};
inline constexpr LegalSource kFinesSummedSource{"CP art. 72"};
inline constexpr LegalSource kOneContinuedFineSource{"STJ, HC 221.782"};

} // namespace zarn
