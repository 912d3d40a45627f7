#include "law/ExecutionText.h"

#include "law/LawTables.h"
#include "law/LegalText.h"

#include <algorithm>
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

std::string FullyServedParagraph(const ExecutionDates& dates) {
    if (dates.Cap) {
        return "Cumprimento encerrado pelo limite de " + std::to_string(dates.Cap->Years) +
               " anos" + CitedWithLaw(dates.Cap->Source) + ": o tempo j\xE1 cumprido (" +
               DayCount(dates.DeductedDays) +
               ") alcan\xE7"
               "a o limite, e n\xE3o h\xE1 datas a calcular.";
    }
    return "Pena integralmente cumprida" + Cited(kDetracao) + ": o tempo j\xE1 cumprido (" +
           DayCount(dates.DeductedDays) +
           ") alcan\xE7"
           "a a pena inteira, e n\xE3o h\xE1 datas "
           "a calcular.";
}

std::string ProgressionParagraph(const ProgressionDate& progression, bool first,
                                 const ExecutionDates& dates) {
    return "Progress\xE3o para o regime " + std::string(RegimeName(progression.To)) + ": " +
           ShareText(dates.Progression) + (first ? " da pena, " : " do restante da pena, ") +
           MilestoneDays(progression.Due, dates.Convention) + std::string(kFromDate) +
           WriteDayMonthYear(progression.Due.DueFrom) + CitedWithLaw(dates.Progression.Source) +
           ".";
}

std::string ParoleDetails(const ExecutionDates& dates) {
    const Milestone& parole = *dates.Parole;
    return "mais de " + FractionText(parole.Share) + " da pena, " +
           MilestoneDays(parole, dates.Convention) + std::string(kFromDate) +
           WriteDayMonthYear(parole.DueFrom) + Cited(dates.ParoleRule.Source);
}

std::string EndParagraph(const ExecutionDates& dates) {
    if (!dates.Cap) {
        return "T\xE9rmino da pena: " + WriteDayMonthYear(dates.LastDay) +
               ", contado o primeiro dia" + Cited(kFirstDayCounts) + ".";
    }
    return "T\xE9rmino da pena total: " + WriteDayMonthYear(dates.LastDay) +
           ", contado o primeiro dia" + Cited(kFirstDayCounts) +
           "; o cumprimento termina antes, pelo limite do art. 75.";
}

std::string CapParagraph(const ExecutionDates& dates) {
    return "Fim do cumprimento pelo limite de " + std::to_string(dates.Cap->Years) + " anos" +
           CitedWithLaw(dates.Cap->Source) + ": " + WriteDayMonthYear(*dates.CappedLastDay) +
           Cited(kBenefitsOnTheWholeTerm) + ".";
}

// A paragraph and the day it speaks of, to put the dated ones in the order of their dates.
struct DatedParagraph {
    DayNumber Date;
    std::string Text;
};

std::vector<DatedParagraph> DatedParagraphs(const ExecutionDates& dates) {
    std::vector<DatedParagraph> dated;
    for (std::size_t i = 0; i < dates.Progressions.size(); ++i) {
        dated.push_back({dates.Progressions[i].Due.DueFrom,
                         ProgressionParagraph(dates.Progressions[i], i == 0, dates)});
    }
    if (dates.Parole) {
        dated.push_back(
            {dates.Parole->DueFrom, ParoleParagraph(dates.ParoleRule, ParoleDetails(dates))});
    }
    if (dates.Cap) {
        dated.push_back({*dates.CappedLastDay, CapParagraph(dates)});
    }
    dated.push_back({dates.LastDay, EndParagraph(dates)});
    std::stable_sort(
        dated.begin(), dated.end(),
        [](const DatedParagraph& a, const DatedParagraph& b) { return a.Date < b.Date; });
    return dated;
}

} // namespace

std::string WriteExecution(const ExecutionDates& dates) {
    std::vector<std::string> paragraphs{StartParagraph(dates)};
    const std::string deductions = DeductionsParagraph(dates);
    if (!deductions.empty()) {
        paragraphs.push_back(deductions);
    }
    if (dates.FullyServed) {
        paragraphs.push_back(FullyServedParagraph(dates));
    } else {
        if (dates.Progressions.empty()) {
            paragraphs.push_back("No regime aberto desde o in\xED"
                                 "cio, n\xE3o h\xE1 progress\xE3o.");
        }
        if (!dates.Parole) {
            paragraphs.push_back(ParoleParagraph(dates.ParoleRule, {}));
        }
        for (DatedParagraph& paragraph : DatedParagraphs(dates)) {
            paragraphs.push_back(std::move(paragraph.Text));
        }
    }
    if (!dates.Notes.empty()) {
        paragraphs.push_back(NotesParagraph(dates.Notes));
    }
    return JoinAnalysis(paragraphs, dates.Convention);
}

} // namespace zarn
