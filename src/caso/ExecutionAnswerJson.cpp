#include "caso/ExecutionAnswerJson.h"

#include "caso/AnswerJson.h"
#include "caso/DocumentNames.h"

namespace zarn {
namespace {

// A progression taken as not granted (a falta before any was entered) is left out: the
// notes say why.
JsonValue ProgressionsJson(const std::vector<ProgressionStep>& steps) {
    JsonValue list = JsonValue::array();
    for (const ProgressionStep& step : steps) {
        if (step.VoidedOn) {
            continue;
        }
        JsonValue object = JsonValue::object();
        object["regime"] = JsonText(DocumentName(step.To));
        object["dias"] = step.Days;
        object["a_partir_de"] = JsonDate(step.DueFrom);
        object["alcancada"] = step.Reached;
        list.push_back(std::move(object));
    }
    return list;
}

JsonValue ParoleJson(const std::optional<ParoleAnswerOfSum>& parole) {
    if (!parole) {
        return JsonValue(nullptr);
    }
    JsonValue object = JsonValue::object();
    object["dias"] = parole->Days;
    object["a_partir_de"] = JsonDate(parole->DueFrom);
    object["sem_falta_grave_desde"] = JsonDate(parole->NoFaltaGraveSince);
    return object;
}

// Each conviction whose parole is barred, with the article that bars it.
JsonValue BarredParoleJson(const CaseExecutionAnswer& answer) {
    JsonValue list = JsonValue::array();
    for (const std::size_t i : answer.ParoleBarredBy) {
        const ConvictionSummary& conviction = answer.Convictions[i];
        JsonValue object = JsonValue::object();
        object["processo"] = JsonText(conviction.Processo);
        object["artigo"] = JsonText(conviction.Parole.Source.Article);
        list.push_back(std::move(object));
    }
    return list;
}

JsonValue ImputationJson(const std::vector<ImputedTime>& imputation) {
    JsonValue list = JsonValue::array();
    for (const ImputedTime& imputed : imputation) {
        JsonValue object = JsonValue::object();
        object["processo"] = JsonText(imputed.Processo);
        object["imputado_dias"] = imputed.ImputedDays;
        object["restante_dias"] = imputed.RemainingDays;
        list.push_back(std::move(object));
    }
    return list;
}

JsonValue AlternativesJson(const std::vector<ImputationAlternative>& alternatives) {
    JsonValue list = JsonValue::array();
    for (const ImputationAlternative& alternative : alternatives) {
        JsonValue object = JsonValue::object();
        object["imputacao"] = JsonText(DocumentName(alternative.Option));
        object["a_partir_de"] = JsonDate(alternative.DueFrom);
        list.push_back(std::move(object));
    }
    return list;
}

} // namespace

JsonValue CaseExecutionJson(const CaseExecutionAnswer& answer) {
    JsonValue object = JsonValue::object();
    object["convencao"] = JsonText(DocumentName(answer.Convention));
    object["data_calculo"] = JsonDate(answer.CalculationDate);
    object["pena_total_dias"] = answer.TotalDays;
    object["cumprido_dias"] = answer.ServedDays;
    object["remicao_dias"] = answer.RemicaoDays;
    object["restante_dias"] = answer.RemainingDays;
    object["regime_atual"] = JsonText(DocumentName(answer.CurrentRegime));
    object["data_base"] = JsonDate(answer.DataBase);
    object["data_base_motivo"] = JsonText(answer.DataBaseReasonText);
    object["progressoes"] = ProgressionsJson(answer.Progressions);
    object["livramento"] = ParoleJson(answer.Parole);
    object["livramento_vedado_por"] = BarredParoleJson(answer);
    object["termino"] = JsonDate(answer.End);
    object["termino_pena_total"] = JsonDate(answer.EndOfTotal);
    object["art75_limite_anos"] =
        answer.Art75Applies ? JsonValue(answer.Art75CapYears) : JsonValue(nullptr);
    object["integralmente_cumprida"] = answer.FullyServed;
    object["imputacao"] = ImputationJson(answer.Imputation);
    object["alternativas"] = AlternativesJson(answer.Alternatives);
    object["notas"] = JsonTexts(answer.Notes);
    return object;
}

} // namespace zarn
