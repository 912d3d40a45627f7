#pragma once

// The checks an execution case passes before anything is computed. Each refusal is a
// Portuguese message (Windows-1252) that starts with the place of the item at fault, as the
// document names it: "condenacoes[0].pena: ", "periodos[1] e periodos[2] ...",
// "eventos[3].data: ". Nothing here throws.

#include "execution/CreditLedger.h"
#include "execution/ExecutionCase.h"

#include <string>

namespace zarn {

// The first fault of the convictions, periods, events and dates; empty when none.
std::string ValidateExecutionCase(const ExecutionCase& question);

// The remicao each falta grave takes against a third of what was granted before it (less
// what earlier faltas took): the favourable reading of LEP art. 127. Empty when within.
std::string ValidateRemicaoLost(const CreditLedger& ledger);

// A day number that names a day of 01/01/0001..31/12/9999 (its fraction, a time of day,
// dropped).
bool InCalendar(DayNumber date);

} // namespace zarn
