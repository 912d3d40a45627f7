#include "widgets/QtText.h"

#include <array>

namespace zarn {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t DecodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80u];
    }
    return byte;
}

} // namespace

QString ToQString(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) {
        text.append(QChar(DecodeByte(static_cast<unsigned char>(c))));
    }
    return text;
}

bool ToCp1252Char(QChar c, char& out) {
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        out = static_cast<char>(static_cast<unsigned char>(code));
        return true;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            out = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

std::string ToCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        char byte = '?';
        ToCp1252Char(c, byte);
        bytes.push_back(byte);
    }
    return bytes;
}

} // namespace zarn
