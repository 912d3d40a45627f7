#pragma once

// The prescription answer as Portuguese text (Windows-1252): a paragraph for each crime and
// kind, with its period and article, its intervals and its verdict; then how the dates are
// counted, the option used and the closing line.

#include "prescription/PrescriptionReport.h"

#include <string>

namespace zarn {

// "prescrita em 11/12/2024", or "prescreve em 09/06/2029 se n\xE3o houver nova causa de
// interrup\xE7\xE3o"; empty when the analysis has no verdict.
std::string VerdictText(const PrescriptionAnalysis& analysis);

// One kind of one crime: its heading line, its intervals, its verdict and its notes.
std::string AnalysisParagraph(const PrescriptionAnalysis& analysis);

std::string WritePrescription(const PrescriptionReport& report);

} // namespace zarn
