// The written dosimetria: what each paragraph must name, terms as the calculation record
// writes them (numbers in words on request), the step lines, and the closing lines.

#include "sentencing/SentencingText.h"

#include "CrimeBuilder.h"
#include "SentencingCases.h"
#include "law/LegalText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

using namespace testing;

CrimeInput Homicide() {
    return CrimeBuilder(Years(6), Years(20))
        .Unfavourable(JudicialCircumstance::Culpabilidade)
        .Unfavourable(JudicialCircumstance::Motivos)
        .Agravante("motivo_futil")
        .Decrease("tentativa", {1, 3});
}

std::string TextOf(const SentencingInput& input, bool inWords = false) {
    return WriteSentencing(input, Computed(input), inWords);
}

struct TextRow {
    std::string what;
    SentencingInput input;
    bool inWords;
    std::vector<std::string> expected; // each found in the text
};

TEST(SentencingText, ParagraphsNameWhatWasApplied) {
    SentencingOptions cascade = WithSecondPhase(SecondPhaseMethod::Cascata);
    SentencingOptions decreasesFirst;
    decreasesFirst.TerceiraFase = ThirdPhaseOrder::DiminuicoesPrimeiro;
    const TextRow rows[] = {
        {"the first example",
         OneCrime(Homicide()),
         false,
         {"Na primeira fase (CP art. 59), consideradas desfavor\xE1veis as circunst\xE2ncias "
          "judiciais da culpabilidade e dos motivos do crime, cada uma eleva a pena em 1/8 do "
          "intervalo entre as penas m\xEDnima e m\xE1xima (1 ano e 9 meses, e 43 dias-multa), e "
          "fixo a pena-base em 9 anos e 6 meses, e 96 dias-multa.",
          "a agravante do motivo f\xFAtil (CP art. 61, II, a), de 1/6",
          "Fixo a pena provis\xF3ria em 11 anos e 1 m\xEAs, e 112 dias-multa.",
          "a causa de diminui\xE7\xE3o tentativa, de 1/3",
          "torno definitiva a pena de 7 anos, 4 meses e 20 dias, e 74 dias-multa.",
          "Pena final: 7 anos, 4 meses e 20 dias, e 74 dias-multa."}},
        {"numbers in words",
         OneCrime(Homicide()),
         true,
         {"9 (nove) anos e 6 (seis) meses, e 96 (noventa e seis) dias-multa"}},
        {"the minimum, Sumula 231",
         OneCrime(CrimeBuilder(Years(4), Years(10)).Atenuante("confissao")),
         false,
         {"Na primeira fase (CP art. 59), sem circunst\xE2ncias judiciais desfavor\xE1veis, fixo "
          "a pena-base no m\xEDnimo legal, em 4 anos, e 10 dias-multa.",
          "a atenuante da confiss\xE3o espont\xE2nea (CP art. 65, III, d), de 1/6",
          "Com isso a pena iria a 3 anos e 4 meses, e 8 dias-multa, mas a pena provis\xF3ria "
          "n\xE3o pode ficar aqu\xE9m do m\xEDnimo legal (S\xFAmula 231 do STJ): fixo-a em 4 anos, "
          "e 10 dias-multa."}},
        {"the maximum of the pena-base, a typed fraction and its reason",
         OneCrime(CrimeBuilder(Years(1), Years(2))
                      .UnfavourableBy(JudicialCircumstance::Consequencias, {2, 1}, "dano grave")),
         false,
         {"das consequ\xEAncias do crime (dano grave), com aumento de 2/1 do intervalo",
          "passaria do m\xE1ximo legal (CP art. 59, II): fixo a pena-base no m\xE1ximo, em 2 "
          "anos, e 360 dias-multa."}},
        {"sixth of the minimum",
         OneCrime(CrimeBuilder(Years(6), Years(20))
                      .Criterion(BaseCriterion::SextoMinimo)
                      .Unfavourable(JudicialCircumstance::Antecedentes)),
         false,
         {"considerada desfavor\xE1vel a circunst\xE2ncia judicial dos antecedentes, com aumento "
          "de 1/6 da pena m\xEDnima (1 ano, e 1 dia-multa), fixo a pena-base em 7 anos, e 11 "
          "dias-multa.",
          "Na segunda fase, sem agravantes nem atenuantes, fixo a pena provis\xF3ria em 7 anos, "
          "e 11 dias-multa.",
          "S\xFAmula 444 do STJ"}},
        {"compensation and the cascade's order",
         OneCrime(CrimeBuilder(Years(6), Years(20))
                      .Unfavourable(JudicialCircumstance::Culpabilidade)
                      .Agravante("reincidencia")
                      .Agravante("motivo_torpe")
                      .Atenuante("confissao")
                      .Atenuante("multidao"),
                  cascade),
         false,
         {"a atenuante da confiss\xE3o espont\xE2nea (CP art. 65, III, d) compensa-se "
          "integralmente com a agravante da reincid\xEAncia (STJ, Tema 585).",
          "Aplico em cascata, cada uma sobre o resultado da anterior, as agravantes primeiro: a "
          "agravante do motivo torpe (CP art. 61, II, a), de 1/6, que leva a pena a 9 anos e 15 "
          "dias, e 61 dias-multa; e a atenuante da influ\xEAncia de multid\xE3o em tumulto (CP "
          "art. 65, III, e), de 1/6, que a leva a 7 anos, 6 meses e 12 dias, e 50 dias-multa."}},
        {"causes in cascade, the law's order",
         OneCrime(CrimeBuilder(Years(1), Years(4))
                      .Increase("repouso noturno", {1, 3})
                      .Decrease("tentativa", {1, 2})
                      .Decrease("arrependimento posterior", {1, 3}),
                  decreasesFirst),
         false,
         {"aplico em cascata, cada uma sobre o resultado da anterior, as diminui\xE7\xF5"
          "es antes dos aumentos (CP art. 68)"}},
        {"the largest special cause",
         OneCrime(CrimeBuilder(Years(5), Years(15))
                      .OnlyLargestSpecialCause()
                      .Decrease("privil\xE9gio", {1, 6}, true)
                      .Decrease("colabora\xE7\xE3o", {2, 3}, true)),
         false,
         {"deixo de aplicar privil\xE9gio (1/6) (CP art. 68, par\xE1grafo \xFAnico)."}},
        {"crime continuado, one fine",
         SeveralCrimes(
             {FixedCrime(Years(2), 10), FixedCrime(Years(2, 6), 12), FixedCrime(Years(3), 15)},
             ConcursoKind::Continuado),
         false,
         {"Crime 1. Na primeira fase",
          "Reconhecido o crime continuado entre os 3 crimes, aplico a pena mais grave, 3 anos, "
          "aumentada de 1/5 (CP art. 71; S\xFAmula 659 do STJ): 3 anos, 7 meses e 6 dias, que "
          "n\xE3o passa da soma das penas, 7 anos e 6 meses (CP art. 70, par\xE1grafo \xFAnico).",
          "A multa \xE9 uma s\xF3, a do crime de pena mais grave, 15 dias-multa, aumentada de 1/5 "
          "(STJ, HC 221.782): 18 dias-multa.",
          "CP art. 119"}},
        {"concurso material",
         SeveralCrimes({FixedCrime(Years(3), 10), FixedCrime(Years(1), 10)},
                       ConcursoKind::Material),
         false,
         {"Reconhecido o concurso material entre os 2 crimes (CP art. 69), somam-se as penas: 4 "
          "anos.",
          "As multas somam-se (CP art. 72): 20 dias-multa."}},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string text = TextOf(row.input, row.inWords);
        for (const std::string& expected : row.expected) {
            EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n---\n" << text;
        }
    }
}

