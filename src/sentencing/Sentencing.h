#pragma once

// The dosimetria: each crime through its three phases (law.md 13), then the concurso
// (law.md 14). Never throws on any input: a refused input gives the answer's message, naming
// the item at fault.

#include "engine/TermArithmetic.h"
#include "sentencing/SentencingAnswer.h"
#include "sentencing/SentencingInput.h"

#include <string>
#include <vector>

namespace zarn {

SentencingAnswer ComputeSentencing(const SentencingInput& input);

// The steps of a crime that are the calculator's operations, in order: each increases or
// decreases the term before it by a fraction, as "+ 1/6" or "- 1/3" in the main window, and
// could be handed to the calculation record. Limits that held the term between them are not
// operations and are left out.
std::vector<FractionStep> CalcRecordSteps(const std::vector<SentencingStep>& steps);

// "Crime 1 (homic\xEDdio simples)", or "Crime 1" for a crime without a name.
std::string CrimeLabel(std::size_t index, const std::string& name);

} // namespace zarn
