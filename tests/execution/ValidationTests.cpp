#include "ExecutionCaseBuilder.h"
#include "execution/CaseExecution.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace zarn {
namespace {

using namespace zarn::testing;

struct Refusal {
    const char* name;
    std::function<void(ExecutionCase&)> change;
    const char* message; // the start of the message: the place and what is wrong
};

ExecutionCase Valid() {
    ExecutionCase question = SixYearsFromTenthOfJanuary2021();
    question.Periods = {Serving(Date(2021, 1, 10), Date(2022, 2, 14)), Serving(Date(2022, 6, 1))};
    question.Events = {RemicaoDays(Date(2021, 10, 1), 30),
                       Event(EventKind::Fuga, Date(2022, 2, 14))};
    return question;
}

// Each fault is refused with its place, whatever else the case holds.
TEST(Validation, EachFaultIsRefusedNamingItsPlace) {
    const double notADate = std::numeric_limits<double>::quiet_NaN();
    const Refusal refusals[] = {
        {"NoConviction", [](ExecutionCase& q) { q.Convictions.clear(); },
         "condenacoes: informe ao menos uma condena\xE7\xE3o."},
        {"NoPeriod", [](ExecutionCase& q) { q.Periods.clear(); }, "periodos: informe"},
        {"TermOfNoDays", [](ExecutionCase& q) { q.Convictions[0].TermDays = 0; },
         "condenacoes[0].pena: a pena deve ser de pelo menos 1 dia."},
        {"TermBeyondTheCalendar",
         [](ExecutionCase& q) { q.Convictions[0].TermDays = 10000 * kYear; },
         "condenacoes[0].pena: a pena passa do limite"},
        {"SumBeyondTheCalendar",
         [](ExecutionCase& q) {
             q.Convictions[0].TermDays = 5000 * kYear;
             q.Convictions.push_back(Convicted("2", 5000 * kYear, CrimeOn(Date(2021, 1, 10))));
         },
         "condenacoes: a soma das penas passa do limite"},
        {"NegativeDayFines", [](ExecutionCase& q) { q.Convictions[0].DiasMulta = -1; },
         "condenacoes[0].dias_multa: n\xE3o pode ser negativo."},
        {"ContradictoryFacts",
         [](ExecutionCase& q) { q.Convictions[0].Facts.SpecificRepeatOffender = true; },
         "condenacoes[0].fatos: Fatos contradit\xF3rios"},
        {"CrimeDateNotADate",
         [notADate](ExecutionCase& q) { q.Convictions[0].Facts.CrimeDate = notADate; },
         "condenacoes[0].data_crime: data fora do calend\xE1rio"},
        {"TransitoAfterTheCalculation",
         [](ExecutionCase& q) { q.Convictions[0].TransitoEmJulgado = Date(2030, 1, 1); },
         "condenacoes[0].transito_em_julgado: posterior \xE0 data do c\xE1lculo (01/01/2025)."},
        {"CrimeWhileServingWithoutDate",
         [](ExecutionCase& q) {
             q.Convictions.push_back(Convicted("2", kYear, CaseFacts{}));
             q.Convictions[1].DuringExecution = true;
         },
         "condenacoes[1].data_crime: informe a data do crime"},
        {"CrimeWhileServingBeforeServing",
         [](ExecutionCase& q) {
             q.Convictions.push_back(Convicted("2", kYear, CrimeOn(Date(2020, 1, 1))));
             q.Convictions[1].DuringExecution = true;
         },
         "condenacoes[1].data_crime: o crime cometido durante a execu\xE7\xE3o n\xE3o pode ser "
         "anterior ao primeiro dia de cumprimento (10/01/2021)."},
        {"EveryCrimeWhileServing",
         [](ExecutionCase& q) { q.Convictions[0].DuringExecution = true; },
         "condenacoes: ao menos uma condena\xE7\xE3o deve ser anterior"},
        {"PeriodEndsBeforeItStarts",
         [](ExecutionCase& q) { q.Periods[0].End = Date(2020, 12, 31); },
         "periodos[0]: termina antes de come\xE7"
         "ar (10/01/2021): fim em 31/12/2020."},
        {"OverlappingPeriods", [](ExecutionCase& q) { q.Periods[1].Start = Date(2022, 2, 14); },
         "periodos[0] e periodos[1]: se sobrep\xF5"
         "em a partir de 14/02/2022."},
        {"TwoOpenPeriods", [](ExecutionCase& q) { q.Periods[0].End.reset(); },
         "periodos[0] e periodos[1]: se sobrep\xF5"
         "em"},
        {"PeriodAfterTheCalculation",
         [](ExecutionCase& q) { q.Periods[1].Start = Date(2025, 2, 1); },
         "periodos[1].inicio: posterior \xE0 data do c\xE1lculo (01/01/2025)."},
        {"ClosedPeriodEndingAfterTheCalculation",
         [](ExecutionCase& q) { q.Periods[1].End = Date(2025, 2, 1); },
         "periodos[1].fim: posterior \xE0 data do c\xE1lculo (01/01/2025); deixe o fim vazio"},
        {"EscapeInsideAPeriod", [](ExecutionCase& q) { q.Events[1].Date = Date(2022, 2, 1); },
         "eventos[1]: fuga em 01/02/2022, mas periodos[0] segue at\xE9 14/02/2022"},
        {"EscapeWhileAnOpenPeriodRuns",
         [](ExecutionCase& q) { q.Events[1].Date = Date(2023, 2, 1); },
         "eventos[1]: fuga em 01/02/2023, mas periodos[1] segue em aberto"},
        {"EventBeforeServing", [](ExecutionCase& q) { q.Events[0].Date = Date(2020, 1, 1); },
         "eventos[0].data: anterior ao primeiro dia de cumprimento (10/01/2021)."},
        {"EventAfterTheCalculation", [](ExecutionCase& q) { q.Events[0].Date = Date(2026, 1, 1); },
         "eventos[0].data: posterior \xE0 data do c\xE1lculo"},
        {"EventDateNotADate", [notADate](ExecutionCase& q) { q.Events[0].Date = notADate; },
         "eventos[0].data: data fora do calend\xE1rio"},
        {"RemicaoOfTwoKinds", [](ExecutionCase& q) { q.Events[0].WorkDays = 3; },
         "eventos[0]: informe s\xF3 um de"},
        {"RemicaoOfNothing", [](ExecutionCase& q) { q.Events[0].Days.reset(); },
         "eventos[0]: informe dias, trabalho_dias"},
        {"NegativeRemicao", [](ExecutionCase& q) { q.Events[0].Days = -3; },
         "eventos[0].dias: n\xE3o pode ser negativo."},
        {"LevelWithoutStudy", [](ExecutionCase& q) { q.Events[0].LevelCompleted = true; },
         "eventos[0].conclusao: s\xF3 cabe com estudo_horas."},
        {"RemicaoLostAboveAThird",
         [](ExecutionCase& q) { q.Events.push_back(Falta(Date(2021, 11, 1), 11)); },
         "eventos[2].remicao_perdida: a perda de 11 dias passa de um ter\xE7o da remi\xE7\xE3o "
         "concedida antes da falta, descontadas as perdas anteriores (30 dias; LEP art. 127)."},
        {"RemicaoLostAtAnEscape", [](ExecutionCase& q) { q.Events[1].RemicaoLost = 5; },
         "eventos[1].remicao_perdida: s\xF3 a falta grave"},
        {"HoursWithoutNightConfinement", [](ExecutionCase& q) { q.Events[1].Hours = 5; },
         "eventos[1].horas: s\xF3 cabe"},
        {"NightConfinementWithoutHours",
         [](ExecutionCase& q) {
             q.Events.push_back(Event(EventKind::RecolhimentoNoturno, Date(2021, 2, 1)));
         },
         "eventos[2].horas: informe as horas"},
        {"ProgressionWithoutRegime",
         [](ExecutionCase& q) {
             q.Events.push_back(Event(EventKind::Progressao, Date(2021, 2, 1)));
         },
         "eventos[2].regime: informe o regime."},
        {"ProgressionToFechado",
         [](ExecutionCase& q) {
             q.Events.push_back(
                 RegimeEvent(EventKind::Progressao, Date(2021, 2, 1), Regime::Fechado));
         },
         "eventos[2].regime: n\xE3o h\xE1 progress\xE3o para o regime fechado."},
        {"RegressionToAberto",
         [](ExecutionCase& q) {
             q.Events.push_back(
                 RegimeEvent(EventKind::Regressao, Date(2021, 2, 1), Regime::Aberto));
         },
         "eventos[2].regime: n\xE3o h\xE1 regress\xE3o para o regime aberto."},
        {"ProgressionSkippingARegime",
         [](ExecutionCase& q) {
             q.InitialRegime = Regime::Fechado;
             q.Events.push_back(
                 RegimeEvent(EventKind::Progressao, Date(2021, 2, 1), Regime::Aberto));
         },
         "eventos[2].regime: a progress\xE3o n\xE3o salta regime (S\xFAmula 491 do STJ): do "
         "regime fechado, a seguinte \xE9 para o semiaberto."},
        {"RegressionToAMilderRegime",
         [](ExecutionCase& q) {
             q.InitialRegime = Regime::Fechado;
             q.Events.push_back(
                 RegimeEvent(EventKind::Regressao, Date(2021, 2, 1), Regime::Semiaberto));
         },
         "eventos[2].regime: a regress\xE3o n\xE3o vai para regime mais brando que o atual, "
         "fechado."},
        {"CalculationDateNotADate", [notADate](ExecutionCase& q) { q.CalculationDate = notADate; },
         "data_calculo: data fora do calend\xE1rio"},
    };
    ASSERT_TRUE(ComputeCaseExecution(Valid()).Ok()) << ComputeCaseExecution(Valid()).Error;
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        ExecutionCase question = Valid();
        refusal.change(question);
        const CaseExecutionResult result = ComputeCaseExecution(question);
        EXPECT_EQ(result.Error.substr(0, std::string(refusal.message).size()), refusal.message)
            << result.Error;
    }
}

// A third of the remicao granted before the falta, less what earlier faltas took, may go.
TEST(Validation, RemicaoLostUpToAThirdOfWhatRemains) {
    struct Row {
        long long firstLoss;
        long long secondLoss;
        bool accepted;
    };
    // 30 days granted; a falta may take 10; a later one a third of the 20 left, 6.
    const Row rows[] = {
        {10, 0, true}, {10, 6, true}, {10, 7, false}, {11, 0, false}, {0, 10, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.firstLoss << " then " << row.secondLoss);
        ExecutionCase question = SixYearsFromTenthOfJanuary2021();
        question.Events = {RemicaoDays(Date(2021, 3, 1), 30),
                           Falta(Date(2021, 6, 1), row.firstLoss),
                           Falta(Date(2021, 9, 1), row.secondLoss)};
        const CaseExecutionResult result = ComputeCaseExecution(question);
        EXPECT_EQ(result.Ok(), row.accepted) << result.Error;
        if (result.Ok()) {
            EXPECT_EQ(result.Answer.RemicaoDays, 30 - row.firstLoss - row.secondLoss);
        }
    }
}

} // namespace
} // namespace zarn
