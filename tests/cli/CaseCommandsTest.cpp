// zarn-calc execucao, prescricao and dosimetria through the command line's entry, on case
// documents:
// the worked examples (the fuzz target's seed documents), each key checked in the JSON, the
// text with and without numbers in words, standard input, and every kind of refusal: exit 1,
// the message on standard error naming the file and the place, nothing on standard output.
// Outputs are UTF-8 (non-ASCII letters written here as UTF-8 byte escapes).

#include "JsonSubset.h"
#include "ZarnCalcRun.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zarn {
namespace {

namespace fs = std::filesystem;

std::string Seed(const std::string& name) {
    return std::string(ZARN_CASO_SEEDS) + "/" + name;
}

std::string SeedText(const std::string& name) {
    std::ifstream in(Seed(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A file of the test's own, removed at the end.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& text)
        : m_path(fs::temp_directory_path() /
                 ("zarn-caso-" + std::to_string(std::random_device{}()) + ".zarn")) {
        std::ofstream(m_path, std::ios::binary) << text;
    }
    ~ScratchFile() { fs::remove(m_path); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    std::string Path() const { return m_path.string(); }

private:
    fs::path m_path;
};

// The keys of an object as written, in their order.
std::vector<std::string> KeysInOrder(const std::string& written) {
    std::vector<std::string> keys;
    const nlohmann::ordered_json object = nlohmann::ordered_json::parse(written);
    for (const auto& [key, value] : object.items()) {
        keys.push_back(key);
    }
    return keys;
}

// The analysis of a kind of the first crime, from the prescription's JSON.
std::string AnalysisOfKind(const std::string& json, const std::string& kind) {
    const nlohmann::json answer = nlohmann::json::parse(json);
    for (const nlohmann::json& analysis : answer.at("crimes").at(0).at("analises")) {
        if (analysis.at("tipo") == kind) {
            return analysis.dump();
        }
    }
    return "{}";
}

TEST(PrescriptionCommand, TheWorkedExamplesThroughDocuments) {
    const struct {
        std::string seed;
        std::string kind;
        std::string analysis;
    } rows[] = {
        // Under 21 on the day of the crime: 20 years halved, from the confirming decision.
        {"abstrata-prescrita.zarn", "abstrata",
         R"({"pena_dias": 10800, "prazo": {"anos": 10, "meses": 0},
             "prescrita_em": "11/12/2024", "prescreve_em": null})"},
        // 2 years and 6 months: 8 years from the acórdão that interrupted...
        {"intercorrente-acordao-interrompe.zarn", "intercorrente",
         R"({"pena_dias": 900, "prazo": {"anos": 8, "meses": 0}, "prescrita_em": "09/10/2023"})"},
        // ... or from the sentence, when a confirming acórdão does not interrupt.
        {"intercorrente-acordao-nao-interrompe.zarn", "intercorrente",
         R"({"prescrita_em": "19/09/2018",
             "intervalos": [{"de": "20/09/2010", "ate": "08/12/2026", "anos": 16, "meses": 2,
                             "dias": 19, "suspenso_dias": 0, "atingido": true}]})"},
    };
    for (const auto& row : rows) {
        const RunOutput run = RunWith({"prescricao", "--caso", Seed(row.seed), "--json"});
        ASSERT_EQ(run.Code, 0) << row.seed << ": " << run.Err;
        EXPECT_TRUE(JsonHolds(run.Out, R"({"data_calculo": "08/12/2026"})")) << row.seed;
        EXPECT_TRUE(JsonHolds(AnalysisOfKind(run.Out, row.kind), row.analysis)) << row.seed;
    }
}

TEST(PrescriptionCommand, JsonKeysAndTextFromStandardInput) {
    const RunOutput json =
        RunWith({"prescricao", "--json", "--caso", "-"}, SeedText("abstrata-prescrita.zarn"));
    ASSERT_EQ(json.Code, 0) << json.Err;
    EXPECT_EQ(KeysInOrder(json.Out), (std::vector<std::string>{"data_calculo", "crimes"}));
    const nlohmann::ordered_json crime = nlohmann::ordered_json::parse(json.Out).at("crimes").at(0);
    EXPECT_EQ(crime.at("descricao"), "homic\xC3\xAD"
                                     "dio qualificado");
    EXPECT_EQ(KeysInOrder(crime.at("analises").at(0).dump()),
              (std::vector<std::string>{"tipo", "pena_dias", "prazo", "intervalos", "prescrita_em",
                                        "prescreve_em", "notas"}));
    EXPECT_EQ(crime.at("analises").at(0).at("intervalos").size(), 4u);

    const RunOutput text =
        RunWith({"prescricao", "--caso", "-"}, SeedText("abstrata-prescrita.zarn"));
    ASSERT_EQ(text.Code, 0) << text.Err;
    EXPECT_NE(text.Out.find("Resultado: prescrita em 11/12/2024.\n"), std::string::npos);
    EXPECT_TRUE(text.Out.ends_with("requisitos subjetivos.\n")) << text.Out;
    EXPECT_TRUE(text.Err.empty());
}

TEST(SentencingCommand, TheWorkedExamplesThroughDocuments) {
    const RunOutput homicide =
        RunWith({"dosimetria", "--caso", Seed("homicidio-tentado.zarn"), "--json"});
    ASSERT_EQ(homicide.Code, 0) << homicide.Err;
    EXPECT_EQ(KeysInOrder(homicide.Out),
              (std::vector<std::string>{"crimes", "concurso", "pena_final", "notas"}));
    const nlohmann::json answer = nlohmann::json::parse(homicide.Out);
    EXPECT_TRUE(JsonHolds(answer.at("crimes").at(0).dump(), R"({
        "pena_base": {"anos": 9, "meses": 6, "dias": 0, "dias_multa": 96},
        "pena_provisoria": {"anos": 11, "meses": 1, "dias": 0, "dias_multa": 112},
        "pena_definitiva": {"anos": 7, "meses": 4, "dias": 20, "dias_multa": 74}})"));
    EXPECT_TRUE(JsonHolds(homicide.Out, R"({"concurso": null,
        "pena_final": {"anos": 7, "meses": 4, "dias": 20, "dias_multa": 74}})"));
    EXPECT_EQ(answer.at("crimes").at(0).at("passos").back(),
              "causa de diminui\xC3\xA7\xC3\xA3o tentativa, diminui\xC3\xA7\xC3\xA3o de 1/3: "
              "7 anos, 4 meses e 20 dias, e 74 dias-multa");

    const RunOutput continued =
        RunWith({"dosimetria", "--json", "--caso", Seed("continuado-tres-crimes.zarn")});
    ASSERT_EQ(continued.Code, 0) << continued.Err;
    EXPECT_TRUE(JsonHolds(continued.Out, R"({
        "concurso": {"tipo": "continuado", "fracao": "1/5",
                     "pena": {"anos": 3, "meses": 7, "dias": 6, "dias_multa": 18}},
        "pena_final": {"anos": 3, "meses": 7, "dias": 6, "dias_multa": 18}})"));
}

TEST(SentencingCommand, TextWithNumbersInWords) {
    const std::string file = Seed("homicidio-tentado.zarn");
    const RunOutput plain = RunWith({"dosimetria", "--caso", file});
    ASSERT_EQ(plain.Code, 0) << plain.Err;
    EXPECT_NE(plain.Out.find("Pena final: 7 anos, 4 meses e 20 dias, e 74 dias-multa.\n"),
              std::string::npos)
        << plain.Out;
    const RunOutput inWords = RunWith({"dosimetria", "--extenso", "--caso", file});
    ASSERT_EQ(inWords.Code, 0) << inWords.Err;
    EXPECT_NE(inWords.Out.find("Pena final: 7 (sete) anos, 4 (quatro) meses e 20 (vinte) dias, e "
                               "74 (setenta e quatro) dias-multa.\n"),
              std::string::npos)
        << inWords.Out;
}

// The JSON of execucao --caso for a seed document.
nlohmann::json ExecutionOf(const std::string& seed) {
    const RunOutput run = RunWith({"execucao", "--caso", Seed(seed), "--json"});
    EXPECT_EQ(run.Code, 0) << seed << ": " << run.Err;
    EXPECT_TRUE(run.Err.empty()) << run.Err;
    return nlohmann::json::parse(run.Out, nullptr, false);
}

TEST(ExecutionCaseCommand, OneConvictionGivesTheDatesOfTheSingleTerm) {
    const RunOutput run =
        RunWith({"execucao", "--caso", Seed("execucao-seis-anos.zarn"), "--json"});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(
        KeysInOrder(run.Out),
        (std::vector<std::string>{
            "convencao", "data_calculo", "pena_total_dias", "cumprido_dias", "remicao_dias",
            "restante_dias", "regime_atual", "data_base", "data_base_motivo", "progressoes",
            "livramento", "livramento_vedado_por", "termino", "termino_pena_total",
            "art75_limite_anos", "integralmente_cumprida", "imputacao", "alternativas", "notas"}));
    // The single-term tool, computed by the law library, gives the same dates.
    const RunOutput single = RunWith({"execucao", "6", "", "", "10/01/2021", "--json"});
    ASSERT_EQ(single.Code, 0) << single.Err;
    const nlohmann::json one = nlohmann::json::parse(single.Out);
    const nlohmann::json several = nlohmann::json::parse(run.Out);
    for (const std::string key : {"convencao", "termino", "termino_pena_total", "art75_limite_anos",
                                  "integralmente_cumprida"}) {
        EXPECT_EQ(several.at(key), one.at(key)) << key;
    }
    ASSERT_EQ(several.at("progressoes").size(), one.at("progressoes").size());
    for (std::size_t i = 0; i < one.at("progressoes").size(); ++i) {
        for (const std::string key : {"regime", "dias", "a_partir_de"}) {
            EXPECT_EQ(several.at("progressoes").at(i).at(key), one.at("progressoes").at(i).at(key))
                << key;
        }
    }
    for (const std::string key : {"dias", "a_partir_de"}) {
        EXPECT_EQ(several.at("livramento").at(key), one.at("livramento").at(key)) << key;
    }
    EXPECT_TRUE(JsonHolds(run.Out, R"({"data_calculo": "01/01/2025",
        "progressoes": [{"regime": "aberto", "dias": 345, "a_partir_de": "25/12/2021",
                         "alcancada": true}],
        "livramento": {"dias": 720, "a_partir_de": "10/01/2023", "sem_falta_grave_desde": null},
        "termino": "09/01/2027", "pena_total_dias": 2160, "restante_dias": 727,
        "cumprido_dias": 1433, "data_base": "10/01/2021", "livramento_vedado_por": [],
        "imputacao": [{"processo": "0001", "imputado_dias": 1433, "restante_dias": 727}],
        "alternativas": []})"));
}

TEST(ExecutionCaseCommand, TheWorkedExamplesThroughDocuments) {
    const struct {
        std::string seed;
        std::string json;
    } rows[] = {
        // A falta grave restarts the progression from its date, not parole.
        {"execucao-falta-grave.zarn",
         R"({"data_base": "01/06/2021",
             "progressoes": [{"regime": "aberto", "dias": 322, "a_partir_de": "23/04/2022",
                              "alcancada": true}],
             "livramento": {"dias": 720, "a_partir_de": "10/01/2023",
                            "sem_falta_grave_desde": "01/06/2022"},
             "termino": "09/01/2027"})"},
        // caso.md's example without its remição: no progression is recorded, so the regime is
        // still fechado; other orders of imputation bring the second progression earlier.
        {"execucao-exemplo-sem-remicao.zarn",
         R"({"data_calculo": "08/12/2026", "regime_atual": "fechado",
             "progressoes": [{"regime": "semiaberto", "dias": 1065, "a_partir_de": "25/12/2023",
                              "alcancada": true},
                             {"regime": "aberto", "dias": 895, "a_partir_de": "19/06/2026",
                              "alcancada": true}],
             "alternativas": [{"imputacao": "gravidade", "a_partir_de": "03/10/2025"},
                              {"imputacao": "proporcional", "a_partir_de": "22/02/2026"}],
             "livramento": {"dias": 1920, "a_partir_de": "10/05/2026",
                            "sem_falta_grave_desde": null},
             "termino": "09/01/2032", "pena_total_dias": 3960})"},
        // An escape ends the first period; the remição granted before it counts.
        {"execucao-fuga-e-recaptura.zarn",
         R"({"data_base": "14/02/2022", "remicao_dias": 30,
             "progressoes": [{"regime": "aberto", "dias": 277, "a_partir_de": "07/03/2023",
                              "alcancada": true}],
             "livramento": {"dias": 720, "a_partir_de": "26/03/2023",
                            "sem_falta_grave_desde": "14/02/2023"},
             "termino": "25/03/2027"})"},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(JsonHolds(ExecutionOf(row.seed).dump(), row.json)) << row.seed;
    }
}

