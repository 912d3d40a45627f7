#include "sentencing/Concurso.h"

#include "law/Consequences.h"
#include "law/LawTexts.h"
#include "sentencing/PhaseContext.h"
#include "sentencing/SentencingLaw.h"
#include "sentencing/SentencingRefusal.h"
#include "sentencing/SentencingTexts.h"

#include <algorithm>

namespace zarn {

namespace {

constexpr ItemPlace kConcursoPlace{kDosimetriaPath, kConcursoKey, std::nullopt};

// law.md 14: the fraction of the scale for this many crimes.
template <std::size_t Rows>
Fraction ScaleShare(const std::array<ConcursoScaleRow, Rows>& scale, std::size_t crimes) {
    Fraction share = scale.front().Share;
    for (const ConcursoScaleRow& row : scale) {
        if (crimes >= row.FromCrimes) {
            share = row.Share;
        }
    }
    return share;
}

// The rule of each concurso (law.md 14): whether the most serious term is increased, by which
// fraction, and the source the texts cite.
struct ConcursoRule {
    bool IncreasesMostSerious;
    std::optional<Fraction> Share;
    LegalSource Source;
    bool Continued; // a crime continuado: one fine is an option
};

ConcursoRule RuleOf(const ConcursoInput& concurso, std::size_t crimes) {
    switch (concurso.Tipo) {
    case ConcursoKind::Material:
        return {false, std::nullopt, kMaterialSource, false};
    case ConcursoKind::FormalImproprio:
        return {false, std::nullopt, kFormalImproprioSource, false};
    case ConcursoKind::Formal:
        return {true, ScaleShare(kFormalScale, crimes), kFormalScaleSource, false};
    case ConcursoKind::Continuado:
        return {true, ScaleShare(kContinuadoScale, crimes), kContinuadoScaleSource, true};
    case ConcursoKind::ContinuadoEspecifico:
        return {true, concurso.Fracao, kContinuadoEspecificoSource, true};
    }
    return {false, std::nullopt, kMaterialSource, false};
}

SentencingStep ConcursoStep(StepKind kind, const TermAmount& before, const TermAmount& after) {
    SentencingStep step;
    step.Fase = SentencingPhase::Concurso;
    step.Tipo = kind;
    step.Antes = before;
    step.Depois = after;
    return step;
}

// The longest term; of equal ones, the one with fewer dias-multa.
std::size_t MostSeriousOf(const std::vector<TermAmount>& terms) {
    std::size_t chosen = 0;
    for (std::size_t i = 1; i < terms.size(); ++i) {
        const TermAmount& term = terms[i];
        const TermAmount& best = terms[chosen];
        if (term.Days > best.Days || (term.Days == best.Days && term.Fines < best.Fines)) {
            chosen = i;
        }
    }
    return chosen;
}

// The one fine of a crime continuado (law.md 14, STJ HC 221.782): that of the crime whose term
// is increased or, should it have none, the largest of the others; increased by the same
// fraction, never above the sum of the fines.
long long OneContinuedFine(const std::vector<TermAmount>& terms, std::size_t mostSerious,
                           Fraction share, long long sum, std::vector<SentencingStep>& steps) {
    long long fine = terms[mostSerious].Fines;
    if (fine == 0) {
        for (const TermAmount& term : terms) {
            fine = std::max(fine, term.Fines);
        }
    }
    if (fine == 0) {
        return 0;
    }
    const FractionStep operation = StepOf(share, true);
    const SteppedTerm stepped = CheckedStep({0, fine}, operation, kConcursoPlace);
    SentencingStep step = ConcursoStep(StepKind::ConcursoFines, {0, fine}, stepped.Term);
    step.Fracao = share;
    step.Fonte = kOneContinuedFineSource;
    step.Operacao = operation;
    steps.push_back(step);
    if (stepped.FinesCeilingHeld) {
        steps.push_back(FinesCeilingStep(SentencingPhase::Concurso, stepped.Term));
    }
    if (stepped.Term.Fines <= sum) {
        return stepped.Term.Fines;
    }
    SentencingStep limit = ConcursoStep(StepKind::Limit, stepped.Term, {0, sum});
    limit.Limite = StepLimit::SumOfTerms;
    limit.Fonte = kNeverAboveSumSource;
    steps.push_back(limit);
    return sum;
}

} // namespace

ConcursoOutcome JoinCrimes(const ConcursoInput& concurso, const std::vector<std::string>& names,
                           const std::vector<TermAmount>& terms, const SentencingOptions& options) {
    TermAmount sum;
    for (const TermAmount& term : terms) {
        sum = AddTerms(sum, term);
    }
    if (sum.Days > kLargestTermDays) {
        throw SentencingRefusal(kConcursoPlace.Text() + std::string(kPathSeparator) +
                                std::string(kTermTooLongMessage));
    }
    const ConcursoRule rule = RuleOf(concurso, terms.size());
    ConcursoOutcome outcome;
    outcome.Sentence.Tipo = concurso.Tipo;
    std::vector<SentencingStep>& steps = outcome.Sentence.Passos;
    TermAmount result = sum;
    if (!rule.IncreasesMostSerious || !rule.Share) {
        SentencingStep summed = ConcursoStep(StepKind::ConcursoSum, {}, {sum.Days, 0});
        summed.Fonte = rule.Source;
        steps.push_back(summed);
    } else {
        // The sum is the ceiling of the increased term (CP art. 70, par. unico).
        SentencingStep summed = ConcursoStep(StepKind::ConcursoSum, {}, {sum.Days, 0});
        summed.Fonte = kNeverAboveSumSource;
        steps.push_back(summed);
        const Fraction share = *rule.Share;
        const std::size_t mostSerious = MostSeriousOf(terms);
        outcome.MostSerious = mostSerious;
        outcome.Sentence.Fracao = share;
        const FractionStep operation = StepOf(share, true);
        const TermAmount before{terms[mostSerious].Days, 0};
        const SteppedTerm stepped = CheckedStep(before, operation, kConcursoPlace);
        SentencingStep increased = ConcursoStep(StepKind::ConcursoIncrease, before, stepped.Term);
        increased.Nome = names[mostSerious];
        increased.Fracao = share;
        increased.Fonte = rule.Source;
        increased.Operacao = operation;
        steps.push_back(increased);
        result.Days = stepped.Term.Days;
        if (result.Days > sum.Days) {
            SentencingStep limit = ConcursoStep(StepKind::Limit, stepped.Term, {sum.Days, 0});
            limit.Limite = StepLimit::SumOfTerms;
            limit.Fonte = kNeverAboveSumSource;
            steps.push_back(limit);
            result.Days = sum.Days;
        }
        if (rule.Continued && options.MultaContinuado == ContinuedFines::Unica) {
            result.Fines = OneContinuedFine(terms, mostSerious, share, sum.Fines, steps);
            outcome.OneFine = true;
        }
    }
    if (!outcome.OneFine && sum.Fines != 0) {
        SentencingStep fines = ConcursoStep(StepKind::ConcursoFines, {}, {0, sum.Fines});
        fines.Fonte = kFinesSummedSource;
        steps.push_back(fines);
    }
    outcome.Term = result;
    outcome.Sentence.Pena = PartsOf(result);
    return outcome;
}

} // namespace zarn
