#include "sentencing/PhaseContext.h"

#include "law/Consequences.h"
#include "law/LawTexts.h"
#include "sentencing/SentencingRefusal.h"
#include "sentencing/SentencingTexts.h"

namespace zarn {

namespace {

// floor(F x (D + N) / D): the dias-multa of an increase before any ceiling.
long long UncappedFines(long long fines, const FractionStep& step) {
    if (!step.Increase || fines <= 0) {
        return -1;
    }
    return ShareOf(fines, Fraction{step.Denominator + step.Numerator, step.Denominator});
}

[[noreturn]] void Refuse(const ItemPlace& item, std::string_view message) {
    throw SentencingRefusal(item.Text() + std::string(kPathSeparator) + std::string(message));
}

} // namespace

CrimeContext MakeCrimeContext(const CrimeInput& crime, const SentencingOptions& options,
                              std::size_t index) {
    CrimeContext context{crime, options,
                         std::string(kDosimetriaPath) + "." + ItemPath(kCrimesKey, index)};
    const bool informed = options.MultaDosimetria == FinesMethod::Informada;
    context.ProportionalFines = crime.Multa && !informed;
    context.FixedFines = crime.Multa && informed ? crime.DiasMulta.value_or(0) : 0;
    return context;
}

std::string ItemPath(std::string_view list, std::size_t index) {
    return std::string(list) + "[" + std::to_string(index) + "]";
}

std::string ItemPlace::Text() const {
    const std::string key = Index ? ItemPath(Key, *Index) : std::string(Key);
    return std::string(Parent) + "." + key;
}

FractionStep StepOf(Fraction share, bool increase) {
    return {increase, share.Numerator, share.Denominator};
}

SteppedTerm CheckedStep(const TermAmount& term, const FractionStep& step, const ItemPlace& item) {
    if (!IsExactStep(term, step)) {
        Refuse(item, kFractionsBeyondCalculationMessage);
    }
    SteppedTerm stepped{ApplyStep(term, step)};
    if (stepped.Term.Days > kLargestTermDays) {
        Refuse(item, kTermTooLongMessage);
    }
    const long long uncapped = UncappedFines(term.Fines, step);
    stepped.FinesCeilingHeld = uncapped > stepped.Term.Fines;
    return stepped;
}

SteppedTerm StepCrimeTerm(const CrimeContext& context, const TermAmount& term,
                          const FractionStep& step, const ItemPlace& item) {
    if (context.ProportionalFines) {
        return CheckedStep(term, step, item);
    }
    SteppedTerm stepped = CheckedStep({term.Days, 0}, step, item);
    stepped.Term.Fines = context.FixedFines;
    return stepped;
}

HeldTerm HoldWithinRange(const CrimeContext& context, SentencingPhase phase, const TermAmount& term,
                         const LegalSource& minimumSource, const LegalSource& maximumSource) {
    const CrimeInput& crime = context.Crime;
    HeldTerm held{term, std::nullopt};
    StepLimit limit = StepLimit::None;
    const auto hold = [&limit](long long& value, long long minimum, long long maximum) {
        if (value < minimum) {
            value = minimum;
            limit = limit == StepLimit::None ? StepLimit::Minimum : limit;
        } else if (value > maximum) {
            value = maximum;
            limit = limit == StepLimit::None ? StepLimit::Maximum : limit;
        }
    };
    hold(held.Term.Days, crime.MinimoDias, crime.MaximoDias);
    if (context.ProportionalFines) {
        hold(held.Term.Fines, crime.MultaMinimo, crime.MultaMaximo);
    }
    if (limit != StepLimit::None) {
        SentencingStep step;
        step.Fase = phase;
        step.Tipo = StepKind::Limit;
        step.Antes = term;
        step.Depois = held.Term;
        step.Limite = limit;
        step.Fonte = limit == StepLimit::Minimum ? minimumSource : maximumSource;
        held.Limit = step;
    }
    return held;
}

SentencingStep FinesCeilingStep(SentencingPhase phase, const TermAmount& term) {
    SentencingStep step;
    step.Fase = phase;
    step.Tipo = StepKind::Limit;
    step.Antes = term;
    step.Depois = term;
    step.Limite = StepLimit::FinesCeiling;
    return step;
}

} // namespace zarn
