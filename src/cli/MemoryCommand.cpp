// zarn-calc memoria: a chain of the main window written as its calculation record. The
// first operation is a Calcula as pena runs it; each further one is Continua, then that
// operation typed, then Calcula.

#include "cli/Commands.h"
#include "cli/SentenceFields.h"
#include "engine/CalcFlow.h"
#include "engine/CalcRecord.h"
#include "engine/Calculation.h"
#include "engine/Texts.h"

#include <optional>

namespace zarn {
namespace {

constexpr std::string_view kInWordsOption = "--extenso";
constexpr std::string_view kOptionPrefix = "--";

constexpr std::string_view kHelp =
    "  memoria   Faz um c\xE1lculo encadeado e escreve a sua mem\xF3ria, uma linha por\n"
    "            passo, como a janela Mem\xF3ria do c\xE1lculo. A primeira OPERACAO \xE9 feita\n"
    "            como em pena; cada OPERACAO seguinte, depois de um Continua o mesmo\n"
    "            c\xE1lculo. Com --extenso, os n\xFAmeros da pena e dos dias-multa v\xEAm\n"
    "            tamb\xE9m por extenso, como \"5 (cinco) anos\". Um erro nos dados, ou um\n"
    "            resultado que n\xE3o cabe nos campos para continuar, encerra o c\xE1lculo:\n"
    "            as linhas feitas at\xE9 ali saem na sa\xED"
    "da padr\xE3o, e a mensagem, na\n"
    "            sa\xED"
    "da de erros.\n";

// One Calcula of the chain, its step written into the record; the input error's message
// when there is one.
std::optional<std::string> Calcula(CalcState& state, CalcRecord& record,
                                   const SentenceFieldTexts& texts) {
    const CalcOutcome outcome =
        RunCalculation(state, texts[0], texts[1], texts[2], texts[3], texts[4]);
    record.AppendStep(state, outcome, texts[4]);
    if (!outcome.Ok) {
        return outcome.OutcomeText;
    }
    return std::nullopt;
}

// Continua, then the operation typed, then Calcula; the message that stops the chain when
// there is one.
std::optional<std::string> ContinuaThen(CalcState& state, CalcRecord& record,
                                        const std::string& operation) {
    if (!ResultsFitTheFields(state)) {
        return std::string(kResultsDoNotFitMessage);
    }
    SentenceEntry entry = ContinueWithOperation(CarryResultsForward(state), operation);
    if (!entry.Ok) {
        return std::move(entry.Refusal);
    }
    return Calcula(state, record, entry.Texts);
}

std::optional<CommandResult> Run(const CommandArguments& args) {
    const bool inWords = !args.empty() && args.front() == kInWordsOption;
    const std::span<const std::string> chain = std::span(args).subspan(inWords ? 1 : 0);
    // The four term arguments and at least one operation; no option but --extenso, first.
    if (chain.size() < kSentenceFieldCount || chain.front().starts_with(kOptionPrefix)) {
        return std::nullopt;
    }
    CalcState state;
    CalcRecord record;
    SentenceEntry first = TypeIntoSentenceFields(chain.first(kSentenceFieldCount));
    std::optional<std::string> stop =
        first.Ok ? Calcula(state, record, first.Texts) : std::move(first.Refusal);
    for (std::size_t i = kSentenceFieldCount; i < chain.size() && !stop; ++i) {
        stop = ContinuaThen(state, record, chain[i]);
    }
    CommandResult result;
    result.Out = record.Lines(inWords);
    if (stop) {
        result.Err.push_back(std::move(*stop));
        result.ExitCode = kExitInputError;
    }
    return result;
}

} // namespace

const Command& MemoryCommand() {
    // It writes a line for each step, so it has no place in the batch of one line each.
    static const Command command{
        "memoria", "[--extenso] ANOS MESES DIAS MULTA OPERACAO [OPERACAO...]", kHelp, false, &Run};
    return command;
}

} // namespace zarn
