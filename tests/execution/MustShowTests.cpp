#include "ExecutionCaseBuilder.h"
#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"
#include "law/LegalText.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace zarn {
namespace {

using namespace zarn::testing;

struct ExpectedStep {
    Regime to;
    long long days;
    DayNumber from;
    bool reached;
};

struct ExpectedAlternative {
    Imputacao option;
    DayNumber from;
};

struct MustShow {
    const char* name;
    std::function<ExecutionCase()> question;
    DayNumber dataBase;
    long long servedBeforeDataBase;
    std::vector<ExpectedStep> progressions;
    long long paroleDays;
    DayNumber paroleFrom;
    std::optional<DayNumber> noFaltaSince;
    DayNumber end;
    std::vector<ExpectedAlternative> alternatives;
};

std::string Written(DayNumber date) {
    return WriteDayMonthYear(date);
}

// The examples every version of the answer must give, worked by hand from law.md 10.
const std::vector<MustShow>& MustShowRows() {
    static const std::vector<MustShow> rows{
        {"SixYearsOneOpenPeriod",
         SixYearsFromTenthOfJanuary2021,
         Date(2021, 1, 10),
         0,
         {{Regime::Aberto, 345, Date(2021, 12, 25), true}},
         720,
         Date(2023, 1, 10),
         std::nullopt,
         Date(2027, 1, 9),
         {}},
        {"FaltaGraveRestartsProgressionNotParole",
         [] {
             ExecutionCase question = SixYearsFromTenthOfJanuary2021();
             question.Events.push_back(Falta(Date(2021, 6, 1)));
             return question;
         },
         Date(2021, 6, 1),
         142,
         {{Regime::Aberto, 322, Date(2022, 4, 23), true}},
         720,
         Date(2023, 1, 10),
         Date(2022, 6, 1),
         Date(2027, 1, 9),
         {}},
        {"CaseDocumentExampleTwoConvictions",
         ExampleOfTheCaseDocument,
         Date(2023, 12, 25),
         1065,
         {{Regime::Semiaberto, 1065, Date(2023, 12, 25), true},
          {Regime::Aberto, 895, Date(2026, 6, 19), true}},
         1920,
         Date(2026, 5, 10),
         std::nullopt,
         Date(2032, 1, 9),
         {{Imputacao::Gravidade, Date(2025, 10, 3)}, {Imputacao::Proporcional, Date(2026, 2, 22)}}},
        {"EscapeRemicaoAndRecapture",
         [] {
             ExecutionCase question = SixYearsFromTenthOfJanuary2021();
             question.Periods = {Serving(Date(2021, 1, 10), Date(2022, 2, 14)),
                                 Serving(Date(2022, 6, 1))};
             question.Events = {Event(EventKind::Fuga, Date(2022, 2, 14)),
                                RemicaoDays(Date(2021, 10, 1), 30)};
             return question;
         },
         Date(2022, 2, 14),
         424,
         {{Regime::Aberto, 277, Date(2023, 3, 7), true}},
         720,
         Date(2023, 3, 26),
         Date(2023, 2, 14),
         Date(2027, 3, 25),
         {}},
    };
    return rows;
}

TEST(MustShow, EachExampleGivesItsDatesOnTheBase) {
    for (const MustShow& row : MustShowRows()) {
        SCOPED_TRACE(row.name);
        const CaseExecutionResult result = ComputeCaseExecution(row.question());
        ASSERT_TRUE(result.Ok()) << result.Error;
        const CaseExecutionAnswer& answer = result.Answer;
        EXPECT_EQ(Written(answer.DataBase), Written(row.dataBase));
        std::vector<ProgressionStep> granted;
        std::copy_if(answer.Progressions.begin(), answer.Progressions.end(),
                     std::back_inserter(granted),
                     [](const ProgressionStep& step) { return !step.VoidedOn; });
        ASSERT_EQ(granted.size(), row.progressions.size());
        for (std::size_t i = 0; i < row.progressions.size(); ++i) {
            SCOPED_TRACE(i);
            const ProgressionStep& step = granted[i];
            EXPECT_EQ(step.To, row.progressions[i].to);
            EXPECT_EQ(step.Days, row.progressions[i].days);
            ASSERT_TRUE(step.DueFrom.has_value());
            EXPECT_EQ(Written(*step.DueFrom), Written(row.progressions[i].from));
            EXPECT_EQ(step.Reached, row.progressions[i].reached);
        }
        ASSERT_TRUE(answer.Parole.has_value());
        EXPECT_EQ(answer.Parole->Days, row.paroleDays);
        ASSERT_TRUE(answer.Parole->DueFrom.has_value());
        EXPECT_EQ(Written(*answer.Parole->DueFrom), Written(row.paroleFrom));
        EXPECT_EQ(answer.Parole->NoFaltaGraveSince.has_value(), row.noFaltaSince.has_value());
        if (row.noFaltaSince && answer.Parole->NoFaltaGraveSince) {
            EXPECT_EQ(Written(*answer.Parole->NoFaltaGraveSince), Written(*row.noFaltaSince));
        }
        ASSERT_TRUE(answer.End.has_value());
        EXPECT_EQ(Written(*answer.End), Written(row.end));
        ASSERT_EQ(answer.Alternatives.size(), row.alternatives.size());
        for (std::size_t i = 0; i < row.alternatives.size(); ++i) {
            EXPECT_EQ(answer.Alternatives[i].Option, row.alternatives[i].option);
            EXPECT_EQ(Written(answer.Alternatives[i].DueFrom), Written(row.alternatives[i].from));
        }
        const auto change =
            std::find_if(answer.DataBases.rbegin(), answer.DataBases.rend(),
                         [&](const DataBaseChange& c) { return c.Date == answer.DataBase; });
        ASSERT_NE(change, answer.DataBases.rend());
        EXPECT_EQ(change->ServedBefore, row.servedBeforeDataBase);
    }
}

} // namespace
} // namespace zarn

namespace zarn {
namespace {

// At 08/12/2026 both progressions of caso.md's example are due but none was entered: the
// regime is still the one recorded, fechado, and the text names the one they lead to.
TEST(MustShow, CurrentRegimeIsTheOneRecorded) {
    const ExecutionCase question = ExampleOfTheCaseDocument();
    const CaseExecutionResult result = ComputeCaseExecution(question);
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.Answer.CurrentRegime, Regime::Fechado);
    EXPECT_EQ(result.Answer.RegimeDue, Regime::Aberto);
    EXPECT_NE(WriteCaseExecution(result.Answer, question)
                  .find("Regime atual: fechado; pelas progress\xF5"
                        "es alcan\xE7"
                        "adas, o aberto."),
              std::string::npos);
}

} // namespace
} // namespace zarn
