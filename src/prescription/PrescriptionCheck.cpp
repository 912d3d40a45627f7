#include "prescription/PrescriptionCheck.h"

#include "law/LegalText.h"
#include "prescription/PrescriptionNames.h"
#include "prescription/PrescriptionTexts.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {

bool InCalendar(DayNumber date) {
    return std::isfinite(date) && std::trunc(date) >= kFirstDayNumber &&
           std::trunc(date) <= kLastDayNumber;
}

std::string Item(std::string_view list, std::size_t index) {
    return std::string(list) + "[" + std::to_string(index) + "]";
}

std::string Refusal(const std::string& place, std::string_view message,
                    const std::string& detail = {}) {
    return place + ": " + std::string(message) + detail + ".";
}

// A date outside the calendar or after the date of the calculation.
std::string DateProblem(const std::string& place, DayNumber date, DayNumber calculation) {
    if (!InCalendar(date)) {
        return Refusal(place, kOutsideCalendarMessage);
    }
    if (std::trunc(date) > calculation) {
        return Refusal(place, kAfterCalculationMessage, WriteDayMonthYear(calculation));
    }
    return {};
}

std::string CrimeError(const PrescriptionInput& input, std::size_t index) {
    const PrescriptionCrime& crime = input.Crimes[index];
    const std::string place = Item("prescricao.crimes", index);
    if (!crime.DateOfFact) {
        return Refusal(place + ".data_fato", kMissingFactMessage);
    }
    std::string error = DateProblem(place + ".data_fato", *crime.DateOfFact, input.CalculationDate);
    if (!error.empty()) {
        return error;
    }
    const DayNumber fact = std::trunc(*crime.DateOfFact);
    if (input.Birth && fact < std::trunc(*input.Birth)) {
        return Refusal(place + ".data_fato", kBeforeBirthMessage, WriteDayMonthYear(*input.Birth));
    }
    if (crime.PeriodStart) {
        error =
            DateProblem(place + ".data_inicio_prazo", *crime.PeriodStart, input.CalculationDate);
        if (!error.empty()) {
            return error;
        }
        if (std::trunc(*crime.PeriodStart) < fact) {
            return Refusal(place + ".data_inicio_prazo", kBeforeFactMessage,
                           ", " + WriteDayMonthYear(fact));
        }
    }
    if (crime.MaximumDays < 1) {
        return Refusal(place + ".pena_maxima", kPrescriptionTermTooShortMessage);
    }
    if (crime.AppliedDays && *crime.AppliedDays < 1) {
        return Refusal(place + ".pena_aplicada", kPrescriptionTermTooShortMessage);
    }
    return {};
}

bool IsDecision(MarcoKind kind) {
    return kind == MarcoKind::Sentenca || kind == MarcoKind::Acordao;
}

bool IsFinal(MarcoKind kind) {
    return kind == MarcoKind::TransitoAcusacao || kind == MarcoKind::TransitoAmbas;
}

// Some marco of a kind comes on or before `date`.
bool AnyOnOrBefore(const std::vector<Marco>& marcos, DayNumber date, bool (*kindFits)(MarcoKind)) {
    return std::any_of(marcos.begin(), marcos.end(), [date, kindFits](const Marco& marco) {
        return kindFits(marco.Kind) && std::trunc(marco.Date) <= date;
    });
}

std::string MarcoOrderError(const PrescriptionInput& input, std::size_t index) {
    const Marco& marco = input.Marcos[index];
    const std::string place = Item("prescricao.marcos", index);
    const DayNumber date = std::trunc(marco.Date);
    if (IsFinal(marco.Kind) && !AnyOnOrBefore(input.Marcos, date, IsDecision)) {
        return Refusal(place, kFinalWithoutDecisionMessage);
    }
    for (std::size_t other = 0; other < index; ++other) {
        if (IsFinal(marco.Kind) && input.Marcos[other].Kind == marco.Kind) {
            return Refusal(place, kRepeatedFinalMessage, Item("prescricao.marcos", other));
        }
    }
    if (marco.Kind == MarcoKind::TransitoAmbas) {
        for (const Marco& other : input.Marcos) {
            if (other.Kind == MarcoKind::TransitoAcusacao && std::trunc(other.Date) > date) {
                return Refusal(place, kBothBeforeProsecutionMessage, WriteDayMonthYear(other.Date));
            }
        }
    }
    if ((marco.Kind == MarcoKind::Fuga || marco.Kind == MarcoKind::Revogacao) &&
        !AnyOnOrBefore(input.Marcos, date, IsFinal)) {
        return Refusal(place, DisplayNameOf(marco.Kind), std::string(kBeforeAnyFinalMessage));
    }
    return {};
}

