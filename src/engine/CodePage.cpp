#include "engine/CodePage.h"

#include <array>
#include <cstdint>

namespace zarn {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr unsigned char kFirstHighControl = 0x80;
constexpr unsigned char kFirstLatin1 = 0xA0;
constexpr char32_t kLastLatin1 = 0xFF;
constexpr char32_t kLastUnicode = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The length of a UTF-8 sequence from its lead byte, and the bits the lead carries; zero
// for a byte that cannot lead one.
struct Lead {
    std::size_t Length;
    char32_t Bits;
};

Lead LeadOf(unsigned char byte) {
    if (byte < 0x80) {
        return {1, byte};
    }
    if ((byte & 0xE0) == 0xC0) {
        return {2, static_cast<char32_t>(byte & 0x1F)};
    }
    if ((byte & 0xF0) == 0xE0) {
        return {3, static_cast<char32_t>(byte & 0x0F)};
    }
    if ((byte & 0xF8) == 0xF0) {
        return {4, static_cast<char32_t>(byte & 0x07)};
    }
    return {0, 0};
}

// The smallest code point each length may carry: a longer form is refused.
constexpr std::array<char32_t, 5> kShortestForm = {0, 0, 0x80, 0x800, 0x10000};

} // namespace

char32_t DecodeCp1252(unsigned char byte) {
    if (byte >= kFirstHighControl && byte < kFirstLatin1) {
        return kHighControls[byte - kFirstHighControl];
    }
    return byte;
}

std::optional<char> EncodeCp1252(char32_t character) {
    if (character < kFirstHighControl || (character >= kFirstLatin1 && character <= kLastLatin1)) {
        return static_cast<char>(static_cast<unsigned char>(character));
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) {
            return static_cast<char>(kFirstHighControl + i);
        }
    }
    return std::nullopt;
}

std::string Utf8FromCp1252(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (const char c : cp1252) {
        AppendUtf8(out, DecodeCp1252(static_cast<unsigned char>(c)));
    }
    return out;
}

std::optional<std::string> Cp1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Lead lead = LeadOf(static_cast<unsigned char>(utf8[i]));
        if (lead.Length == 0 || i + lead.Length > utf8.size()) {
            return std::nullopt;
        }
        char32_t code = lead.Bits;
        for (std::size_t k = 1; k < lead.Length; ++k) {
            const auto byte = static_cast<unsigned char>(utf8[i + k]);
            if ((byte & 0xC0) != 0x80) {
                return std::nullopt;
            }
            code = (code << 6) | (byte & 0x3F);
        }
        if (code < kShortestForm[lead.Length] || code > kLastUnicode ||
            (code >= kFirstSurrogate && code <= kLastSurrogate)) {
            return std::nullopt;
        }
        const std::optional<char> byte = EncodeCp1252(code);
        if (!byte) {
            return std::nullopt;
        }
        out.push_back(*byte);
        i += lead.Length;
    }
    return out;
}

} // namespace zarn
