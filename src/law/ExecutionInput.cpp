#include "law/ExecutionInput.h"

#include "dates/EndDate.h"
#include "engine/NumberText.h"
#include "engine/TermReading.h"
#include "engine/Texts.h"
#include "law/ExecutionText.h"
#include "law/LawTexts.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace zarn {
namespace {

struct Reading {
    std::string Error;
    long long Days = 0;
};

// Blanks dropped as the fields drop them, nothing left is no remicao; a sign is read, so
// that the dates refuse a negative count with their own message.
Reading ReadRemicao(const std::string& text) {
    const std::string bare = RemoveBlanks(text);
    if (bare.empty()) {
        return {};
    }
    const bool negative = bare.front() == '-';
    const std::string_view digits = std::string_view(bare).substr(negative ? 1 : 0);
    long long days = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), days);
    const bool allDigits =
        !digits.empty() && end == digits.data() + digits.size() &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!allDigits) {
        return {std::string(kInvalidNumberMessage), 0};
    }
    if (error == std::errc::result_out_of_range) {
        return {std::string(kRemicaoTooLongMessage), 0};
    }
    return {{}, negative ? -days : days};
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
