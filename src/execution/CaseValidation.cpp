#include "execution/CaseValidation.h"

#include "execution/ExecutionTables.h"
#include "execution/ExecutionTexts.h"
#include "law/LegalText.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zarn {

namespace {

// The largest count of days, hours or books an event may carry.
constexpr long long kLargestCount = kLargestTermDays;

std::string Place(std::string_view list, std::size_t index) {
    return std::string(list) + "[" + std::to_string(index) + "]";
}

std::string Fault(const std::string& place, std::string_view message) {
    return place + ": " + std::string(message);
}

std::string DateFault(const std::string& place, DayNumber date) {
    if (!InCalendar(date)) {
        return Fault(place, kOutsideCalendar);
    }
    return {};
}

std::string Dated(std::string_view what, DayNumber date) {
    return std::string(what) + " (" + WriteDayMonthYear(std::trunc(date)) + ")";
}

std::string AfterCalculation(const std::string& place, DayNumber date, DayNumber calculation) {
    if (std::trunc(date) > calculation) {
        return Fault(place, Dated(kAfterCalculation, calculation) + ".");
    }
    return {};
}

std::string CountFault(const std::string& place, std::optional<long long> count) {
    if (count && *count < 0) {
        return Fault(place, kNegative);
    }
    if (count && *count > kLargestCount) {
        return Fault(place, kTooLarge);
    }
    return {};
}

std::string ConvictionFault(const Conviction& conviction, std::size_t index,
                            DayNumber calculation) {
    const std::string place = Place("condenacoes", index);
    if (conviction.TermDays < 1) {
        return Fault(place + ".pena", kTermTooShort);
    }
    if (conviction.TermDays > kLargestSumDays) {
        return Fault(place + ".pena", kTermTooLong);
    }
    std::string fault = CountFault(place + ".dias_multa", conviction.DiasMulta);
    if (fault.empty()) {
        fault = CountFault(place + ".fatos.detracao", conviction.Facts.DetracaoDays);
    }
    if (fault.empty() && !FactsContradiction(conviction.Facts).empty()) {
        fault = Fault(place + ".fatos", FactsContradiction(conviction.Facts));
    }
    for (const auto& [key, date] :
         {std::pair{".data_crime", conviction.Facts.CrimeDate},
          std::pair{".transito_em_julgado", conviction.TransitoEmJulgado}}) {
        if (fault.empty() && date) {
            fault = DateFault(place + key, *date);
            if (fault.empty()) {
                fault = AfterCalculation(place + key, *date, calculation);
            }
        }
    }
    if (fault.empty() && conviction.DuringExecution && !conviction.Facts.CrimeDate) {
        fault = Fault(place + ".data_crime", kCrimeDateNeeded);
    }
    return fault;
}

std::string ConvictionsFault(const ExecutionCase& question, DayNumber firstDay) {
    const std::vector<Conviction>& convictions = question.Convictions;
    if (convictions.empty()) {
        return std::string(kNoConviction);
    }
    long long sum = 0;
    for (std::size_t i = 0; i < convictions.size(); ++i) {
        const std::string fault = ConvictionFault(convictions[i], i, question.CalculationDate);
        if (!fault.empty()) {
            return fault;
        }
        sum += convictions[i].TermDays;
        if (convictions[i].DuringExecution &&
            std::trunc(*convictions[i].Facts.CrimeDate) < firstDay) {
            return Fault(Place("condenacoes", i) + ".data_crime",
                         Dated(kCrimeBeforeServing, firstDay) + ".");
        }
    }
    if (sum > kLargestSumDays) {
        return std::string(kSumTooLong);
    }
    if (std::all_of(convictions.begin(), convictions.end(),
                    [](const Conviction& conviction) { return conviction.DuringExecution; })) {
        return std::string(kNoConvictionBeforeServing);
    }
    return {};
}

std::string PeriodFault(const ServingPeriod& period, std::size_t index, DayNumber calculation) {
    const std::string place = Place("periodos", index);
    std::string fault = DateFault(place + ".inicio", period.Start);
    if (fault.empty()) {
        fault = AfterCalculation(place + ".inicio", period.Start, calculation);
    }
    if (fault.empty() && period.End) {
        fault = DateFault(place + ".fim", *period.End);
        if (fault.empty() && std::trunc(*period.End) > calculation) {
            fault = Fault(place + ".fim",
                          Dated(kAfterCalculation, calculation) + std::string(kOpenPeriodHint));
        }
        if (fault.empty() && std::trunc(*period.End) < std::trunc(period.Start)) {
            fault = Fault(place, Dated(kEndsBeforeStart, period.Start) + ": fim em " +
                                     WriteDayMonthYear(std::trunc(*period.End)) + ".");
        }
    }
    return fault;
}

std::vector<std::size_t> PeriodsByStart(const std::vector<ServingPeriod>& periods) {
    std::vector<std::size_t> order(periods.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&periods](std::size_t a, std::size_t b) {
        return std::trunc(periods[a].Start) < std::trunc(periods[b].Start);
    });
    return order;
}

