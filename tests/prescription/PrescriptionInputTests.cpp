#include "PrescriptionCase.h"
#include "law/LegalText.h"
#include "prescription/PrescriptionNames.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace zarn {
namespace {

using namespace testing;

const DayNumber kCalculation = Day(2026, 12, 8);
const DayNumber kFact = Day(2014, 1, 1);

// Two crimes, a sentence, final judgments, an escape and a suspension: all accepted.
PrescriptionInput Valid() {
    PrescriptionInput input =
        Case(kCalculation, Crime(kFact, 4 * kYear, 3 * kYear),
             {{MarcoKind::Sentenca, Day(2015, 10, 1)},
              {MarcoKind::TransitoAcusacao, Day(2015, 12, 8)},
              {MarcoKind::TransitoAmbas, Day(2016, 1, 8)},
              {MarcoKind::InicioCumprimento, Day(2016, 2, 1)},
              {MarcoKind::Fuga, Day(2016, 5, 1)}},
             {{SuspensionKind::Art116IAndII, Day(2014, 6, 1), Day(2014, 9, 1)}});
    input.Crimes.push_back(Crime(Day(2014, 3, 1), 2 * kYear));
    input.Birth = Day(1980, 5, 5);
    return input;
}

TEST(PrescriptionInput, RefusesBadInputNamingTheItemAtFault) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        std::function<void(PrescriptionInput&)> change;
        std::string message;
    };
    const std::string outside =
        "data fora do calend\xE1rio: as datas v\xE3o de 01/01/0001 a 31/12/9999.";
    const std::string afterCalculation = "data posterior \xE0 data do c\xE1lculo, 08/12/2026.";
    const std::vector<Row> rows = {
        {[nan](PrescriptionInput& in) { in.CalculationDate = nan; }, "data_calculo: " + outside},
        {[](PrescriptionInput& in) { in.Birth = kCalculation + 1; },
         "nascimento: " + afterCalculation},
        {[](PrescriptionInput& in) { in.Crimes.clear(); },
         "prescricao.crimes: informe ao menos um crime."},
        {[](PrescriptionInput& in) { in.Crimes[1].DateOfFact.reset(); },
         "prescricao.crimes[1].data_fato: informe a data do fato."},
        {[](PrescriptionInput& in) { in.Crimes[0].DateOfFact = kLastDayNumber + 1; },
         "prescricao.crimes[0].data_fato: " + outside},
        {[](PrescriptionInput& in) { in.Crimes[0].DateOfFact = kCalculation + 1; },
         "prescricao.crimes[0].data_fato: " + afterCalculation},
        {[](PrescriptionInput& in) { in.Crimes[0].DateOfFact = Day(1980, 5, 4); },
         "prescricao.crimes[0].data_fato: data anterior ao nascimento, 05/05/1980."},
        {[](PrescriptionInput& in) { in.Crimes[0].PeriodStart = kFact - 1; },
         "prescricao.crimes[0].data_inicio_prazo: data anterior \xE0 data do fato, 01/01/2014."},
        {[](PrescriptionInput& in) { in.Crimes[0].MaximumDays = 0; },
         "prescricao.crimes[0].pena_maxima: a pena deve ser de pelo menos 1 dia."},
        {[](PrescriptionInput& in) { in.Crimes[0].AppliedDays = -5; },
         "prescricao.crimes[0].pena_aplicada: a pena deve ser de pelo menos 1 dia."},
        {[](PrescriptionInput& in) { in.Marcos[1].Date = kCalculation + 1; },
         "prescricao.marcos[1]: " + afterCalculation},
        {[](PrescriptionInput& in) { in.Marcos[0].Date = Day(2014, 2, 1); },
         "prescricao.marcos[0]: data anterior \xE0 data do fato de prescricao.crimes[1], "
         "01/03/2014."},
        {[](PrescriptionInput& in) { in.Marcos[0].Date = Day(2016, 6, 1); },
         "prescricao.marcos[1]: tr\xE2nsito em julgado sem senten\xE7"
         "a ou ac\xF3rd\xE3o condenat\xF3rio antes dele."},
        {[](PrescriptionInput& in) {
             in.Marcos.push_back({MarcoKind::TransitoAcusacao, Day(2016, 1, 1)});
         },
         "prescricao.marcos[5]: segundo tr\xE2nsito em julgado do mesmo tipo; o primeiro \xE9 "
         "prescricao.marcos[1]."},
        {[](PrescriptionInput& in) { in.Marcos[2].Date = Day(2015, 12, 7); },
         "prescricao.marcos[2]: tr\xE2nsito em julgado para ambas as partes anterior ao "
         "tr\xE2nsito para a acusa\xE7\xE3o, 08/12/2015."},
        {[](PrescriptionInput& in) { in.Marcos[4].Date = Day(2015, 11, 1); },
         "prescricao.marcos[4]: fuga antes de qualquer tr\xE2nsito em julgado."},
        {[](PrescriptionInput& in) { in.Suspensions[0].End = Day(2014, 5, 31); },
         "prescricao.suspensoes[0].fim: fim anterior ao in\xED"
         "cio da suspens\xE3o, 01/06/2014."},
        {[nan](PrescriptionInput& in) { in.Suspensions[0].End = nan; },
         "prescricao.suspensoes[0].fim: " + outside},
        {[](PrescriptionInput& in) { in.Suspensions[0].Start = kCalculation + 1; },
         "prescricao.suspensoes[0].inicio: " + afterCalculation},
    };
    ASSERT_TRUE(AnalysePrescription(Valid()).Ok()) << AnalysePrescription(Valid()).Error;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        PrescriptionInput input = Valid();
        row.change(input);
        const PrescriptionOutcome outcome = AnalysePrescription(input);
        EXPECT_EQ(outcome.Error, row.message);
        EXPECT_TRUE(outcome.Report.Crimes.empty());
    }
}

