#include "caso/PrescriptionAnswerJson.h"

#include "caso/AnswerJson.h"
#include "prescription/PrescriptionNames.h"

namespace zarn {
namespace {

JsonValue IntervalJson(const PrescriptionInterval& interval) {
    JsonValue object = JsonValue::object();
    object["de"] = JsonDate(interval.From);
    object["ate"] = JsonDate(interval.To);
    object["anos"] = interval.Years;
    object["meses"] = interval.Months;
    object["dias"] = interval.Days;
    object["suspenso_dias"] = interval.SuspendedDays;
    object["atingido"] = interval.Reached;
    return object;
}

JsonValue AnalysisJson(const PrescriptionAnalysis& analysis) {
    JsonValue period = JsonValue::object();
    period["anos"] = analysis.Period.Years;
    period["meses"] = analysis.Period.Months;
    JsonValue intervals = JsonValue::array();
    for (const PrescriptionInterval& interval : analysis.Intervals) {
        intervals.push_back(IntervalJson(interval));
    }
    JsonValue object = JsonValue::object();
    object["tipo"] = JsonText(KeyOf(analysis.Kind));
    object["pena_dias"] = analysis.PenaltyDays;
    object["prazo"] = std::move(period);
    object["intervalos"] = std::move(intervals);
    object["prescrita_em"] = JsonDate(analysis.PrescribedOn);
    object["prescreve_em"] = JsonDate(analysis.PrescribesOn);
    object["notas"] = JsonTexts(analysis.Notes);
    return object;
}

JsonValue CrimeJson(const CrimePrescription& crime) {
    JsonValue analyses = JsonValue::array();
    for (const PrescriptionAnalysis& analysis : crime.Analyses) {
        analyses.push_back(AnalysisJson(analysis));
    }
    JsonValue object = JsonValue::object();
    object["descricao"] = JsonText(crime.Description);
    object["analises"] = std::move(analyses);
    return object;
}

} // namespace

JsonValue PrescriptionReportJson(const PrescriptionReport& report) {
    JsonValue crimes = JsonValue::array();
    for (const CrimePrescription& crime : report.Crimes) {
        crimes.push_back(CrimeJson(crime));
    }
    JsonValue object = JsonValue::object();
    object["data_calculo"] = JsonDate(report.CalculationDate);
    object["crimes"] = std::move(crimes);
    return object;
}

} // namespace zarn
