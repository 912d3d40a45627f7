// Bad input is refused before anything is computed, with a Portuguese message after the place
// of the item at fault; nothing else is answered.

#include "CrimeBuilder.h"
#include "SentencingCases.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

using namespace testing;

SentencingInput Valid() {
    return OneCrime(CrimeBuilder(Years(6), Years(20)));
}

struct RefusalRow {
    std::function<void(SentencingInput&)> spoil;
    std::string message;
};

CrimeInput& First(SentencingInput& input) {
    return input.Crimes.front();
}

TEST(InputCheck, EachFaultNamesItsItem) {
    const std::string crime0 = "dosimetria.crimes[0].";
    const std::string crime1 = "dosimetria.crimes[1].";
    const RefusalRow rows[] = {
        {[](SentencingInput& input) { input.Crimes.clear(); },
         "dosimetria.crimes: Informe pelo menos um crime."},
        {[](SentencingInput& input) { First(input).MinimoDias = 0; },
         crime0 + "minimo: A pena deve ser de pelo menos 1 dia."},
        {[](SentencingInput& input) { First(input).MaximoDias = Years(1); },
         crime0 + "maximo: A pena m\xE1xima \xE9 menor que a m\xEDnima."},
        {[](SentencingInput& input) { First(input).MaximoDias = 360LL * 1000000000LL + 1; },
         crime0 + "maximo: A pena passa do limite do c\xE1lculo."},
        {[](SentencingInput& input) {
             input.Crimes.push_back(input.Crimes.front());
             input.Crimes.back().MaximoDias = 10;
             input.Concurso = ConcursoInput{};
         },
         crime1 + "maximo: A pena m\xE1xima \xE9 menor que a m\xEDnima."},
        {[](SentencingInput& input) { First(input).MultaMinimo = 0; },
         crime0 + "multa_minimo: O m\xEDnimo de dias-multa deve ser de pelo menos 1."},
        {[](SentencingInput& input) { First(input).MultaMaximo = 5; },
         crime0 + "multa_maximo: O m\xE1ximo de dias-multa \xE9 menor que o m\xEDnimo."},
        {[](SentencingInput& input) { First(input).MultaMaximo = 66667; },
         crime0 + "multa_maximo: O m\xE1ximo de dias-multa \xE9 66.666 (Lei 11.343/06)."},
        {[](SentencingInput& input) { input.Opcoes.MultaDosimetria = FinesMethod::Informada; },
         crime0 + "dias_multa: Informe os dias-multa: a op\xE7\xE3o de dias-multa \xE9 "
                  "\"informada\"."},
        {[](SentencingInput& input) {
             input.Opcoes.MultaDosimetria = FinesMethod::Informada;
             First(input).DiasMulta = 0;
         },
         crime0 + "dias_multa: Os dias-multa informados devem ser pelo menos 1."},
        {[](SentencingInput& input) {
             CircumstanceInput& culpabilidade = First(input).Circunstancias[0];
             culpabilidade.Peso = CircumstanceWeight::Fracao;
             culpabilidade.Fracao = {1, 0};
         },
         crime0 + "circunstancias.culpabilidade.fracao: Fra\xE7\xE3o com denominador zero."},
        {[](SentencingInput& input) {
             CircumstanceInput& motivos = First(input).Circunstancias[4];
             motivos.Peso = CircumstanceWeight::Fracao;
             motivos.Fracao = {0, 8};
         },
         crime0 + "circunstancias.motivos.fracao: A fra\xE7\xE3o deve ser maior que zero."},
        {[](SentencingInput& input) {
             CircumstanceInput& vitima = First(input).Circunstancias[7];
             vitima.Peso = CircumstanceWeight::Aumento;
             vitima.AumentoDias = 0;
         },
         crime0 + "circunstancias.comportamento_vitima.aumento: O aumento deve ser de pelo "
                  "menos 1 dia."},
        {[](SentencingInput& input) {
             First(input).Agravantes.push_back({"x", {1000, 6}});
         },
         crime0 + "agravantes[0].fracao: Numerador e denominador v\xE3o at\xE9 999."},
        {[](SentencingInput& input) {
             First(input).Atenuantes.push_back({"confissao", {1, 6}});
             First(input).Atenuantes.push_back({"y", {1, 1}});
         },
         crime0 + "atenuantes[1].fracao: A diminui\xE7\xE3o deve ser menor que a pena inteira "
                  "(fra\xE7\xE3o abaixo de 1)."},
        {[](SentencingInput& input) {
             First(input).ViolenciaSexualMulher = true;
             First(input).Atenuantes.push_back({"menor_21", {1, 6}});
         },
         crime0 + "atenuantes[0].nome: A atenuante da idade (CP art. 65, I) n\xE3o se aplica a "
                  "crime de viol\xEAncia sexual contra a mulher cometido a partir de 04/07/2025 "
                  "(Lei 15.160/2025)."},
        {[](SentencingInput& input) {
             First(input).Causas.push_back({"tentativa", CauseKind::Diminuicao, {3, 2}, false});
         },
         crime0 + "causas[0].fracao: A diminui\xE7\xE3o deve ser menor que a pena inteira "
                  "(fra\xE7\xE3o abaixo de 1)."},
        {[](SentencingInput& input) {
             First(input).Causas.push_back({"arma", CauseKind::Aumento, {-1, 3}, true});
         },
         crime0 + "causas[0].fracao: A fra\xE7\xE3o deve ser maior que zero."},
        {[](SentencingInput& input) { input.Concurso = ConcursoInput{}; },
         "dosimetria.concurso: O concurso exige pelo menos dois crimes."},
        {[](SentencingInput& input) { input.Crimes.push_back(input.Crimes.front()); },
         "dosimetria.concurso: Com dois ou mais crimes, escolha o concurso."},
        {[](SentencingInput& input) {
             input.Crimes.push_back(input.Crimes.front());
             input.Concurso = ConcursoInput{ConcursoKind::ContinuadoEspecifico, std::nullopt};
         },
         "dosimetria.concurso.fracao: Informe a fra\xE7\xE3o de aumento do crime continuado "
         "espec\xED"
         "fico."},
        {[](SentencingInput& input) {
             input.Crimes.push_back(input.Crimes.front());
             input.Concurso = ConcursoInput{ConcursoKind::ContinuadoEspecifico, Fraction{5, 2}};
         },
         "dosimetria.concurso.fracao: O aumento vai at\xE9 o triplo da pena (2/1)."},
        {[](SentencingInput& input) {
             input.Crimes.push_back(input.Crimes.front());
             input.Concurso = ConcursoInput{ConcursoKind::Formal, Fraction{1, 6}};
         },
         "dosimetria.concurso.fracao: A fra\xE7\xE3o s\xF3 se informa no crime continuado "
         "espec\xED"
         "fico."},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.message);
        SentencingInput input = Valid();
        row.spoil(input);
        const SentencingAnswer answer = ComputeSentencing(input);
        EXPECT_FALSE(answer.Ok());
        EXPECT_EQ(answer.Erro, row.message);
        EXPECT_TRUE(answer.Crimes.empty());
    }
}

// A crime without a fine is not asked for the range of its dias-multa.
TEST(InputCheck, AFineRangeIsCheckedOnlyForACrimeWithAFine) {
    SentencingInput input = Valid();
    First(input).Multa = false;
    First(input).MultaMinimo = 0;
    First(input).MultaMaximo = -5;
    EXPECT_TRUE(ComputeSentencing(input).Ok());
}

// Steps that would pass the largest term are refused on the way, naming the item.
TEST(InputCheck, AStepPastTheLargestTermIsRefused) {
    SentencingInput input = OneCrime(CrimeBuilder(Years(1000000000), Years(1000000000))
                                         .Increase("a", {1, 2})
                                         .Increase("b", {1, 2}));
    const SentencingAnswer answer = ComputeSentencing(input);
    EXPECT_EQ(answer.Erro, "dosimetria.crimes[0].causas[0]: A pena passa do limite do c\xE1lculo.");
}

} // namespace
} // namespace zarn
