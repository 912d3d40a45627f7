#pragma once

// The pieces both analysis texts are made of (Windows-1252): citations, terms written as the
// calculation record writes them, dates, the convention used and the closing lines.

#include "dates/CivilDate.h"
#include "law/Consequences.h"
#include "law/LegalSource.h"
#include "law/SpanLayout.h"

#include <string>
#include <string_view>
#include <vector>

namespace zarn {

inline constexpr std::string_view kClosingLine =
    "Conferir com o caso concreto: o c\xE1lculo n\xE3o substitui o exame dos requisitos "
    "subjetivos.";

// " (CP art. 33, \xA7 2\xBA)" with a blank before the parenthesis.
std::string Cited(const LegalSource& source);

// "1 ano, 7 meses e 6 dias": days on the 360/30 base, nonzero parts only.
std::string TermOfDays(long long days);

// "288 dias (9 meses e 18 dias)"; a count below a month is the count alone, "15 dias".
std::string DaysAndTerm(long long days);

// "288 dias", "1 dia".
std::string DayCount(long long days);

// A period in whole months as years and months: "10 anos e 8 meses".
std::string YearsAndMonths(long long months);

// The date as dd/mm/yyyy, whatever the process-wide date settings.
std::string WriteDayMonthYear(DayNumber date);
std::string WriteCivilDate(const CivilDate& date);

// "base 360/30" or "dias do calend\xE1rio".
std::string_view ConventionName(CountingConvention convention);

// The parole paragraph: "Livramento condicional: " and, where parole is allowed, the
// details given (with their citations), else why not (the term too short, or the bar),
// with the article.
std::string ParoleParagraph(const ParoleAnswer& parole, const std::string& details);

// " (LEP art. 112, I, Lei 13.964/2019)": the article with the law that gave its wording.
std::string CitedWithLaw(const LegalSource& source);

// "Leituras e observa\xE7\xF5es:" and each note on a line of its own, led by a dash.
std::string NotesParagraph(const std::vector<std::string>& notes);

// The paragraphs, each on its own line with a blank line between, then the convention
// used and the closing line.
std::string JoinAnalysis(const std::vector<std::string>& paragraphs, CountingConvention convention);

} // namespace zarn
