#pragma once

// A tiny JSON writer for the --json outputs of zarn-calc. A value holds its own JSON text,
// so lists and objects are made of values already written, in the order given, on one
// line. Texts are Windows-1252 like the rest of the command line, which writes them in
// UTF-8; in a string the quote, the backslash and the control characters are escaped.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zarn {

class Json {
public:
    static Json Null();
    static Json Integer(long long value);
    static Json Boolean(bool value);
    // The shortest text that reads back as the value ("12.5", "16"); null when the value is
    // not finite, which JSON cannot write.
    static Json Number(double value);
    static Json String(std::string_view text);
    static Json List(const std::vector<Json>& items);
    static Json Strings(const std::vector<std::string>& texts);
    static Json Object(const std::vector<std::pair<std::string_view, Json>>& members);

    const std::string& Text() const { return m_text; }

private:
    explicit Json(std::string text)
        : m_text(std::move(text)) {}

    std::string m_text;
};

} // namespace zarn
