#include "cli/Command.h"
#include "cli/Commands.h"

#include <array>
#include <functional>
#include <utility>

namespace zarn {

std::span<const Command> Commands() {
    static const std::array kCommands = {
        SentenceCommand(),     EndDateCommand(),   MemoryCommand(),       FractionCommand(),
        ConsequencesCommand(), ExecutionCommand(), PrescriptionCommand(), SentencingCommand(),
    };
    return kCommands;
}

const Command* FindCommand(std::string_view name) {
    for (const Command& command : Commands()) {
        if (command.Name == name) {
            return &command;
        }
    }
    return nullptr;
}

CommandResult SingleLine(std::string line, int exitCode) {
    CommandResult result;
    result.Out.push_back(std::move(line));
    result.ExitCode = exitCode;
    return result;
}

CommandResult TextLines(const std::string& text) {
    CommandResult result;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        result.Out.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return result;
        }
        start = end + 1;
    }
}

CommandResult UsageFault(std::string message) {
    CommandResult result;
    result.Err = {std::move(message), std::string(kUsageHint)};
    result.ExitCode = kExitUsage;
    return result;
}

} // namespace zarn
