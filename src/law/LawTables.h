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
inline constexpr long long kDaysPerYearOnBase = 360;

inline constexpr LegalSource kFirstDayCounts{"CP art. 10"};
inline constexpr LegalSource kDayFractionsDropped{"CP art. 11"};
inline constexpr LegalSource kDetracao{"CP art. 42"};
inline constexpr LegalSource kRemicao{"LEP arts. 126 a 128"};

// ---- The enactments behind the tables --------------------------------------------------

// law.md 8: the laws that set the progression shares, in the order they took force.
inline constexpr Enactment kEarlierProgressionWording{
    "LEP art. 112, reda\xE7\xE3o anterior \xE0 Lei 13.964/2019", std::nullopt};
inline constexpr Enactment kHediondosProgressionWording{"Lei 11.464/2007", CivilDate{2007, 3, 29}};
inline constexpr Enactment kParagraph3Wording{"Lei 13.769/2018", CivilDate{2018, 12, 20}};
inline constexpr Enactment kProgressionWording{"Lei 13.964/2019", CivilDate{2020, 1, 23}};
inline constexpr Enactment kFeminicideProgressionWording{"Lei 14.994/2024",
                                                         CivilDate{2024, 10, 10}};
// law.md 7: the exame criminologico, not for crimes before it.
inline constexpr Enactment kCriminologicalExamWording{"Lei 14.843/2024", CivilDate{2024, 4, 11}};
// law.md 2: feminicidio hediondo from this law.
inline constexpr Enactment kFeminicideHediondoWording{"Lei 13.104/2015", CivilDate{2015, 3, 10}};
// law.md 9 and 13: no halving by age nor the age atenuante for sexual violence against a woman.
inline constexpr Enactment kSexualViolenceWording{"Lei 15.160/2025", CivilDate{2025, 7, 4}};
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
inline constexpr LegalSource kHarsherRegime{
    "CP art. 33, \xA7 3\xBA; S\xFAmula 440 do STJ; S\xFAmulas 718 e 719 do STF"};
// The days of detracao come off the term before the regime is fixed.
inline constexpr LegalSource kDetracaoForRegime{"CPP art. 387, \xA7 2\xBA"};

// ---- Substitution by restrictive penalties ---------------------------------------------

inline constexpr LegalSource kSubstitution{"CP art. 44"};
inline constexpr LegalSource kSubstitutionRepeatException{"CP art. 44, \xA7 3\xBA"};
inline constexpr LegalSource kSubstitutionSuffices{"CP art. 44, III"};
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
inline constexpr LegalSource kSursisAfterSubstitution{"CP art. 77, III"};

// ---- Parole (livramento condicional), law.md 6 ------------------------------------------

inline constexpr long long kParoleMinDays = 720;

enum class ParoleCase {
    FirstOffence,  // not a repeat offender in a doloso crime
    RepeatOffence, // reincidente em crime doloso
    Hediondo,      // hediondo or equiparado, feminicidio, trafico de pessoas
    AssociacaoTrafico,
};

struct ParoleRow {
    ParoleCase Case;
    Fraction Share;
    LegalSource Source;
};

inline constexpr std::array kParoleRows{
    ParoleRow{ParoleCase::FirstOffence, Fraction{1, 3}, LegalSource{"CP art. 83, I"}},
    ParoleRow{ParoleCase::RepeatOffence, Fraction{1, 2}, LegalSource{"CP art. 83, II"}},
    ParoleRow{ParoleCase::Hediondo, Fraction{2, 3}, LegalSource{"CP art. 83, V"}},
    ParoleRow{ParoleCase::AssociacaoTrafico, Fraction{2, 3},
              LegalSource{"Lei 11.343/2006, art. 44, par\xE1grafo \xFAnico"}},
};

// The bars: the specific repeat offender in the crimes of art. 83 V (and of Lei 11.343
// art. 44 for the association), whatever the date; the first offender of LEP art. 112 VI-a
// and VI-A only for crimes from the law that made the bar.
inline constexpr LegalSource kParoleBarSpecific{"CP art. 83, V"};
inline constexpr LegalSource kParoleBarHediondoDeath{"LEP art. 112, VI, a", kProgressionWording};
inline constexpr LegalSource kParoleBarFeminicide{"LEP art. 112, VI-A",
                                                  kFeminicideProgressionWording};
inline constexpr LegalSource kParoleKeptForGenericRepeat{"STJ Tema 1196"};
// What the text lists that the tool cannot check.
inline constexpr LegalSource kParoleNoRecentFalta{"CP art. 83, III, b", kProgressionWording};
inline constexpr LegalSource kParoleDamageRepair{"CP art. 83, IV"};
inline constexpr LegalSource kParoleViolentCrime{"CP art. 83, par\xE1grafo \xFAnico"};

// ---- Progression of regime, law.md 7 ---------------------------------------------------

struct ProgressionRow {
    Inciso Which;
    std::string_view Name; // as typed and as the texts name it
    Fraction Share;
    std::string_view Case;
    LegalSource Source;
};