// A time of day on a date is dropped: the analysis counts whole days.
TEST(PrescriptionInput, DatesCountAsWholeDays) {
    PrescriptionInput fractional = Valid();
    fractional.CalculationDate += 0.75;
    fractional.Marcos[0].Date += 0.5;
    fractional.Crimes[0].DateOfFact = *fractional.Crimes[0].DateOfFact + 0.25;
    const PrescriptionOutcome whole = AnalysePrescription(Valid());
    const PrescriptionOutcome cut = AnalysePrescription(fractional);
    ASSERT_TRUE(cut.Ok()) << cut.Error;
    EXPECT_EQ(WritePrescription(cut.Report), WritePrescription(whole.Report));
}

template <typename Kind, std::size_t Count>
void ExpectNamesCoverTheEnum(const std::array<KindName<Kind>, Count>& names, Kind last,
                             std::optional<Kind> (*fromKey)(std::string_view)) {
    ASSERT_EQ(names.size(), static_cast<std::size_t>(last) + 1);
    std::set<std::string_view> keys;
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(std::string(names[i].Key));
        EXPECT_EQ(names[i].Value, static_cast<Kind>(i)); // in the enum's order
        EXPECT_TRUE(keys.insert(names[i].Key).second);
        EXPECT_FALSE(names[i].Display.empty());
        EXPECT_EQ(KeyOf(names[i].Value), names[i].Key);
        EXPECT_EQ(DisplayNameOf(names[i].Value), names[i].Display);
        EXPECT_EQ(fromKey(names[i].Key), names[i].Value);
    }
    EXPECT_FALSE(fromKey("sentenca_").has_value());
    EXPECT_FALSE(fromKey("").has_value());
}

TEST(PrescriptionNames, EachTableNamesEveryKindOnce) {
    ExpectNamesCoverTheEnum(kPrescriptionKindNames, PrescriptionKind::Executoria,
                            &PrescriptionKindFromKey);
    ExpectNamesCoverTheEnum(kMarcoKindNames, MarcoKind::Reincidencia, &MarcoKindFromKey);
    ExpectNamesCoverTheEnum(kSuspensionKindNames, SuspensionKind::PresoOutroMotivo,
                            &SuspensionKindFromKey);
    EXPECT_EQ(KeyOf(MarcoKind::RecebimentoDenuncia), "recebimento_denuncia");
    EXPECT_EQ(KeyOf(SuspensionKind::Art116IIIAndIV), "art116_iii_iv");
    EXPECT_EQ(KeyOf(PrescriptionKind::Executoria), "executoria");
}

