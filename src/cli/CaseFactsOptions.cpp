#include "cli/CaseFactsOptions.h"

#include "engine/NumberText.h"
#include "law/IncisoName.h"
#include "law/LawTexts.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zarn {
namespace {

constexpr std::string_view kFlagPrefix = "--";
constexpr std::string_view kIncisoFlag = "--inciso";
constexpr std::string_view kDetracaoFlag = "--detracao";

constexpr std::string_view kMissingValue = "zarn-calc: falta o valor de ";
constexpr std::string_view kUnknownInciso = " n\xE3o \xE9 um inciso do art. 112 da LEP (use I a "
                                            "VIII, VI-a, VI-b, VI-c, VI-A ou par3).";
constexpr std::string_view kNotWholeDays = " n\xE3o \xE9 um n\xFAmero inteiro de dias.";

// A flag of the facts that takes no value, and what it sets.
struct FactFlag {
    std::string_view Name;
    void (*Set)(CaseFacts& facts);
};

constexpr std::array kFactFlags{
    FactFlag{"--detencao", [](CaseFacts& f) { f.Kind = Especie::Detencao; }},
    FactFlag{"--reincidente", [](CaseFacts& f) { f.RepeatOffender = true; }},
    FactFlag{"--desfavoraveis", [](CaseFacts& f) { f.FavourableCircumstances = false; }},
    FactFlag{"--violencia", [](CaseFacts& f) { f.Violence = true; }},
    FactFlag{"--culposo", [](CaseFacts& f) { f.Culposo = true; }},
    FactFlag{"--menor21", [](CaseFacts& f) { f.Under21AtCrime = true; }},
    FactFlag{"--maior70", [](CaseFacts& f) { f.Over70AtSentence = true; }},
};

bool IsFlag(std::string_view arg) {
    return arg.starts_with(kFlagPrefix);
}

std::string Quote(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

CommandResult UnknownFlag(std::string_view flag) {
    return UsageFault(std::string(kUnknownOptionMessage) + std::string(flag) + "\".");
}

CommandResult MissingValue(std::string_view flag) {
    return UsageFault(std::string(kMissingValue) + std::string(flag) + ".");
}

std::optional<CommandResult> ReadInciso(std::string_view value, CaseFacts& facts) {
    const std::optional<Inciso> inciso = ReadIncisoName(value);
    if (!inciso) {
        return UsageFault("zarn-calc: " + std::string(kIncisoFlag) + " " + Quote(value) +
                          std::string(kUnknownInciso));
    }
    facts.ChosenInciso = inciso;
    return std::nullopt;
}

// Blanks dropped as the fields drop them; nothing left is no detracao. A sign is read, so
// that the analyses refuse a negative count with their own message.
std::optional<CommandResult> ReadDetracao(std::string_view value, CaseFacts& facts) {
    const std::string bare = RemoveBlanks(value);
    if (bare.empty()) {
        facts.DetracaoDays = 0;
        return std::nullopt;
    }
    const char* first = bare.data();
    const char* last = bare.data() + bare.size();
    const bool negative = *first == '-';
    const char* digits = negative ? first + 1 : first;
    long long days = 0;
    const auto [end, error] = std::from_chars(digits, last, days);
    const bool allDigits = digits != last && end == last &&
                           std::all_of(digits, last, [](char c) { return c >= '0' && c <= '9'; });
    if (!allDigits) {
        return SingleLine(std::string(kDetracaoFlag) + ": " + Quote(value) +
                              std::string(kNotWholeDays),
                          kExitInputError);
    }
    if (error == std::errc::result_out_of_range) {
        return SingleLine(std::string(kDetracaoTooLongMessage), kExitInputError);
    }
    facts.DetracaoDays = negative ? -days : days;
    return std::nullopt;
}

} // namespace

const std::string_view kCaseFactsFlagsHelp =
    "            Os fatos do caso, cada um ausente quando omitido:\n"
    "            --detencao      pena de deten\xE7\xE3o (sem ela, reclus\xE3o)\n"
    "            --reincidente   reincidente em crime doloso\n"
    "            --desfavoraveis circunst\xE2ncias judiciais desfavor\xE1veis\n"
    "            --violencia     crime com viol\xEAncia ou grave amea\xE7"
    "a \xE0 pessoa\n"
    "            --culposo       crime culposo\n"
    "            --menor21       menor de 21 anos na data do crime\n"
    "            --maior70       maior de 70 anos na data da senten\xE7"
    "a\n"
    "            --inciso X      o inciso do art. 112 da LEP: I a VIII, VI-a, VI-b,\n"
    "                            VI-c, VI-A ou par3 (sem ela, o que os fatos d\xE3o)\n"
    "            --detracao N    dias de detra\xE7\xE3o, um n\xFAmero inteiro\n";

CaseFactsArguments ReadCaseFactsArguments(const CommandArguments& args,
                                          std::span<const OtherFlag> others) {
    CaseFactsArguments read;
    for (std::size_t i = 0; i < args.size() && !read.Fault; ++i) {
        const std::string& arg = args[i];
        if (!IsFlag(arg)) {
            read.Positional.push_back(arg);
            continue;
        }
        const auto fact = std::find_if(kFactFlags.begin(), kFactFlags.end(),
                                       [&arg](const FactFlag& f) { return f.Name == arg; });
        if (fact != kFactFlags.end()) {
            fact->Set(read.Facts);
            continue;
        }
        const auto other = std::find_if(others.begin(), others.end(),
                                        [&arg](const OtherFlag& f) { return f.Name == arg; });
        const bool takesValue = arg == kIncisoFlag || arg == kDetracaoFlag ||
                                (other != others.end() && other->TakesValue);
        if (other == others.end() && !takesValue) {
            read.Fault = UnknownFlag(arg);
            break;
        }
        std::string value;
        if (takesValue) {
            if (i + 1 == args.size() || IsFlag(args[i + 1])) {
                read.Fault = MissingValue(arg);
                break;
            }
            value = args[++i];
        }
        if (arg == kIncisoFlag) {
            read.Fault = ReadInciso(value, read.Facts);
        } else if (arg == kDetracaoFlag) {
            read.Fault = ReadDetracao(value, read.Facts);
        } else {
            read.Flags[arg] = value;
        }
    }
    return read;
}

} // namespace zarn
