#include "caso/JsonText.h"

#include "engine/CodePage.h"
#include "law/LegalText.h"

#include <cmath>

namespace zarn {
namespace {

constexpr int kDocumentIndent = 2;
// Whole values up to this size are written without a fraction.
constexpr double kLargestWhole = 9007199254740992.0; // 2^53

} // namespace

JsonValue JsonText(std::string_view cp1252) {
    return JsonValue(Utf8FromCp1252(cp1252));
}

JsonValue JsonDate(std::optional<DayNumber> date) {
    return date ? JsonValue(WriteDayMonthYear(*date)) : JsonValue(nullptr);
}

JsonValue JsonNumber(double value) {
    if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) <= kLargestWhole) {
        return JsonValue(static_cast<long long>(value));
    }
    return JsonValue(value);
}

// nlohmann writes "a":1 without blanks on one line; the blanks follow every colon and
// comma outside strings.
std::string WriteJsonLine(const JsonValue& value) {
    const std::string compact = value.dump();
    std::string line;
    line.reserve(compact.size() + compact.size() / 4);
    bool inString = false;
    bool escaped = false;
    for (const char c : compact) {
        line.push_back(c);
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == ':' || c == ',') {
            line.push_back(' ');
        }
    }
    return line;
}

std::string WriteJsonDocument(const JsonValue& value) {
    return value.dump(kDocumentIndent) + "\n";
}

JsonValue InKeyOrder(JsonValue object, std::span<const std::string_view> order) {
    JsonValue ordered = JsonValue::object();
    for (const std::string_view key : order) {
        const auto found = object.find(std::string(key));
        if (found != object.end()) {
            ordered[std::string(key)] = std::move(*found);
            object.erase(found);
        }
    }
    for (auto& [key, value] : object.items()) {
        ordered[key] = std::move(value);
    }
    return ordered;
}

} // namespace zarn
