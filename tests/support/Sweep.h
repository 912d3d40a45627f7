#pragma once

// The exhaustive oracle sweeps run whole in the default build. Under the sanitizers every
// step is many times slower and a sweep finds nothing there that its sample would not, so
// the sanitizer build runs them on an evenly spread sample: every kSweepStride-th case.

#include <algorithm>

namespace zarn::testing {

#ifdef ZARN_SANITIZER_BUILD
inline constexpr long long kSweepStride = 29;
#else
inline constexpr long long kSweepStride = 1;
#endif

// Whether the case with this running number belongs to the sweep of this build.
constexpr bool InSweep(long long caseNumber) {
    return caseNumber % kSweepStride == 0;
}

// How many of a sweep's `whole` cases this build runs: all, or an evenly spread sample of at
// least two.
constexpr int SweepCount(int whole) {
    return kSweepStride == 1 ? whole : std::max(2, static_cast<int>(whole / kSweepStride));
}

} // namespace zarn::testing
