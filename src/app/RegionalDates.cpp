#include "app/RegionalDates.h"

#include "widgets/QtText.h"

#include <QLocale>

namespace zarn {
namespace {

constexpr char kDefaultSeparator = '/';
constexpr const char* kDefaultPattern = "m/d/yy";
const QChar kQuote = QLatin1Char('\'');

// The format without its quoted literal text ('de', and '' for a quote character).
QString WithoutQuotedText(const QString& format) {
    QString plain;
    bool quoted = false;
    for (QChar c : format) {
        if (c == kQuote) {
            quoted = !quoted;
        } else if (!quoted) {
            plain.append(c);
        }
    }
    return plain;
}

QChar FindSeparator(const QString& plain) {
    for (QChar c : plain) {
        if (!c.isLetter() && !c.isSpace()) {
            return c;
        }
    }
    return QChar();
}

} // namespace

DateSettingsRecord DateSettingsFromQtFormat(const QString& format) {
    DateSettingsRecord settings;
    const QString plain = WithoutQuotedText(format).trimmed();
    if (plain.isEmpty()) {
        settings.Separator = kDefaultSeparator;
        settings.Pattern = kDefaultPattern;
        return settings;
    }
    const QChar separator = FindSeparator(plain);
    char separatorByte = kDefaultSeparator;
    if (separator.isNull() || !ToCp1252Char(separator, separatorByte)) {
        separatorByte = kDefaultSeparator;
    }
    QString pattern;
    for (QChar c : plain) {
        if (!separator.isNull() && c == separator) {
            pattern.append(QLatin1Char('/'));
        } else if (c.isLetter()) {
            pattern.append(c.toLower());
        } else {
            pattern.append(c);
        }
    }
    settings.Separator = separatorByte;
    settings.Pattern = ToCp1252(pattern);
    return settings;
}

void ReadRegionalDateSettings() {
    DateSettings() = DateSettingsFromQtFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
}

} // namespace zarn
