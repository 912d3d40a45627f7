// zarn-calc consequencias: the answer of the window "Consequencias da pena" for a term
// typed into the term fields and the facts given as flags, as its text or as one JSON
// object.

#include "cli/CaseFactsOptions.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "cli/TermArguments.h"
#include "law/Consequences.h"
#include "law/ConsequencesText.h"
#include "law/IncisoName.h"
#include "law/LawByDate.h"

#include <array>

namespace zarn {
namespace {

constexpr std::string_view kJsonFlag = "--json";
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

Json TextOrNull(std::string_view text) {
    return text.empty() ? Json::Null() : Json::String(text);
}

Json AnswersJson(const Consequences& answers) {
    const ParoleAnswer& parole = answers.Parole;
    const ProgressionRule& progression = answers.Progression.Rule;
    return Json::Object({
        {"pena_dias", Json::Integer(answers.TermDays)},
        {"regime", Json::String(RegimeName(answers.Regime.Initial))},
        {"substituicao", TextOrNull(answers.Substitution.Form)},
        {"sursis", TextOrNull(answers.Sursis.Period)},
        {"livramento_fracao",
         parole.Possible ? Json::String(FractionText(parole.Share)) : Json::Null()},
        {"livramento_dias", parole.Possible ? Json::Integer(parole.Days) : Json::Null()},
        {"livramento_vedado_por",
         parole.Bar == ParoleBar::Barred ? Json::String(parole.Source.Article) : Json::Null()},
        {"progressao_fracao", Json::String(ShareText(progression))},
        {"progressao_percentual", Json::Number(SharePercent(progression.Share))},
        {"progressao_dias", Json::Integer(answers.Progression.Days)},
        {"progressao_inciso",
         progression.Which ? Json::String(IncisoName(*progression.Which)) : Json::Null()},
        {"progressao_lei", Json::String(progression.Source.Wording.Law)},
        {"prescricao_punitiva_meses", Json::Integer(answers.Prescription.PunitivaMonths)},
        {"prescricao_executoria_meses", Json::Integer(answers.Prescription.ExecutoriaMonths)},
        {"notas", Json::Strings(answers.Notes)},
    });
}

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
        return SingleLine(AnswersJson(outcome.Answers).Text(), kExitResult);
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
