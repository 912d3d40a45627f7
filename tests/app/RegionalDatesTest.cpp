#include "app/RegionalDates.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

TEST(RegionalDatesTest, QtShortFormatsBecomeSeparatorAndPattern) {
    struct Row {
        const char* format; // UTF-8
        char separator;
        std::string pattern;
    };
    const std::vector<Row> rows = {
        {"dd/MM/yyyy", '/', "dd/mm/yyyy"},       // Brazil
        {"M/d/yy", '/', "m/d/yy"},               // United States
        {"dd.MM.yy", '.', "dd/mm/yy"},           // Germany
        {"yyyy-MM-dd", '-', "yyyy/mm/dd"},       // Sweden
        {"d/M/yy", '/', "d/m/yy"},               // the C locale
        {"yy. M. d.", '.', "yy/ m/ d/"},         // Korea
        {"d 'de' MMM yyyy", '/', "d  mmm yyyy"}, // quoted text and no separator
        {"dd''MM''yy", '/', "ddmmyy"},           // a quoted quote is no separator
        {"ddMMyyyy", '/', "ddmmyyyy"},
        {"  dd-MM-yyyy  ", '-', "dd/mm/yyyy"},
        {"", '/', "m/d/yy"}, // the system gives none
        {"   ", '/', "m/d/yy"},
        {"'texto'", '/', "m/d/yy"},
        {"d\xe2\x80\x93M\xe2\x80\x93yyyy", '\x96', "d/m/yyyy"}, // en dash: a Windows-1252 byte
        {"d\xe2\x88\x95M\xe2\x88\x95yyyy", '/', "d/m/yyyy"},    // division slash: none there
    };
    for (const Row& row : rows) {
        const DateSettingsRecord settings = DateSettingsFromQtFormat(QString::fromUtf8(row.format));
        EXPECT_EQ(settings.Separator, row.separator) << row.format;
        EXPECT_EQ(settings.Pattern, row.pattern) << row.format;
    }
}

TEST(RegionalDatesTest, ReadingTheSystemLocaleReplacesTheProgramsSettings) {
    DateSettings() = DateSettingsRecord{'#', "yyyy#mm#dd"};
    ReadRegionalDateSettings();
    const DateSettingsRecord expected =
        DateSettingsFromQtFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    EXPECT_EQ(DateSettings().Separator, expected.Separator);
    EXPECT_EQ(DateSettings().Pattern, expected.Pattern);
}

} // namespace
} // namespace zarn
