#pragma once

// The plain values of a struct that a case document keeps under keys of its own: a text, a
// boolean, a date or null, a term, a whole number, a fraction. One table per struct names each key
// with its member, so that reading and writing share the key and the kind of value: read with the
// refusals of DocumentNode, written only where the value differs from the struct's default
// (caso.md: saving may leave defaults out).

#include "caso/DocumentNode.h"
#include "law/Fraction.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zarn {

// The items of a list that may be missing (none: empty), each read by `read`.
template <typename Item>
std::vector<Item> ReadList(const DocumentNode& object, std::string_view key,
                           Item (*read)(const DocumentNode&)) {
    std::vector<Item> items;
    if (const std::optional<DocumentNode> list = object.Member(key)) {
        for (const DocumentNode& item : list->Items()) {
            items.push_back(read(item));
        }
    }
    return items;
}

template <typename Item>
JsonValue ListJson(const std::vector<Item>& items, JsonValue (*write)(const Item&)) {
    JsonValue list = JsonValue::array();
    for (const Item& item : items) {
        list.push_back(write(item));
    }
    return list;
}

// A term on the 360/30 base, in days, up to Most.
template <typename Struct>
struct TermField {
    long long Struct::*Member;
    long long Most;
};

template <typename Struct>
struct TermOrNullField {
    std::optional<long long> Struct::*Member;
    long long Most;
};

// A whole number from 0 to Most.
template <typename Struct>
struct WholeField {
    long long Struct::*Member;
    long long Most;
};

template <typename Struct>
struct WholeOrNullField {
    std::optional<long long> Struct::*Member;
    long long Most;
};

template <typename Struct>
struct DocumentField {
    std::string_view Key;
    std::variant<std::string Struct::*, bool Struct::*, std::optional<DayNumber> Struct::*,
                 TermField<Struct>, TermOrNullField<Struct>, WholeField<Struct>,
                 WholeOrNullField<Struct>, Fraction Struct::*, std::optional<Fraction> Struct::*>
        Member;
};

// The keys of a table, in its order: what an object of only those fields may hold.
template <typename Struct, std::size_t Size>
constexpr std::array<std::string_view, Size>
KeysOf(const std::array<DocumentField<Struct>, Size>& fields) {
    std::array<std::string_view, Size> keys{};
    for (std::size_t i = 0; i < Size; ++i) {
        keys[i] = fields[i].Key;
    }
    return keys;
}

namespace detail {

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

} // namespace detail

// Each field whose key the object holds, read into `into`; a key that is missing keeps its
// default.
template <typename Struct, typename Table>
void ReadFields(const DocumentNode& object, const Table& fields, Struct& into) {
    for (const DocumentField<Struct>& field : fields) {
        const std::optional<DocumentNode> node = object.Member(field.Key);
        if (!node) {
            continue;
        }
        std::visit(
            detail::Overloaded{
                [&](std::string Struct::*member) { into.*member = node->Text(); },
                [&](bool Struct::*member) { into.*member = node->Boolean(); },
                [&](std::optional<DayNumber> Struct::*member) {
                    into.*member = node->DateOrNull();
                },
                [&](TermField<Struct> term) { into.*term.Member = node->TermDays(term.Most); },
                [&](TermOrNullField<Struct> term) {
                    into.*term.Member =
                        node->IsNull() ? std::nullopt : std::optional(node->TermDays(term.Most));
                },
                [&](WholeField<Struct> whole) { into.*whole.Member = node->Whole(0, whole.Most); },
                [&](WholeOrNullField<Struct> whole) {
                    into.*whole.Member =
                        node->IsNull() ? std::nullopt : std::optional(node->Whole(0, whole.Most));
                },
                [&](Fraction Struct::*member) { into.*member = node->FractionValue(); },
                [&](std::optional<Fraction> Struct::*member) {
                    into.*member =
                        node->IsNull() ? std::nullopt : std::optional(node->FractionValue());
                },
            },
            field.Member);
    }
}

// Each field whose value differs from the default, written into `object`. A date or term left
// out (none) is the default, so null is never written.
template <typename Struct, typename Table>
void WriteFields(const Struct& from, const Table& fields, JsonValue& object) {
    const Struct defaults{};
    for (const DocumentField<Struct>& field : fields) {
        const std::string key(field.Key);
        std::visit(detail::Overloaded{
                       [&](std::string Struct::*member) {
                           if (from.*member != defaults.*member) {
                               object[key] = JsonText(from.*member);
                           }
                       },
                       [&](bool Struct::*member) {
                           if (from.*member != defaults.*member) {
                               object[key] = from.*member;
                           }
                       },
                       [&](std::optional<DayNumber> Struct::*member) {
                           if (from.*member) {
                               object[key] = JsonDate(from.*member);
                           }
                       },
                       [&](TermField<Struct> term) {
                           if (from.*term.Member != defaults.*term.Member) {
                               object[key] = TermJson(from.*term.Member);
                           }
                       },
                       [&](TermOrNullField<Struct> term) {
                           if (from.*term.Member) {
                               object[key] = TermJson(*(from.*term.Member));
                           }
                       },
                       [&](WholeField<Struct> whole) {
                           if (from.*whole.Member != defaults.*whole.Member) {
                               object[key] = from.*whole.Member;
                           }
                       },
                       [&](WholeOrNullField<Struct> whole) {
                           if (from.*whole.Member) {
                               object[key] = *(from.*whole.Member);
                           }
                       },
                       [&](Fraction Struct::*member) {
                           if (from.*member != defaults.*member) {
                               object[key] = FractionText(from.*member);
                           }
                       },
                       [&](std::optional<Fraction> Struct::*member) {
                           if (from.*member) {
                               object[key] = FractionText(*(from.*member));
                           }
                       },
                   },
                   field.Member);
    }
}

} // namespace zarn
