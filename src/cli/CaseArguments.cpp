#include "cli/CaseArguments.h"

#include <algorithm>

namespace zarn {
namespace {

constexpr std::string_view kCaseFlag = "--caso";
constexpr std::string_view kFlagPrefix = "--";
constexpr std::string_view kMissingValue = "zarn-calc: falta o arquivo de %s.";
constexpr std::string_view kRepeated = "zarn-calc: %s dado duas vezes.";

std::string Naming(std::string_view text, std::string_view option) {
    std::string named(text);
    named.replace(named.find("%s"), 2, option);
    return named;
}

// The value after an option, which may not look like another option.
std::optional<std::string> ValueAfter(const CommandArguments& args, std::size_t& i) {
    if (i + 1 >= args.size() || args[i + 1].starts_with(kFlagPrefix)) {
        return std::nullopt;
    }
    return args[++i];
}

} // namespace

std::optional<std::string> CaseArguments::Value(std::string_view option) const {
    const auto found = Values.find(option);
    if (found == Values.end()) {
        return std::nullopt;
    }
    return found->second;
}

const std::string_view kCaseFlagHelp =
    "            --caso ARQUIVO  o documento do caso (.zarn, JSON em UTF-8); - l\xEA a\n"
    "                            entrada padr\xE3o\n";

CaseArgumentsReading ReadCaseArguments(const CommandArguments& args,
                                       std::span<const std::string_view> switches,
                                       std::span<const std::string_view> valued) {
    CaseArguments read;
    std::optional<std::string> file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = std::find(valued.begin(), valued.end(), arg) != valued.end();
        if (arg == kCaseFlag || takesValue) {
            std::optional<std::string> value = ValueAfter(args, i);
            if (!value) {
                return {std::nullopt, UsageFault(Naming(kMissingValue, arg))};
            }
            if (arg == kCaseFlag ? file.has_value() : read.Values.contains(arg)) {
                return {std::nullopt, UsageFault(Naming(kRepeated, arg))};
            }
            if (arg == kCaseFlag) {
                file = std::move(value);
            } else {
                read.Values[arg] = std::move(*value);
            }
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
