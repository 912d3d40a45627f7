#pragma once

// The process-wide date settings: the date separator and the short date pattern under
// which date texts are read and written, and which date masks show. Start-up fills them
// from the user's regional settings; the calendar window sets "/" and "dd/mm/yyyy".

#include <string>

namespace zarn {

struct DateSettingsRecord {
    char Separator = '/';
    std::string Pattern = "m/d/yy";
};

// The one instance for the whole process.
DateSettingsRecord& DateSettings();

// The calendar window's own settings: separator "/" and pattern "dd/mm/yyyy".
void UseCalendarDateSettings();

} // namespace zarn
