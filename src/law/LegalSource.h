#pragma once

// Where a rule of law comes from: the article the texts cite, and the law that gave it its
// present wording with the date that wording took force, where they are known. A rule whose
// date is not known to the program leaves it unstated rather than guessing it.

#include "dates/CivilDate.h"

#include <optional>
#include <string_view>

namespace zarn {

// The law that gave a rule its wording; both parts empty when not named.
struct Enactment {
    std::string_view Law;
    std::optional<CivilDate> InForce;
};

struct LegalSource {
    std::string_view Article; // as the text cites it
    Enactment Wording = {};
};

} // namespace zarn
