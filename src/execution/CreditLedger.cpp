#include "execution/CreditLedger.h"

#include "dates/DateError.h"
#include "execution/ExecutionTables.h"
#include "execution/Remicao.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace zarn {

namespace {

template <typename Item, typename Keep>
long long SumDays(const std::vector<Item>& items, Keep keep) {
    long long sum = 0;
    for (const Item& item : items) {
        if (keep(item)) {
            sum += item.Days;
        }
    }
    return sum;
}

} // namespace

bool IsRemicao(CreditKind kind) {
    return kind != CreditKind::Detracao && kind != CreditKind::NightConfinement;
}

std::vector<std::size_t> EventsByDate(const std::vector<ExecutionEvent>& events) {
    std::vector<std::size_t> order(events.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&events](std::size_t a, std::size_t b) {
        return events[a].Date < events[b].Date;
    });
    return order;
}

CreditLedger::CreditLedger(const ExecutionCase& question, DayNumber firstDay) {
    AddFactsDetracao(question, firstDay);
    for (const std::size_t index : EventsByDate(question.Events)) {
        AddEvent(question.Events[index], index, firstDay);
    }
}

void CreditLedger::AddFactsDetracao(const ExecutionCase& question, DayNumber firstDay) {
    for (std::size_t i = 0; i < question.Convictions.size(); ++i) {
        const long long days = question.Convictions[i].Facts.DetracaoDays;
        if (days > 0) {
            CreditGrant grant;
            grant.CountsFrom = firstDay;
            grant.GivenOn = firstDay;
            grant.Kind = CreditKind::Detracao;
            grant.Entered = days;
            grant.Days = days;
            grant.Conviction = i;
            m_grants.push_back(grant);
        }
    }
}

void CreditLedger::AddEvent(const ExecutionEvent& event, std::size_t index, DayNumber firstDay) {
    switch (event.Kind) {
    case EventKind::Remicao:
        AddRemicao(event, index);
        break;
    case EventKind::RecolhimentoNoturno: {
        const RemicaoCount count = NightConfinementDays(event.Hours.value_or(0), m_carriedNight);
        m_carriedNight = count.Carried;
        CreditGrant grant;
        grant.CountsFrom = std::max(event.Date, firstDay);
        grant.GivenOn = event.Date;
        grant.Kind = CreditKind::NightConfinement;
        grant.Entered = event.Hours.value_or(0);
        grant.Days = count.Days;
        grant.Carried = count.Carried;
        grant.Event = index;
        m_grants.push_back(grant);
        break;
    }
    case EventKind::FaltaGrave:
        if (event.RemicaoLost > 0) {
            m_losses.push_back(RemicaoLoss{event.Date, event.RemicaoLost, index});
        }
        break;
    case EventKind::Fuga:
    case EventKind::Progressao:
    case EventKind::Regressao:
        break;
    }
}

void CreditLedger::AddRemicao(const ExecutionEvent& event, std::size_t index) {
    CreditGrant grant;
    grant.CountsFrom = event.Date;
    grant.GivenOn = event.Date;
    grant.Event = index;
    if (event.WorkDays) {
        const RemicaoCount count = RemicaoForWork(*event.WorkDays, m_carriedWork);
        m_carriedWork = count.Carried;
        grant.Kind = CreditKind::Work;
        grant.Entered = *event.WorkDays;
        grant.Days = count.Days;
        grant.Carried = count.Carried;
    } else if (event.StudyHours) {
        const RemicaoCount count =
            RemicaoForStudy(*event.StudyHours, event.LevelCompleted, m_carriedStudy);
        m_carriedStudy = count.Carried;
        grant.Kind = CreditKind::Study;
        grant.Entered = *event.StudyHours;
        grant.Days = count.Days;
        grant.Carried = count.Carried;
    } else if (event.Books) {
        grant.Kind = CreditKind::Books;
        grant.Entered = *event.Books;
        grant.Days = RemicaoForBooks(*event.Books, BooksCountedInTheTwelveMonths(event.Date)).Days;
    } else {
        grant.Kind = CreditKind::Days;
        grant.Entered = event.Days.value_or(0);
        grant.Days = grant.Entered;
    }
    m_grants.push_back(grant);
}

// The books that counted in the grants of the 12 months before `date`: the grants come in
// the order of their dates, so every earlier one is already here.
long long CreditLedger::BooksCountedInTheTwelveMonths(DayNumber date) const {
    DayNumber windowStart = kFirstDayNumber - 1;
    try {
        windowStart = AddMonths(date, -static_cast<std::int32_t>(kReadingWindowMonths));
    } catch (const DateError&) {
        // Twelve months back leave the calendar: every earlier grant is inside them.
    }
    long long counted = 0;
    for (const CreditGrant& grant : m_grants) {
        if (grant.Kind == CreditKind::Books && grant.CountsFrom > windowStart) {
            counted += grant.Days / kDaysPerBook;
        }
    }
    return counted;
}

long long CreditLedger::GrantedIn(DayNumber from, DayNumber before) const {
    return SumDays(m_grants, [from, before](const CreditGrant& grant) {
        return grant.CountsFrom >= from && grant.CountsFrom < before;
    });
}

long long CreditLedger::GrantedBefore(DayNumber date) const {
    return SumDays(m_grants, [date](const CreditGrant& grant) { return grant.CountsFrom < date; });
}

long long CreditLedger::LostIn(DayNumber from, DayNumber before) const {
    return SumDays(m_losses, [from, before](const RemicaoLoss& loss) {
        return loss.Date >= from && loss.Date < before;
    });
}

long long CreditLedger::BeforeDataBase(DayNumber date) const {
    return GrantedBefore(date) -
           SumDays(m_losses, [date](const RemicaoLoss& loss) { return loss.Date <= date; });
}

long long CreditLedger::NetThrough(DayNumber date) const {
    return NetRemicaoThrough(date) + NetDetracaoThrough(date);
}

long long CreditLedger::NetRemicaoThrough(DayNumber date) const {
    return SumDays(m_grants,
                   [date](const CreditGrant& grant) {
                       return IsRemicao(grant.Kind) && grant.CountsFrom <= date;
                   }) -
           SumDays(m_losses, [date](const RemicaoLoss& loss) { return loss.Date <= date; });
}

long long CreditLedger::NetDetracaoThrough(DayNumber date) const {
    return SumDays(m_grants, [date](const CreditGrant& grant) {
        return !IsRemicao(grant.Kind) && grant.CountsFrom <= date;
    });
}

long long CreditLedger::Net() const {
    return SumDays(m_grants, [](const CreditGrant&) { return true; }) -
           SumDays(m_losses, [](const RemicaoLoss&) { return true; });
}

long long CreditLedger::RemicaoBalanceBefore(DayNumber date) const {
    return SumDays(m_grants,
                   [date](const CreditGrant& grant) {
                       return IsRemicao(grant.Kind) && grant.CountsFrom < date;
                   }) -
           SumDays(m_losses, [date](const RemicaoLoss& loss) { return loss.Date < date; });
}

} // namespace zarn
