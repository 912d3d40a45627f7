#pragma once

// The term of an analysis subcommand: its years, months and days arguments typed into the
// main window's term fields (ANOS, MESES, DIAS), as zarn-calc pena types them, then read
// with the calculator's rules, so that months above 11 or days above 29 give the
// calculator's own message. Texts are Windows-1252.

#include "cli/Command.h"

#include <optional>
#include <string_view>

namespace zarn {

struct TermArgument {
    long long Days = 0; // on the 360/30 base
    // An argument its field refuses, or the calculator's message: an input error.
    std::optional<CommandResult> Fault;
};

TermArgument ReadTermArguments(std::string_view years, std::string_view months,
                               std::string_view days);

} // namespace zarn
