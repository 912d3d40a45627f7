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
    ASSERT_TRUE(document.Execution.has_value());
    const ExecutionCase& execution = *document.Execution;
    ASSERT_EQ(execution.Convictions.size(), 1u);
    const Conviction& conviction = execution.Convictions.front();
    EXPECT_EQ(conviction.Processo, "0001111-11.2021.8.26.0050");
    EXPECT_EQ(conviction.Crime, "art. 155, \xA7 4\xBA, CP");
    EXPECT_EQ(conviction.TermDays, 6 * 360);
    EXPECT_EQ(conviction.Facts.CrimeDate, OracleDayNumber(2021, 1, 10));
    EXPECT_EQ(conviction.TransitoEmJulgado, OracleDayNumber(2022, 8, 15));
    EXPECT_EQ(conviction.Facts.Nature, Natureza::Comum);
    EXPECT_FALSE(conviction.Facts.Under21AtCrime); // 30 years old on the day of the crime
    ASSERT_EQ(execution.Periods.size(), 1u);
    EXPECT_EQ(execution.Periods.front().Start, OracleDayNumber(2021, 1, 10));
    EXPECT_FALSE(execution.Periods.front().End.has_value());
    EXPECT_EQ(execution.Periods.front().Description, "pris\xE3o");
    ASSERT_EQ(execution.Events.size(), 1u);
    EXPECT_EQ(execution.Events.front().Kind, EventKind::Remicao);
    EXPECT_EQ(execution.Events.front().WorkDays, 90);
    EXPECT_FALSE(execution.Events.front().Days || execution.Events.front().StudyHours);
    EXPECT_FALSE(execution.InitialRegime.has_value());
}

// A document whose execution is one conviction of six years from 10/01/2021, with the
// convictions, periods and events given in place of those.
std::string Execution(const std::string& convictions, const std::string& periods,
                      const std::string& events, const std::string& more = "") {
    return Document(R"("data_calculo": "08/12/2026", "condenacoes": [)" + convictions +
                    R"(], "periodos": [)" + periods + R"(], "eventos": [)" + events + "]" + more);
}

const std::string kSixYears = R"({"pena": {"anos": 6}, "data_crime": "10/01/2021"})";
const std::string kOpenPeriod = R"({"inicio": "10/01/2021"})";

// The events of that document.
std::string Events(const std::string& events) {
    return Execution(kSixYears, kOpenPeriod, events);
}

