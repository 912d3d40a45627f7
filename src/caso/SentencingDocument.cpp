#include "caso/SentencingDocument.h"

#include "caso/DocumentFields.h"
#include "engine/Sentence.h"
#include "law/Consequences.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array<std::string_view, 2> kSectionKeys{"crimes", "concurso"};
constexpr std::array<std::string_view, 2> kConcursoKeys{"tipo", "fracao"};
constexpr std::array<std::string_view, 14> kCrimeKeys{
    "crime",
    "minimo",
    "maximo",
    "multa",
    "multa_minimo",
    "multa_maximo",
    "violencia_sexual_mulher",
    "dias_multa",
    "pena_base",
    "circunstancias",
    "agravantes",
    "atenuantes",
    "causas",
    "somente_maior",
};
// An unfavourable circumstance given by a fraction or a term, with its reason.
constexpr std::string_view kFractionKey = "fracao";
constexpr std::string_view kIncreaseKey = "aumento";
constexpr std::string_view kReasonKey = "motivo";
constexpr std::array<std::string_view, 3> kWeighedKeys{kFractionKey, kIncreaseKey, kReasonKey};

// The keys of a crime that hold plain values; the others are read one by one below.
constexpr std::array<DocumentField<CrimeInput>, 9> kCrimeFields{{
    {"crime", &CrimeInput::Crime},
    {"minimo", TermField<CrimeInput>{&CrimeInput::MinimoDias, kLargestTermDays}},
    {"maximo", TermField<CrimeInput>{&CrimeInput::MaximoDias, kLargestTermDays}},
    {"multa", &CrimeInput::Multa},
    {"multa_minimo", WholeField<CrimeInput>{&CrimeInput::MultaMinimo, kFinesCeiling}},
    {"multa_maximo", WholeField<CrimeInput>{&CrimeInput::MultaMaximo, kFinesCeiling}},
    {"violencia_sexual_mulher", &CrimeInput::ViolenciaSexualMulher},
    {"dias_multa", WholeOrNullField<CrimeInput>{&CrimeInput::DiasMulta, kFinesCeiling}},
    {"somente_maior", &CrimeInput::SomenteMaior},
}};

constexpr std::array<DocumentField<ModifierInput>, 2> kModifierFields{{
    {"nome", &ModifierInput::Nome},
    {"fracao", &ModifierInput::Fracao},
}};
constexpr auto kModifierKeys = KeysOf(kModifierFields);

constexpr std::array<std::string_view, 4> kCauseKeys{"nome", "tipo", "fracao", "parte_especial"};
constexpr std::array<DocumentField<CauseInput>, 3> kCauseFields{{
    {"nome", &CauseInput::Nome},
    {"fracao", &CauseInput::Fracao},
    {"parte_especial", &CauseInput::ParteEspecial},
}};

constexpr std::array<std::string_view, kJudicialCircumstanceCount> CircumstanceKeys() {
    std::array<std::string_view, kJudicialCircumstanceCount> keys{};
    for (std::size_t i = 0; i < kJudicialCircumstanceCount; ++i) {
        keys[i] = kCircumstanceNames[i].CasoName;
    }
    return keys;
}
constexpr auto kCircumstanceKeys = CircumstanceKeys();

// "neutra", "desfavoravel", {"fracao": "N/D", "motivo": ...} or {"aumento": term, "motivo": ...}.
CircumstanceInput ReadCircumstance(const DocumentNode& node) {
    CircumstanceInput circumstance;
    if (node.IsText()) {
        const std::string text = node.Text();
        for (const CircumstanceWeight weight :
             {CircumstanceWeight::Neutra, CircumstanceWeight::Desfavoravel}) {
            if (text == CasoName(weight)) {
                circumstance.Peso = weight;
                return circumstance;
            }
        }
        node.RefuseValue(text);
    }
    if (!node.IsObject()) {
        node.Refuse("deve ser \"neutra\", \"desfavoravel\" ou um objeto {...}");
    }
    node.ExpectObject(kWeighedKeys);
    const std::optional<DocumentNode> fraction = node.Member(kFractionKey);
    const std::optional<DocumentNode> increase = node.Member(kIncreaseKey);
    if (fraction.has_value() == increase.has_value()) {
        node.Refuse("informe \"fracao\" ou \"aumento\", um dos dois");
    }
    if (fraction) {
        circumstance.Peso = CircumstanceWeight::Fracao;
        circumstance.Fracao = fraction->FractionValue();
    } else {
        circumstance.Peso = CircumstanceWeight::Aumento;
        circumstance.AumentoDias = increase->TermDays(kLargestTermDays);
    }
    if (const std::optional<DocumentNode> reason = node.Member(kReasonKey)) {
        circumstance.Motivo = reason->Text();
    }
    return circumstance;
}

ModifierInput ReadModifier(const DocumentNode& node) {
    node.ExpectObject(kModifierKeys);
    ModifierInput modifier;
    ReadFields(node, kModifierFields, modifier);
    return modifier;
}

CauseInput ReadCause(const DocumentNode& node) {
    node.ExpectObject(kCauseKeys);
    CauseInput cause;
    ReadFields(node, kCauseFields, cause);
    cause.Tipo = ReadSentencingName<CauseKind>(node.Required("tipo"));
    return cause;
}

