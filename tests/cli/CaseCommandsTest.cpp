// zarn-calc prescricao and dosimetria through the command line's entry, on case documents:
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
    };
    for (const auto& row : rows) {
        const RunOutput run = RunWith(row.args);
        EXPECT_EQ(run.Code, 2) << row.firstLine;
        EXPECT_EQ(run.Out, "");
        EXPECT_TRUE(run.Err.starts_with(row.firstLine)) << run.Err;
    }
}

TEST(CaseCommands, HelpNamesBothCommandsAndTheirOptions) {
    const std::string help = RunWith({"--help"}).Out;
    for (const std::string line :
         {"zarn-calc prescricao --caso ARQUIVO [--json]\n",
          "zarn-calc dosimetria --caso ARQUIVO [--extenso] [--json]\n", "  prescricao\n",
          "  dosimetria\n", "--caso ARQUIVO  o documento"}) {
        EXPECT_NE(help.find(line), std::string::npos) << line;
    }
}

} // namespace
} // namespace zarn
