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

// The first fault found, with its place, which is written only then.
class FaultFinder {
public:
    bool Found() const { return !m_message.empty(); }
    const std::string& Message() const { return m_message; }

    void Check(bool holds, const ItemPlace& place, std::string_view leaf,
               std::string_view message) {
        if (!Found() && !holds) {
            Fail(place, leaf, message);
        }
    }

    void Fail(const ItemPlace& place, std::string_view leaf, std::string_view message) {
        m_message = place.Text();
        if (!leaf.empty()) {
            m_message += "." + std::string(leaf);
        }
        m_message += std::string(kPathSeparator) + std::string(message);
    }

private:
    std::string m_message;
};

ItemPlace Place(const std::string& parent, std::string_view key) {
    return {parent, key, std::nullopt};
}

constexpr std::string_view kFractionKey = "fracao";

// A fraction as typed: a denominator, above zero, three places at most on either side.
void CheckFraction(FaultFinder& faults, Fraction share, const ItemPlace& place,
                   std::string_view leaf) {
    faults.Check(share.Denominator != 0, place, leaf, kZeroDenominatorMessage);
    faults.Check(share.Denominator > 0 && share.Numerator > 0, place, leaf,
                 kFractionNotPositiveMessage);
    faults.Check(share.Numerator <= kLargestFractionPart &&
                     share.Denominator <= kLargestFractionPart,
                 place, leaf, kFractionTooLongMessage);
}

void CheckDecrease(FaultFinder& faults, Fraction share, const ItemPlace& place) {
    CheckFraction(faults, share, place, kFractionKey);
    faults.Check(faults.Found() || IsLess(share, kWhole), place, kFractionKey,
                 kDecreaseOfTheWholeMessage);
}

void CheckRange(FaultFinder& faults, const CrimeInput& crime, const std::string& path) {
    const ItemPlace minimum = Place(path, "minimo");
    const ItemPlace maximum = Place(path, "maximo");
    faults.Check(crime.MinimoDias >= 1, minimum, {}, kTermTooShortMessage);
    faults.Check(crime.MinimoDias <= kLargestTermDays, minimum, {}, kTermTooLongMessage);
    faults.Check(crime.MaximoDias <= kLargestTermDays, maximum, {}, kTermTooLongMessage);
    faults.Check(crime.MaximoDias >= crime.MinimoDias, maximum, {}, kMaximumBelowMinimumMessage);
}

void CheckFines(FaultFinder& faults, const CrimeInput& crime, const SentencingOptions& options,
                const std::string& path) {
    if (!crime.Multa) {
        return;
    }
    const ItemPlace maximum = Place(path, "multa_maximo");
    faults.Check(crime.MultaMinimo >= 1, Place(path, "multa_minimo"), {},
                 kFinesMinimumTooLowMessage);
    faults.Check(crime.MultaMaximo <= kFinesCeiling, maximum, {}, kFinesAboveMaximumMessage);
    faults.Check(crime.MultaMaximo >= crime.MultaMinimo, maximum, {},
                 kFinesMaximumBelowMinimumMessage);
    if (options.MultaDosimetria == FinesMethod::Informada) {
        const ItemPlace informed = Place(path, "dias_multa");
        faults.Check(crime.DiasMulta.has_value(), informed, {}, kInformedFinesMissingMessage);
        const long long fines = crime.DiasMulta.value_or(1);
        faults.Check(fines >= 1, informed, {}, kInformedFinesTooLowMessage);
        faults.Check(fines <= kFinesCeiling, informed, {}, kFinesAboveMaximumMessage);
    }
}

void CheckCircumstances(FaultFinder& faults, const CrimeInput& crime, const std::string& path) {
    for (std::size_t i = 0; i < kJudicialCircumstanceCount; ++i) {
        const CircumstanceInput& circumstance = crime.Circunstancias[i];
        if (circumstance.Peso == CircumstanceWeight::Neutra ||
            circumstance.Peso == CircumstanceWeight::Desfavoravel) {
            continue;
        }
        const std::string circumstances = path + ".circunstancias";
        const ItemPlace place = Place(circumstances, kCircumstanceNames[i].CasoName);
        if (circumstance.Peso == CircumstanceWeight::Fracao) {
            CheckFraction(faults, circumstance.Fracao, place, kFractionKey);
        } else {
            faults.Check(circumstance.AumentoDias >= 1, place, "aumento", kIncreaseTooShortMessage);
            faults.Check(circumstance.AumentoDias <= kLargestTermDays, place, "aumento",
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
        CheckFraction(faults, crime.Agravantes[i].Fracao, {path, "agravantes", i}, kFractionKey);
    }
    for (std::size_t i = 0; i < crime.Atenuantes.size(); ++i) {
        const ModifierInput& atenuante = crime.Atenuantes[i];
        const ItemPlace place{path, "atenuantes", i};
        const ModifierName* row = FindModifier(ModifierRole::Atenuante, atenuante.Nome);
        const bool age = row != nullptr && row->Class == ModifierClass::Age;
        if (!faults.Found() && age && crime.ViolenciaSexualMulher) {
            faults.Fail(place, "nome", AgeBarMessage());
        }
        CheckDecrease(faults, atenuante.Fracao, place);
    }
}

void CheckCauses(FaultFinder& faults, const CrimeInput& crime, const std::string& path) {
    for (std::size_t i = 0; i < crime.Causas.size(); ++i) {
        const CauseInput& cause = crime.Causas[i];
        const ItemPlace place{path, "causas", i};
        if (cause.Tipo == CauseKind::Diminuicao) {
            CheckDecrease(faults, cause.Fracao, place);
        } else {
            CheckFraction(faults, cause.Fracao, place, kFractionKey);
        }
    }
}

void CheckConcurso(FaultFinder& faults, const SentencingInput& input) {
    const ItemPlace place{kDosimetriaPath, kConcursoKey, std::nullopt};
    if (!input.Concurso) {
        faults.Check(input.Crimes.size() < 2, place, {}, kConcursoMissingMessage);
        return;
    }
    faults.Check(input.Crimes.size() >= 2, place, {}, kConcursoOfOneCrimeMessage);
    const std::optional<Fraction>& share = input.Concurso->Fracao;
    if (input.Concurso->Tipo != ConcursoKind::ContinuadoEspecifico) {
        faults.Check(!share.has_value(), place, kFractionKey, kFractionOnlyForSpecificMessage);
        return;
    }
    faults.Check(share.has_value(), place, kFractionKey, kSpecificFractionMissingMessage);
    if (share) {
        CheckFraction(faults, *share, place, kFractionKey);
        faults.Check(faults.Found() || !IsLess(kLargestSpecificIncrease, *share), place,
                     kFractionKey, kSpecificFractionTooLargeMessage);
    }
}

} // namespace

std::string FirstInputFault(const SentencingInput& input) {
    FaultFinder faults;
    faults.Check(!input.Crimes.empty(), {kDosimetriaPath, kCrimesKey, std::nullopt}, {},
                 kNoCrimesMessage);
    for (std::size_t i = 0; i < input.Crimes.size() && !faults.Found(); ++i) {
        const CrimeInput& crime = input.Crimes[i];
        const std::string path = ItemPlace{kDosimetriaPath, kCrimesKey, i}.Text();
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
