// zarn-calc consequencias through the command line's entry: the answers as JSON for the
// cases the issue names, the text, and the exit code of every kind of refusal. Outputs are
// UTF-8 (non-ASCII letters written here as UTF-8 byte escapes).

#include "JsonSubset.h"
#include "ZarnCalcRun.h"
#include "cli/ZarnCalc.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

RunOutput RunConsequences(std::vector<std::string> args) {
    args.insert(args.begin(), "consequencias");
    return RunWith(args);
}

TEST(ConsequencesCommand, JsonHoldsTheAnswersOfEachCase) {
    const struct {
        std::vector<std::string> args;
        const char* json; // the keys checked
    } rows[] = {
        {{"5", "", "", "--json"},
         R"({"pena_dias": 1800, "regime": "semiaberto", "substituicao": null, "sursis": null, )"
         R"("livramento_fracao": "1/3", "livramento_dias": 600, "progressao_percentual": 16, )"
         R"("progressao_dias": 288, "prescricao_punitiva_meses": 144, )"
         R"("prescricao_executoria_meses": 144, "progressao_fracao": "16%", )"
         R"("progressao_inciso": "I", "progressao_lei": "Lei 13.964/2019", )"
         R"("livramento_vedado_por": null})"},
        {{"5", "", "", "--reincidente", "--menor21", "--json"},
         R"({"pena_dias": 1800, "regime": "fechado", "substituicao": null, "sursis": null, )"
         R"("livramento_fracao": "1/2", "livramento_dias": 900, "progressao_percentual": 20, )"
         R"("progressao_dias": 360, "prescricao_punitiva_meses": 72, )"
         R"("prescricao_executoria_meses": 96})"},
        {{"1", "6", "", "--json"},
         R"({"pena_dias": 540, "regime": "aberto", "substituicao": "uma pena restritiva de )"
         R"(direitos e multa, ou duas restritivas de direitos", "sursis": null, )"
         R"("livramento_fracao": null, "livramento_dias": null, "progressao_percentual": 16, )"
         R"("progressao_dias": 86, "prescricao_punitiva_meses": 48, )"
         R"("prescricao_executoria_meses": 48})"},
        // The paragraph 3 share as a fraction and as a number; the flags come anywhere.
        {{"--json", "--inciso", "par3", "2", "", ""},
         R"({"pena_dias": 720, "regime": "aberto", "substituicao": "uma pena restritiva de )"
         R"(direitos e multa, ou duas restritivas de direitos", "sursis": null, )"
         R"("livramento_fracao": "1/3", "livramento_dias": 240, "progressao_percentual": 12.5, )"
         R"("progressao_fracao": "1/8", "progressao_dias": 90, "prescricao_punitiva_meses": 48, )"
         R"("prescricao_executoria_meses": 48})"},
        // Sursis where substitution is barred by violence; detracao eases only the regime.
        {{"2", "", "", "--violencia", "--detracao", "10", "--json"},
         R"({"pena_dias": 720, "regime": "aberto", "substituicao": null, "sursis": )"
         R"("2 a 4 anos", "livramento_fracao": "1/3", "livramento_dias": 240, )"
         R"("progressao_percentual": 25, "progressao_dias": 180, )"
         R"("prescricao_punitiva_meses": 48, "prescricao_executoria_meses": 48})"},
        // The legal review's cases.
        {{"12", "", "", "--natureza", "milicia", "--json"},
         R"({"progressao_percentual": 50, "livramento_fracao": "1/3", "livramento_dias": 1440})"},
        {{"6", "", "", "--culposo", "--reincidente", "--json"},
         R"({"regime": "fechado", "substituicao": "uma pena restritiva de direitos e multa, ou )"
         R"(duas restritivas de direitos", "sursis": null, "livramento_fracao": "1/3", )"
         R"("livramento_dias": 720, "progressao_percentual": 20, "progressao_dias": 432, )"
         R"("prescricao_executoria_meses": 192})"},
        {{"20", "", "", "--natureza", "hediondo-morte", "--data-crime", "10/01/2019", "--json"},
         R"({"progressao_fracao": "2/5", "progressao_dias": 2880, "progressao_inciso": null, )"
         R"("progressao_lei": "Lei 11.464/2007", "livramento_fracao": "2/3", )"
         R"("livramento_dias": 4800})"},
        {{"20", "", "", "--natureza", "hediondo-morte", "--data-crime", "10/01/2021", "--json"},
         R"({"progressao_fracao": "50%", "progressao_dias": 3600, "livramento_fracao": null, )"
         R"("livramento_vedado_por": "LEP art. 112, VI, a"})"},
        {{"20", "", "", "--natureza", "hediondo-morte", "--reincidente", "--data-crime",
          "10/01/2021", "--json"},
         R"({"progressao_fracao": "50%", "livramento_fracao": "2/3"})"},
        {{"8", "", "", "--data-crime", "10/01/2019", "--json"},
         R"({"progressao_fracao": "16%", "progressao_dias": 460})"},
        {{"8", "", "", "--reincidente", "--data-crime", "10/01/2019", "--json"},
         R"({"progressao_fracao": "1/6", "progressao_percentual": 16.67, "progressao_dias": 480})"},
        {{"10", "", "", "--natureza", "hediondo", "--reincidente", "--data-crime", "10/01/2015",
          "--json"},
         R"({"progressao_fracao": "40%", "progressao_dias": 1440, "livramento_fracao": "2/3", )"
         R"("livramento_dias": 2400})"},
        {{"10", "", "", "--natureza", "hediondo", "--reincidente", "--especifico", "--data-crime",
          "10/01/2015", "--json"},
         R"({"progressao_dias": 2160, "livramento_fracao": null, )"
         R"("livramento_vedado_por": "CP art. 83, V"})"},
        {{"20", "", "", "--natureza", "feminicidio", "--tentativa", "--data-crime", "10/01/2022",
          "--json"},
         R"({"progressao_fracao": "40%", "progressao_inciso": "V", "livramento_fracao": "2/3"})"},
        {{"20", "", "", "--natureza", "feminicidio", "--data-crime", "10/01/2025", "--json"},
         R"({"progressao_fracao": "55%", "progressao_inciso": "VI-A", "livramento_fracao": null})"},
        {{"12", "", "", "--natureza", "associacao-trafico", "--json"},
         R"({"progressao_fracao": "16%", "livramento_fracao": "2/3"})"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const RunOutput run = RunConsequences(row.args);
        EXPECT_EQ(run.Code, 0);
        EXPECT_TRUE(JsonHolds(run.Out, row.json));
        EXPECT_EQ(run.Err, "");
    }
    const std::vector<std::string> keys = {"livramento_dias",
                                           "livramento_fracao",
                                           "livramento_vedado_por",
                                           "notas",
                                           "pena_dias",
                                           "prescricao_executoria_meses",
                                           "prescricao_punitiva_meses",
                                           "progressao_dias",
                                           "progressao_fracao",
                                           "progressao_inciso",
                                           "progressao_lei",
                                           "progressao_percentual",
                                           "regime",
                                           "substituicao",
                                           "sursis"};
    EXPECT_EQ(JsonKeys(RunConsequences({"5", "", "", "--json"}).Out), keys);
}

