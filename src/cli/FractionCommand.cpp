// zarn-calc fracao: the window Fração aplicada from the command line. The two terms are
// typed into their fields as pena types its arguments; the answer is every usual operation
// that turns the first into the second, one a line, then the variation.

#include "cli/Commands.h"
#include "cli/FieldEntry.h"
#include "engine/AppliedFraction.h"
#include "fields/ProgramMasks.h"

#include <array>

namespace zarn {
namespace {

constexpr std::string_view kHelp =
    "  fracao    Acha a fra\xE7\xE3o usual que levou de uma pena a outra: ANOS, MESES e\n"
    "            DIAS da pena de antes, depois os da pena de depois, digitados nos\n"
    "            seus campos como em pena. Escreve cada aumento ou diminui\xE7\xE3o que o\n"
    "            c\xE1lculo, com o seu truncamento, leva de uma \xE0 outra, um por linha\n"
    "            (\"+ 1/6\"), e a varia\xE7\xE3o (\"Varia\xE7\xE3o: +16,67%\"). Sem nenhuma\n"
    "            fra\xE7\xE3o, o c\xF3"
    "digo de sa\xED"
    "da \xE9 1. Um erro nos dados vem com o\n"
    "            nome da pena em que est\xE1 (\"Depois: ...\").\n";

constexpr std::size_t kTermArguments = 3;

struct FieldOfArgument {
    const char* Name;
    const char* Mask;
};

constexpr std::array<FieldOfArgument, kTermArguments> kFields = {{
    {"ANOS", kYearsMask},
    {"MESES", kMonthsMask},
    {"DIAS", kDaysMask},
}};

// A term's three arguments, from `first` on, typed into their fields; the refusal of the
// first one its field will not take, named with the term ("Antes ANOS: ...").
std::optional<std::string> EnterTerm(const CommandArguments& args, std::size_t first, TermSide side,
                                     TermTexts& term) {
    std::array<std::string*, kTermArguments> texts = {&term.Years, &term.Months, &term.Days};
    for (std::size_t i = 0; i < kTermArguments; ++i) {
        const std::string name = std::string(TermName(side)) + " " + kFields[i].Name;
        FieldEntry entry = TypeIntoField(name, kFields[i].Mask, args[first + i]);
        if (!entry.Ok) {
            return std::move(entry.Refusal);
        }
        *texts[i] = std::move(entry.Text);
    }
    return std::nullopt;
}

std::optional<CommandResult> Run(const CommandArguments& args) {
    if (args.size() != 2 * kTermArguments) {
        return std::nullopt;
    }
    TermTexts before;
    TermTexts after;
    if (std::optional<std::string> refusal = EnterTerm(args, 0, TermSide::Before, before)) {
        return SingleLine(std::move(*refusal), kExitInputError);
    }
    if (std::optional<std::string> refusal =
            EnterTerm(args, kTermArguments, TermSide::After, after)) {
        return SingleLine(std::move(*refusal), kExitInputError);
    }
    const FractionAnswer answer = FindAppliedFraction(before, after);
    if (!answer.Ok) {
        // No focus shows the term at fault here: the message names it.
        return SingleLine(std::string(TermName(answer.FaultTerm)) + ": " + answer.ErrorText,
                          kExitInputError);
    }
    CommandResult result;
    result.Out = AnswerLines(answer);
    result.ExitCode = answer.Matches.empty() ? kExitInputError : kExitResult;
    return result;
}

} // namespace

const Command& FractionCommand() {
    // Several lines for one question: not a line of --lote.
    static const Command command{"fracao", "ANOS MESES DIAS ANOS MESES DIAS", kHelp, false, &Run};
    return command;
}

} // namespace zarn
