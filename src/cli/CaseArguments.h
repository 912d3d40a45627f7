#pragma once

// The arguments of a subcommand that reads a case document: `--caso FILE` (FILE "-" reads
// standard input), the switches the subcommand takes (--json, --extenso) and the options that
// take a value (--pdf FILE), in any order. Texts are Windows-1252.

#include "cli/Command.h"

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace zarn {

struct CaseArguments {
    std::string File;
    std::set<std::string, std::less<>> Switches;
    std::map<std::string, std::string, std::less<>> Values;

    bool Has(std::string_view flag) const { return Switches.contains(flag); }
    // The value of an option that takes one; none where it was not given.
    std::optional<std::string> Value(std::string_view option) const;
};

struct CaseArgumentsReading {
    std::optional<CaseArguments> Arguments;
    // The usage error that names what is wrong: an unknown option, --caso or an option with a
    // value without it or given twice. Neither when the arguments are not the command's at all
    // (no --caso, or a further argument): the usage then.
    std::optional<CommandResult> Fault;
};

CaseArgumentsReading ReadCaseArguments(const CommandArguments& args,
                                       std::span<const std::string_view> switches,
                                       std::span<const std::string_view> valued = {});

// The lines of --help that describe --caso, in the column layout of a subcommand's paragraph.
extern const std::string_view kCaseFlagHelp;

} // namespace zarn
