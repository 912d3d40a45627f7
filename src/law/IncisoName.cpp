#include "law/IncisoName.h"

#include "law/LawTables.h"

#include <algorithm>
#include <array>
#include <string>

namespace zarn {

namespace {

constexpr char kSectionSign = '\xA7';
constexpr char kOrdinalSign = '\xBA';
constexpr std::string_view kParagraphWord = "par";
constexpr std::string_view kParagraphNumber = "3";
constexpr std::string_view kSplitNumeral = "VI";

struct NumeralName {
    std::string_view Numeral;
    Inciso Which;
};

constexpr std::array kWholeNumerals{
    NumeralName{"I", Inciso::I},       NumeralName{"II", Inciso::II},
    NumeralName{"III", Inciso::III},   NumeralName{"IV", Inciso::IV},
    NumeralName{"V", Inciso::V},       NumeralName{"VII", Inciso::VII},
    NumeralName{"VIII", Inciso::VIII},
};

struct LetterName {
    char Letter;
    Inciso Which;
};

constexpr std::array kSplitLetters{
    LetterName{'a', Inciso::VIa},
    LetterName{'b', Inciso::VIb},
    LetterName{'c', Inciso::VIc},
    LetterName{'A', Inciso::VIA},
};

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsRomanLetter(char c) {
    const char upper = AsciiUpper(c);
    return upper == 'I' || upper == 'V' || upper == 'X';
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "par. 3", "<section sign> 3<ordinal sign>" and the like: blanks and dots dropped, the
// ordinal (or "o") after the number dropped, then "par" or the sign followed by "3".
bool IsParagraph3(std::string_view text) {
    std::string bare;
    for (const char c : text) {
        if (c != ' ' && c != '.') {
            bare.push_back(AsciiLower(c));
        }
    }
    if (!bare.empty() && (bare.back() == kOrdinalSign || bare.back() == 'o')) {
        bare.pop_back();
    }
    std::string_view rest = bare;
    if (rest.starts_with(kParagraphWord)) {
        rest.remove_prefix(kParagraphWord.size());
    } else if (rest.starts_with(kSectionSign)) {
        rest.remove_prefix(1);
    } else {
        return false;
    }
    return rest == kParagraphNumber;
}

std::optional<Inciso> NumeralInciso(std::string_view text) {
    const std::size_t numeralLength = static_cast<std::size_t>(
        std::find_if_not(text.begin(), text.end(), IsRomanLetter) - text.begin());
    std::string numeral;
    for (const char c : text.substr(0, numeralLength)) {
        numeral.push_back(AsciiUpper(c));
    }
    std::string_view suffix = text.substr(numeralLength);
    if (suffix.empty()) {
        const auto found =
            std::find_if(kWholeNumerals.begin(), kWholeNumerals.end(),
                         [&numeral](const NumeralName& n) { return n.Numeral == numeral; });
        return found == kWholeNumerals.end() ? std::nullopt : std::optional<Inciso>(found->Which);
    }
    if (numeral != kSplitNumeral) {
        return std::nullopt;
    }
    if (suffix.starts_with('-')) {
        suffix.remove_prefix(1);
    }
    if (suffix.size() != 1) {
        return std::nullopt;
    }
    const auto found =
        std::find_if(kSplitLetters.begin(), kSplitLetters.end(),
                     [&suffix](const LetterName& l) { return l.Letter == suffix.front(); });
    return found == kSplitLetters.end() ? std::nullopt : std::optional<Inciso>(found->Which);
}

} // namespace

std::string_view IncisoName(Inciso inciso) {
    return ProgressionRowFor(inciso).Name;
}

std::optional<Inciso> ReadIncisoName(std::string_view text) {
    const std::string_view name = Trimmed(text);
    if (name.empty()) {
        return std::nullopt;
    }
    if (IsParagraph3(name)) {
        return Inciso::Paragrafo3;
    }
    return NumeralInciso(name);
}

} // namespace zarn
