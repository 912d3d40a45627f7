#include "cli/TermArguments.h"

#include "cli/FieldEntry.h"
#include "engine/TermReading.h"
#include "fields/ProgramMasks.h"

#include <array>

namespace zarn {

TermArgument ReadTermArguments(std::string_view years, std::string_view months,
                               std::string_view days) {
    const std::array<FieldEntry, 3> entries = {
        TypeIntoField("ANOS", kYearsMask, years),
        TypeIntoField("MESES", kMonthsMask, months),
        TypeIntoField("DIAS", kDaysMask, days),
    };
    TermArgument term;
    for (const FieldEntry& entry : entries) {
        if (!entry.Ok) {
            term.Fault = SingleLine(entry.Refusal, kExitInputError);
            return term;
        }
    }
    const TermReading reading = ReadTerm(entries[0].Text, entries[1].Text, entries[2].Text);
    if (!reading.Ok) {
        term.Fault = SingleLine(reading.Error, kExitInputError);
        return term;
    }
    term.Days = reading.Days;
    return term;
}

} // namespace zarn
