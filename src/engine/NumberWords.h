#pragma once

// Whole numbers written out in words ("por extenso"), Brazilian Portuguese, masculine, as a
// sentence writes them: "5 (cinco) anos". Texts are Windows-1252.

#include <cstdint>
#include <string>

namespace zarn {

inline constexpr std::uint64_t kLargestNumberInWords = 999'999'999;

// The words of n: "zero", "vinte e um", "mil e cem", "um milh\xE3o e um".
// Empty above kLargestNumberInWords.
std::string NumberInWords(std::uint64_t n);

// The number in digits, followed by its words in parentheses when inWords is set:
// "5" or "5 (cinco)". Negative numbers and numbers above kLargestNumberInWords stay in
// digits only.
std::string WriteNumber(long long n, bool inWords);

} // namespace zarn
