#include "widgets/QtText.h"

#include "engine/CodePage.h"

namespace zarn {

QString ToQString(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) {
        text.append(QChar(static_cast<char16_t>(DecodeCp1252(static_cast<unsigned char>(c)))));
    }
    return text;
}

bool ToCp1252Char(QChar c, char& out) {
    const std::optional<char> byte = EncodeCp1252(c.unicode());
    if (!byte) {
        return false;
    }
    out = *byte;
    return true;
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
