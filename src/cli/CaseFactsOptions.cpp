#include "cli/CaseFactsOptions.h"

#include "cli/FieldEntry.h"
#include "dates/DateSettings.h"
#include "dates/EndDate.h"
#include "engine/NumberText.h"
#include "fields/ProgramMasks.h"
#include "law/FactNames.h"
#include "law/IncisoName.h"
#include "law/LawTexts.h"

#include <algorithm>
#include <array>

namespace zarn {
namespace {

constexpr std::string_view kFlagPrefix = "--";
constexpr std::string_view kIncisoFlag = "--inciso";
constexpr std::string_view kDetracaoFlag = "--detracao";
constexpr std::string_view kNaturezaFlag = "--natureza";
constexpr std::string_view kCrimeDateFlag = "--data-crime";
constexpr std::array kValueFlags{kIncisoFlag, kDetracaoFlag, kNaturezaFlag, kCrimeDateFlag};

constexpr std::string_view kMissingValue = "zarn-calc: falta o valor de ";
constexpr std::string_view kUnknownInciso = " n\xE3o \xE9 um inciso do art. 112 da LEP (use I a "
                                            "VIII, VI-a, VI-b, VI-c, VI-A ou par3).";
constexpr std::string_view kNotWholeDays = " n\xE3o \xE9 um n\xFAmero inteiro de dias.";
constexpr std::string_view kUnknownNatureza =
    " n\xE3o \xE9 uma natureza (use comum, hediondo, hediondo-morte, feminicidio, comando, "
    "milicia, trafico-privilegiado, trafico-pessoas ou associacao-trafico).";
constexpr std::string_view kNotADate = " n\xE3o \xE9 uma data (dd/mm/aaaa).";

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
    FactFlag{"--tentativa", [](CaseFacts& f) { f.Attempt = true; }},
    FactFlag{"--violencia-sexual-mulher",
             [](CaseFacts& f) { f.SexualViolenceAgainstWoman = true; }},
    FactFlag{"--especifico", [](CaseFacts& f) { f.SpecificRepeatOffender = true; }},
    FactFlag{"--anterior-culposo", [](CaseFacts& f) { f.EarlierDoloso = false; }},
    FactFlag{"--maus-antecedentes", [](CaseFacts& f) { f.GoodAntecedents = false; }},
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

std::optional<CommandResult> ReadInciso(std::string_view value, std::optional<Inciso>& inciso) {
    inciso = ReadIncisoName(value);
    if (!inciso) {
        return UsageFault("zarn-calc: " + std::string(kIncisoFlag) + " " + Quote(value) +
                          std::string(kUnknownInciso));
    }
    return std::nullopt;
}

std::optional<CommandResult> ReadNatureza(std::string_view value, CaseFacts& facts) {
    const std::optional<Natureza> nature = NaturezaFromFlag(value);
    if (!nature) {
        return UsageFault("zarn-calc: " + std::string(kNaturezaFlag) + " " + Quote(value) +
                          std::string(kUnknownNatureza));
    }
    facts.Nature = *nature;
    return std::nullopt;
}

// The date pasted into the calendar's date field and read as the calendar reads it.
std::optional<CommandResult> ReadCrimeDate(std::string_view value, CaseFacts& facts) {
    UseCalendarDateSettings();
    const FieldEntry field = PasteIntoField(kCrimeDateFlag, kDateMask, value);
    const std::optional<DayNumber> date =
        field.Ok ? ReadStartDate(field.Text) : std::optional<DayNumber>();
    if (!date) {
        return SingleLine(std::string(kCrimeDateFlag) + ": " + Quote(value) +
                              std::string(kNotADate),
                          kExitInputError);
    }
    facts.CrimeDate = *date;
    return std::nullopt;
}

// The inciso sets the facts it implies once every flag is read; the facts must then hold
// together. Either refusal is an input error.
std::optional<CommandResult> SettleFacts(const std::optional<Inciso>& inciso, CaseFacts& facts) {
    std::string fault = inciso ? ApplyInciso(*inciso, facts) : std::string();
    if (fault.empty()) {
        fault = FactsContradiction(facts);
    }
    if (!fault.empty()) {
        return SingleLine(std::move(fault), kExitInputError);
    }
    return std::nullopt;
}

std::optional<CommandResult> ReadDetracao(std::string_view value, CaseFacts& facts) {
    return ReadDaysFlag(kDetracaoFlag, value, kDetracaoTooLongMessage, facts.DetracaoDays);
}

} // namespace

std::optional<CommandResult> ReadDaysFlag(std::string_view flag, std::string_view value,
                                          std::string_view tooLarge, long long& days) {
    const DayCountReading reading = ReadDayCount(value);
    switch (reading.Fault) {
    case DayCountFault::NotWhole:
        return SingleLine(std::string(flag) + ": " + Quote(value) + std::string(kNotWholeDays),
                          kExitInputError);
    case DayCountFault::TooLarge:
        return SingleLine(std::string(tooLarge), kExitInputError);
    case DayCountFault::None:
        break;
    }
    days = reading.Days;
    return std::nullopt;
}

const std::string_view kCaseFactsFlagsHelp =
    "            Os fatos do caso, cada um ausente quando omitido:\n"
    "            --detencao      pena de deten\xE7\xE3o (sem ela, reclus\xE3o)\n"
    "            --natureza N    comum (o padr\xE3o), hediondo, hediondo-morte,\n"
    "                            feminicidio, comando, milicia,\n"
    "                            trafico-privilegiado, trafico-pessoas ou\n"
    "                            associacao-trafico, como a lei a dava na data\n"
    "                            do crime\n"
    "            --data-crime D  a data do crime, dd/mm/aaaa (sem ela, a lei de hoje)\n"
    "            --tentativa     crime tentado\n"
    "            --violencia     crime com viol\xEAncia ou grave amea\xE7"
    "a \xE0 pessoa\n"
    "            --culposo       crime culposo\n"
    "            --violencia-sexual-mulher\n"
    "                            crime de viol\xEAncia sexual contra a mulher\n"
    "            --reincidente   reincidente (CP arts. 63 e 64)\n"
    "            --especifico    reincidente espec\xED"
    "fico (com --reincidente)\n"
    "            --anterior-culposo\n"
    "                            a condena\xE7\xE3o anterior foi por crime culposo\n"
    "                            (com --reincidente)\n"
    "            --maus-antecedentes\n"
    "                            sem bons antecedentes\n"
    "            --desfavoraveis circunst\xE2ncias judiciais desfavor\xE1veis\n"
    "            --menor21       menor de 21 anos na data do crime\n"
    "            --maior70       maior de 70 anos na data da senten\xE7"
    "a\n"
    "            --inciso X      um inciso do art. 112 da LEP (I a VIII, VI-a, VI-b,\n"
    "                            VI-c, VI-A ou par3), que d\xE1 os fatos que sup\xF5"
    "e;\n"
    "                            fatos contradit\xF3rios s\xE3o recusados\n"
    "            --detracao N    dias de detra\xE7\xE3o, um n\xFAmero inteiro\n";

CaseFactsArguments ReadCaseFactsArguments(const CommandArguments& args,
                                          std::span<const OtherFlag> others) {
    CaseFactsArguments read;
    std::optional<Inciso> inciso;
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
        const bool ownValue =
            std::find(kValueFlags.begin(), kValueFlags.end(), arg) != kValueFlags.end();
        const bool takesValue = ownValue || (other != others.end() && other->TakesValue);
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
            read.Fault = ReadInciso(value, inciso);
        } else if (arg == kDetracaoFlag) {
            read.Fault = ReadDetracao(value, read.Facts);
        } else if (arg == kNaturezaFlag) {
            read.Fault = ReadNatureza(value, read.Facts);
        } else if (arg == kCrimeDateFlag) {
            read.Fault = ReadCrimeDate(value, read.Facts);
        } else {
            read.Flags[arg] = value;
        }
    }
    if (!read.Fault) {
        read.Fault = SettleFacts(inciso, read.Facts);
    }
    return read;
}

} // namespace zarn
