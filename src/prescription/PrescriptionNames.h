#pragma once

// The names of the prescription kinds, marcos and suspensions: the key the case document
// writes ("recebimento_denuncia") and the Portuguese name the texts and the window show
// (Windows-1252). Each table lists its kinds in the enum's order, so a window can offer them
// in that order.

#include "prescription/PrescriptionInput.h"
#include "prescription/PrescriptionReport.h"

#include <array>
#include <optional>
#include <string_view>

namespace zarn {

template <typename Kind>
struct KindName {
    Kind Value;
    std::string_view Key;
    std::string_view Display;
};

inline constexpr std::array kPrescriptionKindNames{
    KindName<PrescriptionKind>{PrescriptionKind::Abstrata, "abstrata",
                               "prescri\xE7\xE3o da pretens\xE3o punitiva em abstrato"},
    KindName<PrescriptionKind>{PrescriptionKind::Retroativa, "retroativa",
                               "prescri\xE7\xE3o retroativa"},
    KindName<PrescriptionKind>{PrescriptionKind::Intercorrente, "intercorrente",
                               "prescri\xE7\xE3o intercorrente (superveniente)"},
    KindName<PrescriptionKind>{PrescriptionKind::Executoria, "executoria",
                               "prescri\xE7\xE3o da pretens\xE3o execut\xF3ria"},
};

inline constexpr std::array kMarcoKindNames{
    KindName<MarcoKind>{MarcoKind::RecebimentoDenuncia, "recebimento_denuncia",
                        "recebimento da den\xFAncia ou queixa"},
    KindName<MarcoKind>{MarcoKind::Pronuncia, "pronuncia", "pron\xFAncia"},
    KindName<MarcoKind>{MarcoKind::ConfirmacaoPronuncia, "confirmacao_pronuncia",
                        "decis\xE3o confirmat\xF3ria da pron\xFAncia"},
    KindName<MarcoKind>{MarcoKind::Sentenca, "sentenca",
                        "publica\xE7\xE3o da senten\xE7"
                        "a condenat\xF3ria"},
    KindName<MarcoKind>{MarcoKind::Acordao, "acordao",
                        "ac\xF3rd\xE3o condenat\xF3rio ou confirmat\xF3rio"},
    KindName<MarcoKind>{MarcoKind::TransitoAcusacao, "transito_acusacao",
                        "tr\xE2nsito em julgado para a acusa\xE7\xE3o"},
    KindName<MarcoKind>{MarcoKind::TransitoAmbas, "transito_ambas",
                        "tr\xE2nsito em julgado para ambas as partes"},
    KindName<MarcoKind>{MarcoKind::InicioCumprimento, "inicio_cumprimento",
                        "in\xED"
                        "cio ou continua\xE7\xE3o do cumprimento da pena"},
    KindName<MarcoKind>{MarcoKind::Fuga, "fuga", "fuga"},
    KindName<MarcoKind>{MarcoKind::Revogacao, "revogacao",
                        "revoga\xE7\xE3o do sursis ou do livramento condicional"},
    KindName<MarcoKind>{MarcoKind::Reincidencia, "reincidencia",
                        "reincid\xEAncia (data do novo crime)"},
};

inline constexpr std::array kSuspensionKindNames{
    KindName<SuspensionKind>{SuspensionKind::Art116IAndII, "art116_i_ii",
                             "quest\xE3o prejudicial ou cumprimento de pena no estrangeiro"},
    KindName<SuspensionKind>{SuspensionKind::Art116IIIAndIV, "art116_iii_iv",
                             "recursos inadmiss\xEDveis pendentes ou acordo de n\xE3o "
                             "persecu\xE7\xE3o penal"},
    KindName<SuspensionKind>{SuspensionKind::Cpp366, "cpp366",
                             "cita\xE7\xE3o por edital sem comparecimento"},
    KindName<SuspensionKind>{SuspensionKind::SursisProcessual, "sursis_processual",
                             "suspens\xE3o condicional do processo"},
    KindName<SuspensionKind>{SuspensionKind::PresoOutroMotivo, "preso_outro_motivo",
                             "preso por outro motivo"},
};

std::string_view KeyOf(PrescriptionKind kind);
std::string_view KeyOf(MarcoKind kind);
std::string_view KeyOf(SuspensionKind kind);

std::string_view DisplayNameOf(PrescriptionKind kind);
std::string_view DisplayNameOf(MarcoKind kind);
std::string_view DisplayNameOf(SuspensionKind kind);

// The kind a document's key names; nothing for a key outside the list.
std::optional<PrescriptionKind> PrescriptionKindFromKey(std::string_view key);
std::optional<MarcoKind> MarcoKindFromKey(std::string_view key);
std::optional<SuspensionKind> SuspensionKindFromKey(std::string_view key);

} // namespace zarn
