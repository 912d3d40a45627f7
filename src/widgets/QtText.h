#pragma once

// The one crossing between the program's single-byte Windows-1252 texts and Qt's
// QString. Every text that goes from a pure library to a window, or back, passes here.

#include <QString>
#include <string>
#include <string_view>

namespace zarn {

// Decodes a Windows-1252 text. The five byte values the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
QString ToQString(std::string_view cp1252);

// Encodes into Windows-1252. A character the code page cannot hold becomes "?".
std::string ToCp1252(const QString& text);

// Encodes one character; false when Windows-1252 has no byte for it.
bool ToCp1252Char(QChar c, char& out);

} // namespace zarn
