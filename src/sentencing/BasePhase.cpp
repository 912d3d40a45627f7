#include "sentencing/BasePhase.h"

#include "sentencing/SentencingLaw.h"
#include "sentencing/SentencingNames.h"

#include <array>

namespace zarn {

namespace {

// law.md 13, first phase: what each unfavourable circumstance adds under each criterion, and
// what the share is taken of. A fraction typed for a circumstance is taken of the same.
struct CriterionRule {
    BaseCriterion Criterion;
    ShareBase Base;
    Fraction Share;
};

constexpr std::array kCriterionRules{
    CriterionRule{BaseCriterion::OitavoIntervalo, ShareBase::Interval, kIntervalCriterionShare},
    CriterionRule{BaseCriterion::SextoMinimo, ShareBase::Minimum, kMinimumCriterionShare},
};

const CriterionRule& RuleOf(BaseCriterion criterion) {
    for (const CriterionRule& rule : kCriterionRules) {
        if (rule.Criterion == criterion) {
            return rule;
        }
    }
    return kCriterionRules.front();
}

// The quantities the shares are taken of: of the term and of the dias-multa.
struct ShareBases {
    long long Days;
    long long Fines;
};

// Dias-multa that do not follow the phases take no share: their range may be anything.
ShareBases BasesOf(const CrimeContext& context, ShareBase base) {
    const CrimeInput& crime = context.Crime;
    const bool fines = context.ProportionalFines;
    if (base == ShareBase::Minimum) {
        return {crime.MinimoDias, fines ? crime.MultaMinimo : 0};
    }
    return {crime.MaximoDias - crime.MinimoDias, fines ? crime.MultaMaximo - crime.MultaMinimo : 0};
}

// A term typed for a circumstance raises the dias-multa in the same proportion as the term,
// over the same quantity.
long long FinesInProportion(long long increaseDays, const ShareBases& bases) {
    return bases.Days > 0 ? increaseDays * bases.Fines / bases.Days : 0;
}

SentencingStep StartStep(const TermAmount& start) {
    SentencingStep step;
    step.Tipo = StepKind::Start;
    step.Antes = start;
    step.Depois = start;
    return step;
}

SentencingStep InformedFinesStep(const TermAmount& start) {
    SentencingStep step = StartStep(start);
    step.Tipo = StepKind::FinesInformed;
    return step;
}

} // namespace

PhaseOutcome FixPenaBase(const CrimeContext& context) {
    const CrimeInput& crime = context.Crime;
    const CriterionRule& rule = RuleOf(crime.PenaBase.value_or(context.Options.PenaBase));
    const ShareBases bases = BasesOf(context, rule.Base);
    PhaseOutcome outcome;
    TermAmount term{crime.MinimoDias,
                    context.ProportionalFines ? crime.MultaMinimo : context.FixedFines};
    outcome.Steps.push_back(StartStep(term));
    if (!context.ProportionalFines && crime.Multa) {
        outcome.Steps.push_back(InformedFinesStep(term));
    }
    for (std::size_t i = 0; i < kJudicialCircumstanceCount; ++i) {
        const CircumstanceInput& circumstance = crime.Circunstancias[i];
        if (circumstance.Peso == CircumstanceWeight::Neutra) {
            continue;
        }
        SentencingStep step;
        step.Tipo = StepKind::Circumstance;
        step.Nome = std::string(kCircumstanceNames[i].CasoName);
        step.Motivo = circumstance.Motivo;
        step.Fonte = kJudicialCircumstancesSource;
        step.Base = rule.Base;
        if (circumstance.Peso == CircumstanceWeight::Aumento) {
            step.Base = ShareBase::TypedTerm;
            step.Parcela = {circumstance.AumentoDias,
                            FinesInProportion(circumstance.AumentoDias, bases)};
        } else {
            const Fraction share =
                circumstance.Peso == CircumstanceWeight::Fracao ? circumstance.Fracao : rule.Share;
            step.Fracao = share;
            step.Parcela = {ShareOf(bases.Days, share), ShareOf(bases.Fines, share)};
        }
        step.Antes = term;
        term = AddTerms(term, step.Parcela);
        step.Depois = term;
        outcome.Steps.push_back(std::move(step));
    }
    const HeldTerm held = HoldWithinRange(context, SentencingPhase::PenaBase, term,
                                          kJudicialCircumstancesSource, kBaseWithinRangeSource);
    if (held.Limit) {
        outcome.Steps.push_back(*held.Limit);
    }
    outcome.Term = held.Term;
    return outcome;
}

} // namespace zarn
