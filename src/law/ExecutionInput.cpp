#include "law/ExecutionInput.h"

#include "dates/EndDate.h"
#include "engine/CalcState.h"
#include "engine/Calculation.h"
#include "engine/NumberText.h"
#include "engine/Texts.h"
#include "law/ExecutionText.h"
#include "law/LawTexts.h"

namespace zarn {
namespace {

constexpr long long kDaysPerYear = 360;
constexpr long long kDaysPerMonth = 30;
// A term is read by a run of the calculator that leaves it as it is, so that its fields
// follow the calculator's own rules and messages.
constexpr const char* kNoFines = "     ";
constexpr const char* kUnchangedOperation = "x 1 /   ";

struct Reading {
    std::string Error;
    long long Days = 0;
};

Reading ReadTerm(const ExecutionFields& fields) {
    CalcState state;
    const CalcOutcome outcome = RunCalculation(state, fields.Years, fields.Months, fields.Days,
                                               kNoFines, kUnchangedOperation);
    if (!outcome.Ok) {
        return {outcome.OutcomeText, 0};
    }
    // Whole numbers of at most nine digits each: the sum is exact.
    return {{},
            static_cast<long long>(state.Years) * kDaysPerYear +
                static_cast<long long>(state.Months) * kDaysPerMonth +
                static_cast<long long>(state.Days)};
}

Reading ReadRemicao(const std::string& text) {
    const std::string digits = RemoveBlanks(text);
    if (digits.empty()) {
        return {};
    }
    const std::optional<double> days = ConvertDigits(digits, kMaxNumberDigits);
    if (!days) {
        return {std::string(kInvalidNumberMessage), 0};
    }
    return {{}, static_cast<long long>(*days)};
}

ExecutionAnswer Refusal(std::string message) {
    return ExecutionAnswer{std::move(message), std::nullopt};
}

} // namespace

ExecutionAnswer AnswerExecution(const ExecutionFields& fields) {
    const Reading term = ReadTerm(fields);
    if (!term.Error.empty()) {
        return Refusal(term.Error);
    }
    const Reading remicao = ReadRemicao(fields.Remicao);
    if (!remicao.Error.empty()) {
        return Refusal(remicao.Error);
    }
    const std::optional<DayNumber> start = ReadStartDate(fields.Start);
    if (!start) {
        return Refusal(std::string(kUnreadableStartMessage));
    }
    ExecutionRequest request;
    request.TermDays = term.Days;
    request.Start = *start;
    request.Facts = fields.Facts;
    request.InitialRegime = fields.InitialRegime;
    request.RemicaoDays = remicao.Days;
    request.Convention = fields.Convention;
    const ExecutionOutcome outcome = ComputeExecutionDates(request);
    if (!outcome.Ok()) {
        return Refusal(outcome.Error);
    }
    return ExecutionAnswer{WriteExecution(outcome.Dates), outcome.Dates};
}

} // namespace zarn