TEST(ConsequencesCommand, WithoutJsonWritesTheText) {
    const RunOutput run = RunConsequences({"5", "", "", "--detencao", "--reincidente"});
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Out.substr(0, run.Out.find('\n')), "Pena: 5 anos (1800 dias).");
    EXPECT_NE(run.Out.find("\n\nRegime inicial: semiaberto (CP art. 33, caput)."),
              std::string::npos);
    EXPECT_TRUE(run.Out.ends_with("\nConferir com o caso concreto: o c\xC3\xA1lculo n\xC3\xA3o "
                                  "substitui o exame dos requisitos subjetivos.\n"));
}

TEST(ConsequencesCommand, RefusalsGiveTheirExitCodes) {
    const struct {
        std::vector<std::string> args;
        int code;
        const char* first; // the first line of the output (input errors) or of the errors
    } rows[] = {
        {{"", "12", ""}, 1, "O n\xC3\xBAmero m\xC3\xA1ximo de meses \xC3\xA9 11."},
        {{"1", "", "30", "--json"}, 1, "O n\xC3\xBAmero m\xC3\xA1ximo de dias \xC3\xA9 29."},
        {{"", "", ""}, 1, "A pena deve ser de pelo menos 1 dia."},
        {{"1000", "", ""},
         1,
         "ANOS: o texto n\xC3\xA3o cabe no campo, que tem 3 posi\xC3\xA7\xC3\xB5"
         "es."},
        {{"1", "", "", "--detracao", "-3"},
         1,
         "Os dias de detra\xC3\xA7\xC3\xA3o n\xC3\xA3o podem ser negativos."},
        {{"3", "", "", "--inciso", "par3", "--violencia"},
         1,
         "Fatos contradit\xC3\xB3rios: \xC2\xA7 3\xC2\xBA do art. 112 da LEP (gestante, m\xC3\xA3"
         "e ou respons\xC3\xA1vel por crian\xC3\xA7"
         "a ou pessoa com defici\xC3\xAAncia) e crime com viol\xC3\xAAncia ou grave amea\xC3\xA7"
         "a \xC3\xA0 pessoa."},
        {{"3", "", "", "--especifico"},
         1,
         "Fatos contradit\xC3\xB3rios: reincidente espec\xC3\xAD"
         "fico e prim\xC3\xA1rio."},
        {{"3", "", "", "--data-crime", "31/02/2020"},
         1,
         "--data-crime: \"31/02/2020\" n\xC3\xA3o \xC3\xA9 uma data (dd/mm/aaaa)."},
        {{"3", "", "", "--natureza", "hediondos"},
         2,
         "zarn-calc: --natureza \"hediondos\" n\xC3\xA3o \xC3\xA9 uma natureza (use comum, "
         "hediondo, hediondo-morte, feminicidio, comando, milicia, trafico-privilegiado, "
         "trafico-pessoas ou associacao-trafico)."},
        {{"1", "", "", "--regime", "aberto"},
         2,
         "zarn-calc: op\xC3\xA7\xC3\xA3o desconhecida: \"--regime\"."},
        {{"1", ""}, 2, "Uso: zarn-calc pena ANOS MESES DIAS MULTA OPERACAO"},
        {{"1", "", "", ""}, 2, "Uso: zarn-calc pena ANOS MESES DIAS MULTA OPERACAO"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const RunOutput run = RunConsequences(row.args);
        EXPECT_EQ(run.Code, row.code);
        const std::string& written = row.code == 2 ? run.Err : run.Out;
        EXPECT_EQ(written.substr(0, written.find('\n')), row.first);
        EXPECT_EQ(row.code == 2 ? run.Out : run.Err, "");
    }
}

TEST(ConsequencesCommand, HelpDescribesTheCommandAndEveryFlag) {
    const RunOutput run = RunWith({"--help"});
    ASSERT_EQ(run.Code, 0);
    const std::string& help = run.Out;
    for (const char* word : {"zarn-calc consequencias ANOS MESES DIAS",
                             "--detencao",
                             "--reincidente",
                             "--desfavoraveis",
                             "--violencia",
                             "--culposo",
                             "--inciso X",
                             "--menor21",
                             "--maior70",
                             "--detracao N",
                             "--json",
                             "progressao_percentual",
                             "prescricao_executoria_meses",
                             "--natureza N",
                             "--data-crime D",
                             "--tentativa",
                             "--violencia-sexual-mulher",
                             "--especifico",
                             "--anterior-culposo",
                             "--maus-antecedentes",
                             "progressao_fracao",
                             "progressao_lei",
                             "livramento_vedado_por",
                             "notas"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

} // namespace
} // namespace zarn
