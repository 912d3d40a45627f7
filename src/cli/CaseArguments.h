#pragma once

// The arguments of a subcommand that reads a case document: `--caso FILE` (FILE "-" reads
// standard input) and the switches the subcommand takes (--json, --extenso), in any order.
// Texts are Windows-1252.

#include "cli/Command.h"

#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace zarn {

struct CaseArguments {
    std::string File;
    std::set<std::string, std::less<>> Switches;

    bool Has(std::string_view flag) const { return Switches.contains(flag); }
};

struct CaseArgumentsReading {
    std::optional<CaseArguments> Arguments;
    // The usage error that names what is wrong: an unknown option, --caso without its file or
    // given twice. Neither when the arguments are not the command's at all (no --caso, or a
    // further argument): the usage then.
    std::optional<CommandResult> Fault;
};

CaseArgumentsReading ReadCaseArguments(const CommandArguments& args,
                                       std::span<const std::string_view> switches);

// The lines of --help that describe --caso, in the column layout of a subcommand's paragraph.
extern const std::string_view kCaseFlagHelp;

} // namespace zarn
