// Numbers in words: a table of examples, and properties checked over every number up to
// 999 999 (and a sample of the millions) against a reader that turns the words back into
// the number.

#include "engine/NumberWords.h"

#include "support/Sweep.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zarn {
namespace {

TEST(NumberWords, Examples) {
    const std::map<std::uint64_t, std::string> rows = {
        {0, "zero"},
        {1, "um"},
        {2, "dois"},
        {10, "dez"},
        {11, "onze"},
        {16, "dezesseis"},
        {20, "vinte"},
        {21, "vinte e um"},
        {99, "noventa e nove"},
        {100, "cem"},
        {101, "cento e um"},
        {110, "cento e dez"},
        {200, "duzentos"},
        {999, "novecentos e noventa e nove"},
        {1000, "mil"},
        {1001, "mil e um"},
        {1100, "mil e cem"},
        {1250, "mil duzentos e cinquenta"},
        {2000, "dois mil"},
        {10000, "dez mil"},
        {66666, "sessenta e seis mil seiscentos e sessenta e seis"},
        {100000, "cem mil"},
        {1000000, "um milh\xE3o"},
        {1000001, "um milh\xE3o e um"},
        {2500000, "dois milh\xF5"
                  "es e quinhentos mil"},
        {1234567, "um milh\xE3o duzentos e trinta e quatro mil quinhentos e sessenta e sete"},
        {999999999, "novecentos e noventa e nove milh\xF5"
                    "es novecentos e noventa e nove mil novecentos e noventa e nove"},
        {1000000000, ""},
    };
    for (const auto& [n, words] : rows) {
        EXPECT_EQ(NumberInWords(n), words) << n;
    }
    EXPECT_EQ(WriteNumber(5, false), "5");
    EXPECT_EQ(WriteNumber(5, true), "5 (cinco)");
    EXPECT_EQ(WriteNumber(-2, true), "-2");
    EXPECT_EQ(WriteNumber(1000000000, true), "1000000000");
}

constexpr std::string_view kMillions = "milh\xF5"
                                       "es";

// Adds the words of a blank-separated list, the first worth `first`, each next `step` more.
void AddWords(std::map<std::string, std::uint64_t, std::less<>>& values, std::string_view list,
              std::uint64_t first, std::uint64_t step) {
    for (std::uint64_t value = first; !list.empty(); value += step) {
        const std::size_t blank = std::min(list.find(' '), list.size());
        values.emplace(list.substr(0, blank), value);
        list.remove_prefix(std::min(blank + 1, list.size()));
    }
}

// An independent reader of the words: each known word adds its value, "mil" multiplies
// what came before it (or 1) by a thousand, "milh\xE3o" (after "um" only) and its plural
// (after more than one) by a million. Gives no value for an unknown word or "um mil".
std::optional<std::uint64_t> ReadWords(std::string_view words) {
    static const auto values = [] {
        std::map<std::string, std::uint64_t, std::less<>> v = {{"zero", 0}, {"cem", 100}};
        AddWords(v, "um dois tr\xEAs quatro cinco seis sete oito nove", 1, 1);
        AddWords(v, "dez onze doze treze quatorze quinze dezesseis dezessete dezoito dezenove", 10,
                 1);
        AddWords(v, "vinte trinta quarenta cinquenta sessenta setenta oitenta noventa", 20, 10);
        AddWords(v,
                 "cento duzentos trezentos quatrocentos quinhentos seiscentos setecentos "
                 "oitocentos novecentos",
                 100, 100);
        return v;
    }();
    std::uint64_t total = 0;
    std::uint64_t group = 0;
    while (!words.empty()) {
        const std::size_t blank = std::min(words.find(' '), words.size());
        const std::string_view word = words.substr(0, blank);
        words.remove_prefix(std::min(blank + 1, words.size()));
        if (word == "mil" && group != 1) {
            total += std::max<std::uint64_t>(group, 1) * 1000;
            group = 0;
        } else if ((word == "milh\xE3o" && group == 1) || (word == kMillions && group > 1)) {
            total += group * 1000000;
            group = 0;
        } else if (const auto found = values.find(word); found != values.end()) {
            group += found->second;
        } else if (word != "e") {
            return std::nullopt;
        }
    }
    return total + group;
}

// Lower-case letters, blanks and the three accented letters the words use.
bool IsWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || c == ' ' || c == '\xEA' || c == '\xE3' || c == '\xF5';
}

// Not empty, only word characters, no blank at either end nor two in a row.
bool IsWellFormed(const std::string& words) {
    return !words.empty() && std::all_of(words.begin(), words.end(), IsWordCharacter) &&
           words.find("  ") == std::string::npos && words.front() != ' ' && words.back() != ' ';
}

TEST(NumberWords, EveryNumberHasWellFormedWordsThatReadBack) {
    for (std::uint64_t n = 0; n <= kLargestNumberInWords; n += n < 1000000 ? 1 : 999983) {
        if (!testing::InSweep(static_cast<long long>(n))) {
            continue;
        }
        const std::string words = NumberInWords(n);
        if (!IsWellFormed(words) || ReadWords(words) != n) {
            FAIL() << n << ": \"" << words << "\"";
        }
    }
    for (std::uint64_t n = 1; n < 1000; ++n) {
        const std::string words = NumberInWords(n * 1000);
        ASSERT_TRUE(words.ends_with("mil")) << words;
    }
}

} // namespace
} // namespace zarn