TEST(SentencingText, EndsWithTheOptionsTheConventionAndTheClosingLine) {
    SentencingOptions options;
    options.SegundaFase = SecondPhaseMethod::Cascata;
    options.MultaContinuado = ContinuedFines::Somada;
    const std::string text = TextOf(OneCrime(Homicide(), options));
    EXPECT_NE(text.find("Op\xE7\xF5"
                        "es: pena-base, 1/8 do intervalo; segunda fase, em cascata; terceira "
                        "fase, aumentos antes das diminui\xE7\xF5"
                        "es; dias-multa, proporcionais \xE0s fases da pena (STJ, REsp "
                        "1.756.117); multa do crime continuado, somadas."),
              std::string::npos);
    EXPECT_NE(text.find("base 360/30"), std::string::npos);
    EXPECT_TRUE(text.ends_with(kClosingLine));
}

TEST(SentencingText, ARefusalIsWrittenAsItsMessage) {
    SentencingInput input;
    const SentencingAnswer answer = ComputeSentencing(input);
    EXPECT_EQ(WriteSentencing(input, answer, false), answer.Erro);
}

TEST(SentencingText, StepLinesOfTheFirstExample) {
    const SentencingAnswer answer = Computed(OneCrime(Homicide()));
    const std::vector<std::string> expected = {
        "pena m\xEDnima: 6 anos, e 10 dias-multa",
        "desfavor\xE1vel: culpabilidade, 1/8 do intervalo entre as penas m\xEDnima e m\xE1xima (1 "
        "ano e 9 meses, e 43 dias-multa): 7 anos e 9 meses, e 53 dias-multa",
        "desfavor\xE1vel: motivos do crime, 1/8 do intervalo entre as penas m\xEDnima e m\xE1xima "
        "(1 ano e 9 meses, e 43 dias-multa): 9 anos e 6 meses, e 96 dias-multa",
        "agravante motivo f\xFAtil, fra\xE7\xE3o 1/6",
        "fra\xE7\xF5"
        "es somadas sobre a pena-base, aumento de 1/6: 11 anos e 1 m\xEAs, e 112 dias-multa",
        "causa de diminui\xE7\xE3o tentativa, diminui\xE7\xE3o de 1/3: 7 anos, 4 meses e 20 dias, "
        "e 74 dias-multa",
    };
    EXPECT_EQ(StepLines(answer.Crimes.front().Passos, false), expected);
}

} // namespace
} // namespace zarn
