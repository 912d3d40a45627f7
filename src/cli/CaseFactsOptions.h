#pragma once

// The flags of the facts of a case, which the analysis subcommands share:
//   --detencao --natureza N --data-crime D --tentativa --violencia --culposo
//   --violencia-sexual-mulher --reincidente --especifico --anterior-culposo
//   --maus-antecedentes --desfavoraveis --menor21 --maior70 --inciso X --detracao N
// read into CaseFacts, any other flags the subcommand takes collected by name, and the
// positional arguments left in order. An argument is a flag when it starts with "--";
// the value of a flag that takes one is the next argument, which must not itself start with
// "--". A flag given twice keeps its last value. --inciso sets the facts it implies once
// every flag is read.
//
// Refusals, ready to return as the subcommand's result:
// - an unknown flag, a flag without its value, an inciso or a natureza of no known name:
//   usage errors (exit 2), the message naming the flag and what was given;
// - a detracao that is not a whole number of days, or beyond any term, a date of the crime
//   that does not read as a date, an inciso that contradicts a fact given, facts that
//   contradict each other: input errors (exit 1), the message naming both facts. A negative
//   detracao is left to the analyses, which refuse it with their own message.
// Texts are Windows-1252.

#include "cli/Command.h"
#include "law/CaseFacts.h"

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zarn {

// A flag of the subcommand itself, beyond the facts: "--json", or "--regime" with a value.
struct OtherFlag {
    std::string_view Name;
    bool TakesValue = false;
};

struct CaseFactsArguments {
    CaseFacts Facts;
    CommandArguments Positional;
    // The other flags given: the name, and its value ("" for a flag without one).
    std::map<std::string, std::string, std::less<>> Flags;
    // The refusal of the arguments; nothing when they were read.
    std::optional<CommandResult> Fault;

    bool Has(std::string_view flag) const { return Flags.contains(flag); }
};

CaseFactsArguments ReadCaseFactsArguments(const CommandArguments& args,
                                          std::span<const OtherFlag> others = {});

// The value of a flag that counts days (--detracao, --remicao), read by ReadDayCount: a
// value that is not a whole number is an input error naming the flag, one beyond any count
// the input error `tooLarge`. Nothing when `days` holds the count.
std::optional<CommandResult> ReadDaysFlag(std::string_view flag, std::string_view value,
                                          std::string_view tooLarge, long long& days);

// The lines of --help that describe the flags of the facts, in the column layout of a
// subcommand's paragraph.
extern const std::string_view kCaseFactsFlagsHelp;

} // namespace zarn
