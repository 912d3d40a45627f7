#include "dates/LocalTime.h"

// Windows: the C runtime's localtime_s, which takes its arguments the other way round and
// returns an error number.

namespace zarn {

bool ToLocalTime(std::time_t moment, std::tm& local) {
    return localtime_s(&local, &moment) == 0;
}

} // namespace zarn
