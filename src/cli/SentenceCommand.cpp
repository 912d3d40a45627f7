// zarn-calc pena: the five arguments typed into the main window's fields, then Calcula.

#include "cli/Commands.h"
#include "cli/SentenceFields.h"
#include "engine/Calculation.h"

namespace zarn {
namespace {

constexpr std::string_view kHelp =
    "  pena      Cada argumento \xE9 digitado no seu campo vazio, como o usu\xE1rio o\n"
    "            digitaria: ANOS (at\xE9 3 algarismos), MESES e DIAS (at\xE9 2), MULTA em\n"
    "            dias-multa (at\xE9 5) e OPERACAO (um sinal e uma fra\xE7\xE3o, como \"+1/6\",\n"
    "            \"-1/3\" ou \"x2\"). Um argumento vazio (\"\") deixa o campo em branco.\n"
    "            Escreve a frase do resultado ou a mensagem de erro.\n";

std::optional<CommandResult> Run(const CommandArguments& args) {
    if (args.size() != kSentenceFieldCount) {
        return std::nullopt;
    }
    SentenceEntry entry = TypeIntoSentenceFields(args);
    if (!entry.Ok) {
        return SingleLine(std::move(entry.Refusal), kExitInputError);
    }
    const SentenceFieldTexts& texts = entry.Texts;
    CalcState state;
    const CalcOutcome outcome =
        RunCalculation(state, texts[0], texts[1], texts[2], texts[3], texts[4]);
    return SingleLine(outcome.OutcomeText, outcome.Ok ? kExitResult : kExitInputError);
}

} // namespace

const Command& SentenceCommand() {
    static const Command command{"pena", "ANOS MESES DIAS MULTA OPERACAO", kHelp, true, &Run};
    return command;
}

} // namespace zarn
