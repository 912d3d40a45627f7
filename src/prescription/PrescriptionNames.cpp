#include "prescription/PrescriptionNames.h"

#include <algorithm>

namespace zarn {

namespace {

// Every kind has its row: the tables are checked against the enums by the tests.
template <typename Rows, typename Kind>
const auto& RowOf(const Rows& rows, Kind kind) {
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [kind](const auto& row) { return row.Value == kind; });
    return found == rows.end() ? rows.front() : *found;
}

template <typename Kind, typename Rows>
std::optional<Kind> KindFromKey(const Rows& rows, std::string_view key) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [key](const auto& row) { return row.Key == key; });
    if (found == rows.end()) {
        return std::nullopt;
    }
    return found->Value;
}

} // namespace

std::string_view KeyOf(PrescriptionKind kind) {
    return RowOf(kPrescriptionKindNames, kind).Key;
}

std::string_view KeyOf(MarcoKind kind) {
    return RowOf(kMarcoKindNames, kind).Key;
}

std::string_view KeyOf(SuspensionKind kind) {
    return RowOf(kSuspensionKindNames, kind).Key;
}

std::string_view DisplayNameOf(PrescriptionKind kind) {
    return RowOf(kPrescriptionKindNames, kind).Display;
}

std::string_view DisplayNameOf(MarcoKind kind) {
    return RowOf(kMarcoKindNames, kind).Display;
}

std::string_view DisplayNameOf(SuspensionKind kind) {
    return RowOf(kSuspensionKindNames, kind).Display;
}

std::optional<PrescriptionKind> PrescriptionKindFromKey(std::string_view key) {
    return KindFromKey<PrescriptionKind>(kPrescriptionKindNames, key);
}

std::optional<MarcoKind> MarcoKindFromKey(std::string_view key) {
    return KindFromKey<MarcoKind>(kMarcoKindNames, key);
}

std::optional<SuspensionKind> SuspensionKindFromKey(std::string_view key) {
    return KindFromKey<SuspensionKind>(kSuspensionKindNames, key);
}

} // namespace zarn
