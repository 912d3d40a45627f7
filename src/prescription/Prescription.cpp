#include "prescription/Prescription.h"

#include "prescription/CrimeCase.h"
#include "prescription/ExecutoriaAnalysis.h"
#include "prescription/PrescriptionCheck.h"
#include "prescription/PrescriptionTexts.h"
#include "prescription/PunitivaAnalysis.h"

#include <exception>

namespace zarn {

namespace {

CrimePrescription AnalyseCrime(const PrescriptionInput& input, std::size_t crime) {
    const CrimeCase crimeCase = MakeCrimeCase(input, crime);
    CrimePrescription answer;
    answer.Description = crimeCase.Crime.Description;
    answer.Analyses.push_back(AbstrataAnalysis(crimeCase));
    if (std::optional<PrescriptionAnalysis> retroativa = RetroativaAnalysis(crimeCase)) {
        answer.Analyses.push_back(std::move(*retroativa));
    }
    if (std::optional<PrescriptionAnalysis> intercorrente = IntercorrenteAnalysis(crimeCase)) {
        answer.Analyses.push_back(std::move(*intercorrente));
    }
    for (PrescriptionAnalysis& analysis : ExecutoriaAnalyses(crimeCase)) {
        answer.Analyses.push_back(std::move(analysis));
    }
    return answer;
}

} // namespace

PrescriptionOutcome AnalysePrescription(const PrescriptionInput& input) {
    PrescriptionOutcome outcome;
    try {
        outcome.Error = PrescriptionInputError(input);
        if (!outcome.Ok()) {
            return outcome;
        }
        const PrescriptionInput whole = WithWholeDays(input);
        PrescriptionReport& report = outcome.Report;
        report.CalculationDate = whole.CalculationDate;
        report.ConfirmingAcordaoInterrupts = whole.ConfirmingAcordaoInterrupts;
        for (std::size_t crime = 0; crime < whole.Crimes.size(); ++crime) {
            report.Crimes.push_back(AnalyseCrime(whole, crime));
        }
    } catch (const std::exception&) {
        // Only the allocator can throw here; say so rather than answer half.
        outcome = PrescriptionOutcome{};
        outcome.Error = std::string(kUnexpectedFailureMessage) + ".";
    }
    return outcome;
}

} // namespace zarn
