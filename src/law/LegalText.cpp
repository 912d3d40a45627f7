#include "law/LegalText.h"

#include "engine/TermText.h"
#include "engine/Texts.h"
#include "law/LawTables.h"

namespace zarn {

namespace {

constexpr std::string_view kParagraphBreak = "\n\n";
constexpr std::string_view kLineBreak = "\n";
constexpr long long kDaysPerMonth = 30;
constexpr char kDateSeparator = '/';
constexpr std::size_t kDayMonthDigits = 2;
constexpr std::size_t kYearDigits = 4;

constexpr std::string_view kBase360Name = "base 360/30";
constexpr std::string_view kCalendarDaysName = "dias do calend\xE1rio";
constexpr std::string_view kBase360Explained =
    "ano de 360 dias e m\xEAs de 30, cada prazo posto no calend\xE1rio pelos dias, depois os "
    "meses, depois os anos";
constexpr std::string_view kCalendarDaysExplained =
    "as fra\xE7\xF5"
    "es tomadas dos dias do calend\xE1rio da pena inteira, do primeiro ao \xFAltimo, e "
    "somadas em dias do calend\xE1rio; o t\xE9rmino \xE9 a pena posta no calend\xE1rio desde "
    "o in\xED"
    "cio, menos um dia, antecipado pelos dias de detra\xE7\xE3o e remi\xE7\xE3o";

constexpr std::string_view kParoleTitle = "Livramento condicional: ";
constexpr std::string_view kParoleTooShort = "incab\xEDvel, pena inferior a 2 anos";
constexpr std::string_view kParoleBarred = "vedado";
constexpr std::string_view kNotesTitle = "Leituras e observa\xE7\xF5"
                                         "es:";
constexpr std::string_view kNoteBullet = "- ";

std::string ZeroPadded(unsigned value, std::size_t digits) {
    std::string text = std::to_string(value);
    return std::string(text.size() < digits ? digits - text.size() : 0, '0') + text;
}

std::string ConventionLine(CountingConvention convention) {
    const bool base360 = convention == CountingConvention::Base360;
    return "Conven\xE7\xE3o de contagem: " + std::string(ConventionName(convention)) + " (" +
           std::string(base360 ? kBase360Explained : kCalendarDaysExplained) +
           "); fra\xE7\xF5"
           "es de dia desprezadas" +
           Cited(kDayFractionsDropped) + ".";
}

} // namespace

std::string Cited(const LegalSource& source) {
    return " (" + std::string(source.Article) + ")";
}

std::string TermOfDays(long long days) {
    return WriteTerm(SplitDays(days), false);
}

std::string DaysAndTerm(long long days) {
    if (days < kDaysPerMonth) {
        return DayCount(days);
    }
    return DayCount(days) + " (" + TermOfDays(days) + ")";
}

std::string DayCount(long long days) {
    return std::to_string(days) + std::string(days > 1 ? kDayWord.Plural : kDayWord.Singular);
}

std::string YearsAndMonths(long long months) {
    TermParts parts;
    parts.Years = months / kMonthsPerYear;
    parts.Months = months % kMonthsPerYear;
    return WriteTerm(parts, false);
}

std::string WriteDayMonthYear(DayNumber date) {
    return WriteCivilDate(CivilFromDate(date));
}

std::string WriteCivilDate(const CivilDate& date) {
    return ZeroPadded(date.Day, kDayMonthDigits) + kDateSeparator +
           ZeroPadded(date.Month, kDayMonthDigits) + kDateSeparator +
           ZeroPadded(date.Year, kYearDigits);
}

std::string_view ConventionName(CountingConvention convention) {
    return convention == CountingConvention::Base360 ? kBase360Name : kCalendarDaysName;
}

std::string ParoleParagraph(const ParoleAnswer& parole, const std::string& details) {
    std::string text(kParoleTitle);
    if (parole.Possible) {
        return text + details + ".";
    }
    text += parole.Bar == ParoleBar::Barred ? kParoleBarred : kParoleTooShort;
    return text + Cited(parole.Source) + ".";
}

std::string CitedWithLaw(const LegalSource& source) {
    const std::string_view law = source.Wording.Law;
    if (law.empty()) {
        return Cited(source);
    }
    if (law.starts_with(source.Article)) {
        return " (" + std::string(law) + ")";
    }
    return " (" + std::string(source.Article) + ", " + std::string(law) + ")";
}

std::string NotesParagraph(const std::vector<std::string>& notes) {
    std::string text(kNotesTitle);
    for (const std::string& note : notes) {
        text += kLineBreak;
        text += kNoteBullet;
        text += note;
    }
    return text;
}

std::string JoinAnalysis(const std::vector<std::string>& paragraphs,
                         CountingConvention convention) {
    std::string text;
    for (const std::string& paragraph : paragraphs) {
        text += paragraph;
        text += kParagraphBreak;
    }
    text += ConventionLine(convention);
    text += kLineBreak;
    text += kClosingLine;
    return text;
}

} // namespace zarn
