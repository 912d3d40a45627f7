#include "caso/DocumentNode.h"

#include "engine/CodePage.h"

#include <algorithm>
#include <charconv>

namespace zarn {
namespace {

constexpr std::size_t kDateLength = 10;
constexpr std::size_t kMonthAt = 3;
constexpr std::size_t kYearAt = 6;
constexpr long long kDaysPerYear = 360;
constexpr long long kDaysPerMonth = 30;
// Any part of a term above this is far beyond the calculation's limit.
constexpr long long kLargestTermPart = 1000000000000LL;

std::optional<long long> DigitsValue(std::string_view text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string ChildPlace(const std::string& place, std::string_view key) {
    // An empty key would leave no name in the place: it is shown as written, "".
    const std::string shown = key.empty() ? "\"\"" : std::string(key);
    return place.empty() ? shown : place + "." + shown;
}

DocumentNode::DocumentNode(const JsonValue& value, std::string place)
    : m_value(&value)
    , m_place(std::move(place)) {}

void DocumentNode::Refuse(const std::string& what) const {
    throw DocumentError(m_place.empty() ? what : m_place + ": " + what);
}

void DocumentNode::RefuseValue(const std::string& text) const {
    Refuse("valor desconhecido \"" + text + "\"");
}

void DocumentNode::RequireObject() const {
    if (!m_value->is_object()) {
        Refuse("deve ser um objeto {...}");
    }
}

void DocumentNode::ExpectObject(std::initializer_list<std::string_view> known) const {
    ExpectObject(std::span<const std::string_view>(known.begin(), known.size()));
}

void DocumentNode::ExpectObject(std::span<const std::string_view> known) const {
    RequireObject();
    for (const auto& [key, value] : m_value->items()) {
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            const std::optional<std::string> shown = Cp1252FromUtf8(key);
            DocumentNode(value, ChildPlace(m_place, shown.value_or("?")))
                .Refuse("chave desconhecida");
        }
    }
}

std::optional<DocumentNode> DocumentNode::Member(std::string_view key) const {
    RequireObject();
    const auto found = m_value->find(std::string(key));
    if (found == m_value->end()) {
        return std::nullopt;
    }
    return DocumentNode(*found, ChildPlace(m_place, key));
}

DocumentNode DocumentNode::Required(std::string_view key) const {
    std::optional<DocumentNode> member = Member(key);
    if (!member) {
        DocumentNode(*m_value, ChildPlace(m_place, key)).Refuse("chave obrigat\xF3ria ausente");
    }
    return *member;
}

std::vector<DocumentNode> DocumentNode::Items() const {
    if (!m_value->is_array()) {
        Refuse("deve ser uma lista [...]");
    }
    std::vector<DocumentNode> items;
    for (std::size_t i = 0; i < m_value->size(); ++i) {
        items.emplace_back((*m_value)[i], m_place + "[" + std::to_string(i) + "]");
    }
    return items;
}

std::string DocumentNode::Text() const {
    if (!m_value->is_string()) {
        Refuse("deve ser um texto \"...\"");
    }
    const std::optional<std::string> text = Cp1252FromUtf8(m_value->get_ref<const std::string&>());
    if (!text) {
        Refuse("texto com um caractere que o Zarn n\xE3o representa");
    }
    return *text;
}

bool DocumentNode::Boolean() const {
    if (!m_value->is_boolean()) {
        Refuse("deve ser true ou false");
    }
    return m_value->get<bool>();
}

long long DocumentNode::Whole(long long least, long long most) const {
    const std::string range =
        "deve ser um n\xFAmero inteiro de " + std::to_string(least) + " a " + std::to_string(most);
    if (!m_value->is_number_integer()) {
        Refuse(range);
    }
    if (m_value->is_number_unsigned()) {
        const auto value = m_value->get<unsigned long long>();
        if (value > static_cast<unsigned long long>(most)) {
            Refuse(range);
        }
        return static_cast<long long>(value);
    }
    const auto value = m_value->get<long long>();
    if (value < least || value > most) {
        Refuse(range);
    }
    return value;
}

DayNumber DocumentNode::Date() const {
    const std::string text = Text();
    const auto refuse = [&]() {
        Refuse("data inv\xE1lida \"" + text + "\": use dd/mm/aaaa, de 01/01/0001 a 31/12/9999");
    };
    if (text.size() != kDateLength || text[kMonthAt - 1] != '/' || text[kYearAt - 1] != '/') {
        refuse();
    }
    const std::optional<long long> day = DigitsValue(std::string_view(text).substr(0, 2));
    const std::optional<long long> month = DigitsValue(std::string_view(text).substr(kMonthAt, 2));
    const std::optional<long long> year = DigitsValue(std::string_view(text).substr(kYearAt, 4));
    if (!day || !month || !year ||
        !CivilDateValid(static_cast<std::uint16_t>(*year), static_cast<std::uint16_t>(*month),
                        static_cast<std::uint16_t>(*day))) {
        refuse();
    }
    return DateFromCivil(static_cast<std::uint16_t>(*year), static_cast<std::uint16_t>(*month),
                         static_cast<std::uint16_t>(*day));
}

std::optional<DayNumber> DocumentNode::DateOrNull() const {
    if (IsNull()) {
        return std::nullopt;
    }
    return Date();
}

long long DocumentNode::TermDays(long long most) const {
    ExpectObject({"anos", "meses", "dias"});
    long long days = 0;
    for (const auto& [key, size] : {std::pair<std::string_view, long long>{"anos", kDaysPerYear},
                                    {"meses", kDaysPerMonth},
                                    {"dias", 1}}) {
        if (const std::optional<DocumentNode> part = Member(key)) {
            days += part->Whole(0, kLargestTermPart) * size;
        }
    }
    if (days > most) {
        Refuse("pena acima do limite do c\xE1lculo");
    }
    return days;
}

Fraction DocumentNode::FractionValue() const {
    const std::string text = Text();
    const std::size_t slash = text.find('/');
    const std::optional<long long> numerator =
        slash == std::string::npos ? std::nullopt
                                   : DigitsValue(std::string_view(text).substr(0, slash));
    const std::optional<long long> denominator =
        slash == std::string::npos ? std::nullopt
                                   : DigitsValue(std::string_view(text).substr(slash + 1));
    constexpr long long kLargestPart = 1000000;
    if (!numerator || !denominator || *denominator == 0 || *numerator > kLargestPart ||
        *denominator > kLargestPart) {
        Refuse("fra\xE7\xE3o inv\xE1lida \"" + text +
               "\": use \"N/D\", inteiros, D maior que zero");
    }
    return Fraction{*numerator, *denominator};
}

JsonValue TermJson(long long days) {
    const std::pair<std::string_view, long long> parts[] = {
        {"anos", days / kDaysPerYear},
        {"meses", days % kDaysPerYear / kDaysPerMonth},
        {"dias", days % kDaysPerMonth},
    };
    JsonValue term = JsonValue::object();
    for (const auto& [key, count] : parts) {
        if (count != 0) {
            term[std::string(key)] = count;
        }
    }
    return term;
}

} // namespace zarn
