#include "caso/ExecutionCaseComparison.h"

#include <tuple>

namespace zarn {
namespace {

// A structured binding names exactly as many members as the struct has.
auto Members(const Conviction& c) {
    const auto& [processo, crime, term, fines, transito, facts, during] = c;
    return std::tie(processo, crime, term, fines, transito, facts, during);
}

auto Members(const ServingPeriod& p) {
    const auto& [start, end, description] = p;
    return std::tie(start, end, description);
}

auto Members(const ExecutionEvent& e) {
    const auto& [kind, date, description, lost, days, work, study, level, books, hours, regime] = e;
    return std::tie(kind, date, description, lost, days, work, study, level, books, hours, regime);
}

auto Members(const ExecutionCase& q) {
    const auto& [convictions, periods, events, options, regime, date, convention] = q;
    return std::tie(convictions, periods, events, options, regime, date, convention);
}

} // namespace

bool operator==(const Conviction& a, const Conviction& b) {
    return Members(a) == Members(b);
}

bool operator==(const ServingPeriod& a, const ServingPeriod& b) {
    return Members(a) == Members(b);
}

bool operator==(const ExecutionEvent& a, const ExecutionEvent& b) {
    return Members(a) == Members(b);
}

bool operator==(const ExecutionCase& a, const ExecutionCase& b) {
    return Members(a) == Members(b);
}

} // namespace zarn
