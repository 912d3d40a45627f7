#include "law/ConsequencesText.h"
#include "law/ExecutionText.h"
#include "law/LegalText.h"

#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

constexpr long long kYear = 360;
constexpr DayNumber kTenthOfJanuary2021 = 44206;

std::string ConsequencesText(long long term, const CaseFacts& facts) {
    return WriteConsequences(AnalyseConsequences(term, facts).Answers, facts);
}

bool Holds(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

bool EndsWithTheClosingLines(const std::string& text, std::string_view convention) {
    const std::string closing = std::string(convention) + " (";
    const std::size_t line = text.rfind('\n');
    return line != std::string::npos && text.substr(line + 1) == kClosingLine &&
           Holds(text.substr(text.rfind('\n', line - 1)),
                 "Conven\xE7\xE3o de contagem: " + closing);
}

TEST(AnalysisText, FiveYearsWithTheDefaultFactsWholeText) {
    EXPECT_EQ(
        ConsequencesText(5 * kYear, {}),
        "Pena: 5 anos (1800 dias).\n\n"
        "Regime inicial: semiaberto (CP art. 33, \xA7 2\xBA). Regime mais gravoso s\xF3 com "
        "fundamenta\xE7\xE3o concreta (CP art. 33, \xA7 3\xBA; S\xFAmula 440 do STJ; S\xFAmulas "
        "718 e 719 do STF): n\xE3o bastam a gravidade abstrata do crime nem ser ele hediondo.\n\n"
        "Substitui\xE7\xE3o por penas restritivas de direitos: incab\xEDvel (CP art. 44): pena "
        "acima de 4 anos em crime doloso.\n\n"
        "Suspens\xE3o condicional da pena (sursis): incab\xEDvel (CP art. 77): pena acima de 4 "
        "anos.\n\n"
        "Livramento condicional: cab\xEDvel ap\xF3s o cumprimento de mais de 1/3 da pena, 600 "
        "dias (1 ano e 8 meses) (CP art. 83, I). Requisitos que o c\xE1lculo n\xE3o verifica: bom "
        "comportamento, nenhuma falta grave nos \xFAltimos 12 meses (CP art. 83, III, b), "
        "aptid\xE3o para o trabalho e meios de subsist\xEAncia, repara\xE7\xE3o do dano (CP art. "
        "83, IV).\n\n"
        "Progress\xE3o de regime: 16% da pena, 288 dias (9 meses e 18 dias), para a primeira "
        "progress\xE3o (LEP art. 112, I, Lei 13.964/2019). Requisitos que o c\xE1lculo n\xE3o "
        "verifica: boa conduta carcer\xE1ria (LEP art. 112, \xA7 1\xBA) e o exame "
        "criminol\xF3gico (Lei 14.843/2024).\n\n"
        "Prescri\xE7\xE3o pela pena aplicada (CP art. 109), retroativa e intercorrente (CP art. "
        "110, \xA7 1\xBA): da pretens\xE3o punitiva em 12 anos; da pretens\xE3o execut\xF3ria em "
        "12 anos (CP art. 110). A multa aplicada com a pena privativa de liberdade prescreve com "
        "ela (CP art. 114). Em concurso de crimes, cada um prescreve por si (CP art. 119).\n\n"
        "Leituras e observa\xE7\xF5"
        "es:\n"
        "- Data do crime n\xE3o informada: aplicada a lei em vigor hoje.\n\n"
        "Conven\xE7\xE3o de contagem: base 360/30 (ano de 360 dias e m\xEAs de 30, cada prazo "
        "posto no calend\xE1rio pelos dias, depois os meses, depois os anos); fra\xE7\xF5"
        "es de dia desprezadas (CP art. 11).\n"
        "Conferir com o caso concreto: o c\xE1lculo n\xE3o substitui o exame dos requisitos "
        "subjetivos.");
}

// What the text must say where the rules ask for it, and only there.
TEST(AnalysisText, ConsequencesSayWhatTheFactsCallFor) {
    CaseFacts unfavourable;
    unfavourable.FavourableCircumstances = false;
    CaseFacts repeat;
    repeat.RepeatOffender = true;
    CaseFacts detencao;
    detencao.Kind = Especie::Detencao;
    CaseFacts feminicide;
    feminicide.Nature = Natureza::Feminicidio;
    CaseFacts violent;
    violent.Violence = true;
    CaseFacts young;
    young.Under21AtCrime = true;
    CaseFacts detracao;
    detracao.DetracaoDays = 45;
    struct Row {
        long long term;
        CaseFacts facts;
        std::string_view part;
        bool present;
    };
    const Row rows[] = {
        {kYear, unfavourable, "desfavor\xE1veis podem fundament\xE1-lo", true},
        {kYear,
         {},
         "Regime mais gravoso s\xF3 com fundamenta\xE7\xE3o concreta (CP art. 33, \xA7 3\xBA",
         true},
        {kYear, {}, "podem fundament", false},
        // No harsher regime above fechado, nor for detencao in semiaberto.
        {9 * kYear, {}, "Regime mais gravoso", false},
        {9 * kYear, detencao, "Regime mais gravoso", false},
        {kYear, repeat, "cab\xEDvel, a crit\xE9rio do juiz (CP art. 44, \xA7 3\xBA)", true},
        {kYear, {}, "(CP art. 44, \xA7 3\xBA)", false},
        {kYear - 1, {}, "Para crime anterior a 06/05/2010, o prazo de base \xE9 de 2 anos", true},
        {kYear, {}, "06/05/2010", false},
        {9 * kYear, detencao, "semiaberto (CP art. 33, caput)", true},
        {9 * kYear, feminicide, "Livramento condicional: vedado (LEP art. 112, VI-A).", true},
        {kYear + 180, {}, "Livramento condicional: incab\xEDvel, pena inferior a 2 anos", true},
        {2 * kYear, young, "Prazos reduzidos de metade pela idade (CP art. 115)", true},
        {2 * kYear, repeat, "(S\xFAmula 220 do STJ)", true},
        {2 * kYear, detracao, "detra\xE7\xE3o de 45 dias (CPP art. 387, \xA7 2\xBA)", true},
        {2 * kYear, {}, "prescreve com ela (CP art. 114)", true},
        // Health reasons only where substitution is not possible (art. 77 III).
        {3 * kYear,
         {},
         "sa\xFA"
         "de",
         false},
        {3 * kYear, violent,
         "Por raz\xF5"
         "es de sa\xFA"
         "de",
         true},
        {kYear,
         {},
         "para a primeira progress\xE3o (LEP art. 112, I, Lei 13.964/2019). O regime inicial "
         "j\xE1 \xE9 o aberto.",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.part));
        const std::string text = ConsequencesText(row.term, row.facts);
        EXPECT_EQ(Holds(text, row.part), row.present);
        EXPECT_TRUE(EndsWithTheClosingLines(text, "base 360/30"));
    }
}

