#include "widgets/CellValues.h"

#include "engine/TermReading.h"
#include "engine/TermText.h"
#include "law/LegalText.h"
#include "widgets/DateFieldText.h"
#include "widgets/QtText.h"

#include <array>

namespace zarn {
namespace {

bool IsBlank(const QString& text) {
    for (const QChar c : text) {
        if (!c.isSpace() && c != QLatin1Char('_') && !c.isPunct()) {
            return false;
        }
    }
    return true;
}

} // namespace

CellDate ReadCellDate(const QString& text) {
    if (IsBlank(text)) {
        return {true, std::nullopt};
    }
    const std::optional<DayNumber> date = ReadDateField(ToCp1252(text));
    return {date.has_value(), date};
}

QString CellDateText(const std::optional<DayNumber>& date) {
    return date ? ToQString(WriteDayMonthYear(*date)) : QString();
}

CellTerm ReadCellTerm(const QStringList& texts) {
    std::array<std::string, 3> parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto at = static_cast<qsizetype>(i);
        parts[i] = at < texts.size() ? ToCp1252(texts[at]) : std::string();
    }
    bool blank = true;
    for (const std::string& part : parts) {
        blank = blank && part.find_first_not_of(' ') == std::string::npos;
    }
    if (blank) {
        return {true, 0, {}};
    }
    const TermReading reading = ReadTerm(parts[0], parts[1], parts[2]);
    if (!reading.Ok) {
        return {false, 0, ToQString(reading.Error)};
    }
    return {true, reading.Days, {}};
}

QStringList CellTermTexts(long long days) {
    const TermParts parts = SplitDays(days);
    QStringList texts;
    for (const long long part : {parts.Years, parts.Months, parts.Days}) {
        texts << (part > 0 ? QString::number(part) : QString());
    }
    return texts;
}

QString TermDisplay(long long days) {
    return days > 0 ? ToQString(TermOfDays(days)) : QString();
}

QString UnstorableCharacterMessage(const QString& text) {
    for (const QChar c : text) {
        char byte = 0;
        if (!ToCp1252Char(c, byte)) {
            return ToQString(kUnstorableCharacterWords) + c + QLatin1Char('.');
        }
    }
    return {};
}

} // namespace zarn
