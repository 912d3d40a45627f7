#include "PrescriptionCase.h"

#include <gtest/gtest.h>

namespace zarn {
namespace {

using namespace testing;

constexpr PrescriptionKind kAbstrata = PrescriptionKind::Abstrata;
constexpr PrescriptionKind kRetroativa = PrescriptionKind::Retroativa;
constexpr PrescriptionKind kIntercorrente = PrescriptionKind::Intercorrente;
constexpr PrescriptionKind kExecutoria = PrescriptionKind::Executoria;

const DayNumber kCalculation = Day(2026, 12, 8);

Marco M(MarcoKind kind, DayNumber date) {
    return Marco{kind, date};
}

struct VerdictRow {
    const char* name;
    PrescriptionInput input;
    PrescriptionKind kind;
    std::string verdict;
};

void ExpectVerdicts(const std::vector<VerdictRow>& rows) {
    for (const VerdictRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Verdict(row.input, row.kind), row.verdict);
    }
}

// The issue's first case: a jury crime, under 21 at the fact.
PrescriptionInput JuryCase() {
    PrescriptionInput input = Case(kCalculation, Crime(Day(2010, 11, 1), 30 * kYear),
                                   {M(MarcoKind::RecebimentoDenuncia, Day(2014, 5, 5)),
                                    M(MarcoKind::Pronuncia, Day(2014, 10, 12)),
                                    M(MarcoKind::ConfirmacaoPronuncia, Day(2014, 12, 12))});
    input.Birth = Day(1990, 10, 10);
    return input;
}

// The issue's second case: a fact before 06/05/2010, a sentence and a confirming acordao.
PrescriptionInput AcordaoCase(bool confirmingInterrupts) {
    PrescriptionInput input =
        Case(kCalculation, Crime(Day(2007, 1, 10), 4 * kYear, 2 * kYear + 6 * kMonth),
             {M(MarcoKind::RecebimentoDenuncia, Day(2007, 7, 20)),
              M(MarcoKind::Sentenca, Day(2010, 9, 20)), M(MarcoKind::Acordao, Day(2015, 10, 10))});
    input.ConfirmingAcordaoInterrupts = confirmingInterrupts;
    return input;
}

// Three years applied; final for the prosecution on that day, and for both on `both`.
PrescriptionInput ExecutoriaCase(DayNumber prosecution, std::optional<DayNumber> both,
                                 bool repeat = false) {
    PrescriptionCrime crime = Crime(AddDays(prosecution, -900), 4 * kYear, 3 * kYear);
    crime.RepeatOffender = repeat;
    std::vector<Marco> marcos{M(MarcoKind::Sentenca, AddDays(prosecution, -60)),
                              M(MarcoKind::TransitoAcusacao, prosecution)};
    if (both) {
        marcos.push_back(M(MarcoKind::TransitoAmbas, *both));
    }
    return Case(kCalculation, crime, marcos);
}

TEST(Prescription, TheIssuesCases) {
    const DayNumber prosecution2021 = Day(2021, 1, 10);
    const DayNumber both2021 = Day(2021, 6, 10);
    ExpectVerdicts({
        {"jury, under 21", JuryCase(), kAbstrata, Prescribed(Day(2024, 12, 11))},
        {"retroativa before 2010", AcordaoCase(true), kRetroativa, "-"},
        {"intercorrente from the acordao", AcordaoCase(true), kIntercorrente,
         Prescribed(Day(2023, 10, 9))},
        {"intercorrente, the acordao not interrupting", AcordaoCase(false), kIntercorrente,
         Prescribed(Day(2018, 9, 19))},
        {"executoria from the prosecution", ExecutoriaCase(Day(2002, 12, 8), std::nullopt),
         kExecutoria, Prescribed(Day(2010, 12, 7))},
        {"executoria from both, Tema 788", ExecutoriaCase(prosecution2021, both2021), kExecutoria,
         Prescribes(Day(2029, 6, 9))},
        {"repeat offender from the prosecution",
         ExecutoriaCase(Day(2002, 12, 8), std::nullopt, true), kExecutoria,
         Prescribed(Day(2013, 8, 7))},
        {"repeat offender from both", ExecutoriaCase(prosecution2021, both2021, true), kExecutoria,
         Prescribes(Day(2032, 2, 9))},
    });
}

TEST(Prescription, TheIssuesPeriodsAndIntervals) {
    const PrescriptionOutcome jury = AnalysePrescription(JuryCase());
    ASSERT_TRUE(jury.Ok()) << jury.Error;
    ASSERT_EQ(jury.Report.Crimes.front().Analyses.size(), 1u); // em abstrato only
    const PrescriptionAnalysis abstrata = OfKind(jury, kAbstrata).front();
    EXPECT_EQ(abstrata.Period, (PrescriptionPeriod{10, 0}));
    EXPECT_EQ(abstrata.PenaltyDays, 30 * kYear);
    ASSERT_EQ(abstrata.Intervals.size(), 4u);
    EXPECT_EQ(Written(abstrata.Intervals[0].To), "04/05/2014");
    EXPECT_EQ(Written(abstrata.Intervals[3].From), "12/12/2014");
    EXPECT_EQ(Written(abstrata.Intervals[3].To), "08/12/2026");
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(abstrata.Intervals[i].Reached, i == 3) << i;
    }

