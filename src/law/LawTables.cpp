#include "law/LawTables.h"

#include <algorithm>

namespace zarn {

namespace {

// The first row, from the longest terms down, whose range holds the term; the last row
// starts at zero and holds every shorter term.
template <typename Rows>
const auto& RowFromDays(const Rows& rows, long long termDays) {
    const auto found = std::find_if(
        rows.begin(), rows.end(), [termDays](const auto& row) { return termDays >= row.MinDays; });
    return found == rows.end() ? rows.back() : *found;
}

template <typename Rows, typename Key, typename Field>
const auto& RowWith(const Rows& rows, Key key, Field field) {
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [key, field](const auto& row) { return row.*field == key; });
    return found == rows.end() ? rows.front() : *found;
}

} // namespace

const RegimeRow& RegimeRowFor(long long termDays) {
    return RowFromDays(kRegimeRows, termDays);
}

const SubstitutionFormRow& SubstitutionFormFor(long long termDays) {
    return RowFromDays(kSubstitutionFormRows, termDays);
}

const ProgressionRow& ProgressionRowFor(Inciso inciso) {
    return RowWith(kProgressionRows, inciso, &ProgressionRow::Which);
}

const ParoleRow& ParoleRowFor(ParoleCase paroleCase) {
    return RowWith(kParoleRows, paroleCase, &ParoleRow::Case);
}

const PrescriptionRow& PrescriptionRowFor(long long termDays) {
    return RowFromDays(kPrescriptionRows, termDays);
}

} // namespace zarn
