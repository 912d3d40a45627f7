#pragma once

// The facts a prescription analysis takes, one field for each key of the case document's
// "prescricao" object and of the keys beside it that prescription reads ("nascimento",
// "data_calculo", "opcoes.acordao_confirmatorio_interrompe"). The document reader fills
// them as they are written; the analysis checks them. Terms are days on the 360/30 base.

#include "dates/CivilDate.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

// "prescricao.crimes[i]".
struct PrescriptionCrime {
    std::string Description;                 // descricao (Windows-1252)
    std::optional<DayNumber> DateOfFact;     // data_fato: required, refused when missing
    std::optional<DayNumber> PeriodStart;    // data_inicio_prazo (art. 111 IV, V)
    bool SexualViolenceAgainstWoman = false; // violencia_sexual_mulher
    long long MaximumDays = 0;               // pena_maxima
    std::optional<long long> AppliedDays;    // pena_aplicada
    bool RepeatOffender = false;             // reincidente (executoria only)

    friend bool operator==(const PrescriptionCrime&, const PrescriptionCrime&) = default;
};

// The values of "prescricao.marcos[i].tipo", in the order of the case document.
enum class MarcoKind {
    RecebimentoDenuncia,
    Pronuncia,
    ConfirmacaoPronuncia,
    Sentenca,
    Acordao,
    TransitoAcusacao,
    TransitoAmbas,
    InicioCumprimento,
    Fuga,
    Revogacao,
    Reincidencia,
};

struct Marco {
    MarcoKind Kind = MarcoKind::RecebimentoDenuncia;
    DayNumber Date = 0;

    friend bool operator==(const Marco&, const Marco&) = default;
};

// The values of "prescricao.suspensoes[i].tipo".
enum class SuspensionKind {
    Art116IAndII,
    Art116IIIAndIV,
    Cpp366,
    SursisProcessual,
    PresoOutroMotivo,
};

struct Suspension {
    SuspensionKind Kind = SuspensionKind::Art116IAndII;
    DayNumber Start = 0;
    std::optional<DayNumber> End; // none: still suspended at the date of the calculation

    friend bool operator==(const Suspension&, const Suspension&) = default;
};

struct PrescriptionInput {
    std::optional<DayNumber> Birth; // nascimento
    DayNumber CalculationDate = 0;  // data_calculo, today already put in where it was null
    std::vector<PrescriptionCrime> Crimes;
    std::vector<Marco> Marcos;
    std::vector<Suspension> Suspensions;
    bool ConfirmingAcordaoInterrupts = true; // opcoes.acordao_confirmatorio_interrompe

    friend bool operator==(const PrescriptionInput&, const PrescriptionInput&) = default;
};

} // namespace zarn
