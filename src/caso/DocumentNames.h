#pragma once

// The names the case document gives to values of the program (caso.md), each table once:
// the reader, the writer and the answers' JSON use them. The analyses' own tables (natureza,
// marcos, events...) live beside their types.

#include "law/CaseFacts.h"
#include "law/SpanLayout.h"

#include <array>
#include <string_view>

namespace zarn {

template <typename Value>
struct DocumentName {
    Value Which;
    std::string_view Name;
};

inline constexpr std::array kConventionNames{
    DocumentName<CountingConvention>{CountingConvention::Base360, "360/30"},
    DocumentName<CountingConvention>{CountingConvention::CalendarDays, "calendario"},
};

inline constexpr std::array kRegimeNames{
    DocumentName<Regime>{Regime::Fechado, "fechado"},
    DocumentName<Regime>{Regime::Semiaberto, "semiaberto"},
    DocumentName<Regime>{Regime::Aberto, "aberto"},
};

inline constexpr std::array kEspecieNames{
    DocumentName<Especie>{Especie::Reclusao, "reclusao"},
    DocumentName<Especie>{Especie::Detencao, "detencao"},
};

// The document's name of a value; the first row's for a value missing from the table.
template <typename Value, std::size_t Size>
constexpr std::string_view NameIn(const std::array<DocumentName<Value>, Size>& table, Value value) {
    for (const DocumentName<Value>& row : table) {
        if (row.Which == value) {
            return row.Name;
        }
    }
    return table.front().Name;
}

} // namespace zarn