// A hediondo crime with death by a first offender, after 23/01/2020, bars its parole: its whole
// term joins the requirement (12 years and a third of 3), or the bar reaches the whole sum.
TEST(ExecutionCaseCommand, AConvictionWhoseParoleIsBarred) {
    EXPECT_TRUE(JsonHolds(ExecutionOf("execucao-livramento-vedado.zarn").dump(), R"({
        "livramento": {"dias": 4680, "a_partir_de": "10/03/2033", "sem_falta_grave_desde": null},
        "livramento_vedado_por": [{"processo": "A", "artigo": "LEP art. 112, VI, a"}]})"));
    std::string joint = SeedText("execucao-livramento-vedado.zarn");
    joint.replace(joint.find(R"("condenacoes")"), 0,
                  R"("opcoes": {"livramento_vedado": "conjunto"}, )");
    const RunOutput run = RunWith({"execucao", "--caso", "-", "--json"}, joint);
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_TRUE(JsonHolds(run.Out, R"({"livramento": null,
        "livramento_vedado_por": [{"processo": "A", "artigo": "LEP art. 112, VI, a"}]})"));
}

TEST(ExecutionCaseCommand, TextFromStandardInputAndEveryKeyOfCasoMd) {
    const RunOutput text =
        RunWith({"execucao", "--caso", "-"}, SeedText("execucao-exemplo-sem-remicao.zarn"));
    ASSERT_EQ(text.Code, 0) << text.Err;
    EXPECT_NE(text.Out.find("A partir de 25/12/2023, progress\xC3\xA3o para o regime semiaberto"),
              std::string::npos)
        << text.Out;
    EXPECT_TRUE(text.Out.ends_with("requisitos subjetivos.\n")) << text.Out;
    // Every key of the execution, each kind of event: the document is taken whole.
    const nlohmann::json every = ExecutionOf("todas-as-chaves.zarn");
    EXPECT_EQ(every.at("convencao"), "calendario");
    EXPECT_EQ(every.at("imputacao").size(), 2u);
}

