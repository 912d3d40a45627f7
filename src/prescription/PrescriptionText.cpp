#include "prescription/PrescriptionText.h"

#include "engine/TermText.h"
#include "law/LawTables.h"
#include "law/LegalText.h"
#include "prescription/PrescriptionNames.h"
#include "prescription/PrescriptionRules.h"

#include <cctype>

namespace zarn {

namespace {

constexpr std::string_view kParagraphBreak = "\n\n";
constexpr std::string_view kLineBreak = "\n";
constexpr std::string_view kListItem = "- ";
constexpr std::string_view kNoVerdict = "sem prescri\xE7\xE3o nos intervalos verificados";
constexpr std::string_view kNotYetInterrupted = " se n\xE3o houver nova causa de interrup\xE7\xE3o";

std::string Capitalised(std::string_view text) {
    std::string capital(text);
    if (!capital.empty()) {
        capital[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(capital[0])));
    }
    return capital;
}

std::string Heading(const PrescriptionAnalysis& analysis) {
    const long long months = analysis.Period.Years * kMonthsPerYear + analysis.Period.Months;
    return Capitalised(DisplayNameOf(analysis.Kind)) + ": pena de " +
           TermOfDays(analysis.PenaltyDays) + "; prazo de " + YearsAndMonths(months) +
           Cited(KindRuleFor(analysis.Kind).Source) + ".";
}

std::string IntervalLine(const PrescriptionInterval& interval) {
    TermParts length;
    length.Years = interval.Years;
    length.Months = interval.Months;
    length.Days = interval.Days;
    std::string line = std::string(kListItem) + "de " + WriteDayMonthYear(interval.From) + " a " +
                       WriteDayMonthYear(interval.To) + ": " + WriteTerm(length, false);
    if (interval.SuspendedDays > 0) {
        line += ", com " + DayCount(interval.SuspendedDays) + " de suspens\xE3o";
    }
    return line + (interval.Reached ? "; prazo atingido." : "; prazo n\xE3o atingido.");
}

std::string CountingLine() {
    return "Contagem: prazos de prescri\xE7\xE3o nas datas do calend\xE1rio, inclu\xED"
           "do o dia do come\xE7o" +
           Cited(kFirstDayCounts) +
           ", sem prorroga\xE7\xE3o por fins de semana ou feriados; as penas na base 360/30 (ano "
           "de 360 dias e m\xEAs de 30) e os intervalos medidos de data a data.";
}

std::string OptionLine(bool confirmingAcordaoInterrupts) {
    if (confirmingAcordaoInterrupts) {
        return "Op\xE7\xE3o: o ac\xF3rd\xE3o confirmat\xF3rio da condena\xE7\xE3o interrompe a "
               "prescri\xE7\xE3o" +
               Cited(kConfirmingAcordao) + ".";
    }
    return "Op\xE7\xE3o: o ac\xF3rd\xE3o confirmat\xF3rio da condena\xE7\xE3o n\xE3o interrompe a "
           "prescri\xE7\xE3o.";
}

std::string CrimeHeading(const CrimePrescription& crime, std::size_t index) {
    std::string heading = "Crime " + std::to_string(index + 1);
    if (!crime.Description.empty()) {
        heading += ": " + crime.Description;
    }
    return heading + ".";
}

} // namespace

std::string VerdictText(const PrescriptionAnalysis& analysis) {
    if (analysis.PrescribedOn) {
        return "prescrita em " + WriteDayMonthYear(*analysis.PrescribedOn);
    }
    if (analysis.PrescribesOn) {
        return "prescreve em " + WriteDayMonthYear(*analysis.PrescribesOn) +
               std::string(kNotYetInterrupted);
    }
    return {};
}

std::string AnalysisParagraph(const PrescriptionAnalysis& analysis) {
    std::string text = Heading(analysis);
    for (const PrescriptionInterval& interval : analysis.Intervals) {
        text += kLineBreak;
        text += IntervalLine(interval);
    }
    const std::string verdict = VerdictText(analysis);
    text += std::string(kLineBreak) +
            "Resultado: " + (verdict.empty() ? std::string(kNoVerdict) : verdict) + ".";
    for (const std::string& note : analysis.Notes) {
        text += std::string(kLineBreak) + "Nota: " + note;
    }
    return text;
}

std::string WritePrescription(const PrescriptionReport& report) {
    std::string text = "Prescri\xE7\xE3o na data do c\xE1lculo, " +
                       WriteDayMonthYear(report.CalculationDate) + ".";
    for (std::size_t i = 0; i < report.Crimes.size(); ++i) {
        const CrimePrescription& crime = report.Crimes[i];
        text += kParagraphBreak;
        text += CrimeHeading(crime, i);
        for (const PrescriptionAnalysis& analysis : crime.Analyses) {
            text += kParagraphBreak;
            text += AnalysisParagraph(analysis);
        }
    }
    text += kParagraphBreak;
    text += CountingLine();
    text += kLineBreak;
    text += OptionLine(report.ConfirmingAcordaoInterrupts);
    text += kLineBreak;
    text += kClosingLine;
    return text;
}

} // namespace zarn
