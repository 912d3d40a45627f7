#pragma once

// The names the case document gives to values of the program (caso.md), each table once:
// the reader, the writer and the answers' JSON use them. The regimes, the conventions and the
// execution's choices are the execution's tables (execution/ExecutionNames.h), the natureza
// the law's; the rest is here.

#include "execution/ExecutionNames.h"
#include "law/CaseFacts.h"

#include <array>
#include <string_view>

namespace zarn {

inline constexpr std::array kEspecieNames{
    ChoiceName<Especie>{Especie::Reclusao, "reclusao", "reclus\xE3o"},
    ChoiceName<Especie>{Especie::Detencao, "detencao", "deten\xE7\xE3o"},
};

// The document's name of a value; the first row's for a value missing from the table.
template <typename Value, std::size_t Size>
constexpr std::string_view NameIn(const std::array<ChoiceName<Value>, Size>& table, Value value) {
    for (const ChoiceName<Value>& row : table) {
        if (row.Which == value) {
            return row.Document;
        }
    }
    return table.front().Document;
}

} // namespace zarn