TEST(CaseDocument, RefusesEachExecutionFaultByItsPlace) {
    const struct {
        std::string text;
        std::string message;
    } rows[] = {
        {Execution(R"({"crime": "furto"})", kOpenPeriod, ""),
         "condenacoes[0].pena: chave obrigat\xF3ria ausente"},
        {Execution(R"({"pena": {"meses": 0}})", kOpenPeriod, ""),
         "condenacoes[0].pena: a pena deve ser de pelo menos 1 dia."},
        {Execution(R"({"pena": {"anos": 1}, "dias_multa": -1})", kOpenPeriod, ""),
         "condenacoes[0].dias_multa: deve ser um n\xFAmero inteiro de 0 a 360000000000"},
        // caso.md's own example of a refusal.
        {Execution(kSixYears + R"(, {"pena": {"anos": 1}, "fatos": {"natureza": "hediondos"}})",
                   kOpenPeriod, ""),
         "condenacoes[1].fatos.natureza: valor desconhecido \"hediondos\""},
        {Execution(R"({"pena": {"anos": 1}, "fatos": {"especifico": true}})", kOpenPeriod, ""),
         "condenacoes[0].fatos.especifico: chave desconhecida"},
        {Execution(R"({"pena": {"anos": 1}, "fatos": {"reincidente_especifico": true}})",
                   kOpenPeriod, ""),
         "condenacoes[0].fatos: Fatos contradit\xF3rios: reincidente espec\xED"
         "fico e prim\xE1rio."},
        {Execution(R"({"pena": {"anos": 1}, "durante_execucao": 1})", kOpenPeriod, ""),
         "condenacoes[0].durante_execucao: deve ser true ou false"},
        {Execution(R"({"pena": {"anos": 1}, "regime": "fechado"})", kOpenPeriod, ""),
         "condenacoes[0].regime: chave desconhecida"},
        {Execution(kSixYears, R"({"fim": "01/01/2022"})", ""),
         "periodos[0].inicio: chave obrigat\xF3ria ausente"},
        {Execution(kSixYears, R"({"inicio": "10/01/2021", "fim": "31/06/2022"})", ""),
         "periodos[0].fim: data inv\xE1lida \"31/06/2022\": use dd/mm/aaaa, de 01/01/0001 a "
         "31/12/9999"},
        {Events(R"({"tipo": "fuga"})"), "eventos[0].data: chave obrigat\xF3ria ausente"},
        {Events(R"({"data": "01/06/2021"})"), "eventos[0].tipo: chave obrigat\xF3ria ausente"},
        {Events(R"({"tipo": "indulto", "data": "01/06/2021"})"),
         "eventos[0].tipo: valor desconhecido \"indulto\""},
        {Events(R"({"tipo": "fuga", "data": "01/06/2021", "motivo": "x"})"),
         "eventos[0].motivo: chave desconhecida"},
        // A key of another kind of event, in the execution's words.
        {Events(R"({"tipo": "fuga", "data": "01/06/2021", "horas": 10})"),
         "eventos[0].horas: s\xF3 cabe num evento de recolhimento noturno."},
        {Events(R"({"tipo": "remicao", "data": "01/06/2021", "dias": 3, "remicao_perdida": 1})"),
         "eventos[0].remicao_perdida: s\xF3 a falta grave tira remi\xE7\xE3o (LEP art. 127)."},
        {Events(R"({"tipo": "falta_grave", "data": "01/06/2021", "regime": "fechado"})"),
         "eventos[0].regime: s\xF3 cabe numa progress\xE3o ou regress\xE3o."},
        {Events(R"({"tipo": "progressao", "data": "01/06/2021", "regime": "aberto", "livros": 2})"),
         "eventos[0].livros: s\xF3 cabe num evento de remi\xE7\xE3o."},
        {Events(R"({"tipo": "remicao", "data": "01/06/2021"})"),
         "eventos[0]: informe dias, trabalho_dias, estudo_horas ou livros da remi\xE7\xE3o."},
        {Events(R"({"tipo": "remicao", "data": "01/06/2021", "dias": 3, "livros": 1})"),
         "eventos[0]: informe s\xF3 um de dias, trabalho_dias, estudo_horas ou livros."},
        {Events(R"({"tipo": "remicao", "data": "01/06/2021", "trabalho_dias": 3,
                    "conclusao": true})"),
         "eventos[0].conclusao: s\xF3 cabe com estudo_horas."},
        {Events(R"({"tipo": "remicao", "data": "01/06/2021", "estudo_horas": 12.5})"),
         "eventos[0].estudo_horas: deve ser um n\xFAmero inteiro de 0 a 360000000000"},
        {Events(R"({"tipo": "recolhimento_noturno", "data": "01/06/2021"})"),
         "eventos[0].horas: chave obrigat\xF3ria ausente"},
        {Events(R"({"tipo": "regressao", "data": "01/06/2021", "regime": "domiciliar"})"),
         "eventos[0].regime: valor desconhecido \"domiciliar\""},
        {Execution(kSixYears, kOpenPeriod, "", R"(, "regime_inicial": 1)"),
         "regime_inicial: deve ser um texto \"...\""},
        // The execution's own refusals, with the same places.
        {Execution(kSixYears, "", ""), "periodos: informe ao menos um per\xED"
                                       "odo de cumprimento (o primeiro dia de "
                                       "cumprimento \xE9 a data-base inicial)."},
        {Execution("", kOpenPeriod, ""), "condenacoes: informe ao menos uma condena\xE7\xE3o."},
        {Execution(kSixYears,
                   R"({"inicio": "10/01/2021", "fim": "01/03/2022"}, {"inicio": "01/02/2022"})",
                   ""),
         "periodos[0] e periodos[1]: se sobrep\xF5"
         "em a partir de 01/02/2022."},
        {Events(R"({"tipo": "fuga", "data": "14/02/2022"})"),
         "eventos[0]: fuga em 14/02/2022, mas periodos[0] segue em aberto: o per\xED"
         "odo deve "
         "terminar na data da fuga ou antes."},
        {Events(R"({"tipo": "progressao", "data": "14/02/2022", "regime": "fechado"})"),
         "eventos[0].regime: n\xE3o h\xE1 progress\xE3o para o regime fechado."},
        {Events(R"({"tipo": "remicao", "data": "01/03/2021", "dias": 30},
                   {"tipo": "falta_grave", "data": "01/06/2021", "remicao_perdida": 11})"),
         "eventos[1].remicao_perdida: a perda de 11 dias passa de um ter\xE7o da remi\xE7\xE3o "
         "concedida antes da falta, descontadas as perdas anteriores (30 dias; LEP art. 127)."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Refusal(row.text), row.message) << row.text;
    }
    // The date of the calculation before the first day.
    EXPECT_EQ(Refusal(Document(R"("data_calculo": "01/01/2020", "condenacoes": [)" + kSixYears +
                               R"(], "periodos": [)" + kOpenPeriod + "]")),
              "periodos[0].inicio: posterior \xE0 data do c\xE1lculo (01/01/2020).");
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
        // The execution's keys.
        {Document(R"("condenacoes": {})"), "condenacoes: deve ser uma lista [...]"},
        {Document(R"("periodos": [{"inicio": "10/01/2021"}, 3])"),
         "periodos[1]: deve ser um objeto {...}"},
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

