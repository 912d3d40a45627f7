// Reading a case document: caso.md's example, each refusal with its place and words, the
// analyses' own refusals, the inputs built from the document with what it holds once, and the
// document written back in caso.md's order.

#include "caso/CaseDocumentJson.h"
#include "caso/JsonText.h"
#include "dates/Clock.h"
#include "support/DateOracle.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

using testing::OracleDayNumber;

// A document of the current version with the keys given after formato and versao.
std::string Document(const std::string& keys) {
    return R"({"formato": "zarn-caso", "versao": 1)" + (keys.empty() ? "" : ", " + keys) + "}";
}

std::string Refusal(const std::string& text) {
    const CaseReading reading = ReadCaseDocument(text);
    EXPECT_FALSE(reading.Ok()) << text;
    return reading.Error;
}

CaseDocument Read(const std::string& text) {
    const CaseReading reading = ReadCaseDocument(text);
    EXPECT_TRUE(reading.Ok()) << reading.Error;
    return reading.Document.value_or(CaseDocument{});
}

const std::string kOneCrime = R"("prescricao": {"crimes": [{"descricao": "furto",
    "data_fato": "10/01/2007", "pena_maxima": {"anos": 4}}]})";

TEST(CaseDocument, ReadsTheExampleOfCasoMd) {
    const CaseDocument document = Read(Document(R"(
        "nome": "Caso de exemplo", "nascimento": "10/10/1990", "data_calculo": "08/12/2026",
        "convencao": "360/30",
        "condenacoes": [
          {"processo": "0001111-11.2021.8.26.0050", "crime": "art. 155, \u00a7 4\u00ba, CP",
           "pena": {"anos": 6}, "data_crime": "10/01/2021", "transito_em_julgado": "15/08/2022",
           "fatos": {"natureza": "comum"}}],
        "periodos": [{"inicio": "10/01/2021", "fim": null, "descricao": "pris\u00e3o"}],
        "eventos": [{"tipo": "remicao", "data": "01/03/2023", "trabalho_dias": 90}])"));
    EXPECT_EQ(document.Name, "Caso de exemplo");
    EXPECT_EQ(document.Birth, OracleDayNumber(1990, 10, 10));
    EXPECT_EQ(document.CalculationDate, OracleDayNumber(2026, 12, 8));
    EXPECT_EQ(document.Convention, CountingConvention::Base360);
    EXPECT_FALSE(document.Prescription || document.Sentencing);
}

TEST(CaseDocument, RefusesEachFaultByItsPlace) {
    const struct {
        std::string text;
        std::string message;
    } rows[] = {
        {"", "n\xE3o \xE9 um documento JSON: o texto est\xE1 vazio"},
        {"{\n  \"formato\": \"zarn-caso\",\n  \"nome\": \"Jo\xC3\xA3o\" 1\n}",
         "n\xE3o \xE9 um documento JSON: erro na linha 3, coluna 18"},
        {"[1]", "o documento deve ser um objeto JSON {...}"},
        {R"({"versao": 1})", "formato: chave obrigat\xF3ria ausente"},
        {R"({"formato": "zarn-execucao", "versao": 1})",
         "formato: deve ser \"zarn-caso\": o documento n\xE3o \xE9 um caso do Zarn"},
        {R"({"formato": "zarn-caso"})", "versao: chave obrigat\xF3ria ausente"},
        {R"({"formato": "zarn-caso", "versao": "1"})",
         "versao: deve ser 1, a vers\xE3o do documento, um n\xFAmero inteiro"},
        {R"({"formato": "zarn-caso", "versao": 0})",
         "versao: deve ser 1, a vers\xE3o do documento, um n\xFAmero inteiro"},
        // Newer: refused as newer, before its unknown keys.
        {R"({"formato": "zarn-caso", "versao": 2, "anexos": []})",
         "versao: documento da vers\xE3o 2, mais nova do que a vers\xE3o 1 que este Zarn l\xEA"},
        {Document(R"("nomes": "x")"), "nomes: chave desconhecida"},
        {Document(R"("nome": 7)"), "nome: deve ser um texto \"...\""},
        {Document(R"("nome": "\u4e2d")"),
         "nome: texto com um caractere que o Zarn n\xE3o representa"},
        {Document(R"("nascimento": "31/02/1990")"),
         "nascimento: data inv\xE1lida \"31/02/1990\": use dd/mm/aaaa, de 01/01/0001 a "
         "31/12/9999"},
        {Document(R"("convencao": "360")"), "convencao: valor desconhecido \"360\""},
        {Document(R"("opcoes": {"pena_base": "oitavo"})"),
         "opcoes.pena_base: valor desconhecido \"oitavo\""},
        {Document(R"("opcoes": {"acordao_confirmatorio_interrompe": "sim"})"),
         "opcoes.acordao_confirmatorio_interrompe: deve ser true ou false"},
        {Document(R"("opcoes": {"prazo": 1})"), "opcoes.prazo: chave desconhecida"},
        {Document(R"("nome": "a", "nome": "b")"), "nome: chave repetida"},
        {Document(R"("": 1, "": 2)"), "\"\": chave repetida"},
        {Document(R"("opcoes": {"": 1})"), "opcoes.\"\": chave desconhecida"},
        {Document(R"("prescricao": {"marcos": [{"tipo": "sentenca"},
            {"tipo": "sentenca", "data": "01/01/2020", "tipo": "acordao"}]})"),
         "prescricao.marcos[1].tipo: chave repetida"},
        // The execution's part: its shape only, for now.
        {Document(R"("condenacoes": {})"), "condenacoes: deve ser uma lista [...]"},
        {Document(R"("periodos": [{}, 3])"), "periodos[1]: deve ser um objeto {...}"},
        {Document(R"("regime_inicial": "fechad")"),
         "regime_inicial: valor desconhecido \"fechad\""},
        {Document(R"("opcoes": {"imputacao": "cronologica"})"),
         "opcoes.imputacao: valor desconhecido \"cronologica\""},
        {Document(R"("opcoes": {"limite_art75": null})"),
         "opcoes.limite_art75: deve ser um texto \"...\""},
        // The prescription's keys.
        {Document(R"("prescricao": [])"), "prescricao: deve ser um objeto {...}"},
        {Document(R"("prescricao": {"crimes": [{"pena_maxima": {"anos": -1}}]})"),
         "prescricao.crimes[0].pena_maxima.anos: deve ser um n\xFAmero inteiro de 0 a "
         "1000000000000"},
        {Document(R"("prescricao": {"crimes": [{"data_fato_anterior_2010": true}]})"),
         "prescricao.crimes[0].data_fato_anterior_2010: chave desconhecida"},
        {Document(R"("prescricao": {"marcos": [{"data": "01/01/2020"}]})"),
         "prescricao.marcos[0].tipo: chave obrigat\xF3ria ausente"},
        {Document(R"("prescricao": {"suspensoes": [{"tipo": "art116", "inicio": "01/01/2020"}]})"),
         "prescricao.suspensoes[0].tipo: valor desconhecido \"art116\""},
        // The dosimetria's keys.
        {Document(R"("dosimetria": {"crimes": [{"causas": [{"tipo": "aumentos"}]}]})"),
         "dosimetria.crimes[0].causas[0].tipo: valor desconhecido \"aumentos\""},
        {Document(R"("dosimetria": {"crimes": [{"agravantes": [{"fracao": "1/0"}]}]})"),
         "dosimetria.crimes[0].agravantes[0].fracao: fra\xE7\xE3o inv\xE1lida \"1/0\": use "
         "\"N/D\", inteiros, D maior que zero"},
        {Document(R"("dosimetria": {"crimes": [{"multa_maximo": 70000}]})"),
         "dosimetria.crimes[0].multa_maximo: deve ser um n\xFAmero inteiro de 0 a 66666"},
        {Document(R"("dosimetria": {"crimes": [{"circunstancias": {"motivos": "ruim"}}]})"),
         "dosimetria.crimes[0].circunstancias.motivos: valor desconhecido \"ruim\""},
        {Document(R"("dosimetria": {"crimes": [{"circunstancias": {"motivos": "fracao"}}]})"),
         "dosimetria.crimes[0].circunstancias.motivos: valor desconhecido \"fracao\""},
        {Document(R"("dosimetria": {"crimes": [{"circunstancias": {"motivo": "neutra"}}]})"),
         "dosimetria.crimes[0].circunstancias.motivo: chave desconhecida"},
        {Document(
             R"("dosimetria": {"crimes": [{"circunstancias": {"motivos": {"motivo": "x"}}}]})"),
         "dosimetria.crimes[0].circunstancias.motivos: informe \"fracao\" ou \"aumento\", um "
         "dos dois"},
        {Document(R"("dosimetria": {"crimes": [{"circunstancias": {"motivos": 1}}]})"),
         "dosimetria.crimes[0].circunstancias.motivos: deve ser \"neutra\", \"desfavoravel\" "
         "ou um objeto {...}"},
        {Document(R"("dosimetria": {"concurso": {"fracao": "1/2"}})"),
         "dosimetria.concurso.tipo: chave obrigat\xF3ria ausente"},
        // The analyses' own refusals, with the same places.
        {Document(R"("data_calculo": "08/12/2026", "prescricao": {"crimes": [{"descricao": "x",
            "data_fato": "01/02/2020", "pena_maxima": {"anos": 2}}],
            "marcos": [{"tipo": "sentenca", "data": "01/01/2019"}]})"),
         "prescricao.marcos[0]: data anterior \xE0 data do fato de prescricao.crimes[0], "
         "01/02/2020."},
        {Document(R"("data_calculo": "08/12/2026", "prescricao": {"crimes": [{"descricao": "x",
            "pena_maxima": {"anos": 2}}]})"),
         "prescricao.crimes[0].data_fato: informe a data do fato."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Refusal(row.text), row.message) << row.text;
    }
}

