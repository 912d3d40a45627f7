#include "sentencing/ProvisionalPhase.h"

#include "sentencing/FractionArithmetic.h"
#include "sentencing/SentencingLaw.h"
#include "sentencing/SentencingNames.h"
#include "sentencing/SentencingRefusal.h"
#include "sentencing/SentencingTexts.h"

#include <algorithm>

namespace zarn {

namespace {

constexpr std::string_view kAgravantesKey = "agravantes";
constexpr std::string_view kAtenuantesKey = "atenuantes";

// An agravante or atenuante still to act on the term.
struct ActiveModifier {
    std::string Nome;
    Fraction Share;
    bool Aggravates;
    ItemPlace Place;
};

ModifierClass ClassOf(ModifierRole role, const std::string& name) {
    const ModifierName* row = FindModifier(role, name);
    return row != nullptr ? row->Class : ModifierClass::Ordinary;
}

std::vector<ActiveModifier> ModifiersOf(const CrimeContext& context) {
    std::vector<ActiveModifier> modifiers;
    const auto add = [&](const std::vector<ModifierInput>& list, bool aggravates,
                         std::string_view key) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            modifiers.push_back(
                {list[i].Nome, list[i].Fracao, aggravates, ItemPlace{context.Path, key, i}});
        }
    };
    add(context.Crime.Agravantes, true, kAgravantesKey);
    add(context.Crime.Atenuantes, false, kAtenuantesKey);
    return modifiers;
}

SentencingStep ProvisionalStep(StepKind kind, const TermAmount& term) {
    SentencingStep step;
    step.Fase = SentencingPhase::PenaProvisoria;
    step.Tipo = kind;
    step.Antes = term;
    step.Depois = term;
    return step;
}

// law.md 13, second phase: confissao and reincidencia compensate each other in full; with
// multirreincidencia, in proportion: the confissao's fraction comes off the
// multirreincidencia's, and what is left acts on the term (an atenuante, should the
// confissao's be the larger). Each confissao pairs with one reincidencia, in the order given.
void Compensate(std::vector<ActiveModifier>& modifiers, const TermAmount& base,
                std::vector<SentencingStep>& steps) {
    std::vector<std::size_t> confessions;
    std::vector<std::size_t> repeats;
    for (std::size_t i = 0; i < modifiers.size(); ++i) {
        const ActiveModifier& modifier = modifiers[i];
        const ModifierRole role =
            modifier.Aggravates ? ModifierRole::Agravante : ModifierRole::Atenuante;
        const ModifierClass kind = ClassOf(role, modifier.Nome);
        if (kind == ModifierClass::Confissao) {
            confessions.push_back(i);
        } else if (kind == ModifierClass::Reincidencia ||
                   kind == ModifierClass::Multirreincidencia) {
            repeats.push_back(i);
        }
    }
    const std::size_t pairs = std::min(confessions.size(), repeats.size());
    std::vector<bool> spent(modifiers.size(), false);
    std::vector<ActiveModifier> remainders;
    for (std::size_t k = 0; k < pairs; ++k) {
        const ActiveModifier& repeat = modifiers[repeats[k]];
        const ActiveModifier& confession = modifiers[confessions[k]];
        spent[repeats[k]] = spent[confessions[k]] = true;
        SentencingStep step = ProvisionalStep(StepKind::Compensation, base);
        step.Nome = repeat.Nome;
        step.Fonte = kCompensationSource;
        if (ClassOf(ModifierRole::Agravante, repeat.Nome) == ModifierClass::Multirreincidencia) {
            const std::optional<Fraction> left = SubtractFractions(repeat.Share, confession.Share);
            if (!left) {
                throw SentencingRefusal(repeat.Place.Text() + std::string(kPathSeparator) +
                                        std::string(kFractionsBeyondCalculationMessage));
            }
            step.Fracao = Magnitude(*left);
            step.Aumenta = left->Numerator >= 0;
            if (left->Numerator != 0) {
                remainders.push_back({repeat.Nome, Magnitude(*left), step.Aumenta, repeat.Place});
            }
        }
        steps.push_back(std::move(step));
    }
    std::vector<ActiveModifier> active;
    for (std::size_t i = 0; i < modifiers.size(); ++i) {
        if (!spent[i]) {
            active.push_back(modifiers[i]);
        }
    }
    active.insert(active.end(), remainders.begin(), remainders.end());
    modifiers = std::move(active);
}

