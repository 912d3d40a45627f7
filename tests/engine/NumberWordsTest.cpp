// Numbers in words: a table of examples, and properties checked over every number up to
// 999 999 against a reader that turns the words back into the number.

#include "engine/NumberWords.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace zarn {
namespace {

TEST(NumberWords, Examples) {
    const std::map<std::uint64_t, std::string> rows = {
        {0, "zero"},
        {1, "um"},
        {2, "dois"},
        {3, "tr\xEAs"},
        {10, "dez"},
        {11, "onze"},
        {14, "quatorze"},
        {16, "dezesseis"},
        {20, "vinte"},
        {21, "vinte e um"},
        {50, "cinquenta"},
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
        {101000, "cento e um mil"},
        {1000000, "um milh\xE3o"},
        {1000001, "um milh\xE3o e um"},
        {1001000, "um milh\xE3o e mil"},
        {2000000, "dois milh\xF5"
                  "es"},
        {2500000, "dois milh\xF5"
                  "es e quinhentos mil"},
        {2000300, "dois milh\xF5"
                  "es e trezentos"},
        {1234567, "um milh\xE3o duzentos e trinta e quatro mil quinhentos e sessenta e sete"},
        {999999999, "novecentos e noventa e nove milh\xF5"
                    "es novecentos e noventa e nove mil "
                    "novecentos e noventa e nove"},
        {1000000000, ""},
        {UINT64_MAX, ""},
    };
    for (const auto& [n, words] : rows) {
        EXPECT_EQ(NumberInWords(n), words) << n;
    }
}

TEST(NumberWords, WriteNumberAddsWordsOnlyWhereThereAreAny) {
    struct Row {
        long long n;
        bool inWords;
        std::string text;
    } rows[] = {
        {5, false, "5"},
        {5, true, "5 (cinco)"},
        {0, true, "0 (zero)"},
        {-2, true, "-2"},
        {999999999, false, "999999999"},
        {1000000000, true, "1000000000"},
        {-9223372036854775807LL - 1, true, "-9223372036854775808"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WriteNumber(row.n, row.inWords), row.text) << row.n;
    }
}

// An independent reader of the words: each known word adds its value, "mil" multiplies
// what came before it (or 1) by a thousand, "milh\xE3o" and its plural by a million. Gives no
// value for an unknown word.
std::optional<std::uint64_t> ReadWords(const std::string& words) {
    static const std::map<std::string, std::uint64_t> values = [] {
        std::map<std::string, std::uint64_t> v = {{"zero", 0}, {"cem", 100}};
        const char* units[] = {"um",   "dois", "tr\xEAs", "quatro", "cinco",
                               "seis", "sete", "oito",    "nove"};
        const char* teens[] = {"dez",    "onze",      "doze",      "treze",   "quatorze",
                               "quinze", "dezesseis", "dezessete", "dezoito", "dezenove"};
        const char* tens[] = {"vinte",    "trinta",  "quarenta", "cinquenta",
                              "sessenta", "setenta", "oitenta",  "noventa"};
        const char* hundreds[] = {"cento",        "duzentos",   "trezentos",
                                  "quatrocentos", "quinhentos", "seiscentos",
                                  "setecentos",   "oitocentos", "novecentos"};
        for (std::uint64_t i = 0; i < 9; ++i) {
            v[units[i]] = i + 1;
            v[hundreds[i]] = (i + 1) * 100;
        }
        for (std::uint64_t i = 0; i < 10; ++i) {
            v[teens[i]] = 10 + i;
        }
        for (std::uint64_t i = 0; i < 8; ++i) {
            v[tens[i]] = (i + 2) * 10;
        }
        return v;
    }();
    std::istringstream in(words);
    std::uint64_t total = 0;
    std::uint64_t group = 0;
    for (std::string word; in >> word;) {
        if (word == "e") {
            continue;
        }
        if (word == "mil") {
            total += (group == 0 ? 1 : group) * 1000;
            group = 0;
        } else if (word == "milh\xE3o" || word == "milh\xF5"
                                                  "es") {
            total += group * 1000000;
            group = 0;
        } else if (const auto found = values.find(word); found != values.end()) {
            group += found->second;
        } else {
            return std::nullopt;
        }
    }
    return total + group;
}

// Lower-case letters, blanks and the three accented letters the words use.
bool IsWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || c == ' ' || c == '\xEA' || c == '\xE3' || c == '\xF5';
}

void ExpectWellFormed(std::uint64_t n, const std::string& words) {
    ASSERT_FALSE(words.empty()) << n;
    EXPECT_TRUE(std::all_of(words.begin(), words.end(), IsWordCharacter)) << n << ": " << words;
    EXPECT_EQ(words.find("  "), std::string::npos) << n << ": " << words;
    EXPECT_NE(words.front(), ' ') << n;
    EXPECT_NE(words.back(), ' ') << n;
    EXPECT_EQ(ReadWords(words), n) << words;
}

TEST(NumberWords, EveryNumberUpToAMillionReadsBack) {
    for (std::uint64_t n = 0; n < 1000000; ++n) {
        const std::string words = NumberInWords(n);
        ExpectWellFormed(n, words);
        if (HasFailure()) {
            return;
        }
    }
}

TEST(NumberWords, MillionsReadBack) {
    for (std::uint64_t n = 1000000; n <= kLargestNumberInWords; n += 999983) {
        ExpectWellFormed(n, NumberInWords(n));
    }
    ExpectWellFormed(kLargestNumberInWords, NumberInWords(kLargestNumberInWords));
}

TEST(NumberWords, WholeThousandsEndInMil) {
    for (std::uint64_t n = 1; n < 1000; ++n) {
        const std::string words = NumberInWords(n * 1000);
        ASSERT_GE(words.size(), 3u);
        EXPECT_EQ(words.substr(words.size() - 3), "mil") << n * 1000;
    }
}

} // namespace
} // namespace zarn
