#pragma once

// The local calendar time of a moment, as the platform's C library breaks it down. Each
// platform answers in its own file: LocalTimePosix.cpp (localtime_r), LocalTimeWindows.cpp
// (localtime_s); the build picks one.

#include <ctime>

namespace zarn {

// Fills `local` with the local time of `moment`; false when the platform cannot tell it.
bool ToLocalTime(std::time_t moment, std::tm& local);

} // namespace zarn
