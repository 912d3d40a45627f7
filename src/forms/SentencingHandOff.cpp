#include "forms/SentencingHandOff.h"

#include "engine/CalcFlow.h"
#include "engine/Calculation.h"
#include "engine/TermArithmetic.h"
#include "sentencing/SentencingNames.h"

#include <algorithm>
#include <vector>

namespace zarn {
namespace {

constexpr std::string_view kUnder21Name = "menor_21";
constexpr std::string_view kOver70Name = "maior_70";

// A part of a term as its field takes it: empty for zero; none when it passes the field.
std::optional<std::string> FieldText(long long part, std::size_t width) {
    if (part == 0) {
        return std::string();
    }
    std::string text = std::to_string(part);
    return part > 0 && text.size() <= width ? std::optional<std::string>(text) : std::nullopt;
}

std::optional<TermFieldTexts> FieldsOf(const TermParts& parts) {
    const std::array<long long, 4> values = {parts.Years, parts.Months, parts.Days, parts.Fines};
    TermFieldTexts fields;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<std::string> text = FieldText(values[i], kTermFieldWidths[i]);
        if (!text) {
            return std::nullopt;
        }
        fields[i] = *text;
    }
    return fields;
}

struct RecordedStep {
    CalcState State;
    CalcOutcome Outcome;
    std::string OperationField;
};

bool Names(const CrimeInput& crime, ModifierRole role, bool (*matches)(const ModifierName& row)) {
    const std::vector<ModifierInput>& list =
        role == ModifierRole::Agravante ? crime.Agravantes : crime.Atenuantes;
    return std::any_of(list.begin(), list.end(), [role, matches](const ModifierInput& modifier) {
        const ModifierName* row = FindModifier(role, modifier.Nome);
        return row != nullptr && matches(*row);
    });
}

bool RepeatOffence(const ModifierName& row) {
    return row.Class == ModifierClass::Reincidencia ||
           row.Class == ModifierClass::Multirreincidencia;
}

bool Under21(const ModifierName& row) {
    return row.CasoName == kUnder21Name;
}

bool Over70(const ModifierName& row) {
    return row.CasoName == kOver70Name;
}

bool Unfavourable(const CircumstanceInput& circumstance) {
    return circumstance.Peso != CircumstanceWeight::Neutra;
}

} // namespace

std::string AppendCrimeSteps(const CrimeSentence& crime, bool finesFollowPhases,
                             CalcRecord& record) {
    std::vector<RecordedStep> steps;
    for (const SentencingStep& step : crime.Passos) {
        if (!step.Operacao) {
            continue;
        }
        TermParts start = PartsOf(step.Antes);
        if (!finesFollowPhases) {
            start.Fines = 0;
        }
        const std::optional<TermFieldTexts> fields = FieldsOf(start);
        const std::string operation = OperationFieldText(*step.Operacao);
        if (!fields || operation.empty()) {
            return std::string(kStepDoesNotFitMessage);
        }
        RecordedStep recorded;
        recorded.OperationField = operation;
        recorded.Outcome = RunCalculation(recorded.State, (*fields)[0], (*fields)[1], (*fields)[2],
                                          (*fields)[3], operation);
        if (!recorded.Outcome.Ok) {
            return recorded.Outcome.OutcomeText;
        }
        steps.push_back(std::move(recorded));
    }
    if (steps.empty()) {
        return std::string(kNoOperationsMessage);
    }
    for (const RecordedStep& step : steps) {
        record.AppendStep(step.State, step.Outcome, step.OperationField);
    }
    // These steps are no Calcula of the main window, so its Volta must not take the last one
    // back: an outcome without a result appends nothing and says the last step is not one.
    record.AppendStep(CalcState{}, CalcOutcome{}, {});
    return {};
}

std::optional<std::array<std::string, 3>> FieldTerm(const TermParts& term) {
    const std::optional<TermFieldTexts> fields = FieldsOf({term.Years, term.Months, term.Days, 0});
    if (!fields) {
        return std::nullopt;
    }
    return std::array<std::string, 3>{(*fields)[0], (*fields)[1], (*fields)[2]};
}

CaseFacts WithSentencingFacts(CaseFacts facts, const SentencingInput& input) {
    bool repeat = false;
    bool badAntecedents = false;
    bool unfavourable = false;
    bool under21 = false;
    bool over70 = false;
    bool sexualViolence = false;
    for (const CrimeInput& crime : input.Crimes) {
        repeat = repeat || Names(crime, ModifierRole::Agravante, RepeatOffence);
        under21 = under21 || Names(crime, ModifierRole::Atenuante, Under21);
        over70 = over70 || Names(crime, ModifierRole::Atenuante, Over70);
        const auto antecedents = static_cast<std::size_t>(JudicialCircumstance::Antecedentes);
        badAntecedents = badAntecedents || Unfavourable(crime.Circunstancias[antecedents]);
        unfavourable = unfavourable || std::any_of(crime.Circunstancias.begin(),
                                                   crime.Circunstancias.end(), Unfavourable);
        sexualViolence = sexualViolence || crime.ViolenciaSexualMulher;
    }
    facts.RepeatOffender = repeat;
    if (!repeat) {
        // The record's two other facts describe an earlier conviction there is none of.
        facts.SpecificRepeatOffender = false;
        facts.EarlierDoloso = true;
    }
    facts.GoodAntecedents = !badAntecedents;
    facts.FavourableCircumstances = !unfavourable;
    facts.Under21AtCrime = under21;
    facts.Over70AtSentence = over70;
    facts.SexualViolenceAgainstWoman = sexualViolence;
    return facts;
}

} // namespace zarn
