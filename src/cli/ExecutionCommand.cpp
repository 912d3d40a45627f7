// zarn-calc execucao: the answer of the window "Execucao penal" for a term typed into the
// term fields, a start date pasted into the date field and the facts given as flags, as its
// text or as one JSON object.

#include "caso/AnswerJson.h"
#include "cli/CaseFactsOptions.h"
#include "cli/Commands.h"
#include "cli/FieldEntry.h"
#include "cli/TermArguments.h"
#include "dates/DateSettings.h"
#include "fields/ProgramMasks.h"
#include "law/ExecutionInput.h"
#include "law/LawTexts.h"
#include "law/LegalText.h"

#include <algorithm>
#include <array>

namespace zarn {
namespace {

constexpr std::string_view kJsonFlag = "--json";
constexpr std::string_view kRegimeFlag = "--regime";
constexpr std::string_view kRemicaoFlag = "--remicao";
constexpr std::string_view kContagemFlag = "--contagem";
constexpr std::array kOwnFlags{OtherFlag{kRegimeFlag, true}, OtherFlag{kRemicaoFlag, true},
                               OtherFlag{kContagemFlag, true}, OtherFlag{kJsonFlag, false}};
constexpr std::string_view kSynopsis = "ANOS MESES DIAS INICIO [fatos do caso] [--regime R] "
                                       "[--remicao N] [--contagem C] [--json]";

constexpr std::string_view kHelpLead =
    "  execucao  As datas da execu\xE7\xE3o da pena: cada progress\xE3o de regime, o\n"
    "            livramento condicional e o t\xE9rmino. ANOS, MESES e DIAS s\xE3o\n"
    "            digitados nos campos da pena, como em consequencias; INICIO, a\n"
    "            data-base, \xE9 colado no campo de data, como em termino. Escreve o\n"
    "            texto da janela Execu\xE7\xE3o penal.\n";
constexpr std::string_view kHelpOwn =
    "            --regime R      o regime inicial: fechado, semiaberto ou aberto (sem\n"
    "                            ela, o que a pena e os fatos d\xE3o)\n"
    "            --remicao N     dias de remi\xE7\xE3o, um n\xFAmero inteiro\n"
    "            --contagem C    360 (base 360/30, o padr\xE3o) ou calendario (dias do\n"
    "                            calend\xE1rio)\n"
    "            --json          um objeto JSON numa linha, com convencao,\n"
    "                            progressoes (regime, dias e a_partir_de de cada\n"
    "                            uma), livramento (fracao, dias e a_partir_de, ou\n"
    "                            null), termino (o fim do cumprimento, pelo limite\n"
    "                            do art. 75 onde ele vale), termino_pena_total,\n"
    "                            art75_limite_anos, integralmente_cumprida e notas\n";

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

} // namespace

const Command& ExecutionCommand() {
    static const std::string help =
        std::string(kHelpLead) + std::string(kCaseFactsFlagsHelp) + std::string(kHelpOwn);
    static const Command command{"execucao", kSynopsis, help, false, &Run};
    return command;
}

} // namespace zarn
