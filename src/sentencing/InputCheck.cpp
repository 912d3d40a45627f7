#include "sentencing/InputCheck.h"

#include "engine/Sentence.h"
#include "engine/Texts.h"
#include "law/Consequences.h"
#include "law/LawTexts.h"
#include "law/LegalText.h"
#include "sentencing/FractionArithmetic.h"
#include "sentencing/PhaseContext.h"
#include "sentencing/SentencingNames.h"
#include "sentencing/SentencingTexts.h"

#include <optional>
#include <string_view>

namespace zarn {

namespace {

constexpr Fraction kWhole{1, 1};

// The first fault found, with its place.
class FaultFinder {
public:
    bool Found() const { return !m_message.empty(); }
    const std::string& Message() const { return m_message; }

    void Check(bool holds, const std::string& path, std::string_view message) {
        if (!Found() && !holds) {
            m_message = path + std::string(kPathSeparator) + std::string(message);
        }
    }

private:
    std::string m_message;
};

std::string Key(const std::string& path, std::string_view key) {
    return path + "." + std::string(key);
}

// A fraction as typed: a denominator, above zero, three places at most on either side.
void CheckFraction(FaultFinder& faults, Fraction share, const std::string& path) {
    faults.Check(share.Denominator != 0, path, kZeroDenominatorMessage);
    faults.Check(share.Denominator > 0 && share.Numerator > 0, path, kFractionNotPositiveMessage);
    faults.Check(share.Numerator <= kLargestFractionPart &&
                     share.Denominator <= kLargestFractionPart,
                 path, kFractionTooLongMessage);
}

void CheckDecrease(FaultFinder& faults, Fraction share, const std::string& path) {
    CheckFraction(faults, share, path);
    faults.Check(faults.Found() || IsLess(share, kWhole), path, kDecreaseOfTheWholeMessage);
}

void CheckRange(FaultFinder& faults, const CrimeInput& crime, const std::string& path) {
    faults.Check(crime.MinimoDias >= 1, Key(path, "minimo"), kTermTooShortMessage);
    faults.Check(crime.MinimoDias <= kLargestTermDays, Key(path, "minimo"), kTermTooLongMessage);
    faults.Check(crime.MaximoDias <= kLargestTermDays, Key(path, "maximo"), kTermTooLongMessage);
    faults.Check(crime.MaximoDias >= crime.MinimoDias, Key(path, "maximo"),
                 kMaximumBelowMinimumMessage);
}

void CheckFines(FaultFinder& faults, const CrimeInput& crime, const SentencingOptions& options,
                const std::string& path) {
    if (!crime.Multa) {
        return;
    }
    faults.Check(crime.MultaMinimo >= 1, Key(path, "multa_minimo"), kFinesMinimumTooLowMessage);
    faults.Check(crime.MultaMaximo <= kFinesCeiling, Key(path, "multa_maximo"),
                 kFinesAboveMaximumMessage);
    faults.Check(crime.MultaMaximo >= crime.MultaMinimo, Key(path, "multa_maximo"),
                 kFinesMaximumBelowMinimumMessage);
    if (options.MultaDosimetria == FinesMethod::Informada) {
        const std::string finesPath = Key(path, "dias_multa");
        faults.Check(crime.DiasMulta.has_value(), finesPath, kInformedFinesMissingMessage);
        const long long informed = crime.DiasMulta.value_or(1);
        faults.Check(informed >= 1, finesPath, kInformedFinesTooLowMessage);
        faults.Check(informed <= kFinesCeiling, finesPath, kFinesAboveMaximumMessage);
    }
}

void CheckCircumstances(FaultFinder& faults, const CrimeInput& crime, const std::string& path) {
    for (std::size_t i = 0; i < kJudicialCircumstanceCount; ++i) {
        const CircumstanceInput& circumstance = crime.Circunstancias[i];
        const std::string place = Key(Key(path, "circunstancias"), kCircumstanceNames[i].CasoName);
        if (circumstance.Peso == CircumstanceWeight::Fracao) {
            CheckFraction(faults, circumstance.Fracao, Key(place, "fracao"));
        } else if (circumstance.Peso == CircumstanceWeight::Aumento) {
            faults.Check(circumstance.AumentoDias >= 1, Key(place, "aumento"),
                         kIncreaseTooShortMessage);
            faults.Check(circumstance.AumentoDias <= kLargestTermDays, Key(place, "aumento"),
                         kTermTooLongMessage);
        }
    }
}

std::string AgeBarMessage() {
    const ModifierName* age = FindModifier(ModifierRole::Atenuante, "menor_21");
    const std::string source = age != nullptr ? Cited(age->Source) : std::string();
    return std::string(kAgeAtenuanteWords) + source + std::string(kAgeAtenuanteBarredWords) +
           WriteCivilDate(*kAgeAtenuanteBar.InForce) + " (" + std::string(kAgeAtenuanteBar.Law) +
           ").";
}

void CheckModifiers(FaultFinder& faults, const CrimeInput& crime, const std::string& path) {
    for (std::size_t i = 0; i < crime.Agravantes.size(); ++i) {
        CheckFraction(faults, crime.Agravantes[i].Fracao,
                      Key(Key(path, ItemPath("agravantes", i)), "fracao"));
    }
    for (std::size_t i = 0; i < crime.Atenuantes.size(); ++i) {
        const ModifierInput& atenuante = crime.Atenuantes[i];
        const std::string place = Key(path, ItemPath("atenuantes", i));
        const ModifierName* row = FindModifier(ModifierRole::Atenuante, atenuante.Nome);
        const bool age = row != nullptr && row->Class == ModifierClass::Age;
        faults.Check(!(age && crime.ViolenciaSexualMulher), Key(place, "nome"), AgeBarMessage());
        CheckDecrease(faults, atenuante.Fracao, Key(place, "fracao"));
    }
}

void CheckCauses(FaultFinder& faults, const CrimeInput& crime, const std::string& path) {
    for (std::size_t i = 0; i < crime.Causas.size(); ++i) {
        const CauseInput& cause = crime.Causas[i];
        const std::string place = Key(Key(path, ItemPath("causas", i)), "fracao");
        if (cause.Tipo == CauseKind::Diminuicao) {
            CheckDecrease(faults, cause.Fracao, place);
        } else {
            CheckFraction(faults, cause.Fracao, place);
        }
    }
}

void CheckConcurso(FaultFinder& faults, const SentencingInput& input) {
    const std::string path = Key(std::string(kDosimetriaPath), kConcursoKey);
    if (!input.Concurso) {
        faults.Check(input.Crimes.size() < 2, path, kConcursoMissingMessage);
        return;
    }
    faults.Check(input.Crimes.size() >= 2, path, kConcursoOfOneCrimeMessage);
    const std::optional<Fraction>& share = input.Concurso->Fracao;
    const std::string sharePath = Key(path, "fracao");
    if (input.Concurso->Tipo != ConcursoKind::ContinuadoEspecifico) {
        faults.Check(!share.has_value(), sharePath, kFractionOnlyForSpecificMessage);
        return;
    }
    faults.Check(share.has_value(), sharePath, kSpecificFractionMissingMessage);
    if (share) {
        CheckFraction(faults, *share, sharePath);
        faults.Check(faults.Found() || !IsLess(kLargestSpecificIncrease, *share), sharePath,
                     kSpecificFractionTooLargeMessage);
    }
}

} // namespace

std::string FirstInputFault(const SentencingInput& input) {
    FaultFinder faults;
    faults.Check(!input.Crimes.empty(), Key(std::string(kDosimetriaPath), kCrimesKey),
                 kNoCrimesMessage);
    for (std::size_t i = 0; i < input.Crimes.size() && !faults.Found(); ++i) {
        const CrimeInput& crime = input.Crimes[i];
        const std::string path = Key(std::string(kDosimetriaPath), ItemPath(kCrimesKey, i));
        CheckRange(faults, crime, path);
        CheckFines(faults, crime, input.Opcoes, path);
        CheckCircumstances(faults, crime, path);
        CheckModifiers(faults, crime, path);
        CheckCauses(faults, crime, path);
    }
    CheckConcurso(faults, input);
    return faults.Message();
}

} // namespace zarn
