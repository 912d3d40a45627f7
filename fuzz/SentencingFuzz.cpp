// The dosimetria on an arbitrary case, read line by line (readable seeds): each line a word and
// its values, numbers as whole numbers of any sign and size, names as the case document gives
// them (an unknown name leaves the default):
//   o <pena_base> <segunda_fase> <terceira_fase> <multa_dosimetria> <multa_continuado>
//   j <concurso> [N/D]
//   C <minimo> <maximo> <multa 0|1> <multa_minimo> <multa_maximo> <violencia 0|1>
//     [<dias_multa> [<pena_base> [<somente_maior 0|1>]]]          a new crime
//   c <circumstance 0..7> <neutra|desfavoravel|fracao|aumento> [N/D | days] [motivo]
//   a <name> [N/D]      an agravante;  t <name> [N/D]   an atenuante
//   k <aumento|diminuicao> <N/D> <parte_especial 0|1> [name]
// Lines for a crime go to the last one read.
//
// Properties: never an exception; a refusal names its place in the document and answers
// nothing else; otherwise each pena-base and pena provisoria within the crime's range (and its
// dias-multa within theirs when they follow the phases), each step that is an operation exact
// and equal to the engine's step, the concurso between the most serious term and the sum,
// and a text, with numbers in words or not, that ends with the closing line.

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "engine/TermArithmetic.h"
#include "law/LegalText.h"
#include "sentencing/Sentencing.h"
#include "sentencing/SentencingNames.h"
#include "sentencing/SentencingText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace zarn::fuzz {
namespace {

constexpr std::size_t kMostCrimes = 12;
constexpr std::size_t kMostItems = 16;

std::optional<long long> Number(const std::string& word) {
    long long value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

long long NumberOr(const std::vector<std::string>& words, std::size_t index, long long fallback) {
    return index < words.size() ? Number(words[index]).value_or(fallback) : fallback;
}

std::optional<Fraction> FractionOf(const std::vector<std::string>& words, std::size_t index) {
    if (index >= words.size()) {
        return std::nullopt;
    }
    const std::string& word = words[index];
    const std::size_t bar = word.find('/');
    if (bar == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<long long> numerator = Number(word.substr(0, bar));
    const std::optional<long long> denominator = Number(word.substr(bar + 1));
    if (!numerator || !denominator) {
        return std::nullopt;
    }
    return Fraction{*numerator, *denominator};
}

template <typename Enum>
void ReadName(const std::vector<std::string>& words, std::size_t index, Enum& value) {
    if (index < words.size()) {
        value = FromCasoName<Enum>(words[index]).value_or(value);
    }
}

std::string Rest(const std::vector<std::string>& words, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i) {
        text += (i > from ? " " : "") + words[i];
    }
    return text;
}

CrimeInput ReadCrime(const std::vector<std::string>& words) {
    CrimeInput crime;
    crime.Crime = "crime";
    crime.MinimoDias = NumberOr(words, 1, 360);
    crime.MaximoDias = NumberOr(words, 2, crime.MinimoDias);
    crime.Multa = NumberOr(words, 3, 1) != 0;
    crime.MultaMinimo = NumberOr(words, 4, crime.MultaMinimo);
    crime.MultaMaximo = NumberOr(words, 5, crime.MultaMaximo);
    crime.ViolenciaSexualMulher = NumberOr(words, 6, 0) != 0;
    if (words.size() > 7) {
        crime.DiasMulta = Number(words[7]);
    }
    if (words.size() > 8) {
        crime.PenaBase = FromCasoName<BaseCriterion>(words[8]);
    }
    crime.SomenteMaior = NumberOr(words, 9, 0) != 0;
    return crime;
}

void ReadCircumstance(const std::vector<std::string>& words, CrimeInput& crime) {
    const long long index = NumberOr(words, 1, 0);
    if (index < 0 || index >= static_cast<long long>(kJudicialCircumstanceCount)) {
        return;
    }
    CircumstanceInput& circumstance = crime.Circunstancias[static_cast<std::size_t>(index)];
    ReadName(words, 2, circumstance.Peso);
    circumstance.Fracao = FractionOf(words, 3).value_or(Fraction{1, 8});
    circumstance.AumentoDias = NumberOr(words, 3, 30);
    circumstance.Motivo = Rest(words, 4);
}

ModifierInput ReadModifier(const std::vector<std::string>& words) {
    ModifierInput modifier;
    modifier.Nome = words.size() > 1 ? words[1] : std::string();
    modifier.Fracao = FractionOf(words, 2).value_or(modifier.Fracao);
    return modifier;
}

CauseInput ReadCause(const std::vector<std::string>& words) {
    CauseInput cause;
    ReadName(words, 1, cause.Tipo);
    cause.Fracao = FractionOf(words, 2).value_or(Fraction{1, 3});
    cause.ParteEspecial = NumberOr(words, 3, 0) != 0;
    cause.Nome = Rest(words, 4);
    return cause;
}

void ReadLine(const std::vector<std::string>& words, SentencingInput& input) {
    const std::string& kind = words.front();
    if (kind == "o") {
        ReadName(words, 1, input.Opcoes.PenaBase);
        ReadName(words, 2, input.Opcoes.SegundaFase);
        ReadName(words, 3, input.Opcoes.TerceiraFase);
        ReadName(words, 4, input.Opcoes.MultaDosimetria);
        ReadName(words, 5, input.Opcoes.MultaContinuado);
    } else if (kind == "j") {
        ConcursoInput concurso;
        ReadName(words, 1, concurso.Tipo);
        concurso.Fracao = FractionOf(words, 2);
        input.Concurso = concurso;
    } else if (kind == "C" && input.Crimes.size() < kMostCrimes) {
        input.Crimes.push_back(ReadCrime(words));
    } else if (!input.Crimes.empty()) {
        CrimeInput& crime = input.Crimes.back();
        const std::size_t items =
            crime.Agravantes.size() + crime.Atenuantes.size() + crime.Causas.size();
        if (kind == "c") {
            ReadCircumstance(words, crime);
        } else if (items >= kMostItems) {
            return;
        } else if (kind == "a") {
            crime.Agravantes.push_back(ReadModifier(words));
        } else if (kind == "t") {
            crime.Atenuantes.push_back(ReadModifier(words));
        } else if (kind == "k") {
            crime.Causas.push_back(ReadCause(words));
        }
    }
}

SentencingInput ReadInput(FuzzInput& input) {
    SentencingInput sentencing;
    while (!input.Empty()) {
        std::istringstream line(input.TakeText());
        std::vector<std::string> words;
        for (std::string word; line >> word;) {
            words.push_back(word);
        }
        if (!words.empty()) {
            ReadLine(words, sentencing);
        }
    }
    return sentencing;
}

bool Within(long long value, long long minimum, long long maximum) {
    return value >= minimum && value <= maximum;
}

long long DaysOf(const TermParts& term) {
    return term.Years * 360 + term.Months * 30 + term.Days;
}

void CheckOperations(const std::vector<SentencingStep>& steps, bool finesFollow) {
    for (const SentencingStep& step : steps) {
        Require(!StepLine(step, false).empty(), "every step has its line");
        if (!step.Operacao) {
            continue;
        }
        Require(IsExactStep(step.Antes, *step.Operacao), "every operation is exact");
        const TermAmount stepped = ApplyStep(step.Antes, *step.Operacao);
        Require(stepped.Days == step.Depois.Days, "every operation is the engine's step");
        Require(!finesFollow || stepped.Fines == step.Depois.Fines,
                "the dias-multa of every operation are the engine's");
    }
}

void CheckCrime(const CrimeInput& crime, const CrimeSentence& sentence, bool finesFollow) {
    for (const TermParts* term : {&sentence.PenaBase, &sentence.PenaProvisoria}) {
        Require(Within(DaysOf(*term), crime.MinimoDias, crime.MaximoDias),
                "the pena-base and the pena provisoria within the range");
        Require(!finesFollow || Within(term->Fines, crime.MultaMinimo, crime.MultaMaximo),
                "their dias-multa within the range");
    }
    Require(DaysOf(sentence.PenaDefinitiva) >= 0, "the pena definitiva is no negative term");
    CheckOperations(sentence.Passos, finesFollow);
}

void CheckAnswer(const SentencingInput& input, const SentencingAnswer& answer) {
    if (!answer.Ok()) {
        Require(answer.Erro.starts_with("dosimetria."), "a refusal names its place");
        Require(answer.Crimes.empty() && !answer.Concurso, "a refusal answers nothing else");
        return;
    }
    Require(answer.Crimes.size() == input.Crimes.size(), "one answer for each crime");
    const bool proportional = input.Opcoes.MultaDosimetria == FinesMethod::Proporcional;
    long long sum = 0;
    long long mostSerious = 0;
    for (std::size_t i = 0; i < input.Crimes.size(); ++i) {
        const CrimeInput& crime = input.Crimes[i];
        CheckCrime(crime, answer.Crimes[i], proportional && crime.Multa);
        const long long days = DaysOf(answer.Crimes[i].PenaDefinitiva);
        sum += days;
        mostSerious = std::max(mostSerious, days);
    }
    const long long final = DaysOf(answer.PenaFinal);
    Require(answer.Concurso.has_value() == input.Concurso.has_value(),
            "a concurso exactly when one is asked");
    if (answer.Concurso) {
        Require(Within(final, mostSerious, sum),
                "the concurso between the most serious and the sum");
        CheckOperations(answer.Concurso->Passos, true);
    } else {
        Require(final == sum, "one crime alone is its own final term");
    }
}

} // namespace

void CheckSentencing(const std::uint8_t* data, std::size_t size) {
    FuzzInput bytes(data, size);
    const SentencingInput input = ReadInput(bytes);
    const SentencingAnswer answer = ComputeSentencing(input);
    CheckAnswer(input, answer);
    for (const bool inWords : {false, true}) {
        const std::string text = WriteSentencing(input, answer, inWords);
        Require(answer.Ok() ? text.ends_with(kClosingLine) : text == answer.Erro,
                "a text that ends with the closing line, or the refusal");
    }
}

} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zarn::fuzz::CheckSentencing(data, size);
    return 0;
}
