#include "caso/CaseDocument.h"

#include "dates/Clock.h"

namespace zarn {

DayNumber CalculationDateOf(const CaseDocument& document) {
    return document.CalculationDate ? *document.CalculationDate : CurrentDate();
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