// A dosimetria whose maximum lies below its minimum: the analysis refuses it, the keys do not.
TEST(CaseDocument, AsWrittenKeepsWhatTheAnalysesWouldRefuse) {
    const std::string text =
        Document(R"("dosimetria": {"crimes": [{"minimo": {"anos": 4}, "maximo": {"anos": 2}}]})");
    const CaseReading asWritten = ReadCaseDocumentAsWritten(text);
    ASSERT_TRUE(asWritten.Ok()) << asWritten.Error;
    EXPECT_EQ(asWritten.Document->Sentencing->Crimes.front().MaximoDias, 720);
    const std::string fault = CaseDocumentFault(*asWritten.Document);
    EXPECT_TRUE(fault.starts_with("dosimetria.crimes[0].maximo: ")) << fault;
    EXPECT_EQ(Refusal(text), fault);
}

TEST(CaseDocument, InputsTakeWhatTheDocumentHoldsOnce) {
    SetTodayForTesting(CivilDate{2026, 12, 8});
    CaseDocument document = Read(Document(R"("nascimento": "10/10/1990",
        "opcoes": {"acordao_confirmatorio_interrompe": false, "segunda_fase": "cascata",
                   "multa_continuado": "somada"},
        "dosimetria": {"crimes": [{"minimo": {"anos": 1}, "maximo": {"anos": 4}}]}, )" +
                                          kOneCrime));
    const PrescriptionInput prescription = *PrescriptionInputOf(document);
    EXPECT_EQ(prescription.Birth, OracleDayNumber(1990, 10, 10));
    EXPECT_EQ(prescription.CalculationDate, OracleDayNumber(2026, 12, 8)); // today
    EXPECT_FALSE(prescription.ConfirmingAcordaoInterrupts);
    const SentencingInput sentencing = *SentencingInputOf(document);
    EXPECT_EQ(sentencing.Opcoes.SegundaFase, SecondPhaseMethod::Cascata);
    EXPECT_EQ(sentencing.Opcoes.MultaContinuado, ContinuedFines::Somada);
    EXPECT_EQ(sentencing.Opcoes.PenaBase, BaseCriterion::OitavoIntervalo);
    // The document is the one source: a copy left in a held section is not read.
    document.Prescription->ConfirmingAcordaoInterrupts = true;
    document.Sentencing->Opcoes.SegundaFase = SecondPhaseMethod::SobreBase;
    document.CalculationDate = OracleDayNumber(2025, 1, 2);
    EXPECT_FALSE(PrescriptionInputOf(document)->ConfirmingAcordaoInterrupts);
    EXPECT_EQ(PrescriptionInputOf(document)->CalculationDate, OracleDayNumber(2025, 1, 2));
    EXPECT_EQ(SentencingInputOf(document)->Opcoes.SegundaFase, SecondPhaseMethod::Cascata);
    SetTodayForTesting(std::nullopt);
    EXPECT_FALSE(PrescriptionInputOf(CaseDocument{}).has_value());
    EXPECT_FALSE(SentencingInputOf(CaseDocument{}).has_value());
}