std::string MarcoError(const PrescriptionInput& input, std::size_t index) {
    const Marco& marco = input.Marcos[index];
    const std::string place = Item("prescricao.marcos", index);
    std::string error = DateProblem(place, marco.Date, input.CalculationDate);
    if (!error.empty()) {
        return error;
    }
    for (std::size_t crime = 0; crime < input.Crimes.size(); ++crime) {
        const DayNumber fact = std::trunc(*input.Crimes[crime].DateOfFact);
        if (std::trunc(marco.Date) < fact) {
            return Refusal(place, kBeforeFactMessage,
                           " de " + Item("prescricao.crimes", crime) + ", " +
                               WriteDayMonthYear(fact));
        }
    }
    return {};
}

std::string SuspensionError(const PrescriptionInput& input, std::size_t index) {
    const Suspension& suspension = input.Suspensions[index];
    const std::string place = Item("prescricao.suspensoes", index);
    std::string error = DateProblem(place + ".inicio", suspension.Start, input.CalculationDate);
    if (!error.empty() || !suspension.End) {
        return error;
    }
    // An end after the date of the calculation is still to come: suspended up to that date.
    if (!InCalendar(*suspension.End)) {
        return Refusal(place + ".fim", kOutsideCalendarMessage);
    }
    if (std::trunc(*suspension.End) < std::trunc(suspension.Start)) {
        return Refusal(place + ".fim", kEndBeforeStartMessage, WriteDayMonthYear(suspension.Start));
    }
    return {};
}

// Runs each check over its list; the first message found.
template <typename Check>
std::string FirstError(std::size_t count, Check check) {
    for (std::size_t i = 0; i < count; ++i) {
        std::string error = check(i);
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

} // namespace

std::string PrescriptionInputError(const PrescriptionInput& input) {
    if (!InCalendar(input.CalculationDate)) {
        return Refusal("data_calculo", kOutsideCalendarMessage);
    }
    const DayNumber calculation = std::trunc(input.CalculationDate);
    if (input.Birth) {
        std::string error = DateProblem("nascimento", *input.Birth, calculation);
        if (!error.empty()) {
            return error;
        }
    }
    if (input.Crimes.empty()) {
        return Refusal("prescricao.crimes", kNoPrescriptionCrimesMessage);
    }
    // Every check after the calculation's own compares whole days with whole days.
    PrescriptionInput whole = input;
    whole.CalculationDate = calculation;
    std::string error =
        FirstError(whole.Crimes.size(), [&whole](std::size_t i) { return CrimeError(whole, i); });
    if (error.empty()) {
        error = FirstError(whole.Marcos.size(),
                           [&whole](std::size_t i) { return MarcoError(whole, i); });
    }
    if (error.empty()) {
        error = FirstError(whole.Marcos.size(),
                           [&whole](std::size_t i) { return MarcoOrderError(whole, i); });
    }
    if (error.empty()) {
        error = FirstError(whole.Suspensions.size(),
                           [&whole](std::size_t i) { return SuspensionError(whole, i); });
    }
    return error;
}

PrescriptionInput WithWholeDays(PrescriptionInput input) {
    const auto whole = [](std::optional<DayNumber>& date) {
        if (date) {
            *date = std::trunc(*date);
        }
    };
    input.CalculationDate = std::trunc(input.CalculationDate);
    whole(input.Birth);
    for (PrescriptionCrime& crime : input.Crimes) {
        whole(crime.DateOfFact);
        whole(crime.PeriodStart);
    }
    for (Marco& marco : input.Marcos) {
        marco.Date = std::trunc(marco.Date);
    }
    for (Suspension& suspension : input.Suspensions) {
        suspension.Start = std::trunc(suspension.Start);
        whole(suspension.End);
    }
    return input;
}

} // namespace zarn
