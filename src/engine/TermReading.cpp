#include "engine/TermReading.h"

#include "engine/CalcFlow.h"
#include "engine/Calculation.h"

#include <algorithm>

namespace zarn {
namespace {

constexpr long long kDaysPerYear = 360;
constexpr long long kDaysPerMonth = 30;

// A run with no day-fines and the operation "times one" leaves the term as it is, so that
// reading a term is a run of the calculator with its own field rules and messages.
const std::string kNoFines = "     ";
const std::string kUnchangedOperation = "x 1 /   ";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

TermReading ReadTerm(const std::string& years, const std::string& months, const std::string& days) {
    CalcState state;
    const CalcOutcome outcome =
        RunCalculation(state, years, months, days, kNoFines, kUnchangedOperation);
    TermReading reading;
    reading.Ok = outcome.Ok;
    if (!outcome.Ok) {
        reading.Error = outcome.OutcomeText;
        reading.FaultField = outcome.FaultField;
        return reading;
    }
    // Each number has at most nine digits: the sum is exact.
    reading.Days = static_cast<long long>(state.Years) * kDaysPerYear +
                   static_cast<long long>(state.Months) * kDaysPerMonth +
                   static_cast<long long>(state.Days);
    return reading;
}

std::optional<std::array<std::string, 3>> LastResultTerm(const CalcState& state) {
    if (!HasResult(state)) {
        return std::nullopt;
    }
    // Continua rewrites the texts it takes; a copy keeps the record as it is.
    CalcState record = state;
    const TermFieldTexts fields = CarryResultsForward(record);
    std::array<std::string, 3> term;
    for (std::size_t i = 0; i < term.size(); ++i) {
        const std::string& part = fields[i];
        if (part.size() > kTermFieldWidths[i] || !std::all_of(part.begin(), part.end(), IsDigit)) {
            return std::nullopt;
        }
        term[i] = part;
    }
    return term;
}

} // namespace zarn
