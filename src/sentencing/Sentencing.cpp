#include "sentencing/Sentencing.h"

#include "law/LawTables.h"
#include "law/LegalText.h"
#include "sentencing/BasePhase.h"
#include "sentencing/Concurso.h"
#include "sentencing/DefinitivePhase.h"
#include "sentencing/InputCheck.h"
#include "sentencing/PhaseContext.h"
#include "sentencing/ProvisionalPhase.h"
#include "sentencing/SentencingNames.h"
#include "sentencing/SentencingRefusal.h"
#include "sentencing/SentencingTexts.h"

#include <algorithm>

namespace zarn {

namespace {

std::string Sentence(std::string_view words, const LegalSource& source) {
    return std::string(words) + Cited(source) + ".";
}

bool Unfavourable(const CrimeInput& crime, JudicialCircumstance circumstance) {
    return crime.Circunstancias[static_cast<std::size_t>(circumstance)].Peso !=
           CircumstanceWeight::Neutra;
}

bool NamesRepeatOffence(const CrimeInput& crime) {
    return std::any_of(
        crime.Agravantes.begin(), crime.Agravantes.end(), [](const ModifierInput& agravante) {
            const ModifierName* row = FindModifier(ModifierRole::Agravante, agravante.Nome);
            return row != nullptr && (row->Class == ModifierClass::Reincidencia ||
                                      row->Class == ModifierClass::Multirreincidencia);
        });
}

bool TypesAnIncrease(const CrimeInput& crime) {
    return std::any_of(crime.Circunstancias.begin(), crime.Circunstancias.end(),
                       [](const CircumstanceInput& circumstance) {
                           return circumstance.Peso == CircumstanceWeight::Aumento;
                       });
}

std::string SexualViolenceNote() {
    return std::string(kSexualViolenceNote) + WriteCivilDate(*kAgeAtenuanteBar.InForce) + " (" +
           std::string(kAgeAtenuanteBar.Law) + ")" + std::string(kSexualViolenceNoteEnd);
}

// What a reader of one crime's answer should know beside its steps.
std::vector<std::string> CrimeNotes(const CrimeInput& crime, const CrimeContext& context,
                                    const SentencingOptions& options) {
    std::vector<std::string> notes;
    if (Unfavourable(crime, JudicialCircumstance::Antecedentes)) {
        notes.push_back(Sentence(kPendingCasesNote, kPendingCasesSource));
        if (NamesRepeatOffence(crime)) {
            notes.push_back(Sentence(kNoDoubleRepeatNote, kNoDoubleRepeatSource));
        }
    }
    if (crime.ViolenciaSexualMulher) {
        notes.push_back(SexualViolenceNote());
    }
    if (crime.Multa && options.MultaDosimetria == FinesMethod::Proporcional &&
        crime.DiasMulta.has_value()) {
        notes.emplace_back(kIgnoredInformedFinesNote);
    }
    if (context.ProportionalFines && TypesAnIncrease(crime)) {
        notes.emplace_back(kTypedIncreaseFinesNote);
    }
    return notes;
}

std::vector<std::string> ConcursoNotes(const ConcursoInput& concurso,
                                       const ConcursoOutcome& outcome) {
    std::vector<std::string> notes;
    if (concurso.Tipo == ConcursoKind::Material) {
        notes.push_back(Sentence(kMaterialOrderNote, kMaterialSource));
    }
    if (outcome.MostSerious) {
        notes.push_back(Sentence(kPrescriptionAloneNote, kConcursoCountedAlone));
    }
    if (outcome.OneFine) {
        notes.push_back(Sentence(kOneFineNote, kOneContinuedFineSource));
    }
    if (concurso.Tipo == ConcursoKind::ContinuadoEspecifico) {
        notes.emplace_back(kSpecificFinesNote);
    }
    return notes;
}

CrimeSentence SentenceCrime(const CrimeContext& context, TermAmount& definitiva) {
    const PhaseOutcome base = FixPenaBase(context);
    PhaseOutcome provisoria = FixPenaProvisoria(context, base.Term);
    PhaseOutcome definitive = FixPenaDefinitiva(context, provisoria.Term);
    CrimeSentence sentence;
    sentence.Crime = context.Crime.Crime;
    sentence.PenaBase = PartsOf(base.Term);
    sentence.PenaProvisoria = PartsOf(provisoria.Term);
    sentence.PenaDefinitiva = PartsOf(definitive.Term);
    sentence.Passos = base.Steps;
    for (PhaseOutcome* phase : {&provisoria, &definitive}) {
        std::move(phase->Steps.begin(), phase->Steps.end(), std::back_inserter(sentence.Passos));
    }
    definitiva = definitive.Term;
    return sentence;
}

SentencingAnswer Compute(const SentencingInput& input) {
    SentencingAnswer answer;
    std::vector<TermAmount> terms;
    std::vector<std::string> names;
    const bool several = input.Crimes.size() > 1;
    for (std::size_t i = 0; i < input.Crimes.size(); ++i) {
        const CrimeInput& crime = input.Crimes[i];
        const CrimeContext context = MakeCrimeContext(crime, input.Opcoes, i);
        TermAmount definitiva;
        answer.Crimes.push_back(SentenceCrime(context, definitiva));
        terms.push_back(definitiva);
        names.push_back(crime.Crime);
        for (const std::string& note : CrimeNotes(crime, context, input.Opcoes)) {
            answer.Notas.push_back(several ? CrimeLabel(i, crime.Crime) + ": " + note : note);
        }
    }
    TermAmount final = terms.front();
    if (input.Concurso) {
        const ConcursoOutcome outcome = JoinCrimes(*input.Concurso, names, terms, input.Opcoes);
        answer.Concurso = outcome.Sentence;
        final = outcome.Term;
        for (std::string& note : ConcursoNotes(*input.Concurso, outcome)) {
            answer.Notas.push_back(std::move(note));
        }
    }
    answer.PenaFinal = PartsOf(final);
    return answer;
}

} // namespace

SentencingAnswer ComputeSentencing(const SentencingInput& input) {
    SentencingAnswer refused;
    refused.Erro = FirstInputFault(input);
    if (!refused.Ok()) {
        return refused;
    }
    try {
        return Compute(input);
    } catch (const SentencingRefusal& refusal) {
        refused.Erro = refusal.what();
        return refused;
    }
}

std::vector<FractionStep> CalcRecordSteps(const std::vector<SentencingStep>& steps) {
    std::vector<FractionStep> operations;
    for (const SentencingStep& step : steps) {
        if (step.Operacao) {
            operations.push_back(*step.Operacao);
        }
    }
    return operations;
}

std::string CrimeLabel(std::size_t index, const std::string& name) {
    std::string label = std::string(kCrimeLabelWord) + std::to_string(index + 1);
    return name.empty() ? label : label + " (" + name + ")";
}

} // namespace zarn
