// zarn-calc consequencias: the answer of the window "Consequencias da pena" for a term
// typed into the term fields and the facts given as flags, as its text or as one JSON
// object.

#include "caso/AnswerJson.h"
#include "cli/CaseFactsOptions.h"
#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/TermArguments.h"
#include "law/Consequences.h"
#include "law/ConsequencesText.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array kOwnFlags{OtherFlag{kJsonFlag, false}};
constexpr std::string_view kSynopsis = "ANOS MESES DIAS [fatos do caso] [--json]";

constexpr std::string_view kHelpLead =
    "  consequencias\n"
    "            Regime inicial, substitui\xE7\xE3o, sursis, livramento condicional,\n"
    "            primeira progress\xE3o e prescri\xE7\xE3o da pena. ANOS, MESES e DIAS s\xE3o\n"
    "            digitados nos campos da pena, como em pena; meses acima de 11 ou dias\n"
    "            acima de 29 d\xE3o a mensagem da calculadora. Escreve o texto da janela\n"
    "            Consequ\xEAncias da pena.\n";
constexpr std::string_view kHelpJson =
    "            --json          um objeto JSON numa linha, com pena_dias, regime,\n"
    "                            substituicao, sursis, livramento_fracao,\n"
    "                            livramento_dias, livramento_vedado_por,\n"
    "                            progressao_fracao, progressao_percentual,\n"
    "                            progressao_dias, progressao_inciso,\n"
    "                            progressao_lei, prescricao_punitiva_meses,\n"
    "                            prescricao_executoria_meses e notas (null onde\n"
    "                            n\xE3o cabe)\n";

std::optional<CommandResult> Run(const CommandArguments& args) {
    const CaseFactsArguments read = ReadCaseFactsArguments(args, kOwnFlags);
    if (read.Fault) {
        return *read.Fault;
    }
    if (read.Positional.size() != 3) {
        return std::nullopt;
    }
    const TermArgument term =
        ReadTermArguments(read.Positional[0], read.Positional[1], read.Positional[2]);
    if (term.Fault) {
        return *term.Fault;
    }
    const ConsequencesOutcome outcome = AnalyseConsequences(term.Days, read.Facts);
    if (!outcome.Ok()) {
        return SingleLine(outcome.Error, kExitInputError);
    }
    if (read.Has(kJsonFlag)) {
        return JsonLine(ConsequencesJson(outcome.Answers));
    }
    return TextLines(WriteConsequences(outcome.Answers, read.Facts));
}

} // namespace

const Command& ConsequencesCommand() {
    static const std::string help =
        std::string(kHelpLead) + std::string(kCaseFactsFlagsHelp) + std::string(kHelpJson);
    static const Command command{"consequencias", kSynopsis, help, false, &Run};
    return command;
}

} // namespace zarn
