#pragma once

// The result of a subcommand's --json: the value on one line. Apart from Command.h so that
// only the subcommands that write JSON compile the JSON library.

#include "caso/JsonText.h"
#include "cli/Command.h"

#include <string_view>

namespace zarn {

// The switch that asks a subcommand for its answer as JSON.
inline constexpr std::string_view kJsonFlag = "--json";

CommandResult JsonLine(const JsonValue& value);

} // namespace zarn
