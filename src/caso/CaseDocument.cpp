#include "caso/CaseDocument.h"

#include "dates/Clock.h"

namespace zarn {

DayNumber CalculationDateOf(const CaseDocument& document) {
    return document.CalculationDate ? *document.CalculationDate : CurrentDate();
}

std::optional<ExecutionCase> ExecutionInputOf(const CaseDocument& document) {
    if (!document.Execution) {
        return std::nullopt;
    }
    ExecutionCase input = *document.Execution;
    input.CalculationDate = CalculationDateOf(document);
    input.Convention = document.Convention;
    input.Options = document.Options.Execution;
    return input;
}

std::optional<PrescriptionInput> PrescriptionInputOf(const CaseDocument& document) {
    if (!document.Prescription) {
        return std::nullopt;
    }
    PrescriptionInput input = *document.Prescription;
    input.Birth = document.Birth;
    input.CalculationDate = CalculationDateOf(document);
    input.ConfirmingAcordaoInterrupts = document.Options.ConfirmingAcordaoInterrupts;
    return input;
}

std::optional<SentencingInput> SentencingInputOf(const CaseDocument& document) {
    if (!document.Sentencing) {
        return std::nullopt;
    }
    SentencingInput input = *document.Sentencing;
    input.Opcoes = document.Options.Sentencing;
    return input;
}

} // namespace zarn