TEST(ExecutionCaseCommand, RefusalsNameTheKeyAndItsPlace) {
    const ScratchFile overlap(R"({"formato": "zarn-caso", "versao": 1,
        "data_calculo": "08/12/2026", "condenacoes": [{"pena": {"anos": 2}}],
        "periodos": [{"inicio": "10/01/2021", "fim": "01/03/2022"}, {"inicio": "01/02/2022"}]})");
    const struct {
        std::string file;
        std::string input;
        std::string message;
    } rows[] = {
        {Seed("natureza-desconhecida.zarn"), "",
         ": condenacoes[0].fatos.natureza: valor desconhecido \"hediondos\""},
        {overlap.Path(), "",
         ": periodos[0] e periodos[1]: se sobrep\xC3\xB5"
         "em a partir de 01/02/2022."},
        {"-",
         R"({"formato": "zarn-caso", "versao": 1, "eventos": [{"tipo": "fuga",
             "data": "01/01/2022", "horas": 3}]})",
         "entrada padr\xC3\xA3o: eventos[0].horas: s\xC3\xB3 cabe num evento de recolhimento "
         "noturno."},
        {Seed("homicidio-tentado.zarn"), "",
         ": o documento n\xC3\xA3o tem condena\xC3\xA7\xC3\xB5"
         "es, per\xC3\xAD"
         "odos nem eventos (\"condenacoes\", \"periodos\", \"eventos\"), que este comando "
         "analisa"},
    };
    for (const auto& row : rows) {
        for (const std::string json : {"", "--json"}) {
            std::vector<std::string> args{"execucao", "--caso", row.file};
            if (!json.empty()) {
                args.push_back(json);
            }
            const RunOutput run = RunWith(args, row.input);
            EXPECT_EQ(run.Code, 1) << row.file;
            EXPECT_EQ(run.Out, "") << row.file;
            EXPECT_TRUE(run.Err.starts_with("zarn-calc: ")) << run.Err;
            EXPECT_TRUE(run.Err.ends_with(row.message + "\n")) << run.Err;
        }
    }
    // The other subcommands read the execution's keys too, and refuse the same document.
    const RunOutput prescription =
        RunWith({"prescricao", "--caso", Seed("natureza-desconhecida.zarn")});
    EXPECT_EQ(prescription.Code, 1);
    EXPECT_NE(prescription.Err.find("condenacoes[0].fatos.natureza"), std::string::npos);
}