// The first case, written whole.
TEST(PrescriptionText, TheJuryCaseWholeText) {
    PrescriptionInput input = Case(kCalculation, Crime(Day(2010, 11, 1), 30 * kYear),
                                   {{MarcoKind::RecebimentoDenuncia, Day(2014, 5, 5)},
                                    {MarcoKind::Pronuncia, Day(2014, 10, 12)},
                                    {MarcoKind::ConfirmacaoPronuncia, Day(2014, 12, 12)}});
    input.Birth = Day(1990, 10, 10);
    input.Crimes[0].Description = "art. 121, CP";
    EXPECT_EQ(
        WritePrescription(AnalysePrescription(input).Report),
        "Prescri\xE7\xE3o na data do c\xE1lculo, 08/12/2026.\n\n"
        "Crime 1: art. 121, CP.\n\n"
        "Prescri\xE7\xE3o da pretens\xE3o punitiva em abstrato: pena de 30 anos; prazo de 10 anos "
        "(CP art. 109, caput).\n"
        "- de 01/11/2010 a 04/05/2014: 3 anos, 6 meses e 4 dias; prazo n\xE3o atingido.\n"
        "- de 05/05/2014 a 11/10/2014: 5 meses e 7 dias; prazo n\xE3o atingido.\n"
        "- de 12/10/2014 a 11/12/2014: 2 meses; prazo n\xE3o atingido.\n"
        "- de 12/12/2014 a 08/12/2026: 11 anos, 11 meses e 27 dias; prazo atingido.\n"
        "Resultado: prescrita em 11/12/2024.\n"
        "Nota: Prazo pela pena de 30 anos: 20 anos (CP art. 109).\n"
        "Nota: Prazo reduzido \xE0 metade: menor de 21 anos na data do fato (completou 21 anos "
        "em 10/10/2011) (CP art. 115).\n"
        "Nota: Termo inicial: data do fato, 01/11/2010 (CP art. 111).\n\n"
        "Contagem: prazos de prescri\xE7\xE3o nas datas do calend\xE1rio, inclu\xED"
        "do o dia do come\xE7o (CP art. 10), sem prorroga\xE7\xE3o por fins de semana ou "
        "feriados; as penas na base 360/30 (ano de 360 dias e m\xEAs de 30) e os intervalos "
        "medidos de data a data.\n"
        "Op\xE7\xE3o: o ac\xF3rd\xE3o confirmat\xF3rio da condena\xE7\xE3o interrompe a "
        "prescri\xE7\xE3o (CP art. 117, IV; STF HC 176.473).\n" +
            std::string(kClosingLine));
}

// Every analysis shows its verdict sentence and every interval; the option in force is said.
TEST(PrescriptionText, SaysEachVerdictAndTheOptionUsed) {
    for (const bool interrupts : {true, false}) {
        PrescriptionInput input = Valid();
        input.ConfirmingAcordaoInterrupts = interrupts;
        const PrescriptionOutcome outcome = AnalysePrescription(input);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        const std::string text = WritePrescription(outcome.Report);
        for (const CrimePrescription& crime : outcome.Report.Crimes) {
            for (const PrescriptionAnalysis& analysis : crime.Analyses) {
                const std::string paragraph = AnalysisParagraph(analysis);
                EXPECT_NE(text.find(paragraph), std::string::npos);
                const std::string verdict = VerdictText(analysis);
                EXPECT_NE(paragraph.find("Resultado: " + (verdict.empty()
                                                              ? std::string("sem prescri\xE7\xE3o")
                                                              : verdict)),
                          std::string::npos);
                for (const PrescriptionInterval& interval : analysis.Intervals) {
                    EXPECT_NE(paragraph.find("- de " + Written(interval.From) + " a " +
                                             Written(interval.To) + ": "),
                              std::string::npos);
                }
            }
        }
        EXPECT_NE(text.find(interrupts ? "confirmat\xF3rio da condena\xE7\xE3o interrompe"
                                       : "confirmat\xF3rio da condena\xE7\xE3o n\xE3o interrompe"),
                  std::string::npos);
        EXPECT_TRUE(text.ends_with(kClosingLine));
    }
}

} // namespace
} // namespace zarn
