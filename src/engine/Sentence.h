#pragma once

// The term arithmetic and the result sentence. The term is counted in days on a calendar
// of 360-day years and 30-day months; every part of a result is truncated toward zero,
// never rounded, and written right-aligned in a fixed width.

#include "engine/CalcState.h"

#include <string>

namespace zarn {

inline constexpr int kTermPartWidth = 2;
inline constexpr int kFinesWidth = 3;
// The most day-fines a result holds; ComputeFines cuts a larger one to it.
inline constexpr long long kFinesCeiling = 66666;

// A result of the operation in whole years (360 days), months (30) and days, each part
// truncated toward zero: the numbers the result sentence writes.
struct ResultParts {
    double Years = 0;
    double Months = 0;
    double Days = 0;
};

ResultParts SplitResultDays(double resultDays);

// Applies the operation to the term and splits the result into years, months and days:
// TotalDays, DeltaDays, ResultDays, the three result texts and their words.
void ComputeTerm(CalcState& state);

// Applies the operation to the day-fines, caps the result at 66666 and truncates it:
// DeltaFines, ResultFines, OutFinesText and FineWord.
void ComputeFines(CalcState& state);

// Joins the result texts and words into the sentence. Its shape follows the input
// numbers: the term alone, the term and the day-fines, or the day-fines alone.
std::string BuildSentence(const CalcState& state);

// Writes the whole part of a value in decimal digits, right-aligned in the given width
// with leading blanks and never cut when longer. A fraction is dropped, never rounded; a
// negative number carries "-" before its digits, and negative zero is written "-0".
std::string FormatWhole(double truncatedValue, int width);

} // namespace zarn
