#pragma once

// One value of a case document being read, with its place in the document
// ("condenacoes[1].fatos.natureza"). Each read checks the value's type and range and refuses
// anything else by throwing DocumentError, whose message names the place: the document's
// reader catches it and returns the message, so nothing leaves the library as an exception.
// Texts are Windows-1252: a text of the document that the code page cannot hold is refused.

#include "caso/JsonText.h"
#include "dates/CivilDate.h"
#include "law/Fraction.h"

#include <initializer_list>
#include <optional>
#include <ranges>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

// The message names the place, then what is wrong: `periodos[2].inicio: data inválida`.
class DocumentError : public std::runtime_error {
public:
    explicit DocumentError(const std::string& message)
        : std::runtime_error(message) {}
};

class DocumentNode {
public:
    DocumentNode(const JsonValue& value, std::string place);

    const std::string& Place() const { return m_place; }
    bool IsNull() const { return m_value->is_null(); }
    bool IsText() const { return m_value->is_string(); }
    bool IsObject() const { return m_value->is_object(); }
    bool IsWhole() const { return m_value->is_number_integer(); }

    // The value is an object.
    void RequireObject() const;
    // The value is an object whose keys are all among those named.
    void ExpectObject(std::initializer_list<std::string_view> known) const;
    void ExpectObject(std::span<const std::string_view> known) const;
    // The member of that key, when present; a missing one is nothing. Needs an object.
    std::optional<DocumentNode> Member(std::string_view key) const;
    // The member that must be there.
    DocumentNode Required(std::string_view key) const;
    // The items of a list, each with its place ("condenacoes[0]").
    std::vector<DocumentNode> Items() const;

    std::string Text() const;
    bool Boolean() const;
    long long Whole(long long least, long long most) const;
    // A date "dd/mm/aaaa" of 01/01/0001..31/12/9999.
    DayNumber Date() const;
    std::optional<DayNumber> DateOrNull() const;
    // A term {"anos", "meses", "dias"}, each optional, whole and >= 0, in days on the 360/30
    // base; at most `most` days.
    long long TermDays(long long most) const;
    // A fraction "N/D" of whole numbers, D > 0.
    Fraction FractionValue() const;

    // The value named in a table of rows with a value field and a name field.
    template <typename Table, typename ValueField, typename NameField>
    auto Choice(const Table& table, ValueField value, NameField name) const {
        const std::string text = Text();
        for (const auto& row : table) {
            if (row.*name == text) {
                return row.*value;
            }
        }
        RefuseValue(text);
    }
    // The same, of a table whose value field is `Which`.
    template <typename Table, typename NameField>
    auto Choice(const Table& table, NameField name) const {
        return Choice(table, &std::ranges::range_value_t<Table>::Which, name);
    }

    [[noreturn]] void Refuse(const std::string& what) const;
    // A text outside the value's list: `valor desconhecido "hediondos"`.
    [[noreturn]] void RefuseValue(const std::string& text) const;

private:
    const JsonValue* m_value;
    std::string m_place;
};

// The place of a member of the value at `place`: "prescricao.crimes"; an empty key as "".
std::string ChildPlace(const std::string& place, std::string_view key);

// A term in days as the document writes it: {"anos", "meses", "dias"}, each part that is not
// zero; TermDays reads it back.
JsonValue TermJson(long long days);

} // namespace zarn