inline constexpr std::array kProgressionRows{
    ProgressionRow{Inciso::I, "I", Fraction{16, 100},
                   "prim\xE1rio, crime sem viol\xEAncia ou grave amea\xE7"
                   "a",
                   LegalSource{"LEP art. 112, I", kProgressionWording}},
    ProgressionRow{Inciso::II, "II", Fraction{20, 100},
                   "reincidente, crime sem viol\xEAncia ou grave amea\xE7"
                   "a",
                   LegalSource{"LEP art. 112, II", kProgressionWording}},
    ProgressionRow{Inciso::III, "III", Fraction{25, 100},
                   "prim\xE1rio, crime com viol\xEAncia ou grave amea\xE7"
                   "a",
                   LegalSource{"LEP art. 112, III", kProgressionWording}},
    ProgressionRow{Inciso::IV, "IV", Fraction{30, 100},
                   "reincidente, crime com viol\xEAncia ou grave amea\xE7"
                   "a",
                   LegalSource{"LEP art. 112, IV", kProgressionWording}},
    ProgressionRow{Inciso::V, "V", Fraction{40, 100},
                   "crime hediondo ou equiparado, prim\xE1rio ou reincidente gen\xE9rico",
                   LegalSource{"LEP art. 112, V", kProgressionWording}},
    ProgressionRow{Inciso::VIa, "VI-a", Fraction{50, 100},
                   "crime hediondo com resultado morte, prim\xE1rio ou reincidente gen\xE9rico",
                   LegalSource{"LEP art. 112, VI, a", kProgressionWording}},
    ProgressionRow{Inciso::VIb, "VI-b", Fraction{50, 100},
                   "comando de organiza\xE7\xE3o criminosa estruturada para crimes hediondos",
                   LegalSource{"LEP art. 112, VI, b", kProgressionWording}},
    ProgressionRow{Inciso::VIc, "VI-c", Fraction{50, 100},
                   "mil\xED"
                   "cia privada",
                   LegalSource{"LEP art. 112, VI, c", kProgressionWording}},
    ProgressionRow{Inciso::VIA, "VI-A", Fraction{55, 100},
                   "feminic\xED"
                   "dio, prim\xE1rio ou reincidente gen\xE9rico",
                   LegalSource{"LEP art. 112, VI-A", kFeminicideProgressionWording}},
    ProgressionRow{Inciso::VII, "VII", Fraction{60, 100},
                   "reincidente espec\xED"
                   "fico em crime hediondo",
                   LegalSource{"LEP art. 112, VII", kProgressionWording}},
    ProgressionRow{Inciso::VIII, "VIII", Fraction{70, 100},
                   "reincidente espec\xED"
                   "fico em crime hediondo com resultado morte",
                   LegalSource{"LEP art. 112, VIII", kProgressionWording}},
    ProgressionRow{Inciso::Paragrafo3, "\xA7 3\xBA", Fraction{1, 8},
                   "gestante, m\xE3"
                   "e ou respons\xE1vel por crian\xE7"
                   "a ou pessoa com defici\xEAncia, nas condi\xE7\xF5"
                   "es da lei",
                   LegalSource{"LEP art. 112, \xA7 3\xBA", kParagraph3Wording}},
};

// law.md 8: the shares before Lei 13.964/2019. Before Lei 11.464/2007 every crime, hediondos
// included, 1/6; from it, the crimes hediondos 2/5 or, for a repeat offender, 3/5.
inline constexpr Fraction kEarlierShare{1, 6};
inline constexpr LegalSource kEarlierShareSource{"LEP art. 112", kEarlierProgressionWording};

struct HediondoShareRow {
    bool RepeatOffender;
    Fraction Share;
    LegalSource Source;
};

inline constexpr std::array kHediondoShares2007{
    HediondoShareRow{
        false, Fraction{2, 5},
        LegalSource{"Lei 8.072/1990, art. 2\xBA, \xA7 2\xBA", kHediondosProgressionWording}},
    HediondoShareRow{
        true, Fraction{3, 5},
        LegalSource{"Lei 8.072/1990, art. 2\xBA, \xA7 2\xBA", kHediondosProgressionWording}},
};

inline constexpr LegalSource kRetroactiveLaw{
    "CF art. 5\xBA, XL; CP art. 2\xBA, par\xE1grafo \xFAnico"};
inline constexpr LegalSource kGenericRepeatHediondo{"STJ Tema 1084"};
inline constexpr LegalSource kGoodConduct{"LEP art. 112, \xA7 1\xBA"};
inline constexpr LegalSource kParagraph3Lapses{"LEP art. 112, \xA7 4\xBA"};

// ---- The cap of art. 75, law.md 11 -----------------------------------------------------

struct Art75Row {
    std::optional<CivilDate> From; // crimes committed from this date; none: any earlier one
    long long Years;
    LegalSource Source;
};

inline constexpr std::array kArt75Rows{
    Art75Row{CivilDate{2020, 1, 23}, 40, LegalSource{"CP art. 75", kProgressionWording}},
    Art75Row{std::nullopt, 30,
             LegalSource{"CP art. 75, reda\xE7\xE3o anterior \xE0 Lei 13.964/2019"}},
};
inline constexpr LegalSource kBenefitsOnTheWholeTerm{"S\xFAmula 715 do STF"};

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
