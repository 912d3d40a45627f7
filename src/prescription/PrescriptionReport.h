#pragma once

// The answer of a prescription analysis, shaped as the case document writes it: for each
// crime, in the document's order, one analysis per kind of prescription the marcos allow,
// each with its intervals and its verdict. Texts are Windows-1252.

#include "dates/CivilDate.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

// The values of "tipo".
enum class PrescriptionKind { Abstrata, Retroativa, Intercorrente, Executoria };

// "prazo": whole years and months (8 years increased by a third is 10 years and 8 months).
struct PrescriptionPeriod {
    long long Years = 0;  // anos
    long long Months = 0; // meses

    friend bool operator==(const PrescriptionPeriod&, const PrescriptionPeriod&) = default;
};

// "intervalos[i]": from a marco to the day before the next one, or to the date of the
// calculation, both days counted; its length measured date to date.
struct PrescriptionInterval {
    DayNumber From = 0;          // de
    DayNumber To = 0;            // ate
    long long Years = 0;         // anos
    long long Months = 0;        // meses
    long long Days = 0;          // dias
    long long SuspendedDays = 0; // suspenso_dias: days of the interval the period did not run
    bool Reached = false;        // atingido
};

struct PrescriptionAnalysis {
    PrescriptionKind Kind = PrescriptionKind::Abstrata; // tipo
    long long PenaltyDays = 0;                          // pena_dias: the term the period is of
    PrescriptionPeriod Period;                          // prazo
    std::vector<PrescriptionInterval> Intervals;        // intervalos
    // At most one of the two; neither when the kind can no longer run (the intervals closed
    // without reaching the period) or the date falls beyond the calendar.
    std::optional<DayNumber> PrescribedOn; // prescrita_em
    std::optional<DayNumber> PrescribesOn; // prescreve_em
    std::vector<std::string> Notes;        // notas: the articles it rests on, readings taken
};

struct CrimePrescription {
    std::string Description;
    std::vector<PrescriptionAnalysis> Analyses;
};

struct PrescriptionReport {
    DayNumber CalculationDate = 0;
    bool ConfirmingAcordaoInterrupts = true;
    std::vector<CrimePrescription> Crimes;
};

struct PrescriptionOutcome {
    std::string Error; // Windows-1252, naming the item at fault; empty when the answer holds
    PrescriptionReport Report;

    bool Ok() const { return Error.empty(); }
};

} // namespace zarn
