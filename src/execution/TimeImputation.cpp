#include "execution/TimeImputation.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace zarn {

namespace {

bool Larger(Fraction a, Fraction b) {
    return a.Numerator * b.Denominator > b.Numerator * a.Denominator;
}

// law.md 10: reclusao before detencao (CP arts. 69 and 76), then the option's order; those
// alike stay in the order entered.
std::vector<std::size_t> OrderOf(const std::vector<Conviction>& convictions,
                                 const std::vector<long long>& terms,
                                 const std::vector<Fraction>& shares, Imputacao option) {
    std::vector<std::size_t> order(convictions.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (option == Imputacao::Proporcional) {
        return order; // all at once, in the order entered
    }
    const auto before = [&](std::size_t a, std::size_t b) {
        const Conviction& first = convictions[a];
        const Conviction& second = convictions[b];
        if (first.Facts.Kind != second.Facts.Kind) {
            return first.Facts.Kind == Especie::Reclusao;
        }
        if (option == Imputacao::Gravidade) {
            if (Larger(shares[a], shares[b]) || Larger(shares[b], shares[a])) {
                return Larger(shares[a], shares[b]);
            }
            return terms[a] > terms[b];
        }
        // Those without a trânsito em julgado after the dated ones (Zarn decides).
        if (first.TransitoEmJulgado && second.TransitoEmJulgado) {
            return *first.TransitoEmJulgado < *second.TransitoEmJulgado;
        }
        return first.TransitoEmJulgado.has_value() && !second.TransitoEmJulgado.has_value();
    };
    std::stable_sort(order.begin(), order.end(), before);
    return order;
}

} // namespace

TimeImputation::TimeImputation(const std::vector<Conviction>& convictions,
                               std::vector<long long> terms, const std::vector<Fraction>& shares,
                               Imputacao option)
    : m_terms(std::move(terms))
    , m_option(option)
    , m_order(OrderOf(convictions, m_terms, shares, option)) {
    Stage first;
    for (std::size_t i = 0; i < convictions.size(); ++i) {
        if (!convictions[i].DuringExecution) {
            first.Members.push_back(i);
        }
    }
    first.Terms = m_terms;
    m_stages.push_back(std::move(first));
}

void TimeImputation::AddUnification(long long servedBefore,
                                    const std::vector<std::size_t>& joining) {
    const std::size_t last = m_stages.size() - 1;
    Stage next;
    next.ServedBefore = std::max(servedBefore, m_stages[last].ServedBefore);
    const std::vector<long long> imputed = Impute(next.ServedBefore, last);
    next.Members = m_stages[last].Members;
    next.Terms.resize(m_terms.size(), 0);
    for (const std::size_t member : next.Members) {
        next.Terms[member] = m_terms[member] - imputed[member];
    }
    for (const std::size_t joined : joining) {
        next.Members.push_back(joined);
        next.Terms[joined] = m_terms[joined];
    }
    std::sort(next.Members.begin(), next.Members.end());
    m_stages.push_back(std::move(next));
}

bool TimeImputation::Joined(std::size_t conviction, std::size_t unification) const {
    const std::vector<std::size_t>& members = m_stages[unification].Members;
    return std::binary_search(members.begin(), members.end(), conviction);
}

std::vector<long long> TimeImputation::Impute(long long served, std::size_t unification) const {
    const Stage& stage = m_stages[unification];
    if (unification == 0) {
        return Distribute(served, stage);
    }
    if (served <= stage.ServedBefore) {
        return Impute(served, unification - 1);
    }
    std::vector<long long> imputed = Impute(stage.ServedBefore, unification - 1);
    const std::vector<long long> more = Distribute(served - stage.ServedBefore, stage);
    for (std::size_t i = 0; i < imputed.size(); ++i) {
        imputed[i] += more[i];
    }
    return imputed;
}

std::vector<long long> TimeImputation::Distribute(long long amount, const Stage& stage) const {
    std::vector<long long> imputed(m_terms.size(), 0);
    std::vector<std::size_t> members;
    for (const std::size_t i : m_order) {
        if (std::binary_search(stage.Members.begin(), stage.Members.end(), i)) {
            members.push_back(i);
        }
    }
    long long left = std::max(0LL, amount);
    if (m_option == Imputacao::Proporcional) {
        // Each but the first entered gets floor(served x term / total); the first the rest.
        std::sort(members.begin(), members.end());
        long long total = 0;
        for (const std::size_t i : members) {
            total += stage.Terms[i];
        }
        left = std::min(left, total);
        bool first = true;
        std::size_t firstMember = 0;
        long long given = 0;
        for (const std::size_t i : members) {
            if (stage.Terms[i] <= 0) {
                continue;
            }
            if (first) {
                firstMember = i;
                first = false;
                continue;
            }
            imputed[i] = left * stage.Terms[i] / total;
            given += imputed[i];
        }
        if (!first) {
            imputed[firstMember] = left - given;
        }
        // The days the floors dropped may take a short first term past its end: what passes
        // goes to the others, in the order entered, each up to its term.
        long long excess = std::max(0LL, imputed[firstMember] - stage.Terms[firstMember]);
        imputed[firstMember] -= excess;
        for (const std::size_t i : members) {
            const long long room = std::max(0LL, stage.Terms[i] - imputed[i]);
            const long long take = std::min(room, excess);
            imputed[i] += take;
            excess -= take;
        }
        return imputed;
    }
    for (const std::size_t i : members) {
        const long long take = std::min(left, stage.Terms[i]);
        imputed[i] = take;
        left -= take;
    }
    return imputed;
}

} // namespace zarn
