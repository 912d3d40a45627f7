#pragma once

// The prescription of the punitive claim (law.md 12): em abstrato by the maximum penalty,
// and, once a term has been applied, the retroativa and the intercorrente by that term.

#include "prescription/CrimeCase.h"
#include "prescription/PrescriptionReport.h"

#include <optional>

namespace zarn {

// From the start of the period through the marcos I-IV to the date of the calculation, or
// to the final judgment for the prosecution, after which the applied term rules.
PrescriptionAnalysis AbstrataAnalysis(const CrimeCase& crimeCase);

// Looking back from the first condemnatory decision: from the complaint (from the fact, for
// a fact before 06/05/2010) to that decision. Only where a term was applied.
std::optional<PrescriptionAnalysis> RetroativaAnalysis(const CrimeCase& crimeCase);

// From the first condemnatory decision through the decisions that interrupt to the date of
// the calculation, or to the final judgment for both parties. Only where a term was applied.
std::optional<PrescriptionAnalysis> IntercorrenteAnalysis(const CrimeCase& crimeCase);

} // namespace zarn
