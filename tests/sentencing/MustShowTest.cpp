// The worked examples the dosimetria must reproduce, with the default options.

#include "CrimeBuilder.h"
#include "SentencingCases.h"
#include "engine/CalcFlow.h"
#include "engine/CalcRecord.h"
#include "engine/CalcState.h"
#include "engine/Calculation.h"
#include "sentencing/SentencingText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

using namespace testing;

CrimeInput Homicide() {
    return CrimeBuilder(Years(6), Years(20))
        .Named("homic\xED"
               "dio simples")
        .Unfavourable(JudicialCircumstance::Culpabilidade)
        .Unfavourable(JudicialCircumstance::Motivos)
        .Agravante("motivo_futil")
        .Decrease("tentativa", {1, 3});
}

TEST(MustShow, HomicideThroughTheThreePhases) {
    const SentencingAnswer answer = Computed(OneCrime(Homicide()));
    const CrimeSentence& crime = answer.Crimes.front();
    EXPECT_EQ(crime.PenaBase, (TermParts{9, 6, 0, 96}));
    EXPECT_EQ(crime.PenaProvisoria, (TermParts{11, 1, 0, 112}));
    EXPECT_EQ(crime.PenaDefinitiva, (TermParts{7, 4, 20, 74}));
    EXPECT_EQ(answer.PenaFinal, crime.PenaDefinitiva);
    EXPECT_FALSE(answer.Concurso.has_value());
}

// The same example typed into the main window: 9 6 "" 96, "+ 1/6", Continua, "- 1/3".
TEST(MustShow, HomicideTypedAsAChainInTheMainWindow) {
    CalcState state;
    ASSERT_TRUE(RunCalculation(state, "9", "6", "", "96", "+ 1 /6  ").Ok);
    const TermFieldTexts carried = CarryResultsForward(state);
    ASSERT_TRUE(
        RunCalculation(state, carried[0], carried[1], carried[2], carried[3], "- 1 /3  ").Ok);
    const TermFieldTexts result = CarryResultsForward(state);

    const CrimeSentence crime = Computed(OneCrime(Homicide())).Crimes.front();
    const TermParts& definitive = crime.PenaDefinitiva;
    EXPECT_EQ(result,
              (TermFieldTexts{std::to_string(definitive.Years), std::to_string(definitive.Months),
                              std::to_string(definitive.Days), std::to_string(definitive.Fines)}));
    const std::vector<FractionStep> operations = CalcRecordSteps(crime.Passos);
    EXPECT_EQ(operations, (std::vector<FractionStep>{{true, 1, 6}, {false, 1, 3}}));
}

// The crime's operations, typed one after the other from its pena-base, are a chain the
// calculation record writes with the words of the phases' fractions.
TEST(MustShow, HomicideOperationsReachTheCalculationRecord) {
    const CrimeSentence crime = Computed(OneCrime(Homicide())).Crimes.front();
    CalcState state;
    CalcRecord record;
    TermFieldTexts fields = {"9", "6", "", "96"};
    for (const FractionStep& operation : CalcRecordSteps(crime.Passos)) {
        const std::string field = OperationFieldText(operation);
        const CalcOutcome outcome =
            RunCalculation(state, fields[0], fields[1], fields[2], fields[3], field);
        record.AppendStep(state, outcome, field);
        fields = CarryResultsForward(state);
    }
    EXPECT_EQ(record.Lines(false),
              (std::vector<std::string>{
                  "Pena: 9 anos e 6 meses, e 96 dias-multa",
                  "aumento de 1/6: 11 anos e 1 m\xEAs, e 112 dias-multa",
                  "diminui\xE7\xE3o de 1/3: 7 anos, 4 meses e 20 dias, e 74 dias-multa"}));
}

TEST(MustShow, ConfissaoHeldAtTheMinimumCitesSumula231) {
    const SentencingInput input =
        OneCrime(CrimeBuilder(Years(4), Years(10)).Atenuante("confissao"));
    const SentencingAnswer answer = Computed(input);
    EXPECT_EQ(answer.Crimes.front().PenaProvisoria, (TermParts{4, 0, 0, 10}));
    EXPECT_NE(WriteSentencing(input, answer, false).find("S\xFAmula 231 do STJ"),
              std::string::npos);
}

TEST(MustShow, ConcursoExamples) {
    const struct {
        std::string what;
        std::vector<CrimeInput> crimes;
        ConcursoKind kind;
        TermParts final;
        std::optional<Fraction> share;
    } rows[] = {
        {"continuado of three: 1/5 (Sumula 659), one fine with the increase",
         {FixedCrime(Years(2), 10), FixedCrime(Years(2, 6), 12), FixedCrime(Years(3), 15)},
         ConcursoKind::Continuado,
         {3, 7, 6, 18},
         Fraction{1, 5}},
        {"formal of 4 and 2 years: 1/6, below the sum of 6 years",
         {CrimeBuilder(Years(4), Years(4)).WithoutFine(),
          CrimeBuilder(Years(2), Years(2)).WithoutFine()},
         ConcursoKind::Formal,
         {4, 8, 0, 0},
         Fraction{1, 6}},
        {"material",
         {CrimeBuilder(Years(3, 10, 17), Years(3, 10, 17)).WithoutFine(),
          CrimeBuilder(Years(5, 7, 23), Years(5, 7, 23)).WithoutFine()},
         ConcursoKind::Material,
         {9, 6, 10, 0},
         std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const SentencingAnswer answer = Computed(SeveralCrimes(row.crimes, row.kind));
        EXPECT_EQ(answer.PenaFinal, row.final);
        ASSERT_TRUE(answer.Concurso.has_value());
        EXPECT_EQ(answer.Concurso->Fracao, row.share);
    }
}

} // namespace
} // namespace zarn
