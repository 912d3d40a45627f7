// The prescription analysis on an arbitrary case, one item per line so that a seed reads
// like the case it holds:
//
//   calculo 08/12/2026
//   nascimento 10/10/1990
//   crime 01/11/2010 10800 aplicada=900 inicio=05/05/2014 reincidente violencia_sexual_mulher
//   marco recebimento_denuncia 05/05/2014
//   suspensao cpp366 01/01/2015 30/06/2016        (no end date: still suspended)
//   acordao_confirmatorio_interrompe 0
//
// A date is dd/mm/aaaa, or #N for the day number N itself (#-5, #3000000, #nan), so that
// dates outside the calendar come up; "crime - 10800" is a crime without a date. The kinds
// are the case document's keys; a line not understood is skipped.
//
// Properties: a refusal names a place and answers nothing; otherwise one answer per crime,
// em abstrato first; in each analysis the intervals follow one another day after day inside
// the calendar, each one's years, months and days laid from its first day by the standard
// library's calendar reach the day after its last, its suspended days fit in it; never both
// verdicts; a prescribed-on date lies within the first interval that reached the period and
// before the date of the calculation; a prescribes-on date is on or after that date, after an
// open last interval with no interval reached; the text ends with the closing line and holds
// every verdict.

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "law/LegalText.h"
#include "prescription/Prescription.h"
#include "prescription/PrescriptionNames.h"
#include "prescription/PrescriptionText.h"
#include "support/DateOracle.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace zarn::fuzz {
namespace {

std::optional<long long> Number(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<DayNumber> Date(std::string_view text) {
    if (text == "#nan") {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (text.starts_with('#')) {
        const std::optional<long long> raw = Number(text.substr(1));
        return raw ? std::optional(static_cast<DayNumber>(*raw)) : std::nullopt;
    }
    if (text.size() != 10 || text[2] != '/' || text[5] != '/') {
        return std::nullopt;
    }
    const auto day = Number(text.substr(0, 2));
    const auto month = Number(text.substr(3, 2));
    const auto year = Number(text.substr(6, 4));
    if (!day || !month || !year ||
        !CivilDateValid(static_cast<std::uint16_t>(*year), static_cast<std::uint16_t>(*month),
                        static_cast<std::uint16_t>(*day))) {
        return std::nullopt;
    }
    return DateFromCivil(static_cast<std::uint16_t>(*year), static_cast<std::uint16_t>(*month),
                         static_cast<std::uint16_t>(*day));
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

void ReadCrime(const std::vector<std::string>& words, PrescriptionInput& input) {
    PrescriptionCrime crime;
    crime.Description = "crime " + std::to_string(input.Crimes.size() + 1);
    crime.DateOfFact = words.size() > 1 ? Date(words[1]) : std::nullopt;
    crime.MaximumDays = words.size() > 2 ? Number(words[2]).value_or(0) : 0;
    for (std::size_t i = 3; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word.starts_with("aplicada=")) {
            crime.AppliedDays = Number(word.substr(9));
        } else if (word.starts_with("inicio=")) {
            crime.PeriodStart = Date(word.substr(7));
        } else if (word == "reincidente") {
            crime.RepeatOffender = true;
        } else if (word == "violencia_sexual_mulher") {
            crime.SexualViolenceAgainstWoman = true;
        }
    }
    input.Crimes.push_back(crime);
}

void ReadLine(const std::vector<std::string>& words, PrescriptionInput& input) {
    if (words.empty()) {
        return;
    }
    const std::string& key = words[0];
    const std::optional<DayNumber> first = words.size() > 1 ? Date(words[1]) : std::nullopt;
    if (key == "calculo" && first) {
        input.CalculationDate = *first;
    } else if (key == "nascimento" && first) {
        input.Birth = first;
    } else if (key == "crime") {
        ReadCrime(words, input);
    } else if (key == "acordao_confirmatorio_interrompe" && words.size() > 1) {
        input.ConfirmingAcordaoInterrupts = words[1] != "0";
    } else if (key == "marco" && words.size() > 2) {
        const std::optional<MarcoKind> kind = MarcoKindFromKey(words[1]);
        const std::optional<DayNumber> date = Date(words[2]);
        if (kind && date) {
            input.Marcos.push_back(Marco{*kind, *date});
        }
    } else if (key == "suspensao" && words.size() > 2) {
        const std::optional<SuspensionKind> kind = SuspensionKindFromKey(words[1]);
        const std::optional<DayNumber> start = Date(words[2]);
        if (kind && start) {
            input.Suspensions.push_back(
                Suspension{*kind, *start, words.size() > 3 ? Date(words[3]) : std::nullopt});
        }
    }
}

bool InCalendar(DayNumber date) {
    return date >= kFirstDayNumber && date <= kLastDayNumber && date == std::trunc(date);
}

// The interval's years, months and days, laid from its first day by std::chrono, reach the
// day after its last; one month more would go beyond it.
bool LengthAddsUp(const PrescriptionInterval& interval) {
    namespace t = zarn::testing;
    const auto years = t::MonthsOn(t::DayOf(interval.From), 12 * interval.Years);
    const auto months = years ? t::MonthsOn(*years, interval.Months) : std::nullopt;
    if (!months || interval.Days < 0) {
        return false;
    }
    const auto oneMore = t::MonthsOn(*years, interval.Months + 1);
    return t::DayNumberOf(*months) + static_cast<DayNumber>(interval.Days) == interval.To + 1 &&
           (!oneMore || t::DayNumberOf(*oneMore) > interval.To + 1);
}

void CheckIntervals(const PrescriptionAnalysis& analysis, DayNumber calculation) {
    const PrescriptionInterval* before = nullptr;
    for (const PrescriptionInterval& interval : analysis.Intervals) {
        Require(InCalendar(interval.From) && InCalendar(interval.To) &&
                    interval.From <= interval.To && interval.To <= calculation,
                "an interval of whole days in the calendar, up to the date of the calculation");
        Require(!before || interval.From == before->To + 1, "intervals follow one another");
        Require(LengthAddsUp(interval), "an interval's years, months and days add up");
        Require(interval.SuspendedDays >= 0 &&
                    interval.SuspendedDays <=
                        static_cast<long long>(interval.To - interval.From) + 1,
                "suspended days within the interval");
        before = &interval;
    }
}

void CheckVerdict(const PrescriptionAnalysis& analysis, DayNumber calculation) {
    Require(!(analysis.PrescribedOn && analysis.PrescribesOn), "never both verdicts");
    const auto reached = std::find_if(analysis.Intervals.begin(), analysis.Intervals.end(),
                                      [](const PrescriptionInterval& i) { return i.Reached; });
    Require(analysis.PrescribedOn.has_value() == (reached != analysis.Intervals.end()),
            "prescribed exactly when an interval reached the period");
    if (analysis.PrescribedOn) {
        Require(*analysis.PrescribedOn >= reached->From && *analysis.PrescribedOn <= reached->To &&
                    *analysis.PrescribedOn < calculation,
                "prescribed within the first interval that reached it, before the calculation");
    }
    if (analysis.PrescribesOn) {
        Require(!analysis.Intervals.empty() && analysis.Intervals.back().To == calculation &&
                    *analysis.PrescribesOn >= analysis.Intervals.back().From &&
                    *analysis.PrescribesOn >= calculation && InCalendar(*analysis.PrescribesOn),
                "prescribes after an open last interval, on or after the date of the calculation");
    }
    Require(analysis.Period.Years * 12 + analysis.Period.Months > 0 && analysis.Period.Months < 12,
            "a period of whole years and months");
    Require(analysis.PenaltyDays > 0, "a period of a term of at least a day");
}

void CheckAnswer(const PrescriptionInput& input, const PrescriptionOutcome& outcome) {
    if (!outcome.Ok()) {
        Require(outcome.Error.find(": ") != std::string::npos && outcome.Report.Crimes.empty(),
                "a refusal names its place and answers nothing");
        return;
    }
    const PrescriptionReport& report = outcome.Report;
    Require(report.Crimes.size() == input.Crimes.size(), "one answer per crime");
    const std::string text = WritePrescription(report);
    Require(text.ends_with(kClosingLine), "the text ends with the closing line");
    for (const CrimePrescription& crime : report.Crimes) {
        Require(!crime.Analyses.empty() &&
                    crime.Analyses.front().Kind == PrescriptionKind::Abstrata,
                "em abstrato first");
        for (const PrescriptionAnalysis& analysis : crime.Analyses) {
            CheckIntervals(analysis, report.CalculationDate);
            CheckVerdict(analysis, report.CalculationDate);
            Require(text.find(VerdictText(analysis)) != std::string::npos,
                    "the text holds every verdict");
        }
    }
}

} // namespace
} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zarn;
    using namespace zarn::fuzz;
    FuzzInput bytes(data, size);
    PrescriptionInput input;
    input.CalculationDate = DateFromCivil(2026, 12, 8);
    while (!bytes.Empty()) {
        ReadLine(Words(bytes.TakeText()), input);
    }
    CheckAnswer(input, AnalysePrescription(input));
    return 0;
}
