#pragma once

// The regional side of the process-wide date settings: the short-date separator and the
// short date pattern taken from the system's locale.

#include "dates/DateSettings.h"

#include <QString>

namespace zarn {

// Converts a Qt short date format ("dd/MM/yyyy", "M/d/yy", "yyyy-MM-dd", "dd.MM.yy") into
// the program's separator and pattern. The separator is the format's first character that
// is neither a letter nor a blank (quoted text aside); in the pattern day, month and year
// are written d, m and y, and every separator as "/". A format without a separator gives
// "/", an empty format "m/d/yy".
DateSettingsRecord DateSettingsFromQtFormat(const QString& format);

// Fills the process-wide date settings from the system locale's short date format.
void ReadRegionalDateSettings();

} // namespace zarn
