#include "caso/SentencingAnswerJson.h"

#include "caso/AnswerJson.h"
#include "law/Fraction.h"
#include "sentencing/SentencingNames.h"
#include "sentencing/SentencingText.h"

namespace zarn {
namespace {

// {"anos", "meses", "dias", "dias_multa"}.
JsonValue TermPartsJson(const TermParts& term) {
    JsonValue object = JsonValue::object();
    object["anos"] = term.Years;
    object["meses"] = term.Months;
    object["dias"] = term.Days;
    object["dias_multa"] = term.Fines;
    return object;
}

JsonValue CrimeJson(const CrimeSentence& crime, bool inWords) {
    JsonValue object = JsonValue::object();
    object["crime"] = JsonText(crime.Crime);
    object["pena_base"] = TermPartsJson(crime.PenaBase);
    object["pena_provisoria"] = TermPartsJson(crime.PenaProvisoria);
    object["pena_definitiva"] = TermPartsJson(crime.PenaDefinitiva);
    object["passos"] = JsonTexts(StepLines(crime.Passos, inWords));
    return object;
}

JsonValue ConcursoJson(const std::optional<ConcursoSentence>& concurso) {
    if (!concurso) {
        return JsonValue(nullptr);
    }
    JsonValue object = JsonValue::object();
    object["tipo"] = JsonText(CasoName(concurso->Tipo));
    object["fracao"] =
        concurso->Fracao ? JsonValue(FractionText(*concurso->Fracao)) : JsonValue(nullptr);
    object["pena"] = TermPartsJson(concurso->Pena);
    return object;
}

} // namespace

JsonValue SentencingAnswerJson(const SentencingAnswer& answer, bool inWords) {
    JsonValue crimes = JsonValue::array();
    for (const CrimeSentence& crime : answer.Crimes) {
        crimes.push_back(CrimeJson(crime, inWords));
    }
    JsonValue object = JsonValue::object();
    object["crimes"] = std::move(crimes);
    object["concurso"] = ConcursoJson(answer.Concurso);
    object["pena_final"] = TermPartsJson(answer.PenaFinal);
    object["notas"] = JsonTexts(answer.Notas);
    return object;
}

} // namespace zarn
