#include "law/ExecutionText.h"

#include "law/LawTables.h"
#include "law/LegalText.h"

#include <string_view>
#include <vector>

namespace zarn {

namespace {

constexpr std::string_view kFromDate = ", a partir de ";

// A count of days of the convention: on the 360/30 base with its years, months and days, in
// calendar days as the count alone.
std::string CountedDays(long long days, CountingConvention convention) {
    if (convention == CountingConvention::Base360) {
        return DaysAndTerm(days);
    }
    return DayCount(days) + " do calend\xE1rio";
}

// "345 dias (11 meses e 15 dias)", and what is left to serve once detracao and remicao are
// taken off, when they shorten it.
std::string MilestoneDays(const Milestone& milestone, CountingConvention convention) {
    std::string text = CountedDays(milestone.FractionDays, convention);
    if (milestone.ServedDays != milestone.FractionDays) {
        text += "; descontadas detra\xE7\xE3o e remi\xE7\xE3o, " +
                CountedDays(milestone.ServedDays, convention);
    }
    return text;
}

std::string StartParagraph(const ExecutionDates& dates) {
    return "Execu\xE7\xE3o da pena de " + TermOfDays(dates.TermDays) + " a partir de " +
           WriteDayMonthYear(dates.Start) + ", no regime inicial " +
           std::string(RegimeName(dates.Initial)) + ".";
}

std::string DeductionsParagraph(const ExecutionDates& dates) {
    std::vector<std::string> parts;
    if (dates.DetracaoDays > 0) {
        parts.push_back("detra\xE7\xE3o de " + DayCount(dates.DetracaoDays) + Cited(kDetracao));
    }
    if (dates.RemicaoDays > 0) {
        parts.push_back("remi\xE7\xE3o de " + DayCount(dates.RemicaoDays) + Cited(kRemicao));
    }
    if (parts.empty()) {
        return {};
    }
    const std::string joined = parts.size() == 1 ? parts[0] : parts[0] + " e " + parts[1];
    return "Tempo j\xE1 cumprido, descontado do prazo de cada benef\xED"
           "cio e do t\xE9rmino: " +
           joined + ".";
}

std::string ProgressionParagraph(const ProgressionDate& progression, bool first,
                                 const ExecutionDates& dates) {
    return "Progress\xE3o para o regime " + std::string(RegimeName(progression.To)) + ": " +
           PercentText(progression.Due.Share, ',') +
           (first ? "% da pena, " : "% do restante da pena, ") +
           MilestoneDays(progression.Due, dates.Convention) + std::string(kFromDate) +
           WriteDayMonthYear(progression.Due.DueFrom) + Cited(dates.ProgressionRule.Source) + ".";
}

std::string ParoleDetails(const ExecutionDates& dates) {
    if (!dates.Parole) {
        return {};
    }
    const Milestone& parole = *dates.Parole;
    return "mais de " + FractionText(parole.Share) + " da pena, " +
           MilestoneDays(parole, dates.Convention) + std::string(kFromDate) +
           WriteDayMonthYear(parole.DueFrom);
}

std::string EndParagraph(const ExecutionDates& dates) {
    return "T\xE9rmino da pena: " + WriteDayMonthYear(dates.LastDay) + ", contado o primeiro dia" +
           Cited(kFirstDayCounts) + ".";
}

} // namespace

std::string WriteExecution(const ExecutionDates& dates) {
    std::vector<std::string> paragraphs{StartParagraph(dates)};
    const std::string deductions = DeductionsParagraph(dates);
    if (!deductions.empty()) {
        paragraphs.push_back(deductions);
    }
    if (dates.Progressions.empty()) {
        paragraphs.push_back("No regime aberto desde o in\xED"
                             "cio, n\xE3o h\xE1 progress\xE3o.");
    }
    for (std::size_t i = 0; i < dates.Progressions.size(); ++i) {
        paragraphs.push_back(ProgressionParagraph(dates.Progressions[i], i == 0, dates));
    }
    paragraphs.push_back(ParoleParagraph(dates.ParoleRule, ParoleDetails(dates)));
    paragraphs.push_back(EndParagraph(dates));
    return JoinAnalysis(paragraphs, dates.Convention);
}

} // namespace zarn