TEST(CaseCommands, ADocumentThatCannotBeHadIsAnInputError) {
    const ScratchFile newer(SeedText("versao-2.zarn"));
    const ScratchFile duplicate(SeedText("chave-repetida.zarn"));
    const ScratchFile notJson(SeedText("nao-e-json.zarn"));
    const ScratchFile unknownKey(R"({"formato": "zarn-caso", "versao": 1, "nomes": "x"})");
    const ScratchFile unknownCause(
        R"({"formato": "zarn-caso", "versao": 1, "dosimetria": {"crimes": [{"causas":
            [{"nome": "x", "tipo": "diminuicao", "fracao": "1/3"},
             {"nome": "y", "tipo": "aumentos", "fracao": "1/3"}]}]}})");
    const std::string missing = (fs::temp_directory_path() / "zarn-caso-inexistente.zarn").string();
    const struct {
        std::string command;
        std::string file;
        std::string input;
        std::string message;
    } rows[] = {
        {"prescricao", missing, "", missing + ": arquivo n\xC3\xA3o encontrado"},
        {"dosimetria", fs::temp_directory_path().string(), "",
         ": \xC3\xA9 uma pasta, n\xC3\xA3o um arquivo"},
        {"prescricao", notJson.Path(), "",
         ": n\xC3\xA3o \xC3\xA9 um documento JSON: erro na linha 4, coluna 24"},
        {"dosimetria", newer.Path(), "",
         ": versao: documento da vers\xC3\xA3o 2, mais nova do que a vers\xC3\xA3o 1 que este "
         "Zarn l\xC3\xAA"},
        {"prescricao", unknownKey.Path(), "", ": nomes: chave desconhecida"},
        {"prescricao", duplicate.Path(), "", ": prescricao.marcos[0].data: chave repetida"},
        {"dosimetria", unknownCause.Path(), "",
         ": dosimetria.crimes[0].causas[1].tipo: valor desconhecido \"aumentos\""},
        // The analysis's own refusal, by its place.
        {"prescricao", "-", SeedText("marco-antes-do-fato.zarn"),
         "entrada padr\xC3\xA3o: prescricao.marcos[0]: data anterior \xC3\xA0 data do fato de "
         "prescricao.crimes[0], 01/02/2020."},
        {"prescricao", "-", "",
         "entrada padr\xC3\xA3o: n\xC3\xA3o \xC3\xA9 um documento JSON: o "
         "texto est\xC3\xA1 vazio"},
        // A document without the section the command analyses.
        {"prescricao", Seed("homicidio-tentado.zarn"), "",
         ": o documento n\xC3\xA3o tem a se\xC3\xA7\xC3\xA3o \"prescricao\", que este comando "
         "analisa"},
        {"dosimetria", Seed("caso-md-example.zarn"), "",
         ": o documento n\xC3\xA3o tem a se\xC3\xA7\xC3\xA3o \"dosimetria\", que este comando "
         "analisa"},
    };
    for (const auto& row : rows) {
        for (const std::string json : {"", "--json"}) {
            std::vector<std::string> args{row.command, "--caso", row.file};
            if (!json.empty()) {
                args.push_back(json);
            }
            const RunOutput run = RunWith(args, row.input);
            EXPECT_EQ(run.Code, 1) << row.file;
            EXPECT_EQ(run.Out, "") << row.file;
            EXPECT_TRUE(run.Err.starts_with("zarn-calc: ")) << run.Err;
            EXPECT_TRUE(run.Err.ends_with(row.message + "\n")) << run.Err;
        }
    }
}

