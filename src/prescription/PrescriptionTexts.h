#pragma once

// The prescription analysis's messages for the inputs it refuses (Windows-1252). Each is
// written after the place of the key at fault, "prescricao.marcos[2]: ", the items counted
// from zero as in the case document's paths.

#include <string_view>

namespace zarn {

inline constexpr std::string_view kNoPrescriptionCrimesMessage = "informe ao menos um crime";
inline constexpr std::string_view kOutsideCalendarMessage =
    "data fora do calend\xE1rio: as datas v\xE3o de 01/01/0001 a 31/12/9999";
inline constexpr std::string_view kMissingFactMessage = "informe a data do fato";
inline constexpr std::string_view kAfterCalculationMessage =
    "data posterior \xE0 data do c\xE1lculo, ";
inline constexpr std::string_view kBeforeFactMessage = "data anterior \xE0 data do fato";
inline constexpr std::string_view kBeforeBirthMessage = "data anterior ao nascimento, ";
inline constexpr std::string_view kPrescriptionTermTooShortMessage =
    "a pena deve ser de pelo menos 1 dia";
inline constexpr std::string_view kFinalWithoutDecisionMessage =
    "tr\xE2nsito em julgado sem senten\xE7"
    "a ou ac\xF3rd\xE3o condenat\xF3rio antes dele";
inline constexpr std::string_view kRepeatedFinalMessage =
    "segundo tr\xE2nsito em julgado do mesmo tipo; o primeiro \xE9 ";
inline constexpr std::string_view kBothBeforeProsecutionMessage =
    "tr\xE2nsito em julgado para ambas as partes anterior ao tr\xE2nsito para a "
    "acusa\xE7\xE3o, ";
inline constexpr std::string_view kBeforeAnyFinalMessage =
    " antes de qualquer tr\xE2nsito em julgado";
inline constexpr std::string_view kEndBeforeStartMessage = "fim anterior ao in\xED"
                                                           "cio da suspens\xE3o, ";
inline constexpr std::string_view kUnexpectedFailureMessage =
    "prescricao: o c\xE1lculo n\xE3o p\xF4"
    "de ser feito";

} // namespace zarn
