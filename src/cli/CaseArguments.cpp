#include "cli/CaseArguments.h"

#include <algorithm>

namespace zarn {
namespace {

constexpr std::string_view kCaseFlag = "--caso";
constexpr std::string_view kFlagPrefix = "--";
constexpr std::string_view kMissingFile = "zarn-calc: falta o arquivo de --caso.";
constexpr std::string_view kRepeatedFile = "zarn-calc: --caso dado duas vezes.";

} // namespace

const std::string_view kCaseFlagHelp =
    "            --caso ARQUIVO  o documento do caso (.zarn, JSON em UTF-8); - l\xEA a\n"
    "                            entrada padr\xE3o\n";

CaseArgumentsReading ReadCaseArguments(const CommandArguments& args,
                                       std::span<const std::string_view> switches) {
    CaseArguments read;
    std::optional<std::string> file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == kCaseFlag) {
            if (i + 1 >= args.size() || args[i + 1].starts_with(kFlagPrefix)) {
                return {std::nullopt, UsageFault(std::string(kMissingFile))};
            }
            if (file) {
                return {std::nullopt, UsageFault(std::string(kRepeatedFile))};
            }
            file = args[++i];
        } else if (std::find(switches.begin(), switches.end(), arg) != switches.end()) {
            read.Switches.insert(arg);
        } else if (arg.starts_with(kFlagPrefix)) {
            return {std::nullopt, UsageFault(std::string(kUnknownOptionMessage) + arg + "\".")};
        } else {
            return {};
        }
    }
    if (!file) {
        return {};
    }
    read.File = std::move(*file);
    return {std::move(read), std::nullopt};
}

} // namespace zarn
