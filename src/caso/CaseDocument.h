#pragma once

// A person's case as one document (caso.md): who, the date of the calculation, the counting
// convention, the options of law.md and the input of each analysis. The options and the keys
// beside the sections are held here once; the input of an analysis is built from the document,
// so the copies an input struct carries of them (ExecutionCase's date of the calculation,
// convention and options, PrescriptionInput's date of birth, date of the calculation and
// option, SentencingInput's options) are left at their defaults in the held sections and
// filled in by ExecutionInputOf, PrescriptionInputOf and SentencingInputOf.

#include "caso/ExecutionCaseComparison.h"
#include "dates/CivilDate.h"
#include "execution/ExecutionCase.h"
#include "law/SpanLayout.h"
#include "prescription/PrescriptionInput.h"
#include "sentencing/SentencingInput.h"

#include <optional>
#include <string>

namespace zarn {

// `opcoes`: the options of law.md that the document's analyses take, each with its default.
struct CaseOptions {
    ExecutionOptions Execution; // imputacao, livramento_vedado, limite_art75 (law.md 10, 11)
    bool ConfirmingAcordaoInterrupts = true; // acordao_confirmatorio_interrompe (law.md 12)
    SentencingOptions Sentencing; // pena_base, segunda_fase, terceira_fase, multa_dosimetria,
                                  // multa_continuado (law.md 13, 14)

    friend bool operator==(const CaseOptions&, const CaseOptions&) = default;
};

struct CaseDocument {
    std::string Name;                                            // nome (Windows-1252)
    std::optional<DayNumber> Birth;                              // nascimento
    std::optional<DayNumber> CalculationDate;                    // data_calculo; none: today
    CountingConvention Convention = CountingConvention::Base360; // convencao
    CaseOptions Options;                                         // opcoes
    // condenacoes, periodos, eventos, regime_inicial; none when the document has none of them
    // (empty lists and a null regime are none).
    std::optional<ExecutionCase> Execution;
    std::optional<PrescriptionInput> Prescription; // prescricao
    std::optional<SentencingInput> Sentencing;     // dosimetria

    friend bool operator==(const CaseDocument&, const CaseDocument&) = default;
};

// The date of the calculation: the document's, or today's where it has none.
DayNumber CalculationDateOf(const CaseDocument& document);

// The input of each analysis, with what the document holds once put in; none when the
// document has no such section.
std::optional<ExecutionCase> ExecutionInputOf(const CaseDocument& document);
std::optional<PrescriptionInput> PrescriptionInputOf(const CaseDocument& document);
std::optional<SentencingInput> SentencingInputOf(const CaseDocument& document);

} // namespace zarn
