#include "ExecutionCaseBuilder.h"
#include "ExecutionOracle.h"
#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"
#include "execution/ExecutionTexts.h"
#include "law/LawTexts.h"
#include "law/LegalText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace zarn {
namespace {

using namespace zarn::testing;

std::string Written(std::optional<DayNumber> date) {
    return date ? WriteDayMonthYear(*date) : std::string("sem data");
}

CaseExecutionAnswer Answered(const ExecutionCase& question) {
    const CaseExecutionResult result = ComputeCaseExecution(question);
    EXPECT_TRUE(result.Ok()) << result.Error;
    return result.Answer;
}

bool HasNote(const CaseExecutionAnswer& answer, std::string_view note) {
    return std::find(answer.Notes.begin(), answer.Notes.end(), std::string(note)) !=
           answer.Notes.end();
}

long long Percent(long long days, long long percent) {
    return days * percent / 100;
}

// Time served through the date of the calculation, "data a data", and what each option
// imputes of it: reclusao before detencao, then the option's order; in proportion, each
// but the first entered gets floor(served x term / total).
TEST(Imputation, EachOptionOrdersTheConvictionsAsLawMdSays) {
    ExecutionCase question;
    CaseFacts detencao = CrimeOn(Date(2020, 2, 1));
    detencao.Kind = Especie::Detencao;
    question.Convictions = {
        Convicted("A", 4 * kYear, CrimeOn(Date(2020, 3, 1)), Date(2022, 9, 1)),
        Convicted("B", 2 * kYear, detencao, Date(2021, 5, 1)),
        Convicted("C", 3 * kYear, CrimeOn(Date(2020, 4, 1), Natureza::Hediondo)),
    };
    question.Periods = {Serving(Date(2020, 6, 1))};
    question.CalculationDate = Date(2025, 3, 17);
    const long long served = OracleMeasure(Date(2020, 6, 1), question.CalculationDate);
    const long long total = 9 * kYear;
    const long long toB = served * (2 * kYear) / total;
    const long long toC = served * (3 * kYear) / total;
    struct Row {
        Imputacao option;
        std::vector<std::string> order;
        std::vector<long long> imputed; // in that order
    };
    const auto fill = [served](std::vector<long long> terms) {
        long long left = served;
        for (long long& term : terms) {
            term = std::min(term, left);
            left -= term;
        }
        return terms;
    };
    const Row rows[] = {
        {Imputacao::Transito, {"A", "C", "B"}, fill({4 * kYear, 3 * kYear, 2 * kYear})},
        {Imputacao::Gravidade, {"C", "A", "B"}, fill({3 * kYear, 4 * kYear, 2 * kYear})},
        {Imputacao::Proporcional, {"A", "B", "C"}, {served - toB - toC, toB, toC}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.option));
        question.Options.Imputation = row.option;
        const CaseExecutionAnswer answer = Answered(question);
        EXPECT_EQ(answer.ServedDays, served);
        ASSERT_EQ(answer.Imputation.size(), 3U);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(answer.Imputation[i].Processo, row.order[i]);
            EXPECT_EQ(answer.Imputation[i].ImputedDays, row.imputed[i]);
            EXPECT_EQ(answer.Imputation[i].ImputedDays + answer.Imputation[i].RemainingDays,
                      answer.Convictions[answer.Imputation[i].Conviction].CountedDays);
        }
    }
}

// The example of the case document under each option: the chosen one's second progression,
// and the others listed only where earlier.
TEST(Imputation, AlternativesListOnlyTheEarlierOptions) {
    struct Row {
        Imputacao chosen;
        long long secondDays;
        DayNumber secondFrom;
        std::vector<Imputacao> alternatives;
    };
    const Row rows[] = {
        {Imputacao::Transito,
         895,
         Date(2026, 6, 19),
         {Imputacao::Gravidade, Imputacao::Proporcional}},
        {Imputacao::Gravidade, 639, Date(2025, 10, 3), {}},
        {Imputacao::Proporcional, 778, Date(2026, 2, 22), {Imputacao::Gravidade}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.chosen));
        ExecutionCase question = ExampleOfTheCaseDocument();
        question.Options.Imputation = row.chosen;
        const CaseExecutionAnswer answer = Answered(question);
        ASSERT_EQ(answer.Progressions.size(), 2U);
        EXPECT_EQ(answer.Progressions[1].Days, row.secondDays);
        EXPECT_EQ(Written(answer.Progressions[1].DueFrom), Written(row.secondFrom));
        std::vector<Imputacao> listed;
        for (const ImputationAlternative& alternative : answer.Alternatives) {
            listed.push_back(alternative.Option);
        }
        EXPECT_EQ(listed, row.alternatives);
    }
}