SentencingStep ModifierStep(const ActiveModifier& modifier, const TermAmount& term) {
    SentencingStep step = ProvisionalStep(StepKind::Modifier, term);
    step.Nome = modifier.Nome;
    step.Fracao = modifier.Share;
    step.Aumenta = modifier.Aggravates;
    return step;
}

// Agravantes less atenuantes, applied once to the pena-base.
TermAmount ApplySummed(const CrimeContext& context, const std::vector<ActiveModifier>& modifiers,
                       const TermAmount& base, std::vector<SentencingStep>& steps) {
    Fraction net{0, 1};
    for (const ActiveModifier& modifier : modifiers) {
        SentencingStep counted = ModifierStep(modifier, base);
        counted.Aplicada = false;
        steps.push_back(std::move(counted));
        const std::optional<Fraction> sum = modifier.Aggravates
                                                ? AddFractions(net, modifier.Share)
                                                : SubtractFractions(net, modifier.Share);
        if (!sum) {
            throw SentencingRefusal(modifier.Place.Text() + std::string(kPathSeparator) +
                                    std::string(kFractionsBeyondCalculationMessage));
        }
        net = *sum;
    }
    SentencingStep summed = ProvisionalStep(StepKind::FractionsSummed, base);
    summed.Fracao = Magnitude(net);
    summed.Aumenta = net.Numerator >= 0;
    if (net.Numerator != 0) {
        const FractionStep operation = StepOf(Magnitude(net), summed.Aumenta);
        summed.Depois = StepCrimeTerm(context, base, operation,
                                      ItemPlace{context.Path, kAgravantesKey, std::nullopt})
                            .Term;
        summed.Operacao = operation;
    }
    const TermAmount result = summed.Depois;
    steps.push_back(std::move(summed));
    return result;
}

struct CascadeRun {
    TermAmount Term;
    std::vector<SentencingStep> Steps;
};

CascadeRun RunCascade(const CrimeContext& context, const std::vector<ActiveModifier>& modifiers,
                      const TermAmount& base, bool agravantesFirst) {
    CascadeRun run{base, {}};
    for (const bool aggravating : {agravantesFirst, !agravantesFirst}) {
        for (const ActiveModifier& modifier : modifiers) {
            if (modifier.Aggravates != aggravating) {
                continue;
            }
            SentencingStep step = ModifierStep(modifier, run.Term);
            const FractionStep operation = StepOf(modifier.Share, modifier.Aggravates);
            run.Term = StepCrimeTerm(context, run.Term, operation, modifier.Place).Term;
            step.Depois = run.Term;
            step.Operacao = operation;
            run.Steps.push_back(std::move(step));
        }
    }
    return run;
}

bool IsLower(const TermAmount& first, const TermAmount& second) {
    return first.Days != second.Days ? first.Days < second.Days : first.Fines < second.Fines;
}

// Each on the result of the one before. The law sets no order between agravantes and
// atenuantes, and the truncation of each step can make the two orders differ by a day: the
// lower result is taken, the agravantes first when both agree.
TermAmount ApplyInCascade(const CrimeContext& context, const std::vector<ActiveModifier>& modifiers,
                          const TermAmount& base, std::vector<SentencingStep>& steps) {
    CascadeRun run = RunCascade(context, modifiers, base, true);
    CascadeRun other = RunCascade(context, modifiers, base, false);
    if (IsLower(other.Term, run.Term)) {
        run = std::move(other);
    }
    steps.insert(steps.end(), run.Steps.begin(), run.Steps.end());
    return run.Term;
}

} // namespace

PhaseOutcome FixPenaProvisoria(const CrimeContext& context, const TermAmount& base) {
    PhaseOutcome outcome;
    std::vector<ActiveModifier> modifiers = ModifiersOf(context);
    Compensate(modifiers, base, outcome.Steps);
    TermAmount term = base;
    if (!modifiers.empty()) {
        term = context.Options.SegundaFase == SecondPhaseMethod::SobreBase
                   ? ApplySummed(context, modifiers, base, outcome.Steps)
                   : ApplyInCascade(context, modifiers, base, outcome.Steps);
    }
    const HeldTerm held = HoldWithinRange(context, SentencingPhase::PenaProvisoria, term,
                                          kProvisionalMinimumSource, LegalSource{});
    if (held.Limit) {
        outcome.Steps.push_back(*held.Limit);
    }
    outcome.Term = held.Term;
    return outcome;
}

} // namespace zarn