CrimeInput ReadCrime(const DocumentNode& node) {
    node.ExpectObject(kCrimeKeys);
    CrimeInput crime;
    ReadFields(node, kCrimeFields, crime);
    if (const std::optional<DocumentNode> criterion = node.Member("pena_base")) {
        crime.PenaBase = ReadSentencingName<BaseCriterion>(*criterion);
    }
    if (const std::optional<DocumentNode> circumstances = node.Member("circunstancias")) {
        circumstances->ExpectObject(kCircumstanceKeys);
        for (std::size_t i = 0; i < kJudicialCircumstanceCount; ++i) {
            if (const auto circumstance = circumstances->Member(kCircumstanceKeys[i])) {
                crime.Circunstancias[i] = ReadCircumstance(*circumstance);
            }
        }
    }
    crime.Agravantes = ReadList(node, "agravantes", &ReadModifier);
    crime.Atenuantes = ReadList(node, "atenuantes", &ReadModifier);
    crime.Causas = ReadList(node, "causas", &ReadCause);
    return crime;
}

std::optional<ConcursoInput> ReadConcurso(const DocumentNode& node) {
    if (node.IsNull()) {
        return std::nullopt;
    }
    node.ExpectObject(kConcursoKeys);
    ConcursoInput concurso;
    concurso.Tipo = ReadSentencingName<ConcursoKind>(node.Required("tipo"));
    if (const std::optional<DocumentNode> fraction = node.Member("fracao")) {
        concurso.Fracao =
            fraction->IsNull() ? std::nullopt : std::optional(fraction->FractionValue());
    }
    return concurso;
}

// Nothing for a neutral circumstance, which is the default.
std::optional<JsonValue> CircumstanceJson(const CircumstanceInput& circumstance) {
    JsonValue weighed = JsonValue::object();
    switch (circumstance.Peso) {
    case CircumstanceWeight::Neutra:
        return std::nullopt;
    case CircumstanceWeight::Desfavoravel:
        return JsonText(CasoName(circumstance.Peso));
    case CircumstanceWeight::Fracao:
        weighed[std::string(kFractionKey)] = FractionText(circumstance.Fracao);
        break;
    case CircumstanceWeight::Aumento:
        weighed[std::string(kIncreaseKey)] = TermJson(circumstance.AumentoDias);
        break;
    }
    if (!circumstance.Motivo.empty()) {
        weighed[std::string(kReasonKey)] = JsonText(circumstance.Motivo);
    }
    return weighed;
}

JsonValue ModifierJson(const ModifierInput& modifier) {
    JsonValue object = JsonValue::object();
    WriteFields(modifier, kModifierFields, object);
    return object;
}

JsonValue CauseJson(const CauseInput& cause) {
    JsonValue object = JsonValue::object();
    WriteFields(cause, kCauseFields, object);
    object["tipo"] = JsonText(CasoName(cause.Tipo));
    return InKeyOrder(std::move(object), kCauseKeys);
}

JsonValue CrimeJson(const CrimeInput& crime) {
    JsonValue object = JsonValue::object();
    WriteFields(crime, kCrimeFields, object);
    if (crime.PenaBase) {
        object["pena_base"] = JsonText(CasoName(*crime.PenaBase));
    }
    JsonValue circumstances = JsonValue::object();
    for (std::size_t i = 0; i < kJudicialCircumstanceCount; ++i) {
        if (std::optional<JsonValue> weighed = CircumstanceJson(crime.Circunstancias[i])) {
            circumstances[std::string(kCircumstanceKeys[i])] = std::move(*weighed);
        }
    }
    if (!circumstances.empty()) {
        object["circunstancias"] = std::move(circumstances);
    }
    if (!crime.Agravantes.empty()) {
        object["agravantes"] = ListJson(crime.Agravantes, &ModifierJson);
    }
    if (!crime.Atenuantes.empty()) {
        object["atenuantes"] = ListJson(crime.Atenuantes, &ModifierJson);
    }
    if (!crime.Causas.empty()) {
        object["causas"] = ListJson(crime.Causas, &CauseJson);
    }
    return InKeyOrder(std::move(object), kCrimeKeys);
}

JsonValue ConcursoJson(const ConcursoInput& concurso) {
    JsonValue object = JsonValue::object();
    object["tipo"] = JsonText(CasoName(concurso.Tipo));
    if (concurso.Fracao) {
        object["fracao"] = FractionText(*concurso.Fracao);
    }
    return object;
}

} // namespace

SentencingInput ReadSentencingSection(const DocumentNode& dosimetria) {
    dosimetria.ExpectObject(kSectionKeys);
    SentencingInput input;
    input.Crimes = ReadList(dosimetria, "crimes", &ReadCrime);
    if (const std::optional<DocumentNode> concurso = dosimetria.Member("concurso")) {
        input.Concurso = ReadConcurso(*concurso);
    }
    return input;
}

JsonValue WriteSentencingSection(const SentencingInput& input) {
    JsonValue section = JsonValue::object();
    section["crimes"] = ListJson(input.Crimes, &CrimeJson);
    if (input.Concurso) {
        section["concurso"] = ConcursoJson(*input.Concurso);
    }
    return section;
}

} // namespace zarn