TEST(CaseCommands, AFileWithoutPermissionToReadIsAnInputError) {
    const ScratchFile locked(SeedText("abstrata-prescrita.zarn"));
    fs::permissions(locked.Path(), fs::perms::none);
    if (std::ifstream(locked.Path()).good()) {
        GTEST_SKIP() << "this user reads any file (root)";
    }
    const RunOutput run = RunWith({"prescricao", "--caso", locked.Path()});
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Err,
              "zarn-calc: " + locked.Path() + ": sem permiss\xC3\xA3o para ler o arquivo\n");
}

TEST(CaseCommands, MalformedArgumentsAreUsageErrors) {
    const std::string file = Seed("homicidio-tentado.zarn");
    const struct {
        std::vector<std::string> args;
        std::string firstLine;
    } rows[] = {
        {{"dosimetria"}, "Uso: zarn-calc pena"},
        {{"dosimetria", file}, "Uso: zarn-calc pena"},
        {{"dosimetria", "--caso", file, "mais"}, "Uso: zarn-calc pena"},
        {{"dosimetria", "--caso"}, "zarn-calc: falta o arquivo de --caso."},
        {{"dosimetria", "--caso", "--json"}, "zarn-calc: falta o arquivo de --caso."},
        {{"dosimetria", "--caso", file, "--caso", file}, "zarn-calc: --caso dado duas vezes."},
        {{"prescricao", "--caso", file, "--extenso"},
         "zarn-calc: op\xC3\xA7\xC3\xA3o desconhecida: \"--extenso\"."},
        // The flags of the positional form do not go with a document.
        {{"execucao", "--caso", file, "--regime", "fechado"},
         "zarn-calc: op\xC3\xA7\xC3\xA3o desconhecida: \"--regime\"."},
        {{"execucao", "6", "", "", "10/01/2021", "--caso", file}, "Uso: zarn-calc pena"},
        {{"execucao", "--caso"}, "zarn-calc: falta o arquivo de --caso."},
        {{"execucao", "--caso", file, "--pdf"}, "zarn-calc: falta o arquivo de --pdf."},
        {{"prescricao", "--caso", file, "--pdf", "--json"}, "zarn-calc: falta o arquivo de --pdf."},
        {{"dosimetria", "--caso", file, "--pdf", "a.pdf", "--pdf", "b.pdf"},
         "zarn-calc: --pdf dado duas vezes."},
        // The positional form writes no report.
        {{"execucao", "6", "", "", "10/01/2021", "--pdf", "a.pdf"},
         "zarn-calc: op\xC3\xA7\xC3\xA3o desconhecida: \"--pdf\"."},
    };
    for (const auto& row : rows) {
        const RunOutput run = RunWith(row.args);
        EXPECT_EQ(run.Code, 2) << row.firstLine;
        EXPECT_EQ(run.Out, "");
        EXPECT_TRUE(run.Err.starts_with(row.firstLine)) << run.Err;
    }
}

TEST(CaseCommands, HelpNamesTheCommandsAndTheirOptions) {
    const std::string help = RunWith({"--help"}).Out;
    for (const std::string line :
         {"zarn-calc prescricao --caso ARQUIVO [--json] [--pdf ARQUIVO]\n",
          "     zarn-calc execucao --caso ARQUIVO [--json] [--pdf ARQUIVO]\n",
          "zarn-calc dosimetria --caso ARQUIVO [--extenso] [--json] [--pdf ARQUIVO]\n",
          "  prescricao\n", "  dosimetria\n", "--caso ARQUIVO  o documento",
          "--pdf ARQUIVO   grava o relat"}) {
        EXPECT_NE(help.find(line), std::string::npos) << line;
    }
}

} // namespace
} // namespace zarn
