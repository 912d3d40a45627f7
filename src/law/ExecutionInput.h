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

struct ExecutionFields {
    std::string Years; // the term's fields, as the main window's masked fields give them
    std::string Months;
    std::string Days;
    std::string Start;                   // the date field, read under the date settings in force
    std::string Remicao;                 // a field of digits; blank is no remicao
    CaseFacts Facts;                     // the detracao is Facts.DetracaoDays
    std::optional<Regime> InitialRegime; // none: the one the term and the facts give
    CountingConvention Convention = CountingConvention::Base360;
};

struct ExecutionAnswer {
    std::string Text;                    // the dates' text, or the message that refuses
    std::optional<ExecutionDates> Dates; // none when an input was refused

    bool Ok() const { return Dates.has_value(); }
};

// Never throws on any field text.
ExecutionAnswer AnswerExecution(const ExecutionFields& fields);

} // namespace zarn
