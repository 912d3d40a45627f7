#include "caso/AnswerJson.h"

#include "caso/DocumentNames.h"
#include "law/IncisoName.h"
#include "law/LegalText.h"

namespace zarn {
namespace {

JsonValue TextOrNull(std::string_view text) {
    return text.empty() ? JsonValue(nullptr) : JsonText(text);
}

JsonValue MilestoneJson(const Milestone& milestone, std::string_view firstKey, JsonValue first) {
    JsonValue object = JsonValue::object();
    object[std::string(firstKey)] = std::move(first);
    object["dias"] = milestone.FractionDays;
    object["a_partir_de"] = JsonDate(milestone.DueFrom);
    return object;
}

} // namespace

JsonValue JsonTexts(const std::vector<std::string>& texts) {
    JsonValue list = JsonValue::array();
    for (const std::string& text : texts) {
        list.push_back(JsonText(text));
    }
    return list;
}

JsonValue ConsequencesJson(const Consequences& answers) {
    const ParoleAnswer& parole = answers.Parole;
    const ProgressionRule& progression = answers.Progression.Rule;
    JsonValue object = JsonValue::object();
    object["pena_dias"] = answers.TermDays;
    object["regime"] = answers.Regime.FullyServed ? JsonValue(nullptr)
                                                  : JsonText(RegimeName(answers.Regime.Initial));
    object["substituicao"] = TextOrNull(answers.Substitution.Form);
    object["sursis"] = TextOrNull(answers.Sursis.Period);
    object["livramento_fracao"] =
        parole.Possible ? JsonText(FractionText(parole.Share)) : JsonValue(nullptr);
    object["livramento_dias"] = parole.Possible ? JsonValue(parole.Days) : JsonValue(nullptr);
    object["livramento_vedado_por"] =
        parole.Bar == ParoleBar::Barred ? JsonText(parole.Source.Article) : JsonValue(nullptr);
    object["progressao_fracao"] = JsonText(ShareText(progression));
    object["progressao_percentual"] = JsonNumber(SharePercent(progression.Share));
    object["progressao_dias"] = answers.Progression.Days;
    object["progressao_inciso"] =
        progression.Which ? JsonText(IncisoName(*progression.Which)) : JsonValue(nullptr);
    object["progressao_lei"] = JsonText(progression.Source.Wording.Law);
    object["prescricao_punitiva_meses"] = answers.Prescription.PunitivaMonths;
    object["prescricao_executoria_meses"] = answers.Prescription.ExecutoriaMonths;
    object["notas"] = JsonTexts(answers.Notes);
    return object;
}

JsonValue ExecutionDatesJson(const ExecutionDates& dates) {
    JsonValue progressions = JsonValue::array();
    for (const ProgressionDate& progression : dates.Progressions) {
        progressions.push_back(
            MilestoneJson(progression.Due, "regime", JsonText(RegimeName(progression.To))));
    }
    const bool dated = !dates.FullyServed;
    JsonValue object = JsonValue::object();
    object["convencao"] = JsonText(DocumentName(dates.Convention));
    object["progressoes"] = std::move(progressions);
    object["livramento"] = dates.Parole ? MilestoneJson(*dates.Parole, "fracao",
                                                        JsonText(FractionText(dates.Parole->Share)))
                                        : JsonValue(nullptr);
    object["termino"] = JsonDate(dated ? std::optional(dates.EndOfServing()) : std::nullopt);
    object["termino_pena_total"] = JsonDate(dated ? std::optional(dates.LastDay) : std::nullopt);
    object["art75_limite_anos"] = dates.Cap ? JsonValue(dates.Cap->Years) : JsonValue(nullptr);
    object["integralmente_cumprida"] = dates.FullyServed;
    object["notas"] = JsonTexts(dates.Notes);
    return object;
}

} // namespace zarn