// In calendar days each term is laid from the first day; shares are of those days and spans
// are laid by adding days.
TEST(Conventions, CalendarDaysTakeSharesOfEachTermLaidFromTheFirstDay) {
    ExecutionCase question = ExampleOfTheCaseDocument();
    question.Convention = CountingConvention::CalendarDays;
    const DayNumber start = Date(2021, 1, 10);
    const auto on = [start](long long days) { return start + static_cast<DayNumber>(days); };
    const auto days = [start](long long term) {
        return static_cast<long long>(OracleLay(start, term) - start);
    };
    const long long first = days(6 * kYear);
    const long long second = days(5 * kYear);
    const long long toSemiaberto = Percent(first, 16) + Percent(second, 40);
    const long long toAberto = Percent(first - toSemiaberto, 16) + Percent(second, 40);
    const long long parole = first / 3 + second * 2 / 3;
    const CaseExecutionAnswer answer = Answered(question);
    EXPECT_EQ(answer.TotalDays, first + second);
    ASSERT_EQ(answer.Progressions.size(), 2U);
    EXPECT_EQ(answer.Progressions[0].Days, toSemiaberto);
    EXPECT_EQ(Written(answer.Progressions[0].DueFrom), Written(on(toSemiaberto)));
    EXPECT_EQ(answer.Progressions[1].Days, toAberto);
    EXPECT_EQ(Written(answer.Progressions[1].DueFrom), Written(on(toSemiaberto + toAberto)));
    ASSERT_TRUE(answer.Parole.has_value());
    EXPECT_EQ(Written(answer.Parole->DueFrom), Written(on(parole)));
    EXPECT_EQ(Written(answer.End), Written(on(first + second - 1)));
}

// law.md 10: a conviction whose parole is barred joins the sum whole (separado), or bars the
// whole sum (conjunto); below two years of sum there is no parole at all.
TEST(Parole, BarredConvictionUnderEachOption) {
    CaseFacts death = CrimeOn(Date(2021, 1, 10), Natureza::HediondoMorte);
    struct Row {
        LivramentoVedado option;
        long long firstTerm;
        ParoleRefusal refused;
        long long days;
    };
    const Row rows[] = {
        {LivramentoVedado::Separado, 6 * kYear, ParoleRefusal::None, 6 * kYear + kYear},
        {LivramentoVedado::Conjunto, 6 * kYear, ParoleRefusal::Barred, 0},
        {LivramentoVedado::Separado, kYear / 2, ParoleRefusal::TermTooShort, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.option));
        ExecutionCase question;
        question.Convictions = {Convicted("A", row.firstTerm, death),
                                Convicted("B", row.firstTerm == 6 * kYear ? 3 * kYear : 100,
                                          CrimeOn(Date(2021, 1, 10)))};
        question.Periods = {Serving(Date(2021, 1, 10))};
        question.CalculationDate = Date(2022, 1, 1);
        question.Options.BarredParole = row.option;
        const CaseExecutionAnswer answer = Answered(question);
        EXPECT_EQ(answer.ParoleRefused, row.refused);
        ASSERT_EQ(answer.Parole.has_value(), row.refused == ParoleRefusal::None);
        if (answer.Parole) {
            EXPECT_EQ(answer.Parole->Days, row.days);
            EXPECT_EQ(Written(answer.Parole->DueFrom),
                      Written(OracleLay(Date(2021, 1, 10), row.days)));
        }
        EXPECT_EQ(answer.ParoleBarredBy, std::vector<std::size_t>{0});
    }
}

