#pragma once

// The execution dates asked from the texts of the fields that hold the question: the term
// as the calculator reads its three fields, the start date as the calendar reads its date
// field, and the days of remicao; the facts, the initial regime and the convention as they
// are chosen. The answer is the dates with their text, or the message of the first input
// that stops them. Texts are Windows-1252.

#include "law/CaseFacts.h"
#include "law/ExecutionDates.h"
#include "law/SpanLayout.h"

#include <optional>
#include <string>

namespace zarn {

// The question beside the term.
struct ExecutionQuestion {
    std::string Start;                   // the date field, read under the date settings in force
    std::string Remicao;                 // days, blanks dropped; blank is no remicao
    CaseFacts Facts;                     // the detracao is Facts.DetracaoDays
    std::optional<Regime> InitialRegime; // none: the one the term and the facts give
    CountingConvention Convention = CountingConvention::Base360;
};

// The question with the term as its three fields hold it.
struct ExecutionFields {
    std::string Years; // as the main window's masked fields give them
    std::string Months;
    std::string Days;
    ExecutionQuestion Question;
};

struct ExecutionAnswer {
    std::string Text;                    // the dates' text, or the message that refuses
    std::optional<ExecutionDates> Dates; // none when an input was refused

    bool Ok() const { return Dates.has_value(); }
};

// For a term already read, in days on the 360/30 base. Never throws on any text.
ExecutionAnswer AnswerExecution(long long termDays, const ExecutionQuestion& question);
// The term fields read first, with the calculator's rules and messages.
ExecutionAnswer AnswerExecution(const ExecutionFields& fields);

} // namespace zarn
