#pragma once

// The words of the dosimetria window (Windows-1252): the captions of its fields, which its
// messages also name a field by, and its tabs, buttons and hints. Defined once here for the
// window, its crime panels and the naming of the library's places.

#include <string_view>

namespace zarn {

// The window's title and its item in the Ferramentas menu.
inline constexpr const char* kSentencingCaption = "&Dosimetria";
// Help context number of the window: the page dosimetria.html.
inline constexpr int kSentencingHelpContext = 25;

inline constexpr std::string_view kDescriptionCaption = "Descri\xE7\xE3o";
inline constexpr std::string_view kMinimumCaption = "Pena m\xEDnima";
inline constexpr std::string_view kMaximumCaption = "Pena m\xE1xima";
inline constexpr std::string_view kCriterionCaption = "Crit\xE9rio da pena-base";
inline constexpr std::string_view kFineCaption = "Pena de multa";
inline constexpr std::string_view kFinesMinimumCaption = "Dias-multa, m\xEDnimo";
inline constexpr std::string_view kFinesMaximumCaption = "Dias-multa, m\xE1ximo";
inline constexpr std::string_view kFinesInformedCaption = "Dias-multa informados";
inline constexpr std::string_view kSexualViolenceCaption =
    "Crime de viol\xEAncia sexual contra a mulher (Lei 15.160/2025)";
inline constexpr std::string_view kCircumstancesCaption = "Circunst\xE2ncias judiciais";
inline constexpr std::string_view kOnlyLargestCaption =
    "Somente a maior causa de aumento e a maior de diminui\xE7\xE3o da parte especial (CP art. "
    "68, par\xE1grafo \xFAnico)";
inline constexpr std::string_view kAgravantesCaption = "Agravantes (CP arts. 61 e 62)";
inline constexpr std::string_view kAtenuantesCaption = "Atenuantes (CP arts. 65 e 66)";
inline constexpr std::string_view kConcursoCaption = "Concurso";
inline constexpr std::string_view kConcursoFractionCaption = "Fra\xE7\xE3o do aumento";
inline constexpr std::string_view kFractionWord = "fra\xE7\xE3o";
inline constexpr std::string_view kNoConcursoEntry = "nenhum (um s\xF3 crime)";
inline constexpr std::string_view kOptionsCriterionEntry = "o das op\xE7\xF5"
                                                           "es";

// The tabs of a crime; Ctrl+Tab and Ctrl+PageDown go from one to the next.
inline constexpr std::string_view kCrimeTabsName = "Abas do crime";
inline constexpr std::string_view kCrimeTab = "Crime";
inline constexpr std::string_view kCircumstancesTab = "Circunst\xE2ncias (art. 59)";
inline constexpr std::string_view kModifiersTab = "Agravantes e atenuantes";
inline constexpr std::string_view kCausesTab = "Causas (3\xAA fase)";

} // namespace zarn
