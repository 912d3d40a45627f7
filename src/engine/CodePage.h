#pragma once

// Windows-1252, the code page of every text of the program, against Unicode: the one table
// both crossings use, into Qt's strings (widgets/QtText) and into the UTF-8 of the case
// documents and the command line's JSON (caso/).

#include <optional>
#include <string>
#include <string_view>

namespace zarn {

// The character of a byte. The five byte values the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
char32_t DecodeCp1252(unsigned char byte);

// The byte of a character; nothing when the code page has none.
std::optional<char> EncodeCp1252(char32_t character);

// A Windows-1252 text in UTF-8.
std::string Utf8FromCp1252(std::string_view cp1252);

// A UTF-8 text in Windows-1252; nothing when it is not UTF-8 or holds a character the code
// page cannot hold.
std::optional<std::string> Cp1252FromUtf8(std::string_view utf8);

} // namespace zarn