    const PrescriptionOutcome acordao = AnalysePrescription(AcordaoCase(true));
    const PrescriptionAnalysis retroativa = OfKind(acordao, kRetroativa).front();
    EXPECT_EQ(retroativa.Period, (PrescriptionPeriod{8, 0}));
    ASSERT_EQ(retroativa.Intervals.size(), 2u); // the fact to the complaint counts
    EXPECT_EQ(Written(retroativa.Intervals[0].From), "10/01/2007");
    EXPECT_EQ(Written(retroativa.Intervals[1].To), "19/09/2010");

    const std::vector<PrescriptionAnalysis> repeat = OfKind(
        AnalysePrescription(ExecutoriaCase(Day(2021, 1, 10), Day(2021, 6, 10), true)), kExecutoria);
    ASSERT_EQ(repeat.size(), 1u);
    EXPECT_EQ(repeat.front().Period, (PrescriptionPeriod{10, 8}));
}

// Each kind across its last day: a marco on the last day interrupts in time, one on the
// day after comes too late; at the date of the calculation, the last day itself is still
// to run.
TEST(Prescription, EveryKindAcrossItsLastDay) {
    std::vector<VerdictRow> rows;
    // Em abstrato: two years at most give 4 years.
    const DayNumber fact = Day(2012, 3, 15);
    const DayNumber last = OracleLastDay(fact, 4);
    const auto abstrata = [&](DayNumber calculation, std::vector<Marco> marcos) {
        return Case(calculation, Crime(fact, 2 * kYear), std::move(marcos));
    };
    rows.push_back(
        {"abstrata, calculated on the last day", abstrata(last, {}), kAbstrata, Prescribes(last)});
    rows.push_back({"abstrata, calculated the day after", abstrata(last + 1, {}), kAbstrata,
                    Prescribed(last)});
    rows.push_back({"abstrata, complaint on the last day",
                    abstrata(kCalculation, {M(MarcoKind::RecebimentoDenuncia, last)}), kAbstrata,
                    Prescribed(OracleLastDay(last, 4))});
    rows.push_back({"abstrata, complaint the day after",
                    abstrata(kCalculation, {M(MarcoKind::RecebimentoDenuncia, last + 1)}),
                    kAbstrata, Prescribed(last)});

    // Retroativa: a year applied gives 4 years from the complaint to the sentence.
    const DayNumber complaint = Day(2013, 2, 28);
    const DayNumber lastFromComplaint = OracleLastDay(complaint, 4);
    const auto retroativa = [&](DayNumber sentence) {
        return Case(
            kCalculation, Crime(fact, 2 * kYear, kYear),
            {M(MarcoKind::RecebimentoDenuncia, complaint), M(MarcoKind::Sentenca, sentence)});
    };
    rows.push_back(
        {"retroativa, sentence on the last day", retroativa(lastFromComplaint), kRetroativa, "-"});
    rows.push_back({"retroativa, sentence the day after", retroativa(lastFromComplaint + 1),
                    kRetroativa, Prescribed(lastFromComplaint)});

    // Intercorrente: from the sentence, interrupted by an acordao.
    const DayNumber sentence = Day(2016, 8, 31);
    const DayNumber lastFromSentence = OracleLastDay(sentence, 4);
    const auto intercorrente = [&](DayNumber calculation, std::vector<Marco> more) {
        std::vector<Marco> marcos{M(MarcoKind::RecebimentoDenuncia, complaint),
                                  M(MarcoKind::Sentenca, sentence)};
        marcos.insert(marcos.end(), more.begin(), more.end());
        return Case(calculation, Crime(fact, 2 * kYear, kYear), marcos);
    };
    rows.push_back({"intercorrente, calculated on the last day",
                    intercorrente(lastFromSentence, {}), kIntercorrente,
                    Prescribes(lastFromSentence)});
    rows.push_back({"intercorrente, calculated the day after",
                    intercorrente(lastFromSentence + 1, {}), kIntercorrente,
                    Prescribed(lastFromSentence)});
    rows.push_back({"intercorrente, acordao on the last day",
                    intercorrente(kCalculation, {M(MarcoKind::Acordao, lastFromSentence)}),
                    kIntercorrente, Prescribed(OracleLastDay(lastFromSentence, 4))});
    rows.push_back({"intercorrente, acordao the day after",
                    intercorrente(kCalculation, {M(MarcoKind::Acordao, lastFromSentence + 1)}),
                    kIntercorrente, Prescribed(lastFromSentence)});
    PrescriptionInput notInterrupting =
        intercorrente(kCalculation, {M(MarcoKind::Acordao, lastFromSentence)});
    notInterrupting.ConfirmingAcordaoInterrupts = false;
    rows.push_back({"intercorrente, acordao on the last day not interrupting", notInterrupting,
                    kIntercorrente, Prescribed(lastFromSentence)});
    rows.push_back(
        {"intercorrente, closed by the final judgment the day after",
         intercorrente(kCalculation, {M(MarcoKind::TransitoAcusacao, lastFromSentence),
                                      M(MarcoKind::TransitoAmbas, lastFromSentence + 1)}),
         kIntercorrente, Prescribed(lastFromSentence)});
    rows.push_back({"intercorrente, closed by the final judgment on the last day",
                    intercorrente(kCalculation, {M(MarcoKind::TransitoAcusacao, lastFromSentence),
                                                 M(MarcoKind::TransitoAmbas, lastFromSentence)}),
                    kIntercorrente, "-"});

    // Executoria: from the final judgment for the prosecution (2015) to the start of serving.
    const DayNumber finalDay = Day(2015, 1, 31);
    const DayNumber lastFromFinal = OracleLastDay(finalDay, 4);
    const auto executoria = [&](DayNumber serving) {
        return Case(kCalculation, Crime(fact, 2 * kYear, kYear),
                    {M(MarcoKind::Sentenca, finalDay), M(MarcoKind::TransitoAcusacao, finalDay),
                     M(MarcoKind::InicioCumprimento, serving)});
    };
    rows.push_back(
        {"executoria, serving from the last day", executoria(lastFromFinal), kExecutoria, "-"});
    rows.push_back({"executoria, serving from the day after", executoria(lastFromFinal + 1),
                    kExecutoria, Prescribed(lastFromFinal)});
    ExpectVerdicts(rows);
}

