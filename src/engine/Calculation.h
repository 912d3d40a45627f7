#pragma once

// The calculation pipeline: reset the record, read and check the four number fields in
// order, parse the operation, compute the term and the day-fines, build the sentence.

#include "engine/CalcState.h"

#include <string>

namespace zarn {

// Runs one calculation on the five field texts (years, months, days, day-fines,
// operation), as the masked fields give them. Never throws on any input text.
CalcOutcome RunCalculation(CalcState& state, const std::string& years, const std::string& months,
                           const std::string& days, const std::string& fines,
                           const std::string& operation);

// Each reader cleans the raw text already stored in its text field in place, converts
// it into its number field and sets its flags.
void ReadYears(CalcState& state);
void ReadMonths(CalcState& state);
void ReadDays(CalcState& state);
void ReadFines(CalcState& state);

} // namespace zarn