TEST(CaseDocument, TheExecutionTakesWhatTheDocumentHoldsOnce) {
    SetTodayForTesting(CivilDate{2026, 12, 8});
    CaseDocument document = Read(Document(R"("nascimento": "11/01/2000", "convencao": "calendario",
        "opcoes": {"imputacao": "gravidade", "limite_art75": "mais_favoravel"},
        "condenacoes": [{"pena": {"anos": 6}, "data_crime": "10/01/2021"}],
        "periodos": [{"inicio": "10/01/2021"}], "regime_inicial": "fechado")"));
    ASSERT_TRUE(document.Execution.has_value());
    // The 21st birthday falls the day after the crime.
    EXPECT_TRUE(document.Execution->Convictions.front().Facts.Under21AtCrime);
    const ExecutionCase input = *ExecutionInputOf(document);
    EXPECT_EQ(input.CalculationDate, OracleDayNumber(2026, 12, 8)); // today
    EXPECT_EQ(input.Convention, CountingConvention::CalendarDays);
    EXPECT_EQ(input.Options.Imputation, Imputacao::Gravidade);
    EXPECT_EQ(input.Options.BarredParole, LivramentoVedado::Separado);
    EXPECT_EQ(input.Options.Art75Limit, LimiteArt75::MaisFavoravel);
    EXPECT_EQ(input.InitialRegime, Regime::Fechado);
    // The document is the one source: what a held execution carries of them is not read.
    document.Execution->CalculationDate = OracleDayNumber(2020, 1, 1);
    document.Execution->Options.Imputation = Imputacao::Transito;
    document.CalculationDate = OracleDayNumber(2025, 1, 2);
    EXPECT_EQ(ExecutionInputOf(document)->CalculationDate, OracleDayNumber(2025, 1, 2));
    EXPECT_EQ(ExecutionInputOf(document)->Options.Imputation, Imputacao::Gravidade);
    SetTodayForTesting(std::nullopt);
    // Empty lists and a null regime hold no execution.
    EXPECT_FALSE(
        Read(Document(R"("condenacoes": [], "eventos": [], "regime_inicial": null)")).Execution);
    EXPECT_FALSE(ExecutionInputOf(CaseDocument{}).has_value());
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
    // The execution in caso.md's order, each item's keys too, the defaults left out.
    const JsonValue execution = JsonValue::parse(WriteCaseDocument(Read(Document(R"(
        "regime_inicial": "semiaberto",
        "eventos": [{"horas": 30, "data": "01/06/2021", "tipo": "recolhimento_noturno"},
                    {"conclusao": true, "estudo_horas": 100, "tipo": "remicao",
                     "descricao": "curso", "data": "01/07/2021"},
                    {"remicao_perdida": 0, "data": "01/08/2021", "tipo": "falta_grave"}],
        "periodos": [{"descricao": "flagrante", "fim": null, "inicio": "10/01/2021"}],
        "condenacoes": [{"durante_execucao": false, "fatos": {"violencia": true,
            "natureza": "comum", "especie": "detencao"}, "transito_em_julgado": "15/08/2022",
            "data_crime": "10/01/2021", "dias_multa": 10, "pena": {"meses": 30},
            "crime": "roubo", "processo": "1"}],
        "opcoes": {"limite_art75": "mais_favoravel", "pena_base": "sexto_minimo",
                   "livramento_vedado": "conjunto", "imputacao": "transito"},
        "data_calculo": "08/12/2026")"))));
    EXPECT_EQ(KeysOf(execution),
              (std::vector<std::string>{"formato", "versao", "data_calculo", "convencao", "opcoes",
                                        "condenacoes", "periodos", "eventos", "regime_inicial"}));
    EXPECT_EQ(KeysOf(execution["opcoes"]),
              (std::vector<std::string>{"livramento_vedado", "pena_base", "limite_art75"}));
    EXPECT_EQ(execution["condenacoes"][0], JsonValue::parse(R"({"processo": "1",
        "crime": "roubo", "pena": {"anos": 2, "meses": 6}, "dias_multa": 10,
        "data_crime": "10/01/2021", "transito_em_julgado": "15/08/2022",
        "fatos": {"especie": "detencao", "violencia": true}})"));
    EXPECT_EQ(KeysOf(execution["condenacoes"][0]),
              (std::vector<std::string>{"processo", "crime", "pena", "dias_multa", "data_crime",
                                        "transito_em_julgado", "fatos"}));
    EXPECT_EQ(execution["periodos"],
              JsonValue::parse(R"([{"inicio": "10/01/2021", "descricao": "flagrante"}])"));
    EXPECT_EQ(KeysOf(execution["eventos"][1]),
              (std::vector<std::string>{"tipo", "data", "descricao", "estudo_horas", "conclusao"}));
    EXPECT_EQ(execution["eventos"][0],
              JsonValue::parse(R"({"tipo": "recolhimento_noturno", "data": "01/06/2021",
                                   "horas": 30})"));
    EXPECT_EQ(execution["eventos"][2],
              JsonValue::parse(R"({"tipo": "falta_grave", "data": "01/08/2021"})"));
    // An empty document is its format, its version and its convention.
    EXPECT_EQ(JsonValue::parse(WriteCaseDocument(CaseDocument{})),
              JsonValue::parse(R"({"formato": "zarn-caso", "versao": 1, "convencao": "360/30"})"));
}

} // namespace
} // namespace zarn
