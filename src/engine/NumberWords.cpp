#include "engine/NumberWords.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zarn {

namespace {

constexpr std::array<std::string_view, 10> kUnitWords = {
    "", "um", "dois", "tr\xEAs", "quatro", "cinco", "seis", "sete", "oito", "nove"};
constexpr std::array<std::string_view, 10> kTeenWords = {
    "dez",    "onze",      "doze",      "treze",   "quatorze",
    "quinze", "dezesseis", "dezessete", "dezoito", "dezenove"};
constexpr std::array<std::string_view, 10> kTenWords = {
    "",          "",         "vinte",   "trinta",  "quarenta",
    "cinquenta", "sessenta", "setenta", "oitenta", "noventa"};
constexpr std::array<std::string_view, 10> kHundredWords = {
    "",           "cento",      "duzentos",   "trezentos",  "quatrocentos",
    "quinhentos", "seiscentos", "setecentos", "oitocentos", "novecentos"};
constexpr std::string_view kExactHundred = "cem";
constexpr std::string_view kZero = "zero";
constexpr std::string_view kThousand = "mil";
constexpr std::string_view kOneMillion = "um milh\xE3o";
constexpr std::string_view kMillions = " milh\xF5"
                                       "es";
constexpr std::string_view kAnd = " e ";
constexpr std::string_view kBlank = " ";

constexpr std::uint64_t kThousandValue = 1000;
constexpr std::uint64_t kMillionValue = 1'000'000;
constexpr unsigned kHundredValue = 100;

// Appends a word, joined to what is already there by " e ".
void AppendJoined(std::string& text, std::string_view word) {
    if (!text.empty()) {
        text += kAnd;
    }
    text += word;
}

// The words of a group of three digits, 1 to 999: hundreds, tens and units joined by " e ".
std::string GroupInWords(unsigned group) {
    std::string words;
    const unsigned hundreds = group / kHundredValue;
    const unsigned belowHundred = group % kHundredValue;
    if (hundreds != 0) {
        words = group == kHundredValue ? kExactHundred : kHundredWords[hundreds];
    }
    if (belowHundred >= 10 && belowHundred < 20) {
        AppendJoined(words, kTeenWords[belowHundred - 10]);
        return words;
    }
    if (belowHundred >= 20) {
        AppendJoined(words, kTenWords[belowHundred / 10]);
    }
    if (belowHundred % 10 != 0) {
        AppendJoined(words, kUnitWords[belowHundred % 10]);
    }
    return words;
}

// One group present in a number: its words with its scale word, and its own value.
struct GroupPiece {
    std::string Words;
    unsigned Value = 0;
};

std::string MillionsInWords(unsigned millions) {
    return millions == 1 ? std::string(kOneMillion)
                         : GroupInWords(millions) + std::string(kMillions);
}

std::string ThousandsInWords(unsigned thousands) {
    return thousands == 1 ? std::string(kThousand)
                          : GroupInWords(thousands) + std::string(kBlank) + std::string(kThousand);
}

// The groups are joined by a blank, except that the last one is joined by " e " when its
// value is below a hundred or a whole number of hundreds: "mil e cem", "mil duzentos e
// cinquenta".
std::string JoinGroups(const std::array<GroupPiece, 3>& pieces, std::size_t count) {
    std::string words = pieces[0].Words;
    for (std::size_t i = 1; i < count; ++i) {
        const unsigned value = pieces[i].Value;
        const bool last = i + 1 == count;
        words += last && (value < kHundredValue || value % kHundredValue == 0) ? kAnd : kBlank;
        words += pieces[i].Words;
    }
    return words;
}

} // namespace

std::string NumberInWords(std::uint64_t n) {
    if (n > kLargestNumberInWords) {
        return {};
    }
    if (n == 0) {
        return std::string(kZero);
    }
    const auto millions = static_cast<unsigned>(n / kMillionValue);
    const auto thousands = static_cast<unsigned>(n / kThousandValue % kThousandValue);
    const auto units = static_cast<unsigned>(n % kThousandValue);
    std::array<GroupPiece, 3> pieces;
    std::size_t count = 0;
    if (millions != 0) {
        pieces[count++] = {MillionsInWords(millions), millions};
    }
    if (thousands != 0) {
        pieces[count++] = {ThousandsInWords(thousands), thousands};
    }
    if (units != 0) {
        pieces[count++] = {GroupInWords(units), units};
    }
    return JoinGroups(pieces, count);
}

std::string WriteNumber(long long n, bool inWords) {
    std::string digits = std::to_string(n);
    if (!inWords || n < 0 || static_cast<std::uint64_t>(n) > kLargestNumberInWords) {
        return digits;
    }
    return digits + " (" + NumberInWords(static_cast<std::uint64_t>(n)) + ")";
}

} // namespace zarn
