#pragma once

// What the dosimetria reads: the crimes with their ranges and circumstances, the concurso and
// the options, one member for each key of the case document's "dosimetria" and of the options
// it uses, under the document's own names, so that reading a document onto them takes no
// logic. Terms are days on the 360/30 base; texts are Windows-1252.

#include "law/Fraction.h"
#include "sentencing/SentencingLaw.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zarn {

enum class BaseCriterion { OitavoIntervalo, SextoMinimo };
enum class SecondPhaseMethod { SobreBase, Cascata };
enum class ThirdPhaseOrder { AumentosPrimeiro, DiminuicoesPrimeiro };
enum class FinesMethod { Proporcional, Informada };
enum class ContinuedFines { Unica, Somada };
enum class ConcursoKind { Material, Formal, FormalImproprio, Continuado, ContinuadoEspecifico };
enum class CauseKind { Aumento, Diminuicao };

// The eight circumstances of CP art. 59, in the order of the article.
enum class JudicialCircumstance {
    Culpabilidade,
    Antecedentes,
    CondutaSocial,
    Personalidade,
    Motivos,
    Circunstancias,
    Consequencias,
    ComportamentoVitima,
};
inline constexpr std::size_t kJudicialCircumstanceCount = 8;

// "neutra", "desfavoravel" (the crime's criterion), {"fracao": "N/D"} or {"aumento": term}.
enum class CircumstanceWeight { Neutra, Desfavoravel, Fracao, Aumento };

struct CircumstanceInput {
    CircumstanceWeight Peso = CircumstanceWeight::Neutra;
    Fraction Fracao{}; // with Fracao: of the quantity the crime's criterion takes its share of
    long long AumentoDias = 0; // with Aumento
    std::string Motivo;

    friend bool operator==(const CircumstanceInput&, const CircumstanceInput&) = default;
};

// An agravante or atenuante: its name (the window's choices are in SentencingNames.h; any
// other text is taken as typed) and its fraction.
struct ModifierInput {
    std::string Nome;
    Fraction Fracao = kModifierDefaultShare;

    friend bool operator==(const ModifierInput&, const ModifierInput&) = default;
};

struct CauseInput {
    std::string Nome;
    CauseKind Tipo = CauseKind::Aumento;
    Fraction Fracao{};
    bool ParteEspecial = false;

    friend bool operator==(const CauseInput&, const CauseInput&) = default;
};

struct CrimeInput {
    std::string Crime;
    long long MinimoDias = 0;
    long long MaximoDias = 0;
    bool Multa = true;
    long long MultaMinimo = kDefaultFinesRange.Minimum;
    long long MultaMaximo = kDefaultFinesRange.Maximum;
    // The document has no date for a crime of the dosimetria: a crime of sexual violence
    // against a woman is taken as one under Lei 15.160/2025, and the texts say so.
    bool ViolenciaSexualMulher = false;
    std::optional<long long> DiasMulta;    // read with FinesMethod::Informada
    std::optional<BaseCriterion> PenaBase; // none: the options' criterion
    std::array<CircumstanceInput, kJudicialCircumstanceCount> Circunstancias{};
    std::vector<ModifierInput> Agravantes;
    std::vector<ModifierInput> Atenuantes;
    std::vector<CauseInput> Causas;
    bool SomenteMaior = false; // CP art. 68, par. unico

    friend bool operator==(const CrimeInput&, const CrimeInput&) = default;
};

struct ConcursoInput {
    ConcursoKind Tipo = ConcursoKind::Material;
    std::optional<Fraction> Fracao; // continuado especifico only

    friend bool operator==(const ConcursoInput&, const ConcursoInput&) = default;
};

// The options of law.md 13 and 14, each with its default.
struct SentencingOptions {
    BaseCriterion PenaBase = BaseCriterion::OitavoIntervalo;
    SecondPhaseMethod SegundaFase = SecondPhaseMethod::SobreBase;
    ThirdPhaseOrder TerceiraFase = ThirdPhaseOrder::AumentosPrimeiro;
    FinesMethod MultaDosimetria = FinesMethod::Proporcional;
    ContinuedFines MultaContinuado = ContinuedFines::Unica;

    friend bool operator==(const SentencingOptions&, const SentencingOptions&) = default;
};

struct SentencingInput {
    std::vector<CrimeInput> Crimes;
    std::optional<ConcursoInput> Concurso;
    SentencingOptions Opcoes;

    friend bool operator==(const SentencingInput&, const SentencingInput&) = default;
};

} // namespace zarn
