#pragma once

// The calculation record: the whole chain of a calculation, one step for each Calcula that
// gave a result, written as text for the sentence ("Pena: 5 anos, e 10 dias-multa",
// "aumento de 1/6: 5 anos e 10 meses, e 11 dias-multa"). Texts are Windows-1252.

#include "engine/CalcState.h"
#include "engine/TermText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

class CalcRecord {
public:
    // Appends the step of a Calcula: the term and day-fines it started from, the operation
    // field as typed (its 8 characters, which the run consumes in the record) and the
    // result. Everything is copied now, since Continua later changes the result texts in
    // place. An outcome that is an input error appends nothing.
    void AppendStep(const CalcState& state, const CalcOutcome& outcome,
                    std::string_view operationFieldText);

    // The last step goes. Nothing happens when there is none.
    void RemoveLastStep();

    // Volta: the last Calcula is about to be redone, so its step goes, once. Nothing goes
    // when that Calcula gave no result (its inputs come back, not the step before) or when
    // its step went already (a second Volta brings back the same inputs).
    void ForgetLastCalcula();

    // Novo calculo: the chain starts over.
    void Clear();

    std::size_t StepCount() const;

    // One line per step, each preceded by a "Pena: " line when the step starts from a term
    // other than the previous step's result (always before the first). With inWords the
    // numbers of the terms and day-fines are followed by their words.
    std::vector<std::string> Lines(bool inWords) const;

    // The lines joined by "\n", without a newline after the last.
    std::string Text(bool inWords) const;

private:
    struct Step {
        TermParts Start;
        std::string OperationField;
        TermParts Result;
        // The result sentence, blanks trimmed and run together, when the result is below
        // zero; empty otherwise.
        std::string BelowZeroResult;
    };

    std::vector<Step> m_steps;
    // Whether the last step is the one the last Calcula appended.
    bool m_lastStepIsLastCalcula = false;
};

} // namespace zarn