// The final judgment for the prosecution up to 12/11/2020 starts the executoria; from
// 13/11/2020 the one for both parties does (STF Tema 788).
TEST(Prescription, ExecutoriaStartsAcrossTheTema788Date) {
    const DayNumber both = Day(2021, 6, 10);
    ExpectVerdicts({
        {"final for the prosecution on 12/11/2020", ExecutoriaCase(Day(2020, 11, 12), both),
         kExecutoria, Prescribes(OracleLastDay(Day(2020, 11, 12), 8))},
        {"final for the prosecution on 13/11/2020", ExecutoriaCase(Day(2020, 11, 13), both),
         kExecutoria, Prescribes(OracleLastDay(both, 8))},
        {"13/11/2020, not yet final for both", ExecutoriaCase(Day(2020, 11, 13), std::nullopt),
         kExecutoria, "(none)"},
    });
}

// A term under a year: 2 years for a fact before 06/05/2010, 3 from that day; and the
// retroativa counts the fact-to-complaint interval only before it.
TEST(Prescription, FactsAcrossTheSixthOfMay2010) {
    struct Row {
        DayNumber fact;
        PrescriptionPeriod period;
        bool factToComplaint;
    };
    const Row rows[] = {
        {Day(2010, 5, 5), {2, 0}, true},
        {Day(2010, 5, 6), {3, 0}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Written(row.fact));
        const DayNumber complaint = OracleLastDay(row.fact, 2) + 1; // the fact's 2 years run out
        const PrescriptionInput input =
            Case(kCalculation, Crime(row.fact, 11 * kMonth, 11 * kMonth),
                 {M(MarcoKind::RecebimentoDenuncia, complaint),
                  M(MarcoKind::Sentenca, AddDays(complaint, 30))});
        const PrescriptionOutcome outcome = AnalysePrescription(input);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        const PrescriptionAnalysis retroativa = OfKind(outcome, kRetroativa).front();
        EXPECT_EQ(retroativa.Period, row.period);
        EXPECT_EQ(OfKind(outcome, kAbstrata).front().Period, row.period);
        EXPECT_EQ(retroativa.Intervals.size(), row.factToComplaint ? 2u : 1u);
        EXPECT_EQ(retroativa.PrescribedOn.has_value(), row.factToComplaint);
    }
}

