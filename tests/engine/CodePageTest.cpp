// The code page against an independent account of UTF-8: every byte goes out as the UTF-8 of
// its character and comes back whole; what is not UTF-8, or not in the code page, is refused.

#include "engine/CodePage.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zarn {
namespace {

// UTF-8 written out by hand from the code point, for the three lengths the code page uses.
std::string Utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 + c / 64);
        out += static_cast<char>(0x80 + c % 64);
    } else {
        out += static_cast<char>(0xE0 + c / 4096);
        out += static_cast<char>(0x80 + (c / 64) % 64);
        out += static_cast<char>(0x80 + c % 64);
    }
    return out;
}

TEST(CodePage, EveryByteGoesOutAndComesBackWhole) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
        const std::string one(1, static_cast<char>(byte));
        const char32_t c = DecodeCp1252(static_cast<unsigned char>(byte));
        EXPECT_EQ(Utf8FromCp1252(one), Utf8Of(c)) << byte;
        EXPECT_EQ(EncodeCp1252(c), static_cast<char>(byte)) << byte;
    }
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
}

TEST(CodePage, KnownCharactersAndRefusals) {
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {"m\xC3\xAAs", "m\xEAs"},
        {"\xE2\x82\xAC 5", "\x80 5"}, // the euro sign
        {"\xE2\x80\x9C"
         "a"
         "\xE2\x80\x9D",
         "\x93"
         "a\x94"}, // quotation marks
        {"", ""},
        {"\xE4\xB8\xAD", std::nullopt},     // a character the code page lacks
        {"\xF0\x9F\x98\x80", std::nullopt}, // beyond the basic plane
        {"\xC3", std::nullopt},             // cut short
        {"\xC3\x28", std::nullopt},         // a continuation missing
        {"\xC0\xAA", std::nullopt},         // an overlong form
        {"\xED\xA0\x80", std::nullopt},     // a surrogate
        {"\xFF", std::nullopt},             // no lead byte
        {"\x80", std::nullopt},             // a continuation alone
    };
    for (const auto& [utf8, cp1252] : rows) {
        EXPECT_EQ(Cp1252FromUtf8(utf8), cp1252) << utf8;
    }
}

} // namespace
} // namespace zarn
