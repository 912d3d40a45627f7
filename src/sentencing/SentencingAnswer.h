#pragma once

// What the dosimetria answers: for each crime its pena-base, pena provisoria and pena
// definitiva and the steps that led to them; the concurso; the final term; the notes. Every
// step keeps what it did and why (the circumstance, the fraction, the limit that held the
// term) as data, so that the texts can say it.

#include "engine/TermArithmetic.h"
#include "engine/TermText.h"
#include "law/Fraction.h"
#include "law/LegalSource.h"
#include "sentencing/SentencingInput.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

enum class SentencingPhase { PenaBase, PenaProvisoria, PenaDefinitiva, Concurso };

enum class StepKind {
    Start,            // the phase starts from this term: the minimum of the range
    Circumstance,     // an unfavourable circumstance adds its share
    Compensation,     // confissao offsets reincidencia, in full or in proportion
    Modifier,         // an agravante or atenuante: counted (sobre a pena-base) or applied
    FractionsSummed,  // the agravantes' fractions less the atenuantes', applied once
    Cause,            // a causa de aumento or de diminuicao applied
    CauseSetAside,    // a cause of the special part left out (CP art. 68, par. unico)
    FinesInformed,    // the dias-multa typed by the user
    Limit,            // a limit held the term or the dias-multa
    ConcursoSum,      // the terms summed
    ConcursoIncrease, // the most serious term increased
    ConcursoFines,    // the dias-multa of the concurso
};

// What a circumstance's share is taken of.
enum class ShareBase { Interval, Minimum, TypedTerm };

enum class StepLimit {
    None,
    Minimum,     // the minimum of the range (Sumula 231 in the second phase)
    Maximum,     // the maximum of the range
    SumOfTerms,  // the sum of the terms (CP art. 70, par. unico)
    FinesCeiling // the calculator's ceiling of dias-multa
};

struct SentencingStep {
    SentencingPhase Fase = SentencingPhase::PenaBase;
    StepKind Tipo = StepKind::Start;
    // The circumstance's, agravante's, atenuante's or causa's name as the input gives it;
    // for a compensation, the agravante's.
    std::string Nome;
    std::string Motivo;             // the reason typed with a circumstance
    std::optional<Fraction> Fracao; // the fraction applied or counted
    ShareBase Base = ShareBase::Interval;
    bool Aumenta = true;  // an increase (agravante, causa de aumento) or a decrease
    bool Aplicada = true; // a modifier applied to the term, or only counted in the sum
    TermAmount Parcela;   // what a circumstance adds
    TermAmount Antes;
    TermAmount Depois;
    StepLimit Limite = StepLimit::None;
    LegalSource Fonte;
    // The calculator's operation that turns Antes into Depois, where the step is one.
    std::optional<FractionStep> Operacao;
};

struct CrimeSentence {
    std::string Crime;
    TermParts PenaBase;
    TermParts PenaProvisoria;
    TermParts PenaDefinitiva;
    std::vector<SentencingStep> Passos;
};

struct ConcursoSentence {
    ConcursoKind Tipo = ConcursoKind::Material;
    std::optional<Fraction> Fracao; // none for the sums
    TermParts Pena;
    std::vector<SentencingStep> Passos;
};

struct SentencingAnswer {
    // Empty when the dosimetria was computed; else the message that refuses the input,
    // naming the item at fault ("dosimetria.crimes[1].maximo: ...").
    std::string Erro;
    std::vector<CrimeSentence> Crimes;
    std::optional<ConcursoSentence> Concurso;
    TermParts PenaFinal;
    std::vector<std::string> Notas;

    bool Ok() const { return Erro.empty(); }
};

} // namespace zarn