std::string OverlapFault(const std::vector<ServingPeriod>& periods) {
    const std::vector<std::size_t> order = PeriodsByStart(periods);
    for (std::size_t i = 1; i < order.size(); ++i) {
        const ServingPeriod& earlier = periods[order[i - 1]];
        const ServingPeriod& later = periods[order[i]];
        if (!earlier.End || std::trunc(*earlier.End) >= std::trunc(later.Start)) {
            const std::size_t first = std::min(order[i - 1], order[i]);
            const std::size_t second = std::max(order[i - 1], order[i]);
            return Place("periodos", first) + " e " + Place("periodos", second) + ": " +
                   std::string(kOverlap) + " a partir de " +
                   WriteDayMonthYear(std::trunc(later.Start)) + ".";
        }
    }
    return {};
}

std::string PeriodsFault(const ExecutionCase& question) {
    if (question.Periods.empty()) {
        return std::string(kNoPeriod);
    }
    for (std::size_t i = 0; i < question.Periods.size(); ++i) {
        const std::string fault = PeriodFault(question.Periods[i], i, question.CalculationDate);
        if (!fault.empty()) {
            return fault;
        }
    }
    return OverlapFault(question.Periods);
}

// The keys of another kind of event, given where they do not belong.
std::string StrayKeyFault(const ExecutionEvent& event, const std::string& place) {
    const bool remicao = event.Kind == EventKind::Remicao;
    const bool night = event.Kind == EventKind::RecolhimentoNoturno;
    const bool regimeChange =
        event.Kind == EventKind::Progressao || event.Kind == EventKind::Regressao;
    if (!remicao) {
        for (const auto& [key, given] : {std::pair{".dias", event.Days.has_value()},
                                         std::pair{".trabalho_dias", event.WorkDays.has_value()},
                                         std::pair{".estudo_horas", event.StudyHours.has_value()},
                                         std::pair{".conclusao", event.LevelCompleted},
                                         std::pair{".livros", event.Books.has_value()}}) {
            if (given) {
                return Fault(place + key, kOnlyForRemicao);
            }
        }
    }
    if (!night && event.Hours) {
        return Fault(place + ".horas", kOnlyForNightConfinement);
    }
    if (!regimeChange && event.ToRegime) {
        return Fault(place + ".regime", kOnlyForRegimeChange);
    }
    if (event.Kind != EventKind::FaltaGrave && event.RemicaoLost != 0) {
        return Fault(place + ".remicao_perdida", kLostOnlyAtFalta);
    }
    return {};
}

std::string RemicaoFault(const ExecutionEvent& event, const std::string& place) {
    const std::pair<const char*, std::optional<long long>> amounts[] = {
        {".dias", event.Days},
        {".trabalho_dias", event.WorkDays},
        {".estudo_horas", event.StudyHours},
        {".livros", event.Books}};
    const auto given = std::count_if(std::begin(amounts), std::end(amounts),
                                     [](const auto& amount) { return amount.second.has_value(); });
    if (given == 0) {
        return Fault(place, kRemicaoAmountMissing);
    }
    if (given > 1) {
        return Fault(place, kRemicaoAmountTwice);
    }
    if (event.LevelCompleted && !event.StudyHours) {
        return Fault(place + ".conclusao", kOnlyForStudy);
    }
    for (const auto& [key, amount] : amounts) {
        const std::string fault = CountFault(place + key, amount);
        if (!fault.empty()) {
            return fault;
        }
    }
    return {};
}

