// zarn-calc execucao through the command line's entry: the dates as JSON for the cases the
// issue names, each convention, a fechado start, dates near the calendar's limits, the text,
// and the exit code of every kind of refusal. Outputs are UTF-8 (non-ASCII letters written
// here as UTF-8 byte escapes).

#include "JsonSubset.h"
#include "ZarnCalcRun.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

RunOutput RunExecution(std::vector<std::string> args) {
    args.insert(args.begin(), "execucao");
    return RunWith(args);
}

std::string Dates(const std::string& convention, const std::string& progressions,
                  const std::string& parole, const std::string& end) {
    return R"({"convencao": ")" + convention + R"(", "progressoes": [)" + progressions +
           R"(], "livramento": )" + parole + R"(, "termino": ")" + end + "\"}";
}

std::string Progression(const std::string& regime, long long days, const std::string& from) {
    return R"({"regime": ")" + regime + R"(", "dias": )" + std::to_string(days) +
           R"(, "a_partir_de": ")" + from + "\"}";
}

std::string Parole(const std::string& share, long long days, const std::string& from) {
    return R"({"fracao": ")" + share + R"(", "dias": )" + std::to_string(days) +
           R"(, "a_partir_de": ")" + from + "\"}";
}

TEST(ExecutionCommand, JsonHoldsTheDatesOfEachCase) {
    const struct {
        std::vector<std::string> args;
        std::string json;
    } rows[] = {
        // First offence without violence, semiaberto: 345 days are 11 months and 15 days.
        {{"6", "", "", "10/01/2021", "--json"},
         Dates("360/30", Progression("aberto", 345, "25/12/2021"), Parole("1/3", 720, "10/01/2023"),
               "09/01/2027")},
        // Every span 45 days shorter; the days of the fractions stay.
        {{"6", "", "", "10/01/2021", "--detracao", "30", "--remicao", "15", "--json"},
         Dates("360/30", Progression("aberto", 345, "10/11/2021"), Parole("1/3", 720, "25/11/2022"),
               "24/11/2026")},
        // From fechado: the second progression takes 16% of the 1815 days left.
        {{"--json", "--regime", "fechado", "6", "", "", "10012021"},
         Dates("360/30",
               Progression("semiaberto", 345, "25/12/2021") + ", " +
                   Progression("aberto", 290, "14/10/2022"),
               Parole("1/3", 720, "10/01/2023"), "09/01/2027")},
        // In calendar days: 2191 days from 10/01/2021 to 09/01/2027; the end stays.
        {{"6", "", "", "10/01/2021", "--contagem", "calendario", "--json"},
         Dates("calendario", Progression("aberto", 350, "26/12/2021"),
               Parole("1/3", 730, "10/01/2023"), "09/01/2027")},
        // A repeat offender above 8 years: fechado, 20%, parole at a half.
        {{"9", "", "", "10/01/2021", "--reincidente", "--json"},
         Dates("360/30",
               Progression("semiaberto", 648, "28/10/2022") + ", " +
                   Progression("aberto", 518, "05/04/2024"),
               Parole("1/2", 1620, "10/07/2025"), "09/01/2030")},
        // Aberto from the start, under two years: no progression, no parole.
        {{"1", "6", "", "10/01/2021", "--json"}, Dates("360/30", "", "null", "09/07/2022")},
        // Near the calendar's limits.
        {{"9", "", "", "31/12/9990", "--json"},
         Dates("360/30",
               Progression("semiaberto", 518, "08/06/9992") + ", " +
                   Progression("aberto", 435, "23/08/9993"),
               Parole("1/3", 1080, "31/12/9993"), "30/12/9999")},
        {{"", "", "1", "01/01/0001", "--json"}, Dates("360/30", "", "null", "01/01/0001")},
        // The legal review's cases: the cap of art. 75, a term served whole by detracao, the
        // end laid in calendar days.
        {{"50", "", "", "10/01/2021", "--data-crime", "10/01/2021", "--json"},
         R"({"termino": "09/01/2061", "termino_pena_total": "09/01/2071", )"
         R"("art75_limite_anos": 40, "integralmente_cumprida": false})"},
        {{"50", "", "", "10/01/2021", "--data-crime", "10/01/2019", "--json"},
         R"({"termino": "09/01/2051", "art75_limite_anos": 30})"},
        {{"6", "", "", "10/01/2021", "--detracao", "3000", "--json"},
         R"({"integralmente_cumprida": true, "progressoes": [], "livramento": null, )"
         R"("termino": null, "termino_pena_total": null})"},
        {{"12", "", "", "10/01/2021", "--detracao", "100", "--contagem", "calendario", "--json"},
         R"({"termino": "01/10/2032"})"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const RunOutput run = RunExecution(row.args);
        EXPECT_EQ(run.Code, 0);
        EXPECT_TRUE(JsonHolds(run.Out, row.json));
        EXPECT_EQ(run.Err, "");
    }
}

TEST(ExecutionCommand, TextNamesEachDateTheConventionAndTheClosingLine) {
    const RunOutput run = RunExecution({"6", "", "", "10/01/2021"});
    EXPECT_EQ(run.Code, 0);
    for (const char* part :
         {"a partir de 25/12/2021 (LEP art. 112, I, Lei 13.964/2019).",
          "a partir de 10/01/2023 (CP art. 83, I).", "T\xC3\xA9rmino da pena: 09/01/2027",
          "base 360/30",
          "Conferir com o caso concreto: o c\xC3\xA1lculo n\xC3\xA3o substitui o exame dos "
          "requisitos subjetivos.\n"}) {
        EXPECT_NE(run.Out.find(part), std::string::npos) << part;
    }
}

TEST(ExecutionCommand, RefusalsGiveTheirMessageAndExitCode) {
    const std::string unreadable =
        "Data de in\xC3\xAD"
        "cio inv\xC3\xA1lida: digite dia, m\xC3\xAAs e ano (dd/mm/aaaa).\n";
    const std::string outside =
        "Data fora do calend\xC3\xA1rio: as datas v\xC3\xA3o de 01/01/0001 a 31/12/9999.\n";
    const struct {
        std::vector<std::string> args;
        int code;
        std::string out; // the message; for a usage error, the first line on standard error
    } rows[] = {
        {{"6", "", "", "31/02/2021"}, 1, unreadable},
        {{"6", "", "", "01/05/2 08"}, 1, unreadable},
        {{"6", "", "", ""}, 1, unreadable},
        {{"6", "", "", "01/01/9995"}, 1, outside},
        {{"1", "", "", "31/12/9999"}, 1, outside},
        {{"6", "", "", "ab/01/2021"}, 1, "INICIO: o campo n\xC3\xA3o aceita o caractere \"a\".\n"},
        {{"6", "13", "", "10/01/2021"}, 1, "O n\xC3\xBAmero m\xC3\xA1ximo de meses \xC3\xA9 11.\n"},
        {{"", "", "", "10/01/2021"}, 1, "A pena deve ser de pelo menos 1 dia.\n"},
        {{"6", "", "", "10/01/2021", "--remicao", "1,5"},
         1,
         "--remicao: \"1,5\" n\xC3\xA3o \xC3\xA9 um n\xC3\xBAmero inteiro de dias.\n"},
        {{"6", "", "", "10/01/2021", "--remicao", "-5"},
         1,
         "Os dias de remi\xC3\xA7\xC3\xA3o n\xC3\xA3o podem ser negativos.\n"},
        {{"6", "", "", "10/01/2021", "--remicao", "99999999999999999999"},
         1,
         "Os dias de remi\xC3\xA7\xC3\xA3o passam do limite do c\xC3\xA1lculo.\n"},
        {{"6", "", "", "10/01/2021", "--regime", "preso"},
         2,
         "zarn-calc: --regime \"preso\" n\xC3\xA3o \xC3\xA9 um regime (use fechado, semiaberto "
         "ou aberto).\n"},
        {{"6", "", "", "10/01/2021", "--contagem", "365"},
         2,
         "zarn-calc: --contagem \"365\" n\xC3\xA3o \xC3\xA9 uma contagem (use 360 ou "
         "calendario).\n"},
        {{"6", "", "", "10/01/2021", "--remicao"}, 2, "zarn-calc: falta o valor de --remicao.\n"},
        {{"6", "", "", "10/01/2021", "--semiaberto"},
         2,
         "zarn-calc: op\xC3\xA7\xC3\xA3o desconhecida: \"--semiaberto\".\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const RunOutput run = RunExecution(row.args);
        EXPECT_EQ(run.Code, row.code);
        const std::string& shown = row.code == 2 ? run.Err : run.Out;
        EXPECT_EQ(shown.substr(0, shown.find('\n') + 1), row.out);
    }
    // Without its four arguments the command is not used as it is written.
    EXPECT_EQ(RunExecution({"6", "", ""}).Code, 2);
    EXPECT_EQ(RunExecution({"6", "", "", "10/01/2021", "x"}).Code, 2);
}

// The command's own paragraph of --help names its flags, those of the facts among them.
TEST(ExecutionCommand, HelpParagraphNamesEveryFlag) {
    const RunOutput run = RunWith({"--help"});
    ASSERT_EQ(run.Code, 0);
    const std::size_t start = run.Out.find("\n  execucao ");
    ASSERT_NE(start, std::string::npos);
    const std::string paragraph = run.Out.substr(start, run.Out.find("\n  --", start) - start);
    for (const char* flag : {"--regime R", "--remicao N", "--contagem C", "--json", "--detracao N",
                             "--inciso X", "--reincidente", "a_partir_de", "termino"}) {
        EXPECT_NE(paragraph.find(flag), std::string::npos) << flag;
    }
    EXPECT_NE(run.Out.find("zarn-calc execucao ANOS MESES DIAS INICIO"), std::string::npos);
}

} // namespace
} // namespace zarn
