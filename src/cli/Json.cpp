#include "cli/Json.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zarn {
namespace {

constexpr std::string_view kNull = "null";
constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr unsigned char kFirstPrintable = 0x20;

void AppendEscaped(std::string& out, char c) {
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < kFirstPrintable) {
        out += "\\u00";
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0xF];
        return;
    }
    out += c;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        AppendEscaped(out, c);
    }
    out += '"';
    return out;
}

} // namespace

Json Json::Null() {
    return Json(std::string(kNull));
}

Json Json::Integer(long long value) {
    return Json(std::to_string(value));
}

Json Json::Boolean(bool value) {
    return Json(value ? "true" : "false");
}

Json Json::Number(double value) {
    if (!std::isfinite(value)) {
        return Null();
    }
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return Json(std::string(digits.data(), written.ptr));
}

Json Json::String(std::string_view text) {
    return Json(Quoted(text));
}

Json Json::List(const std::vector<Json>& items) {
    std::string out = "[";
    for (const Json& item : items) {
        if (out.size() > 1) {
            out += ", ";
        }
        out += item.Text();
    }
    return Json(out + "]");
}

Json Json::Strings(const std::vector<std::string>& texts) {
    std::vector<Json> items;
    for (const std::string& text : texts) {
        items.push_back(String(text));
    }
    return List(items);
}

Json Json::Object(const std::vector<std::pair<std::string_view, Json>>& members) {
    std::string out = "{";
    for (const auto& [key, value] : members) {
        if (out.size() > 1) {
            out += ", ";
        }
        out += Quoted(key) + ": " + value.Text();
    }
    return Json(out + "}");
}

} // namespace zarn