std::string KindFault(const ExecutionEvent& event, const std::string& place) {
    switch (event.Kind) {
    case EventKind::Remicao:
        return RemicaoFault(event, place);
    case EventKind::RecolhimentoNoturno:
        return event.Hours ? CountFault(place + ".horas", event.Hours)
                           : Fault(place + ".horas", kHoursMissing);
    case EventKind::Progressao:
        if (!event.ToRegime) {
            return Fault(place + ".regime", kRegimeMissing);
        }
        return *event.ToRegime == Regime::Fechado
                   ? Fault(place + ".regime", kNoProgressionToFechado)
                   : std::string();
    case EventKind::Regressao:
        if (!event.ToRegime) {
            return Fault(place + ".regime", kRegimeMissing);
        }
        return *event.ToRegime == Regime::Aberto ? Fault(place + ".regime", kNoRegressionToAberto)
                                                 : std::string();
    case EventKind::FaltaGrave:
        return CountFault(place + ".remicao_perdida", event.RemicaoLost);
    case EventKind::Fuga:
        break;
    }
    return {};
}

// caso.md: a period of serving ends on the day of an escape or before it.
std::string EscapeFault(const ExecutionEvent& event, const std::string& place,
                        const std::vector<ServingPeriod>& periods) {
    const DayNumber date = std::trunc(event.Date);
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const ServingPeriod& period = periods[i];
        const bool runsPast = !period.End || std::trunc(*period.End) > date;
        if (std::trunc(period.Start) <= date && runsPast) {
            const std::string until =
                period.End ? "segue at\xE9 " + WriteDayMonthYear(std::trunc(*period.End))
                           : std::string("segue em aberto");
            return Fault(place, "fuga em " + WriteDayMonthYear(date) + ", mas " +
                                    Place("periodos", i) + " " + until + ": " +
                                    std::string(kEscapeInsidePeriod) + ".");
        }
    }
    return {};
}

std::string EventFault(const ExecutionEvent& event, std::size_t index,
                       const ExecutionCase& question, DayNumber firstDay) {
    const std::string place = Place("eventos", index);
    std::string fault = DateFault(place + ".data", event.Date);
    if (fault.empty()) {
        fault = AfterCalculation(place + ".data", event.Date, question.CalculationDate);
    }
    if (fault.empty() && event.Kind != EventKind::RecolhimentoNoturno &&
        std::trunc(event.Date) < firstDay) {
        fault = Fault(place + ".data", Dated(kBeforeFirstDay, firstDay) + ".");
    }
    if (fault.empty()) {
        fault = StrayKeyFault(event, place);
    }
    if (fault.empty()) {
        fault = KindFault(event, place);
    }
    if (fault.empty() && event.Kind == EventKind::Fuga) {
        fault = EscapeFault(event, place, question.Periods);
    }
    return fault;
}

DayNumber FirstDayOf(const std::vector<ServingPeriod>& periods) {
    DayNumber first = std::trunc(periods.front().Start);
    for (const ServingPeriod& period : periods) {
        first = std::min(first, std::trunc(period.Start));
    }
    return first;
}

} // namespace

bool InCalendar(DayNumber date) {
    return std::isfinite(date) && std::trunc(date) >= kFirstDayNumber &&
           std::trunc(date) <= kLastDayNumber;
}

std::string ValidateExecutionCase(const ExecutionCase& question) {
    if (!InCalendar(question.CalculationDate)) {
        return Fault("data_calculo", kOutsideCalendar);
    }
    std::string fault = PeriodsFault(question);
    if (!fault.empty()) {
        return fault;
    }
    const DayNumber firstDay = FirstDayOf(question.Periods);
    fault = ConvictionsFault(question, firstDay);
    for (std::size_t i = 0; fault.empty() && i < question.Events.size(); ++i) {
        fault = EventFault(question.Events[i], i, question, firstDay);
    }
    return fault;
}

std::string ValidateRemicaoLost(const CreditLedger& ledger) {
    for (const RemicaoLoss& loss : ledger.Losses()) {
        const long long balance = ledger.RemicaoBalanceBefore(loss.Date);
        if (loss.Days * kRemicaoLostAtMost.Denominator >
            std::max(0LL, balance) * kRemicaoLostAtMost.Numerator) {
            return Fault(Place("eventos", loss.Event) + ".remicao_perdida",
                         "a perda de " + DayCount(loss.Days) + " " + std::string(kLostAboveThird) +
                             " (" + DayCount(std::max(0LL, balance)) + "; LEP art. 127).");
        }
    }
    return {};
}

} // namespace zarn
