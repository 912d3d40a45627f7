#pragma once

// One subcommand of zarn-calc: its name, its arguments and its paragraph of --help, and
// what it does with its arguments. Each subcommand lives in a file of its own; the table
// in CommandTable.cpp lists them. Texts are Windows-1252; the command line shows them in
// UTF-8.

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

inline constexpr int kExitResult = 0;        // a result (or --help, --version)
inline constexpr int kExitInputError = 1;    // the calculation or a field refused its input
inline constexpr int kExitUsage = 2;         // the command line (or a batch line) is malformed
inline constexpr int kExitOutputFailure = 3; // the output could not be written

// What a subcommand gives: lines for standard output, then lines for standard error, and
// the exit code.
struct CommandResult {
    std::vector<std::string> Out;
    std::vector<std::string> Err;
    int ExitCode = kExitResult;
};

// The arguments after the subcommand's name, in Windows-1252. A character that the code
// page cannot hold arrives as kUnknownCharacter.
using CommandArguments = std::vector<std::string>;

// The substitute character (SUB) stands for a character that Windows-1252 cannot hold.
inline constexpr char kUnknownCharacter = '\x1A';

// The words of a usage error that names what is wrong.
inline constexpr std::string_view kUnknownOptionMessage = "zarn-calc: op\xE7\xE3o desconhecida: \"";
inline constexpr std::string_view kUsageHint = "Para mais informa\xE7\xF5"
                                               "es: zarn-calc --help";

struct Command {
    std::string_view Name;
    // What follows the name on its usage line: "ANOS MESES DIAS MULTA OPERACAO".
    std::string_view Synopsis;
    // Its paragraph of --help, each line led by the column of names ("  pena      ...").
    std::string_view Help;
    // A line of --lote may run it: it writes one line for one line read.
    bool InBatch = false;
    // The result, or nothing when the arguments are not the command's (a usage error).
    std::optional<CommandResult> (*Run)(const CommandArguments& args) = nullptr;
    // The same, for a command that may read standard input (a case document given as "-"):
    // when set, it runs instead of Run.
    std::optional<CommandResult> (*RunWithInput)(const CommandArguments& args,
                                                 std::istream& in) = nullptr;
};

// Every subcommand, in the order --help lists them.
std::span<const Command> Commands();

// The subcommand of that name, or null.
const Command* FindCommand(std::string_view name);

// The one-line result of a command that writes a single line.
CommandResult SingleLine(std::string line, int exitCode);

// The result of a command that writes a text: one output line for each of its lines.
CommandResult TextLines(const std::string& text);

// A usage error of a command's arguments: the message naming what is wrong, then the hint
// to --help, on standard error; exit kExitUsage.
CommandResult UsageFault(std::string message);

} // namespace zarn
