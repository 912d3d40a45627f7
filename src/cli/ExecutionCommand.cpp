// zarn-calc execucao: the answer of the window "Execucao penal", as its text or as one JSON
// object, in two forms: one term typed into the term fields, a start date pasted into the date
// field and the facts given as flags; or the convictions, periods and events of a case
// document (--caso).

#include "caso/AnswerJson.h"
#include "caso/ExecutionAnswerJson.h"
#include "cli/CaseArguments.h"
#include "cli/CaseDocumentFile.h"
#include "cli/CaseFactsOptions.h"
#include "cli/CasePdf.h"
#include "cli/Commands.h"
#include "cli/FieldEntry.h"
#include "cli/JsonLine.h"
#include "cli/TermArguments.h"
#include "dates/DateSettings.h"
#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"
#include "fields/ProgramMasks.h"
#include "law/ExecutionInput.h"
#include "law/LawTexts.h"
#include "law/LegalText.h"

#include <algorithm>
#include <array>

namespace zarn {
namespace {

constexpr std::string_view kRegimeFlag = "--regime";
constexpr std::string_view kRemicaoFlag = "--remicao";
constexpr std::string_view kContagemFlag = "--contagem";
constexpr std::array kOwnFlags{OtherFlag{kRegimeFlag, true}, OtherFlag{kRemicaoFlag, true},
                               OtherFlag{kContagemFlag, true}, OtherFlag{kJsonFlag, false}};
constexpr std::string_view kCaseFlag = "--caso";
constexpr std::array kCaseSwitches{kJsonFlag};
constexpr std::array kCaseValues{kPdfFlag};
// Both forms, the second on a usage line of its own, indented as the usage indents each
// command.
constexpr std::string_view kSynopsis =
    "ANOS MESES DIAS INICIO [fatos do caso] [--regime R] "
    "[--remicao N] [--contagem C] [--json]\n"
    "     zarn-calc execucao --caso ARQUIVO [--json] [--pdf ARQUIVO]";
constexpr std::string_view kNoSection =
    "o documento n\xE3o tem condena\xE7\xF5"
    "es, per\xED"
    "odos nem eventos (\"condenacoes\", \"periodos\", \"eventos\"), que este comando analisa";

constexpr std::string_view kHelpLead =
    "  execucao  As datas da execu\xE7\xE3o da pena: cada progress\xE3o de regime, o\n"
    "            livramento condicional e o t\xE9rmino. ANOS, MESES e DIAS s\xE3o\n"
    "            digitados nos campos da pena, como em consequencias; INICIO, a\n"
    "            data-base, \xE9 colado no campo de data, como em termino. Escreve o\n"
    "            texto da janela Execu\xE7\xE3o penal. Com --caso, as condena\xE7\xF5"
    "es, os\n"
    "            per\xED"
    "odos e os eventos de um documento de caso, com a data do\n"
    "            c\xE1lculo, a contagem e as op\xE7\xF5"
    "es do documento (imputacao,\n"
    "            livramento_vedado, limite_art75); um documento que n\xE3o pode ser\n"
    "            lido, uma chave recusada (com o seu lugar, como\n"
    "            condenacoes[1].fatos.natureza) ou um documento sem condena\xE7\xF5"
    "es,\n"
    "            per\xED"
    "odos nem eventos s\xE3o erro nos dados.\n";
constexpr std::string_view kHelpOwn =
    "            --regime R      o regime inicial: fechado, semiaberto ou aberto (sem\n"
    "                            ela, o que a pena e os fatos d\xE3o)\n"
    "            --remicao N     dias de remi\xE7\xE3o, um n\xFAmero inteiro\n"
    "            --contagem C    360 (base 360/30, o padr\xE3o) ou calendario (dias do\n"
    "                            calend\xE1rio)\n";
constexpr std::string_view kHelpJson =
    "            --json          um objeto JSON numa linha, com convencao,\n"
    "                            progressoes (regime, dias e a_partir_de de cada\n"
    "                            uma), livramento (fracao, dias e a_partir_de, ou\n"
    "                            null), termino (o fim do cumprimento, pelo limite\n"
    "                            do art. 75 onde ele vale), termino_pena_total,\n"
    "                            art75_limite_anos, integralmente_cumprida e notas;\n"
    "                            com --caso, convencao, data_calculo,\n"
    "                            pena_total_dias, cumprido_dias, remicao_dias,\n"
    "                            restante_dias, regime_atual, data_base,\n"
    "                            data_base_motivo, progressoes (regime, dias,\n"
    "                            a_partir_de e alcancada), livramento (dias,\n"
    "                            a_partir_de e sem_falta_grave_desde, ou null),\n"
    "                            livramento_vedado_por (processo e artigo),\n"
    "                            termino, termino_pena_total, art75_limite_anos,\n"
    "                            integralmente_cumprida, imputacao (processo,\n"
    "                            imputado_dias e restante_dias), alternativas\n"
    "                            (imputacao e a_partir_de) e notas\n";

constexpr std::string_view kUnknownRegime =
    " n\xE3o \xE9 um regime (use fechado, semiaberto ou aberto).";
constexpr std::string_view kUnknownConvention =
    " n\xE3o \xE9 uma contagem (use 360 ou calendario).";

constexpr std::array kRegimes{Regime::Fechado, Regime::Semiaberto, Regime::Aberto};

// A value of --contagem.
struct ConventionFlag {
    std::string_view Value;
    CountingConvention Convention;
};
constexpr std::array kConventions{
    ConventionFlag{"360", CountingConvention::Base360},
    ConventionFlag{"calendario", CountingConvention::CalendarDays},
};

CommandResult UnknownValue(std::string_view flag, std::string_view value, std::string_view why) {
    return UsageFault("zarn-calc: " + std::string(flag) + " \"" + std::string(value) + "\"" +
                      std::string(why));
}

// The flags of the command itself into the question; the refusal of one, if any.
std::optional<CommandResult> ReadOwnFlags(const CaseFactsArguments& read,
                                          ExecutionQuestion& question) {
    if (const auto regime = read.Flags.find(kRegimeFlag); regime != read.Flags.end()) {
        const auto chosen = std::find_if(kRegimes.begin(), kRegimes.end(),
                                         [&](Regime r) { return RegimeName(r) == regime->second; });
        if (chosen == kRegimes.end()) {
            return UnknownValue(kRegimeFlag, regime->second, kUnknownRegime);
        }
        question.InitialRegime = *chosen;
    }
    if (const auto counting = read.Flags.find(kContagemFlag); counting != read.Flags.end()) {
        const auto chosen =
            std::find_if(kConventions.begin(), kConventions.end(),
                         [&](const ConventionFlag& c) { return c.Value == counting->second; });
        if (chosen == kConventions.end()) {
            return UnknownValue(kContagemFlag, counting->second, kUnknownConvention);
        }
        question.Convention = chosen->Convention;
    }
    if (const auto remicao = read.Flags.find(kRemicaoFlag); remicao != read.Flags.end()) {
        long long days = 0;
        if (auto fault =
                ReadDaysFlag(kRemicaoFlag, remicao->second, kRemicaoTooLongMessage, days)) {
            return fault;
        }
        question.Remicao = std::to_string(days);
    }
    return std::nullopt;
}

std::optional<CommandResult> Run(const CommandArguments& args) {
    const CaseFactsArguments read = ReadCaseFactsArguments(args, kOwnFlags);
    if (read.Fault) {
        return *read.Fault;
    }
    if (read.Positional.size() != 4) {
        return std::nullopt;
    }
    ExecutionQuestion question;
    question.Facts = read.Facts;
    if (auto fault = ReadOwnFlags(read, question)) {
        return fault;
    }
    const TermArgument term =
        ReadTermArguments(read.Positional[0], read.Positional[1], read.Positional[2]);
    if (term.Fault) {
        return *term.Fault;
    }
    UseCalendarDateSettings();
    FieldEntry start = PasteIntoField("INICIO", kDateMask, read.Positional[3]);
    if (!start.Ok) {
        return SingleLine(std::move(start.Refusal), kExitInputError);
    }
    question.Start = std::move(start.Text);
    const ExecutionAnswer answer = AnswerExecution(term.Days, question);
    if (!answer.Ok()) {
        return SingleLine(answer.Text, kExitInputError);
    }
    if (read.Has(kJsonFlag)) {
        return JsonLine(ExecutionDatesJson(*answer.Dates));
    }
    return TextLines(answer.Text);
}

// The convictions, periods and events of a case document: the document's refusals and the
// execution's, each by its place, are input errors.
std::optional<CommandResult> RunCase(const CommandArguments& args, std::istream& in) {
    const CaseCommandStart start = StartCaseCommand(args, in, kCaseSwitches, kCaseValues);
    if (!start.Ok()) {
        return start.Answer;
    }
    const CaseArguments& read = *start.Arguments;
    const CaseDocument& document = *start.Document;
    const std::optional<ExecutionCase> input = ExecutionInputOf(document);
    if (!input) {
        return CaseFileFault(read.File, kNoSection);
    }
    const CaseExecutionResult result = ComputeCaseExecution(*input);
    if (!result.Ok()) {
        return CaseFileFault(read.File, result.Error);
    }
    if (std::optional<CommandResult> pdf =
            WritePdfIfAsked(read, document, [&](const std::string& name) {
                return ExecutionCaseReport(document, name);
            })) {
        return pdf;
    }
    if (read.Has(kJsonFlag)) {
        return JsonLine(CaseExecutionJson(result.Answer));
    }
    return TextLines(WriteCaseExecution(result.Answer, *input));
}

std::optional<CommandResult> RunEitherForm(const CommandArguments& args, std::istream& in) {
    if (std::find(args.begin(), args.end(), kCaseFlag) != args.end()) {
        return RunCase(args, in);
    }
    return Run(args);
}

} // namespace

const Command& ExecutionCommand() {
    static const std::string help = std::string(kHelpLead) + std::string(kCaseFactsFlagsHelp) +
                                    std::string(kHelpOwn) + std::string(kCaseFlagHelp) +
                                    std::string(kHelpJson) + std::string(kPdfFlagHelp);
    static const Command command{"execucao", kSynopsis, help, false, &Run, &RunEitherForm};
    return command;
}

} // namespace zarn