std::vector<std::string> KeysOf(const JsonValue& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) {
        keys.push_back(key);
    }
    return keys;
}

TEST(CaseDocument, WritesInCasoMdOrderLeavingDefaultsOut) {
    // Written in another order, with an older-style null and the defaults spelt out.
    const CaseDocument document = Read(Document(
        R"("dosimetria": {"concurso": null, "crimes": [{"somente_maior": false, "crime": "roubo",
            "causas": [{"fracao": "1/3", "tipo": "diminuicao", "nome": "tentativa"}],
            "multa": true, "minimo": {"anos": 4}, "maximo": {"anos": 10, "meses": 14},
            "agravantes": [{"nome": "reincidencia", "fracao": "1/6"}]}]},
        "opcoes": {"terceira_fase": "diminuicoes_primeiro", "pena_base": "oitavo_intervalo"},
        "data_calculo": null, "nome": "Caso", )" +
        kOneCrime));
    const JsonValue written = JsonValue::parse(WriteCaseDocument(document));
    EXPECT_EQ(KeysOf(written), (std::vector<std::string>{"formato", "versao", "nome", "convencao",
                                                         "opcoes", "prescricao", "dosimetria"}));
    EXPECT_EQ(written["versao"], 1);
    EXPECT_EQ(written["opcoes"], JsonValue::parse(R"({"terceira_fase": "diminuicoes_primeiro"})"));
    const JsonValue& crime = written["dosimetria"]["crimes"][0];
    EXPECT_EQ(KeysOf(crime),
              (std::vector<std::string>{"crime", "minimo", "maximo", "agravantes", "causas"}));
    // A term as its years, months and days on the 360/30 base.
    EXPECT_EQ(crime["maximo"], JsonValue::parse(R"({"anos": 11, "meses": 2})"));
    EXPECT_EQ(crime["agravantes"][0], JsonValue::parse(R"({"nome": "reincidencia"})"));
    EXPECT_EQ(KeysOf(crime["causas"][0]), (std::vector<std::string>{"nome", "tipo", "fracao"}));
    EXPECT_EQ(KeysOf(written["prescricao"]),
              (std::vector<std::string>{"crimes", "marcos", "suspensoes"}));
    // An empty document is its format, its version and its convention.
    EXPECT_EQ(JsonValue::parse(WriteCaseDocument(CaseDocument{})),
              JsonValue::parse(R"({"formato": "zarn-caso", "versao": 1, "convencao": "360/30"})"));
}

} // namespace
} // namespace zarn
