#include "law/ExecutionInput.h"

#include "dates/EndDate.h"
#include "engine/NumberText.h"
#include "engine/TermReading.h"
#include "engine/Texts.h"
#include "law/ExecutionText.h"
#include "law/LawTexts.h"

namespace zarn {
namespace {

struct Reading {
    std::string Error;
    long long Days = 0;
};

Reading ReadRemicao(const std::string& text) {
    const DayCountReading reading = ReadDayCount(text);
    switch (reading.Fault) {
    case DayCountFault::NotWhole:
        return {std::string(kInvalidNumberMessage), 0};
    case DayCountFault::TooLarge:
        return {std::string(kRemicaoTooLongMessage), 0};
    case DayCountFault::None:
        break;
    }
    return {{}, reading.Days};
}

ExecutionAnswer Refusal(std::string message) {
    return ExecutionAnswer{std::move(message), std::nullopt};
}

} // namespace

ExecutionAnswer AnswerExecution(long long termDays, const ExecutionQuestion& question) {
    const Reading remicao = ReadRemicao(question.Remicao);
    if (!remicao.Error.empty()) {
        return Refusal(remicao.Error);
    }
    const std::optional<DayNumber> start = ReadStartDate(question.Start);
    if (!start) {
        return Refusal(std::string(kUnreadableStartMessage));
    }
    ExecutionRequest request;
    request.TermDays = termDays;
    request.Start = *start;
    request.Facts = question.Facts;
    request.InitialRegime = question.InitialRegime;
    request.RemicaoDays = remicao.Days;
    request.Convention = question.Convention;
    const ExecutionOutcome outcome = ComputeExecutionDates(request);
    if (!outcome.Ok()) {
        return Refusal(outcome.Error);
    }
    return ExecutionAnswer{WriteExecution(outcome.Dates), outcome.Dates};
}

ExecutionAnswer AnswerExecution(const ExecutionFields& fields) {
    const TermReading term = ReadTerm(fields.Years, fields.Months, fields.Days);
    if (!term.Ok) {
        return Refusal(term.Error);
    }
    return AnswerExecution(term.Days, fields.Question);
}

} // namespace zarn
