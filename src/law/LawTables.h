#pragma once

// The rules the legal analyses apply, as data. Each table is here once; each row names the
// article the texts cite and, where known, the law that gave it its wording and the date
// that wording took force. A change of law is an edit of one row, or of one enactment.
//
// Terms are days on the 360/30 base; a row "from MinDays" holds every term from MinDays up
// to the MinDays of the row before it. Rows run from the longest terms down.

#include "law/CaseFacts.h"
#include "law/Fraction.h"
#include "law/LegalSource.h"

#include <array>
#include <optional>
#include <string_view>

namespace zarn {

// ---- Counting a term -------------------------------------------------------------------

inline constexpr long long kMonthsPerYear = 12;

inline constexpr LegalSource kFirstDayCounts{"CP art. 10"};
inline constexpr LegalSource kDayFractionsDropped{"CP art. 11"};
inline constexpr LegalSource kDetracao{"CP art. 42"};
inline constexpr LegalSource kRemicao{"LEP arts. 126 a 128"};

// ---- The enactments behind the tables --------------------------------------------------

inline constexpr Enactment kProgressionWording{"Lei 13.964/2019", CivilDate{2020, 1, 23}};
// Its date of force is not among the program's rules: it is left unstated.
inline constexpr Enactment kFeminicideProgressionWording{"Lei 14.994/2024", std::nullopt};
inline constexpr Enactment kPrescriptionWording{"Lei 12.234/2010", CivilDate{2010, 5, 6}};

// ---- Initial regime --------------------------------------------------------------------

struct RegimeRow {
    long long MinDays;
    Regime FirstOffence;
    Regime RepeatFavourable; // a repeat offender with favourable judicial circumstances
    Regime RepeatUnfavourable;
    LegalSource Source;
    LegalSource RepeatFavourableSource;
};

inline constexpr LegalSource kRegimeByTerm{"CP art. 33, \xA7 2\xBA"};

inline constexpr std::array kRegimeRows{
    RegimeRow{2881, Regime::Fechado, Regime::Fechado, Regime::Fechado, kRegimeByTerm,
              kRegimeByTerm},
    RegimeRow{1441, Regime::Semiaberto, Regime::Fechado, Regime::Fechado, kRegimeByTerm,
              kRegimeByTerm},
    RegimeRow{0, Regime::Aberto, Regime::Semiaberto, Regime::Fechado, kRegimeByTerm,
              LegalSource{"S\xFAmula 269 do STJ"}},
};

// Detencao never starts in fechado: semiaberto instead.
inline constexpr LegalSource kDetencaoNeverFechado{"CP art. 33, caput"};
inline constexpr LegalSource kHarsherRegime{"CP art. 33, \xA7 3\xBA"};
// The days of detracao come off the term before the regime is fixed.
inline constexpr LegalSource kDetracaoForRegime{"CPP art. 387, \xA7 2\xBA"};

// ---- Substitution by restrictive penalties ---------------------------------------------

inline constexpr LegalSource kSubstitution{"CP art. 44"};
inline constexpr LegalSource kSubstitutionRepeatException{"CP art. 44, \xA7 3\xBA"};
// Above this term only a culposo crime can be substituted.
inline constexpr long long kSubstitutionMaxDays = 1440;

struct SubstitutionFormRow {
    long long MinDays;
    std::string_view Form;
    LegalSource Source;
};

inline constexpr LegalSource kSubstitutionForm{"CP art. 44, \xA7 2\xBA"};

inline constexpr std::array kSubstitutionFormRows{
    SubstitutionFormRow{361,
                        "uma pena restritiva de direitos e multa, ou duas restritivas de direitos",
                        kSubstitutionForm},
    SubstitutionFormRow{0, "multa ou uma pena restritiva de direitos", kSubstitutionForm},
};

// ---- Suspended sentence (sursis) -------------------------------------------------------

struct SursisRow {
    long long MaxDays;
    bool NeedsOver70; // the age ground of par. 2
    std::string_view Period;
    LegalSource Source;
};

// The ordinary one first: the age one applies only where the ordinary one does not.
inline constexpr std::array kSursisRows{
    SursisRow{720, false, "2 a 4 anos", LegalSource{"CP art. 77"}},
    SursisRow{1440, true, "4 a 6 anos", LegalSource{"CP art. 77, \xA7 2\xBA"}},
};

// ---- Parole (livramento condicional) ---------------------------------------------------

inline constexpr long long kParoleMinDays = 720;

// How an inciso of LEP art. 112 bears on parole.
enum class ParoleClass {
    ByRecord, // the fraction follows the facts: first offence or repeat offender
    Hediondo, // a crime hediondo or equiparado
    Barred,   // parole not allowed
};

enum class ParoleCase { FirstOffence, RepeatOffence, Hediondo };

struct ParoleRow {
    ParoleCase Case;
    Fraction Share;
    LegalSource Source;
};

inline constexpr LegalSource kParole{"CP art. 83"};

inline constexpr std::array kParoleRows{
    ParoleRow{ParoleCase::FirstOffence, Fraction{1, 3}, kParole},
    ParoleRow{ParoleCase::RepeatOffence, Fraction{1, 2}, kParole},
    ParoleRow{ParoleCase::Hediondo, Fraction{2, 3}, kParole},
};

// ---- Progression of regime -------------------------------------------------------------

struct ProgressionRow {
    Inciso Which;
    std::string_view Name; // as typed and as cited after "LEP art. 112, "
    Fraction Share;
    std::string_view Case;
    ParoleClass Parole;
    LegalSource Source;
};

inline constexpr std::array kProgressionRows{
    ProgressionRow{Inciso::I, "I", Fraction{16, 100},
                   "prim\xE1rio, crime sem viol\xEAncia ou grave amea\xE7"
                   "a",
                   ParoleClass::ByRecord, LegalSource{"LEP art. 112, I", kProgressionWording}},
    ProgressionRow{Inciso::II, "II", Fraction{20, 100},
                   "reincidente, crime sem viol\xEAncia ou grave amea\xE7"
                   "a",
                   ParoleClass::ByRecord, LegalSource{"LEP art. 112, II", kProgressionWording}},
    ProgressionRow{Inciso::III, "III", Fraction{25, 100},
                   "prim\xE1rio, crime com viol\xEAncia ou grave amea\xE7"
                   "a",
                   ParoleClass::ByRecord, LegalSource{"LEP art. 112, III", kProgressionWording}},
    ProgressionRow{Inciso::IV, "IV", Fraction{30, 100},
                   "reincidente, crime com viol\xEAncia ou grave amea\xE7"
                   "a",
                   ParoleClass::ByRecord, LegalSource{"LEP art. 112, IV", kProgressionWording}},
    ProgressionRow{Inciso::V, "V", Fraction{40, 100},
                   "prim\xE1rio, crime hediondo ou equiparado (tamb\xE9m o reincidente "
                   "gen\xE9rico)",
                   ParoleClass::Hediondo, LegalSource{"LEP art. 112, V", kProgressionWording}},
    ProgressionRow{Inciso::VIa, "VI-a", Fraction{50, 100},
                   "prim\xE1rio, crime hediondo com resultado morte", ParoleClass::Barred,
                   LegalSource{"LEP art. 112, VI-a", kProgressionWording}},
    ProgressionRow{Inciso::VIb, "VI-b", Fraction{50, 100},
                   "comando de organiza\xE7\xE3o criminosa estruturada para crimes hediondos",
                   ParoleClass::Hediondo, LegalSource{"LEP art. 112, VI-b", kProgressionWording}},
    ProgressionRow{Inciso::VIc, "VI-c", Fraction{50, 100},
                   "mil\xED"
                   "cia privada",
                   ParoleClass::Hediondo, LegalSource{"LEP art. 112, VI-c", kProgressionWording}},
    ProgressionRow{Inciso::VIA, "VI-A", Fraction{55, 100},
                   "prim\xE1rio, feminic\xED"
                   "dio",
                   ParoleClass::Barred,
                   LegalSource{"LEP art. 112, VI-A", kFeminicideProgressionWording}},
    ProgressionRow{Inciso::VII, "VII", Fraction{60, 100}, "reincidente em crime hediondo",
                   ParoleClass::Barred, LegalSource{"LEP art. 112, VII", kProgressionWording}},
    ProgressionRow{Inciso::VIII, "VIII", Fraction{70, 100},
                   "reincidente em crime hediondo com resultado morte", ParoleClass::Barred,
                   LegalSource{"LEP art. 112, VIII", kProgressionWording}},
    ProgressionRow{Inciso::Paragrafo3, "\xA7 3\xBA", Fraction{1, 8},
                   "gestante, m\xE3"
                   "e ou respons\xE1vel por crian\xE7"
                   "a ou pessoa com defici\xEAncia, nas condi\xE7\xF5"
                   "es da lei",
                   ParoleClass::ByRecord,
                   LegalSource{"LEP art. 112, \xA7 3\xBA", kProgressionWording}},
};

// ---- Prescription ----------------------------------------------------------------------

struct PrescriptionRow {
    long long MinDays;
    long long PeriodYears;
    // The period for crimes committed before the wording took force, where it differs.
    std::optional<long long> EarlierPeriodYears;
    LegalSource Source;
};

inline constexpr LegalSource kPrescriptionByTerm{"CP art. 109", kPrescriptionWording};

inline constexpr std::array kPrescriptionRows{
    PrescriptionRow{4321, 20, std::nullopt, kPrescriptionByTerm},
    PrescriptionRow{2881, 16, std::nullopt, kPrescriptionByTerm},
    PrescriptionRow{1441, 12, std::nullopt, kPrescriptionByTerm},
    PrescriptionRow{721, 8, std::nullopt, kPrescriptionByTerm},
    PrescriptionRow{360, 4, std::nullopt, kPrescriptionByTerm},
    PrescriptionRow{0, 3, 2, kPrescriptionByTerm},
};

struct PeriodChange {
    Fraction Share;
    LegalSource Source;
};

// The executoria of a repeat offender: the period increased by a third.
inline constexpr PeriodChange kRepeatOffenderIncrease{Fraction{1, 3}, LegalSource{"CP art. 110"}};
// Under 21 at the crime or over 70 at the sentence: every period halved.
inline constexpr PeriodChange kAgeHalving{Fraction{1, 2}, LegalSource{"CP art. 115"}};
inline constexpr LegalSource kPunitivaIgnoresRepeat{"S\xFAmula 220 do STJ"};
inline constexpr LegalSource kPunitivaByAppliedTerm{"CP art. 110, \xA7 1\xBA"};
inline constexpr LegalSource kDayFinesPrescription{"CP art. 114"};
inline constexpr LegalSource kConcursoCountedAlone{"CP art. 119"};

// ---- Look-ups --------------------------------------------------------------------------

const RegimeRow& RegimeRowFor(long long termDays);
const SubstitutionFormRow& SubstitutionFormFor(long long termDays);
const ProgressionRow& ProgressionRowFor(Inciso inciso);
const ParoleRow& ParoleRowFor(ParoleCase paroleCase);
const PrescriptionRow& PrescriptionRowFor(long long termDays);

} // namespace zarn