TEST(AnalysisText, SixYearsExecutionWholeText) {
    ExecutionRequest request;
    request.TermDays = 6 * kYear;
    request.Start = kTenthOfJanuary2021;
    const ExecutionOutcome outcome = ComputeExecutionDates(request);
    ASSERT_TRUE(outcome.Ok());
    EXPECT_EQ(
        WriteExecution(outcome.Dates),
        "Execu\xE7\xE3o da pena de 6 anos a partir de 10/01/2021, no regime inicial "
        "semiaberto.\n\n"
        "Progress\xE3o para o regime aberto: 16% da pena, 345 dias (11 meses e 15 dias), a "
        "partir de 25/12/2021 (LEP art. 112, I, Lei 13.964/2019).\n\n"
        "Livramento condicional: mais de 1/3 da pena, 720 dias (2 anos), a partir de "
        "10/01/2023 (CP art. 83, I).\n\n"
        "T\xE9rmino da pena: 09/01/2027, contado o primeiro dia (CP art. 10).\n\n"
        "Leituras e observa\xE7\xF5"
        "es:\n"
        "- Data do crime n\xE3o informada: aplicada a lei em vigor hoje.\n\n"
        "Conven\xE7\xE3o de contagem: base 360/30 (ano de 360 dias e m\xEAs de 30, cada prazo "
        "posto no calend\xE1rio pelos dias, depois os meses, depois os anos); fra\xE7\xF5"
        "es de dia desprezadas (CP art. 11).\n"
        "Conferir com o caso concreto: o c\xE1lculo n\xE3o substitui o exame dos requisitos "
        "subjetivos.");
}

TEST(AnalysisText, ExecutionNamesItsConventionDeductionsAndEachDate) {
    struct Row {
        CountingConvention convention;
        Regime regime;
        long long detracao;
        long long remicao;
        std::vector<std::string_view> parts;
    };
    const Row rows[] = {
        {CountingConvention::CalendarDays,
         Regime::Fechado,
         30,
         15,
         {"Tempo j\xE1 cumprido, descontado do prazo de cada benef\xED"
          "cio e do t\xE9rmino: detra\xE7\xE3o de 30 dias (CP art. 42) e remi\xE7\xE3o de 15 dias "
          "(LEP arts. 126 a 128).",
          "Progress\xE3o para o regime semiaberto: 16% da pena, 350 dias do calend\xE1rio; "
          "descontadas detra\xE7\xE3o e remi\xE7\xE3o, 305 dias do calend\xE1rio, a partir de "
          "11/11/2021",
          "Progress\xE3o para o regime aberto: 16% do restante da pena, 294 dias do calend\xE1rio, "
          "a partir de 01/09/2022",
          // The whole term laid on the calendar, less a day, then 45 days earlier.
          "T\xE9rmino da pena: 25/11/2026"}},
        {CountingConvention::Base360,
         Regime::Aberto,
         0,
         1,
         {"remi\xE7\xE3o de 1 dia (LEP arts. 126 a 128).", "n\xE3o h\xE1 progress\xE3o",
          "; descontadas detra\xE7\xE3o e remi\xE7\xE3o, 719 dias (1 ano, 11 meses e 29 dias), a "
          "partir de 08/01/2023"}},
    };
    for (const Row& row : rows) {
        ExecutionRequest request;
        request.TermDays = 6 * kYear;
        request.Start = kTenthOfJanuary2021;
        request.Convention = row.convention;
        request.InitialRegime = row.regime;
        request.Facts.DetracaoDays = row.detracao;
        request.RemicaoDays = row.remicao;
        const ExecutionOutcome outcome = ComputeExecutionDates(request);
        ASSERT_TRUE(outcome.Ok());
        const std::string text = WriteExecution(outcome.Dates);
        for (const std::string_view part : row.parts) {
            EXPECT_TRUE(Holds(text, part)) << part;
        }
        EXPECT_TRUE(EndsWithTheClosingLines(text, ConventionName(row.convention)));
    }
}

} // namespace
} // namespace zarn
