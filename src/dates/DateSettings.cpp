#include "dates/DateSettings.h"

namespace zarn {

DateSettingsRecord& DateSettings() {
    static DateSettingsRecord settings;
    return settings;
}

void UseCalendarDateSettings() {
    DateSettings() = DateSettingsRecord{'/', "dd/mm/yyyy"};
}

} // namespace zarn
