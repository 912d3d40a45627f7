#pragma once

// The names of the facts of a conviction (law.md 2): each natureza as the case document and
// the command line write it and as the texts show it, and the words the messages use for a
// fact. Windows-1252.

#include "law/CaseFacts.h"

#include <array>
#include <optional>
#include <string_view>

namespace zarn {

struct NaturezaName {
    Natureza Which;
    std::string_view Document; // the case document's value: "hediondo_morte"
    std::string_view Flag;     // zarn-calc's value: "hediondo-morte"
    std::string_view Shown;    // the texts' and the windows' words
};

inline constexpr std::array kNaturezaNames{
    NaturezaName{Natureza::Comum, "comum", "comum", "comum"},
    NaturezaName{Natureza::Hediondo, "hediondo", "hediondo", "hediondo ou equiparado"},
    NaturezaName{Natureza::HediondoMorte, "hediondo_morte", "hediondo-morte",
                 "hediondo com resultado morte"},
    NaturezaName{Natureza::Feminicidio, "feminicidio", "feminicidio",
                 "feminic\xED"
                 "dio"},
    NaturezaName{Natureza::ComandoOrganizacao, "comando_organizacao", "comando",
                 "comando de organiza\xE7\xE3o criminosa estruturada para crime hediondo"},
    NaturezaName{Natureza::Milicia, "milicia", "milicia",
                 "mil\xED"
                 "cia privada"},
    NaturezaName{Natureza::TraficoPrivilegiado, "trafico_privilegiado", "trafico-privilegiado",
                 "tr\xE1"
                 "fico privilegiado"},
    NaturezaName{Natureza::TraficoPessoas, "trafico_pessoas", "trafico-pessoas",
                 "tr\xE1"
                 "fico de pessoas"},
    NaturezaName{Natureza::AssociacaoTrafico, "associacao_trafico", "associacao-trafico",
                 "associa\xE7\xE3o para o tr\xE1"
                 "fico"},
};

const NaturezaName& NameOf(Natureza nature);
std::optional<Natureza> NaturezaFromDocument(std::string_view name);
std::optional<Natureza> NaturezaFromFlag(std::string_view name);

// The words for a fact in a message: "reincidente", "crime culposo", ...
inline constexpr std::string_view kFirstOffenderFact = "prim\xE1rio";
inline constexpr std::string_view kRepeatOffenderFact = "reincidente";
inline constexpr std::string_view kSpecificRepeatFact = "reincidente espec\xED"
                                                        "fico";
inline constexpr std::string_view kEarlierCulposoFact =
    "condena\xE7\xE3o anterior por crime culposo";
inline constexpr std::string_view kViolenceFact = "crime com viol\xEAncia ou grave amea\xE7"
                                                  "a \xE0 pessoa";
inline constexpr std::string_view kCulposoFact = "crime culposo";
inline constexpr std::string_view kAttemptFact = "tentativa";
inline constexpr std::string_view kParagraph3Fact = "\xA7 3\xBA do art. 112 da LEP (gestante, m\xE3"
                                                    "e ou respons\xE1vel por crian\xE7"
                                                    "a ou pessoa com defici\xEAncia)";

} // namespace zarn
