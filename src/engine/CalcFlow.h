#pragma once

// The chain of a calculation between its steps: what Continua carries from the last result
// into the term fields, what Volta brings back from the last inputs, and the term that the
// calendar window is seeded with. The windows only read and write their fields.

#include "engine/CalcState.h"

#include <array>
#include <cstddef>
#include <string>

namespace zarn {

// Texts for the four term fields, in the order years, months, days, day-fines. An empty
// text empties its field.
using TermFieldTexts = std::array<std::string, 4>;

// Positions of the four term fields of the main window: years, months, days, day-fines.
inline constexpr std::array<std::size_t, 4> kTermFieldWidths = {3, 2, 2, 5};

// Whether the last Calcula gave a result: its result texts are filled.
bool HasResult(const CalcState& state);

// Whether every result of the last Calcula fits its term field whole, its blanks left out.
// A longer number would lose its last digits in the field.
bool ResultsFitTheFields(const CalcState& state);

// Continua: the results of the last Calcula without their blanks, which the record loses
// too (the calendar then sees them so); a result of exactly "0" leaves its field empty.
TermFieldTexts CarryResultsForward(CalcState& state);

// Volta: the cleaned inputs of the last Calcula; one that is exactly "0" is emptied in the
// record and leaves its field empty.
TermFieldTexts RestoreInputs(CalcState& state);

// The calendar's years, months and days: the results as the record holds them, or three
// empty texts when the last Calcula gave no result.
std::array<std::string, 3> CalendarTerm(const CalcState& state);

} // namespace zarn
