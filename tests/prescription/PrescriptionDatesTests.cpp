#include "PrescriptionCase.h"

#include <gtest/gtest.h>

namespace zarn {
namespace {

using namespace testing;

const DayNumber kCalculation = Day(2026, 12, 8);

Marco M(MarcoKind kind, DayNumber date) {
    return Marco{kind, date};
}

Suspension S(SuspensionKind kind, DayNumber start, std::optional<DayNumber> end) {
    return Suspension{kind, start, end};
}

DayNumber DaysOf(DayNumber first, DayNumber last) {
    return last - first + 1;
}

// A crime of two years at most (4 years) with no marco: one interval from the fact to the
// date of the calculation, lengthened by the suspensions that apply.
TEST(PrescriptionSuspensions, LengthenThePeriodByTheDaysTheyCover) {
    const DayNumber fact = Day(2021, 3, 1);
    const DayNumber last = OracleLastDay(fact, 4);
    const DayNumber from = fact + 10;
    const DayNumber capLast = OracleLastDay(from, 4); // Sumula 415: the period of the maximum
    const DayNumber before1996 = Day(1996, 6, 16);
    struct Row {
        const char* name;
        DayNumber fact;
        std::vector<Suspension> suspensions;
        DayNumber suspended;
        std::string verdict;
    };
    const Row rows[] = {
        {"a prejudicial question of 100 days",
         fact,
         {S(SuspensionKind::Art116IAndII, from, from + 99)},
         100,
         Prescribed(last + 100)},
        {"appeals found inadmissible, fact on 23/01/2020",
         Day(2020, 1, 23),
         {S(SuspensionKind::Art116IIIAndIV, Day(2021, 1, 1), Day(2021, 4, 10))},
         100,
         Prescribed(OracleLastDay(Day(2020, 1, 23), 4) + 100)},
        {"appeals found inadmissible, fact on 22/01/2020",
         Day(2020, 1, 22),
         {S(SuspensionKind::Art116IIIAndIV, Day(2021, 1, 1), Day(2021, 4, 10))},
         0,
         Prescribed(OracleLastDay(Day(2020, 1, 22), 4))},
        {"summons by edital, capped by the period",
         fact,
         {S(SuspensionKind::Cpp366, from, std::nullopt)},
         DaysOf(from, capLast),
         Prescribes(last + DaysOf(from, capLast))},
        {"summons by edital, fact before 17/06/1996",
         before1996,
         {S(SuspensionKind::Cpp366, before1996 + 10, std::nullopt)},
         0,
         Prescribed(OracleLastDay(before1996, 4))},
        {"imprisoned for another reason does not suspend the punitiva",
         fact,
         {S(SuspensionKind::PresoOutroMotivo, from, from + 99)},
         0,
         Prescribed(last)},
        {"overlapping suspensions count each day once",
         fact,
         {S(SuspensionKind::Art116IAndII, from, from + 99),
          S(SuspensionKind::SursisProcessual, from + 50, from + 149)},
         150,
         Prescribed(last + 150)},
        {"a suspension after the last day brings nothing back",
         fact,
         {S(SuspensionKind::Art116IAndII, last + 1, last + 30)},
         30,
         Prescribed(last)},
        {"still suspended at the date of the calculation",
         fact,
         {S(SuspensionKind::Art116IAndII, from, std::nullopt)},
         DaysOf(from, kCalculation),
         Prescribes(last + DaysOf(from, kCalculation))},
        {"an end after the date of the calculation is still to come",
         fact,
         {S(SuspensionKind::SursisProcessual, from, kCalculation + 400)},
         DaysOf(from, kCalculation),
         Prescribes(last + DaysOf(from, kCalculation))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PrescriptionInput input =
            Case(kCalculation, Crime(row.fact, 2 * kYear), {}, row.suspensions);
        EXPECT_EQ(Verdict(input, PrescriptionKind::Abstrata), row.verdict);
        const std::vector<PrescriptionAnalysis> abstrata =
            OfKind(AnalysePrescription(input), PrescriptionKind::Abstrata);
        ASSERT_EQ(abstrata.size(), 1u);
        ASSERT_EQ(abstrata.front().Intervals.size(), 1u);
        EXPECT_EQ(abstrata.front().Intervals.front().SuspendedDays, row.suspended);
    }
}

// Three years applied (8 years), final for the prosecution on 08/12/2015.
PrescriptionInput Executoria(std::vector<Marco> after, std::vector<Suspension> suspensions = {},
                             long long applied = 3 * kYear) {
    std::vector<Marco> marcos{M(MarcoKind::Sentenca, Day(2015, 10, 1)),
                              M(MarcoKind::TransitoAcusacao, Day(2015, 12, 8))};
    marcos.insert(marcos.end(), after.begin(), after.end());
    return Case(kCalculation, Crime(Day(2014, 1, 1), 4 * kYear, applied), marcos, suspensions);
}

struct Stretch {
    long long penalty;
    PrescriptionPeriod period;
    std::size_t intervals;
    std::string verdict;
};

// Serving interrupts; an escape or a revocation restarts on what is left (a new analysis);
// a revocation of a sursis and a new crime restart on the whole term.
TEST(PrescriptionExecutoria, RunsStretchByStretch) {
    const DayNumber serving = Day(2016, 1, 10);
    const DayNumber ended = Day(2017, 1, 9); // a year served, both days counted
    const DayNumber revoked = Day(2018, 3, 10);
    const DayNumber newCrime = Day(2020, 6, 1);
    const DayNumber imprisoned = Day(2019, 1, 1);
    struct Row {
        const char* name;
        PrescriptionInput input;
        std::vector<Stretch> stretches;
    };
    const Row rows[] = {
        {"not served", Executoria({}), {{3 * kYear, {8, 0}, 1, Prescribed(Day(2023, 12, 7))}}},
        {"an escape after a year served",
         Executoria({M(MarcoKind::InicioCumprimento, serving), M(MarcoKind::Fuga, ended)}),
         {{3 * kYear, {8, 0}, 1, ""}, {2 * kYear, {4, 0}, 1, Prescribed(OracleLastDay(ended, 4))}}},
        {"a parole revoked after a year counted as served",
         Executoria({M(MarcoKind::InicioCumprimento, serving), M(MarcoKind::Revogacao, ended)}),
         {{3 * kYear, {8, 0}, 1, ""}, {2 * kYear, {4, 0}, 1, Prescribed(OracleLastDay(ended, 4))}}},
        {"a sursis revoked",
         Executoria({M(MarcoKind::Revogacao, revoked)}),
         {{3 * kYear, {8, 0}, 2, Prescribed(OracleLastDay(revoked, 8))}}},
        {"a new crime",
         Executoria({M(MarcoKind::Reincidencia, newCrime)}),
         {{3 * kYear, {8, 0}, 2, Prescribes(OracleLastDay(newCrime, 8))}}},
        {"serving at the date of the calculation",
         Executoria({M(MarcoKind::InicioCumprimento, serving)}),
         {{3 * kYear, {8, 0}, 1, ""}}},
        {"imprisoned for another reason",
         Executoria({}, {S(SuspensionKind::PresoOutroMotivo, imprisoned, imprisoned + 99)}),
         {{3 * kYear, {8, 0}, 1, Prescribed(Day(2023, 12, 7) + 100)}}},
        {"the whole term served before the escape",
         Executoria({M(MarcoKind::InicioCumprimento, serving), M(MarcoKind::Fuga, ended)}, {},
                    kYear),
         {{kYear, {4, 0}, 1, ""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PrescriptionOutcome outcome = AnalysePrescription(row.input);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        const std::vector<PrescriptionAnalysis> stretches =
            OfKind(outcome, PrescriptionKind::Executoria);
        ASSERT_EQ(stretches.size(), row.stretches.size());
        for (std::size_t i = 0; i < stretches.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(stretches[i].PenaltyDays, row.stretches[i].penalty);
            EXPECT_EQ(stretches[i].Period, row.stretches[i].period);
            EXPECT_EQ(stretches[i].Intervals.size(), row.stretches[i].intervals);
            EXPECT_EQ(VerdictText(stretches[i]), row.stretches[i].verdict);
        }
    }
}

// Each kind appears only where the marcos allow it.
TEST(PrescriptionExecutoria, KindsFollowTheMarcos) {
    using K = PrescriptionKind;
    const DayNumber fact = Day(2014, 1, 1);
    struct Row {
        const char* name;
        std::optional<long long> applied;
        std::vector<Marco> marcos;
        std::vector<K> kinds;
    };
    const Row rows[] = {
        {"no decision", kYear, {M(MarcoKind::RecebimentoDenuncia, Day(2014, 5, 1))}, {K::Abstrata}},
        {"a sentence, no term applied",
         std::nullopt,
         {M(MarcoKind::Sentenca, Day(2015, 1, 1))},
         {K::Abstrata}},
        {"a sentence",
         kYear,
         {M(MarcoKind::Sentenca, Day(2015, 1, 1))},
         {K::Abstrata, K::Retroativa, K::Intercorrente}},
        {"final for the prosecution",
         kYear,
         {M(MarcoKind::Sentenca, Day(2015, 1, 1)), M(MarcoKind::TransitoAcusacao, Day(2015, 2, 1))},
         {K::Abstrata, K::Retroativa, K::Intercorrente, K::Executoria}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PrescriptionOutcome outcome = AnalysePrescription(
            Case(kCalculation, Crime(fact, 4 * kYear, row.applied), row.marcos));
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        std::vector<K> kinds;
        for (const PrescriptionAnalysis& analysis : outcome.Report.Crimes.front().Analyses) {
            kinds.push_back(analysis.Kind);
        }
        EXPECT_EQ(kinds, row.kinds);
    }
}

} // namespace
} // namespace zarn
