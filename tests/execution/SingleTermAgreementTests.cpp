// One conviction with one period from its start is the single-term question: every date
// the execution gives must be the single-term tool's (law/ExecutionDates.h), across terms,
// facts, starts, deductions, regimes and both conventions.

#include "ExecutionCaseBuilder.h"
#include "execution/CaseExecution.h"
#include "law/ExecutionDates.h"
#include "law/LegalText.h"
#include "support/Sweep.h"

#include <gtest/gtest.h>
#include <vector>

namespace zarn {
namespace {

using namespace zarn::testing;

struct Deductions {
    long long detracao;
    long long remicao;
};

std::vector<CaseFacts> FactsToSweep() {
    std::vector<CaseFacts> all;
    const auto add = [&all](Natureza nature, bool repeat, bool violence, bool specific,
                            std::optional<DayNumber> crime, bool paragraph3 = false) {
        CaseFacts facts;
        facts.Nature = nature;
        facts.RepeatOffender = repeat;
        facts.SpecificRepeatOffender = specific;
        facts.Violence = violence;
        facts.CrimeDate = crime;
        facts.Paragraph3 = paragraph3;
        all.push_back(facts);
    };
    add(Natureza::Comum, false, false, false, Date(2021, 1, 10));
    add(Natureza::Comum, true, true, false, Date(2015, 6, 1));
    add(Natureza::Hediondo, false, false, false, Date(2005, 3, 3));
    add(Natureza::Hediondo, true, false, true, Date(2022, 2, 2));
    add(Natureza::HediondoMorte, false, true, false, Date(2021, 5, 5)); // parole barred
    add(Natureza::Comum, false, false, false, std::nullopt, true);      // par. 3, no date
    return all;
}

std::string Written(DayNumber date) {
    return WriteDayMonthYear(date);
}

void ExpectSameDates(const ExecutionDates& single, const CaseExecutionAnswer& multiple) {
    ASSERT_EQ(multiple.CreditsCoverTerm, single.FullyServed);
    EXPECT_EQ(multiple.InitialRegime, single.Initial);
    if (single.FullyServed) {
        EXPECT_TRUE(multiple.Progressions.empty());
        EXPECT_FALSE(multiple.Parole.has_value());
        return;
    }
    ASSERT_EQ(multiple.Progressions.size(), single.Progressions.size());
    for (std::size_t i = 0; i < single.Progressions.size(); ++i) {
        SCOPED_TRACE(i);
        const ProgressionStep& step = multiple.Progressions[i];
        EXPECT_EQ(step.To, single.Progressions[i].To);
        EXPECT_EQ(step.Days, single.Progressions[i].Due.FractionDays);
        ASSERT_TRUE(step.DueFrom.has_value());
        EXPECT_EQ(Written(*step.DueFrom), Written(single.Progressions[i].Due.DueFrom));
    }
    ASSERT_EQ(multiple.Parole.has_value(), single.Parole.has_value());
    if (single.Parole) {
        EXPECT_EQ(multiple.Parole->Days, single.Parole->FractionDays);
        ASSERT_TRUE(multiple.Parole->DueFrom.has_value());
        EXPECT_EQ(Written(*multiple.Parole->DueFrom), Written(single.Parole->DueFrom));
    }
    ASSERT_TRUE(multiple.EndOfTotal.has_value());
    EXPECT_EQ(Written(*multiple.EndOfTotal), Written(single.LastDay));
    ASSERT_EQ(multiple.Art75Applies, single.Cap.has_value());
    if (single.Cap) {
        EXPECT_EQ(multiple.Art75CapYears, single.Cap->Years);
        ASSERT_TRUE(multiple.Art75End.has_value());
        EXPECT_EQ(Written(*multiple.Art75End), Written(*single.CappedLastDay));
    }
    ASSERT_TRUE(multiple.End.has_value());
    EXPECT_EQ(Written(*multiple.End), Written(single.EndOfServing()));
}

TEST(SingleTermAgreement, OneConvictionOnePeriodGivesTheSingleTermDates) {
    const DayNumber starts[] = {Date(2021, 1, 10), Date(2008, 1, 31), Date(2008, 2, 29),
                                Date(1999, 12, 31)};
    const long long terms[] = {1,         29,        2 * kYear - 1,
                               2 * kYear, 6 * kYear, 6 * kYear + 7 * kMonth + 13,
                               9 * kYear, 45 * kYear};
    const Deductions deductions[] = {{0, 0}, {30, 15}, {400, 0}, {0, 20000}};
    const std::optional<Regime> regimes[] = {std::nullopt, Regime::Fechado, Regime::Semiaberto,
                                             Regime::Aberto};
    long long caseNumber = 0;
    for (const CountingConvention convention :
         {CountingConvention::Base360, CountingConvention::CalendarDays}) {
        for (const DayNumber start : starts) {
            for (const long long term : terms) {
                for (const CaseFacts& facts : FactsToSweep()) {
                    for (const Deductions& deduction : deductions) {
                        for (const std::optional<Regime> regime : regimes) {
                            if (!InSweep(caseNumber++)) {
                                continue;
                            }
                            SCOPED_TRACE(::testing::Message()
                                         << "term " << term << ", start " << Written(start)
                                         << ", detracao " << deduction.detracao << ", remicao "
                                         << deduction.remicao << ", convention "
                                         << static_cast<int>(convention) << ", nature "
                                         << static_cast<int>(facts.Nature));
                            ExecutionRequest request;
                            request.TermDays = term;
                            request.Start = start;
                            request.Facts = facts;
                            request.Facts.DetracaoDays = deduction.detracao;
                            request.RemicaoDays = deduction.remicao;
                            request.InitialRegime = regime;
                            request.Convention = convention;
                            const ExecutionOutcome single = ComputeExecutionDates(request);

                            ExecutionCase question;
                            question.Convictions.push_back(Convicted("1", term, request.Facts));
                            question.Periods.push_back(Serving(start));
                            if (deduction.remicao > 0) {
                                question.Events.push_back(RemicaoDays(start, deduction.remicao));
                            }
                            question.InitialRegime = regime;
                            question.Convention = convention;
                            question.CalculationDate = Date(2030, 1, 1);
                            const CaseExecutionResult multiple = ComputeCaseExecution(question);

                            ASSERT_EQ(multiple.Ok(), single.Ok())
                                << single.Error << " / " << multiple.Error;
                            if (single.Ok()) {
                                ExpectSameDates(single.Dates, multiple.Answer);
                            }
                        }
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace zarn
