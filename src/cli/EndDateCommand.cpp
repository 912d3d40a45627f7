// zarn-calc termino: the calendar window's Calcula, the start date pasted into its field.

#include "cli/Commands.h"
#include "cli/FieldEntry.h"
#include "dates/DateError.h"
#include "dates/DateSettings.h"
#include "dates/EndDate.h"
#include "fields/ProgramMasks.h"

#include <array>

namespace zarn {
namespace {

constexpr std::string_view kHelp =
    "  termino   Calcula o \xFAltimo dia da pena. INICIO \xE9 colado no campo de data, como\n"
    "            15/03/2008 ou 15032008 (cada barra encontra a sua, como ao colar na\n"
    "            janela); ANOS (at\xE9 3 caracteres), MESES e DIAS (at\xE9 2) s\xE3o lidos\n"
    "            como n\xFAmeros inteiros. Escreve a data final, \"Erro!\" ou o erro da data.\n";

// The typing limits of the calendar's term fields.
constexpr std::size_t kYearsLimit = 3;
constexpr std::size_t kMonthsLimit = 2;
constexpr std::size_t kDaysLimit = 2;

std::optional<CommandResult> Run(const CommandArguments& args) {
    if (args.size() != 4) {
        return std::nullopt;
    }
    UseCalendarDateSettings();
    const std::array<FieldEntry, 4> entries = {
        PasteIntoField("INICIO", kDateMask, args[0]),
        EnterPlainField("ANOS", kYearsLimit, args[1]),
        EnterPlainField("MESES", kMonthsLimit, args[2]),
        EnterPlainField("DIAS", kDaysLimit, args[3]),
    };
    for (const FieldEntry& entry : entries) {
        if (!entry.Ok) {
            return SingleLine(entry.Refusal, kExitInputError);
        }
    }
    try {
        const EndDateOutcome outcome =
            ComputeEndDate(entries[1].Text, entries[2].Text, entries[3].Text, entries[0].Text);
        return SingleLine(outcome.Text, outcome.IsError ? kExitInputError : kExitResult);
    } catch (const DateError& error) {
        return SingleLine(error.what(), kExitInputError);
    }
}

} // namespace

const Command& EndDateCommand() {
    static const Command command{"termino", "INICIO ANOS MESES DIAS", kHelp, true, &Run};
    return command;
}

} // namespace zarn