// law.md 11: the cap of the latest crime, or 30 years when any crime is before 23/01/2020;
// the benefits stay on the whole term.
TEST(Art75, CapOfEachOptionEndsServingBeforeTheTotal) {
    struct Row {
        LimiteArt75 option;
        long long years;
    };
    const Row rows[] = {{LimiteArt75::UltimoCrime, 40}, {LimiteArt75::MaisFavoravel, 30}};
    for (const Row& row : rows) {
        ExecutionCase question;
        question.Convictions = {Convicted("A", 30 * kYear, CrimeOn(Date(2019, 6, 1))),
                                Convicted("B", 15 * kYear, CrimeOn(Date(2021, 1, 10)))};
        question.Periods = {Serving(Date(2021, 2, 1))};
        question.CalculationDate = Date(2022, 1, 1);
        question.Options.Art75Limit = row.option;
        const CaseExecutionAnswer answer = Answered(question);
        EXPECT_EQ(answer.Art75CapYears, row.years);
        EXPECT_TRUE(answer.Art75Applies);
        EXPECT_EQ(Written(answer.Art75End),
                  Written(OracleLay(Date(2021, 2, 1), row.years * kYear) - 1));
        EXPECT_EQ(Written(answer.EndOfTotal), Written(OracleLay(Date(2021, 2, 1), 45 * kYear) - 1));
        EXPECT_EQ(answer.End, answer.Art75End);
        EXPECT_TRUE(HasNote(answer, kNoteArt75Benefits));
        ASSERT_TRUE(answer.Parole.has_value());
        EXPECT_EQ(answer.Parole->Days, 15 * kYear);
    }
}

