#include "dates/LocalTime.h"

// POSIX: the thread-safe localtime_r.

namespace zarn {

bool ToLocalTime(std::time_t moment, std::tm& local) {
    return localtime_r(&moment, &local) != nullptr;
}

} // namespace zarn