// Halved under 21 at the fact (the 21st birthday after it) and at 70 by the first
// condemnatory decision (the birthday on or before it); never for sexual violence against a
// woman from 04/07/2025.
TEST(Prescription, AgeHalvesThePeriodAcrossTheBirthdays) {
    const DayNumber birth = Day(1992, 2, 29); // its birthdays fall on 28/02 in common years
    const DayNumber turns21 = DayNumberOf(*MonthsOn(DayOf(birth), 21 * 12));
    const DayNumber elderBirth = Day(1950, 3, 31);
    const DayNumber turns70 = DayNumberOf(*MonthsOn(DayOf(elderBirth), 70 * 12));
    struct Row {
        const char* name;
        std::optional<DayNumber> birth;
        DayNumber fact;
        std::optional<DayNumber> sentence;
        bool sexualViolence;
        PrescriptionPeriod period;
    };
    const Row rows[] = {
        {"the day before the 21st birthday", birth, turns21 - 1, std::nullopt, false, {10, 0}},
        {"on the 21st birthday", birth, turns21, std::nullopt, false, {20, 0}},
        {"no date of birth", std::nullopt, turns21 - 1, std::nullopt, false, {20, 0}},
        {"sentence on the 70th birthday", elderBirth, Day(2015, 1, 1), turns70, false, {10, 0}},
        {"sentence the day before", elderBirth, Day(2015, 1, 1), turns70 - 1, false, {20, 0}},
        {"sexual violence on 03/07/2025",
         Day(2005, 1, 1),
         Day(2025, 7, 3),
         std::nullopt,
         true,
         {10, 0}},
        {"sexual violence on 04/07/2025",
         Day(2005, 1, 1),
         Day(2025, 7, 4),
         std::nullopt,
         true,
         {20, 0}},
        {"another crime on 04/07/2025",
         Day(2005, 1, 1),
         Day(2025, 7, 4),
         std::nullopt,
         false,
         {10, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PrescriptionCrime crime = Crime(row.fact, 30 * kYear, 13 * kYear);
        crime.SexualViolenceAgainstWoman = row.sexualViolence;
        std::vector<Marco> marcos;
        if (row.sentence) {
            marcos.push_back(M(MarcoKind::Sentenca, *row.sentence));
        }
        PrescriptionInput input = Case(kCalculation, crime, marcos);
        input.Birth = row.birth;
        const PrescriptionOutcome outcome = AnalysePrescription(input);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        for (const PrescriptionAnalysis& analysis : outcome.Report.Crimes.front().Analyses) {
            EXPECT_EQ(analysis.Period, row.period) << static_cast<int>(analysis.Kind);
        }
    }
}

// Every analysis of several cases: each interval runs from its first day to its last, and
// its years, months and days lay from the first day onto the day after the last by the
// standard library's calendar; the period is laid likewise.
TEST(Prescription, IntervalLengthsAndVerdictsFollowTheCalendarOracle) {
    const PrescriptionInput inputs[] = {
        JuryCase(), AcordaoCase(true), AcordaoCase(false),
        ExecutoriaCase(Day(2021, 1, 10), Day(2021, 6, 10), true),
        ExecutoriaCase(Day(2008, 2, 29), std::nullopt),
        // 29/02/2000 to 27/02/2004: 3 years and 12 months
        Case(kCalculation, Crime(Day(2000, 2, 29), 4 * kYear),
             {M(MarcoKind::RecebimentoDenuncia, Day(2004, 2, 28))})};
    for (const PrescriptionInput& input : inputs) {
        const PrescriptionOutcome outcome = AnalysePrescription(input);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        for (const PrescriptionAnalysis& analysis : outcome.Report.Crimes.front().Analyses) {
            for (const PrescriptionInterval& interval : analysis.Intervals) {
                SCOPED_TRACE(Written(interval.From) + " a " + Written(interval.To));
                ASSERT_LE(interval.From, interval.To);
                const auto afterYears = MonthsOn(DayOf(interval.From), 12 * interval.Years);
                ASSERT_TRUE(afterYears.has_value());
                const auto afterMonths = MonthsOn(*afterYears, interval.Months);
                ASSERT_TRUE(afterMonths.has_value());
                EXPECT_EQ(DayNumberOf(*afterMonths) + static_cast<DayNumber>(interval.Days),
                          interval.To + 1);
                const auto moreMonths = MonthsOn(*afterYears, interval.Months + 1);
                EXPECT_TRUE(!moreMonths || DayNumberOf(*moreMonths) > interval.To + 1);
                const auto moreYears = MonthsOn(DayOf(interval.From), 12 * (interval.Years + 1));
                EXPECT_TRUE(!moreYears || DayNumberOf(*moreYears) > interval.To + 1);
                const DayNumber last =
                    OracleLastDay(interval.From, analysis.Period.Years, analysis.Period.Months);
                if (interval.SuspendedDays == 0) {
                    EXPECT_EQ(interval.Reached,
                              last <= interval.To && last < input.CalculationDate);
                }
            }
        }
    }
}

} // namespace
} // namespace zarn