// Credits count from the day they are granted, against the cap too: the cap is reached on
// the grant that completes it, or from the first day when the credits there already do.
TEST(Art75, CreditsThatReachTheCapEndServingOnTheirDay) {
    struct Row {
        const char* what;
        long long detracao;            // from the conviction's facts: counts from the first day
        long long remicao;             // granted on 10/01/2022
        std::optional<DayNumber> last; // of serving; none when no date is due
        bool covered;
    };
    const long long cap = 30 * kYear;
    const Row rows[] = {
        {"the remission completes the cap on its day", 0, cap, Date(2022, 1, 9), false},
        {"serving completes it after the remission", 0, cap - 2 * kYear,
         OracleLay(Date(2021, 1, 10), 2 * kYear) - 1, false},
        {"the detracao alone reaches it", cap, 0, std::nullopt, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ExecutionCase question;
        CaseFacts facts = CrimeOn(Date(2019, 1, 10));
        facts.DetracaoDays = row.detracao;
        question.Convictions = {Convicted("A", 60 * kYear, facts)};
        question.Periods = {Serving(Date(2021, 1, 10))};
        if (row.remicao > 0) {
            question.Events = {RemicaoDays(Date(2022, 1, 10), row.remicao)};
        }
        question.CalculationDate = Date(2026, 12, 8);
        const CaseExecutionAnswer answer = Answered(question);
        EXPECT_TRUE(answer.Art75Applies);
        EXPECT_EQ(answer.CreditsCoverTerm, row.covered);
        EXPECT_EQ(Written(answer.Art75End), Written(row.last));
        EXPECT_TRUE(answer.FullyServed);
        const std::string text = WriteCaseExecution(answer, question);
        EXPECT_NE(text.find("encerrado pelo limite"), std::string::npos);
        EXPECT_EQ(text.find("Pena integralmente cumprida"), std::string::npos);
    }
}

// A crime while serving sets the data-base at its date with the time then measured, the
// earlier conviction keeps that time, and the cap counts again from the crime.
TEST(Events, CrimeWhileServingStartsANewUnification) {
    ExecutionCase question;
    question.Convictions = {Convicted("A", 35 * kYear, CrimeOn(Date(2019, 1, 1))),
                            Convicted("B", 2 * kYear, CrimeOn(Date(2022, 3, 1)))};
    question.Convictions[1].DuringExecution = true;
    question.Periods = {Serving(Date(2019, 1, 10))};
    question.CalculationDate = Date(2023, 1, 1);
    question.Options.Art75Limit = LimiteArt75::MaisFavoravel;
    const CaseExecutionAnswer answer = Answered(question);
    const long long before = OracleMeasure(Date(2019, 1, 10), Date(2022, 2, 28));
    EXPECT_EQ(Written(answer.DataBase), "01/03/2022");
    ASSERT_FALSE(answer.Progressions.empty());
    const ProgressionStep& step = answer.Progressions[0];
    EXPECT_EQ(step.ServedBefore, before);
    const long long requirement = Percent(35 * kYear - before, 16) + Percent(2 * kYear, 16);
    EXPECT_EQ(step.Days, requirement);
    EXPECT_EQ(Written(step.DueFrom), Written(OracleLay(Date(2022, 3, 1), requirement)));
    EXPECT_EQ(answer.Art75CountFrom, Date(2022, 3, 1));
    EXPECT_TRUE(answer.Art75Applies);
    EXPECT_EQ(Written(answer.Art75End), Written(OracleLay(Date(2022, 3, 1), 30 * kYear) - 1));
    EXPECT_TRUE(HasNote(answer, kNoteCrimeDuringExecution));
}

// An entered progression records the one that was due: the regime moves on the date entered
// and the next counts from it, with the periods measured up to it.
TEST(Events, EnteredProgressionIsTheNextDataBase) {
    ExecutionCase question;
    question.Convictions = {Convicted("A", 9 * kYear, CrimeOn(Date(2021, 1, 10)))};
    question.Periods = {Serving(Date(2021, 1, 10))};
    question.Events = {RegimeEvent(EventKind::Progressao, Date(2022, 9, 1), Regime::Semiaberto)};
    question.CalculationDate = Date(2023, 1, 1);
    const CaseExecutionAnswer answer = Answered(question);
    ASSERT_EQ(answer.Progressions.size(), 2U);
    EXPECT_EQ(Written(answer.Progressions[0].DueFrom), Written(OracleLay(Date(2021, 1, 10), 518)));
    EXPECT_EQ(answer.Progressions[0].RecordedOn, Date(2022, 9, 1));
    const long long before = OracleMeasure(Date(2021, 1, 10), Date(2022, 8, 31));
    const long long next = Percent(9 * kYear - before, 16);
    EXPECT_EQ(answer.Progressions[1].ServedBefore, before);
    EXPECT_EQ(answer.Progressions[1].Days, next);
    EXPECT_EQ(Written(answer.Progressions[1].DueFrom), Written(OracleLay(Date(2022, 9, 1), next)));
    EXPECT_EQ(answer.CurrentRegime, Regime::Semiaberto);
    EXPECT_EQ(Written(answer.DataBase), "01/09/2022");
}

// A falta with a regression to fechado: two progressions again, the first from the falta.
// Par. 3 stops after the falta, and good behaviour comes back at the earlier of a year and
// the requirement met.
TEST(Events, FaltaRegressionAndParagraph3) {
    struct Row {
        bool paragraph3;
        std::optional<Regime> regression;
        long long firstDays;
        std::size_t progressions;
    };
    const long long before = 142; // 10/01/2021 to 31/05/2021
    const Row rows[] = {
        {false, std::nullopt, Percent(6 * kYear - before, 16), 1},
        {false, Regime::Fechado, Percent(6 * kYear - before, 16), 2},
        {true, std::nullopt, Percent(6 * kYear - before, 16), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.paragraph3 << " " << row.regression.has_value());
        ExecutionCase question = SixYearsFromTenthOfJanuary2021();
        question.Convictions[0].Facts.Paragraph3 = row.paragraph3;
        question.Events = {Falta(Date(2021, 6, 1))};
        if (row.regression) {
            question.Events.push_back(
                RegimeEvent(EventKind::Regressao, Date(2021, 6, 1), *row.regression));
        }
        const CaseExecutionAnswer answer = Answered(question);
        ASSERT_EQ(answer.Progressions.size(), row.progressions);
        EXPECT_EQ(answer.Progressions[0].ServedBefore, before);
        EXPECT_EQ(answer.Progressions[0].Days, row.firstDays);
        const DayNumber firstDue = OracleLay(Date(2021, 6, 1), row.firstDays);
        EXPECT_EQ(Written(answer.Progressions[0].DueFrom), Written(firstDue));
        if (row.progressions == 2) {
            const long long second = Percent(6 * kYear - before - row.firstDays, 16);
            EXPECT_EQ(Written(answer.Progressions[1].DueFrom),
                      Written(OracleLay(firstDue, second)));
        }
        EXPECT_EQ(answer.Paragraph3LapsedOn.has_value(), row.paragraph3);
        EXPECT_EQ(Written(answer.GoodBehaviourFrom), Written(std::min(firstDue, Date(2022, 6, 1))));
    }
    // Without the falta, par. 3 takes 1/8 of the term.
    ExecutionCase mother = SixYearsFromTenthOfJanuary2021();
    mother.Convictions[0].Facts.Paragraph3 = true;
    const CaseExecutionAnswer answer = Answered(mother);
    EXPECT_EQ(answer.Progressions[0].Days, 6 * kYear / 8);
}

// Out of serving at the date of the calculation, what is still needed has no date; back in
// serving without a falta, the first day stays the data-base.
TEST(Events, GapsWaitForTheReturnAndKeepTheFirstDay) {
    ExecutionCase waiting = SixYearsFromTenthOfJanuary2021();
    waiting.Periods = {Serving(Date(2021, 1, 10), Date(2021, 6, 30))};
    waiting.CalculationDate = Date(2022, 1, 1);
    CaseExecutionAnswer answer = Answered(waiting);
    EXPECT_FALSE(answer.Serving);
    ASSERT_EQ(answer.Progressions.size(), 1U);
    EXPECT_EQ(answer.Progressions[0].Days, 345);
    EXPECT_FALSE(answer.Progressions[0].DueFrom.has_value());
    ASSERT_TRUE(answer.Parole.has_value());
    EXPECT_FALSE(answer.Parole->DueFrom.has_value());
    EXPECT_FALSE(answer.End.has_value());
    ASSERT_EQ(answer.Gaps.size(), 1U);
    EXPECT_FALSE(answer.Gaps[0].Last.has_value());
    EXPECT_TRUE(HasNote(answer, kNoteWaiting));

    ExecutionCase back = waiting;
    back.Periods = {Serving(Date(2021, 1, 10), Date(2021, 3, 31)), Serving(Date(2021, 7, 1))};
    answer = Answered(back);
    const long long first = OracleMeasure(Date(2021, 1, 10), Date(2021, 3, 31));
    EXPECT_EQ(Written(answer.DataBase), "10/01/2021");
    EXPECT_EQ(Written(answer.Progressions[0].DueFrom),
              Written(OracleLay(Date(2021, 7, 1), 345 - first)));
    EXPECT_EQ(answer.ServedDays, first + OracleMeasure(Date(2021, 7, 1), Date(2022, 1, 1)));
    EXPECT_TRUE(HasNote(answer, kNoteFirstDayAfterGap));
}

// The stretches of the timeline: one per regime, cut at the date of the calculation, the
// last one ending with the term.
TEST(Timeline, StretchesFollowTheRegimesUpToTheEnd) {
    const CaseExecutionAnswer answer = Answered(ExampleOfTheCaseDocument());
    struct Expected {
        DayNumber first;
        DayNumber last;
        Regime in;
        bool projected;
    };
    const Expected expected[] = {
        {Date(2021, 1, 10), Date(2023, 12, 24), Regime::Fechado, false},
        {Date(2023, 12, 25), Date(2026, 6, 18), Regime::Semiaberto, false},
        {Date(2026, 6, 19), Date(2026, 12, 8), Regime::Aberto, false},
        {Date(2026, 12, 9), Date(2032, 1, 9), Regime::Aberto, true},
    };
    ASSERT_EQ(answer.Stretches.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Written(answer.Stretches[i].First), Written(expected[i].first));
        EXPECT_EQ(Written(answer.Stretches[i].Last), Written(expected[i].last));
        EXPECT_EQ(answer.Stretches[i].In, expected[i].in);
        EXPECT_EQ(answer.Stretches[i].Projected, expected[i].projected);
    }
    EXPECT_TRUE(answer.Gaps.empty());
}

} // namespace
} // namespace zarn
