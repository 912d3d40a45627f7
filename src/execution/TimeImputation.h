#pragma once

// The imputation of time served to the convictions of a sum (law.md 10): in the order of
// art. 76 and the option (trânsito em julgado, gravity), or in proportion to the terms. A
// conviction is served when its imputed time reaches its term; time beyond passes to the
// next. A crime committed while serving opens a new unification (CP art. 75, par. 2): the
// time served before it stays with the convictions already joined, and what follows is
// imputed among all of them on what each then had left.

#include "execution/ExecutionCase.h"
#include "law/Fraction.h"

#include <cstddef>
#include <vector>

namespace zarn {

class TimeImputation {
public:
    // Terms in the convention's units, one per conviction; shares are the progression shares
    // the gravity order compares. The convictions not committed while serving form the
    // first unification.
    TimeImputation(const std::vector<Conviction>& convictions, std::vector<long long> terms,
                   const std::vector<Fraction>& shares, Imputacao option);

    // A new unification at a crime committed while serving, after `servedBefore` days, with
    // the convictions it joins. Unifications come in the order of their dates.
    void AddUnification(long long servedBefore, const std::vector<std::size_t>& joining);

    std::size_t Unifications() const { return m_stages.size(); }

    // Whether the conviction belongs to the unification (0 = the first).
    bool Joined(std::size_t conviction, std::size_t unification) const;

    // The time imputed to each conviction once `served` days are served, in a unification.
    std::vector<long long> Impute(long long served, std::size_t unification) const;

    // The order of art. 76 and of the option, over every conviction.
    const std::vector<std::size_t>& Order() const { return m_order; }

    Imputacao Option() const { return m_option; }

private:
    struct Stage {
        long long ServedBefore = 0;
        std::vector<std::size_t> Members;
        std::vector<long long> Terms; // what each conviction had left when it began
    };

    std::vector<long long> Distribute(long long amount, const Stage& stage) const;

    std::vector<long long> m_terms;
    Imputacao m_option;
    std::vector<std::size_t> m_order;
    std::vector<Stage> m_stages;
};

} // namespace zarn
