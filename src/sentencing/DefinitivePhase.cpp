#include "sentencing/DefinitivePhase.h"

#include "sentencing/FractionArithmetic.h"
#include "sentencing/SentencingLaw.h"

namespace zarn {

namespace {

constexpr std::string_view kCausasKey = "causas";

bool Increases(const CauseInput& cause) {
    return cause.Tipo == CauseKind::Aumento;
}

SentencingStep DefinitiveStep(StepKind kind, const CauseInput& cause, const TermAmount& term) {
    SentencingStep step;
    step.Fase = SentencingPhase::PenaDefinitiva;
    step.Tipo = kind;
    step.Nome = cause.Nome;
    step.Fracao = cause.Fracao;
    step.Aumenta = Increases(cause);
    step.Antes = term;
    step.Depois = term;
    return step;
}

// law.md 13, third phase (CP art. 68, par. unico): among the causes of the special part that
// increase, only the largest; likewise among those that decrease. The first of equal ones
// stays.
std::vector<bool> CausesSetAside(const std::vector<CauseInput>& causes) {
    std::vector<bool> setAside(causes.size(), false);
    for (const bool increases : {true, false}) {
        std::optional<std::size_t> largest;
        for (std::size_t i = 0; i < causes.size(); ++i) {
            if (!causes[i].ParteEspecial || Increases(causes[i]) != increases) {
                continue;
            }
            if (!largest || IsLess(causes[*largest].Fracao, causes[i].Fracao)) {
                if (largest) {
                    setAside[*largest] = true;
                }
                largest = i;
            } else {
                setAside[i] = true;
            }
        }
    }
    return setAside;
}

} // namespace

// law.md 13, third phase: in cascade, increases first unless the options put the decreases
// first.
PhaseOutcome FixPenaDefinitiva(const CrimeContext& context, const TermAmount& provisoria) {
    const std::vector<CauseInput>& causes = context.Crime.Causas;
    const std::vector<bool> setAside = context.Crime.SomenteMaior
                                           ? CausesSetAside(causes)
                                           : std::vector<bool>(causes.size(), false);
    PhaseOutcome outcome{provisoria, {}};
    for (std::size_t i = 0; i < causes.size(); ++i) {
        if (setAside[i]) {
            SentencingStep step = DefinitiveStep(StepKind::CauseSetAside, causes[i], provisoria);
            step.Fonte = kOnlyLargestCauseSource;
            outcome.Steps.push_back(std::move(step));
        }
    }
    const bool increasesFirst = context.Options.TerceiraFase == ThirdPhaseOrder::AumentosPrimeiro;
    for (const bool increases : {increasesFirst, !increasesFirst}) {
        for (std::size_t i = 0; i < causes.size(); ++i) {
            if (setAside[i] || Increases(causes[i]) != increases) {
                continue;
            }
            SentencingStep step = DefinitiveStep(StepKind::Cause, causes[i], outcome.Term);
            step.Fonte = kThirdPhaseSource;
            const FractionStep operation = StepOf(causes[i].Fracao, increases);
            const SteppedTerm stepped =
                StepCrimeTerm(context, outcome.Term, operation, {context.Path, kCausasKey, i});
            outcome.Term = stepped.Term;
            step.Depois = stepped.Term;
            step.Operacao = operation;
            outcome.Steps.push_back(std::move(step));
            if (stepped.FinesCeilingHeld) {
                outcome.Steps.push_back(
                    FinesCeilingStep(SentencingPhase::PenaDefinitiva, stepped.Term));
            }
        }
    }
    return outcome;
}

} // namespace zarn
