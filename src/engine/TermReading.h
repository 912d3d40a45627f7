#pragma once

// A term as the main window's years, months and days fields give it, read with the
// calculator's own rules and messages (blanks dropped, months above 11 and days above 29
// refused), and the term of the last Calcula that gave a result, which the analysis
// windows start from. Texts are Windows-1252.

#include "engine/CalcState.h"

#include <array>
#include <optional>
#include <string>

namespace zarn {

struct TermReading {
    bool Ok = false;
    std::string Error; // the calculator's message when not Ok
    InputField FaultField = InputField::Years;
    long long Days = 0; // 360 x years + 30 x months + days
};

// Reads the three field texts as Calcula reads them; never throws on any text.
TermReading ReadTerm(const std::string& years, const std::string& months, const std::string& days);

// The years, months and days the last Calcula gave, as Continua carries them into the term
// fields: without blanks, a part of exactly "0" left empty. Nothing when the last Calcula
// gave no result, or when a part is not a number the field can hold (wider than the field,
// or negative). The record is only read.
std::optional<std::array<std::string, 3>> LastResultTerm(const CalcState& state);

} // namespace zarn
