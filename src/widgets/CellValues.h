#pragma once

// The values typed into the cells of a case's tables, read and written as the program's
// fields read and write them: a date as the calendar's date field types it (dd/mm/aaaa, its
// day, month and year in their places, whatever the regional date settings), a term as the
// main window's years, months and days fields type it (the calculator's rules and
// messages). Texts that the models and their delegates exchange.

#include "dates/CivilDate.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace zarn {

inline constexpr std::string_view kUnstorableCharacterWords =
    "Caractere que o programa n\xE3o guarda: ";
inline constexpr std::string_view kUnreadableCellDateMessage =
    "data inv\xE1lida: digite dia, m\xEAs e ano (dd/mm/aaaa).";

// A date cell read: a date, or nothing for a blank cell; Ok is false for any other text.
struct CellDate {
    bool Ok = false;
    std::optional<DayNumber> Date;
};

// "05/05/2014" and the same with any separator, or a blank cell ("", or only blanks and
// separators). A year must have its four digits.
CellDate ReadCellDate(const QString& text);
// "05/05/2014"; the empty text for no date.
QString CellDateText(const std::optional<DayNumber>& date);

// A term cell read from its years, months and days texts: the days on the 360/30 base, or
// the calculator's message. Blank parts count as zero.
struct CellTerm {
    bool Ok = false;
    long long Days = 0;
    QString Message;
};

CellTerm ReadCellTerm(const QStringList& texts);
// The years, months and days texts of a term, a zero part left empty.
QStringList CellTermTexts(long long days);
// "30 anos", "1 ano, 7 meses e 6 dias"; the empty text for no term (0 days).
QString TermDisplay(long long days);

// The message for a text with a character Windows-1252 lacks, naming it; empty when every one
// fits.
QString UnstorableCharacterMessage(const QString& text);

} // namespace zarn
