#pragma once

// The keys of a case document's top level and of its `opcoes`, in caso.md's order: the reader
// refuses any other, and the writer puts the keys it writes in this order.

#include <array>
#include <string_view>

namespace zarn {

inline constexpr std::string_view kCaseFormat = "zarn-caso";
// The version this program writes, and the newest it reads.
inline constexpr long long kCaseVersion = 1;

inline constexpr std::array<std::string_view, 13> kDocumentKeys{
    "formato",     "versao",   "nome",    "nascimento",     "data_calculo", "convencao",  "opcoes",
    "condenacoes", "periodos", "eventos", "regime_inicial", "prescricao",   "dosimetria",
};

inline constexpr std::array<std::string_view, 9> kOptionKeys{
    "imputacao",        "livramento_vedado", "acordao_confirmatorio_interrompe",
    "pena_base",        "segunda_fase",      "terceira_fase",
    "multa_dosimetria", "multa_continuado",  "limite_art75",
};

} // namespace zarn
