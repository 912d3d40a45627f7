#pragma once

// Crimes of the dosimetria's tests, written as a sentence names them: a range in years, the
// circumstances, agravantes, atenuantes and causes added one by one.

#include "sentencing/SentencingInput.h"

#include <string>
#include <utility>

namespace zarn::testing {

constexpr long long kYear = 360;
constexpr long long kMonth = 30;

constexpr long long Years(long long years, long long months = 0, long long days = 0) {
    return years * kYear + months * kMonth + days;
}

class CrimeBuilder {
public:
    CrimeBuilder(long long minimumDays, long long maximumDays) {
        m_crime.MinimoDias = minimumDays;
        m_crime.MaximoDias = maximumDays;
    }

    CrimeBuilder& Named(std::string name) {
        m_crime.Crime = std::move(name);
        return *this;
    }
    CrimeBuilder& Unfavourable(JudicialCircumstance circumstance) {
        At(circumstance).Peso = CircumstanceWeight::Desfavoravel;
        return *this;
    }
    CrimeBuilder& UnfavourableBy(JudicialCircumstance circumstance, Fraction share,
                                 std::string reason = {}) {
        CircumstanceInput& input = At(circumstance);
        input.Peso = CircumstanceWeight::Fracao;
        input.Fracao = share;
        input.Motivo = std::move(reason);
        return *this;
    }
    CrimeBuilder& UnfavourableByTerm(JudicialCircumstance circumstance, long long days,
                                     std::string reason = {}) {
        CircumstanceInput& input = At(circumstance);
        input.Peso = CircumstanceWeight::Aumento;
        input.AumentoDias = days;
        input.Motivo = std::move(reason);
        return *this;
    }
    CrimeBuilder& Agravante(std::string name, Fraction share = {1, 6}) {
        m_crime.Agravantes.push_back({std::move(name), share});
        return *this;
    }
    CrimeBuilder& Atenuante(std::string name, Fraction share = {1, 6}) {
        m_crime.Atenuantes.push_back({std::move(name), share});
        return *this;
    }
    CrimeBuilder& Increase(std::string name, Fraction share, bool specialPart = false) {
        m_crime.Causas.push_back({std::move(name), CauseKind::Aumento, share, specialPart});
        return *this;
    }
    CrimeBuilder& Decrease(std::string name, Fraction share, bool specialPart = false) {
        m_crime.Causas.push_back({std::move(name), CauseKind::Diminuicao, share, specialPart});
        return *this;
    }
    CrimeBuilder& FinesRange(long long minimum, long long maximum) {
        m_crime.MultaMinimo = minimum;
        m_crime.MultaMaximo = maximum;
        return *this;
    }
    CrimeBuilder& WithoutFine() {
        m_crime.Multa = false;
        return *this;
    }
    CrimeBuilder& InformedFines(long long fines) {
        m_crime.DiasMulta = fines;
        return *this;
    }
    CrimeBuilder& Criterion(BaseCriterion criterion) {
        m_crime.PenaBase = criterion;
        return *this;
    }
    CrimeBuilder& OnlyLargestSpecialCause() {
        m_crime.SomenteMaior = true;
        return *this;
    }
    CrimeBuilder& SexualViolenceAgainstAWoman() {
        m_crime.ViolenciaSexualMulher = true;
        return *this;
    }

    operator CrimeInput() const { return m_crime; }

private:
    CircumstanceInput& At(JudicialCircumstance circumstance) {
        return m_crime.Circunstancias[static_cast<std::size_t>(circumstance)];
    }

    CrimeInput m_crime;
};

// A crime whose three phases leave its term as given: a range from that term to itself, the
// dias-multa as given (at the bottom of their range), as a concurso receives it.
inline CrimeInput FixedCrime(long long days, long long fines) {
    return CrimeBuilder(days, days).FinesRange(fines, fines);
}

} // namespace zarn::testing
