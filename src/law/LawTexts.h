#pragma once

// The legal analyses' own words (Windows-1252): the messages of the inputs they refuse and
// the names of regimes and conventions. The paragraphs of the texts are in the text files.

#include <string_view>

namespace zarn {

inline constexpr std::string_view kTermTooShortMessage = "A pena deve ser de pelo menos 1 dia.";
inline constexpr std::string_view kTermTooLongMessage = "A pena passa do limite do c\xE1lculo.";
inline constexpr std::string_view kNegativeDetracaoMessage =
    "Os dias de detra\xE7\xE3o n\xE3o podem ser negativos.";
inline constexpr std::string_view kNegativeRemicaoMessage =
    "Os dias de remi\xE7\xE3o n\xE3o podem ser negativos.";
inline constexpr std::string_view kDetracaoTooLongMessage =
    "Os dias de detra\xE7\xE3o passam do limite do c\xE1lculo.";
inline constexpr std::string_view kRemicaoTooLongMessage =
    "Os dias de remi\xE7\xE3o passam do limite do c\xE1lculo.";
inline constexpr std::string_view kDateOutOfRangeMessage =
    "Data fora do calend\xE1rio: as datas v\xE3o de 01/01/0001 a 31/12/9999.";

inline constexpr std::string_view kFechadoName = "fechado";
inline constexpr std::string_view kSemiabertoName = "semiaberto";
inline constexpr std::string_view kAbertoName = "aberto";

} // namespace zarn
