// An execution of several convictions with periods and events, built from lines of text so
// that a seed reads as a case:
//
//   o <imputacao 0-2> <livramento_vedado 0-1> <limite_art75 0-1> <convencao 0-1>
//     <regime_inicial 0-3, 3 for none> <data_calculo>
//   c <pena in days> <natureza 0-8> <fact bits> <data_crime or -> <transito or -> <durante 0-1>
//   p <inicio> <fim or ->
//   e <tipo 0-5> <data> <amount> <extra>
//
// Dates are days from 01/01/2020 (negative before it; far ones leave the calendar, "n" is
// not a number). Fact bits: 1 detencao, 2 reincidente, 4 violencia, 8 culposo, 16
// reincidente especifico, 32 par. 3, 64 maus antecedentes. An event's amount is the days,
// hours, books or the regime of its kind; extra picks the kind of remicao, or is the remicao
// lost at a falta.
//
// Properties: never a crash nor an exception; either a message that names a place, or an
// answer where served + remainder = total, the imputed time adds up to the time served, no
// date comes before its data-base or the first day, the art. 75 end never comes after the
// real end, and the text ends with the closing line.

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"
#include "law/LegalText.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

namespace zarn::fuzz {
namespace {

constexpr DayNumber kFirstOf2020 = 43831;
constexpr std::size_t kMostItems = 40;

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word && words.size() < 8;) {
        words.push_back(word);
    }
    return words;
}

long long Number(const std::vector<std::string>& words, std::size_t at) {
    return at < words.size() ? std::strtoll(words[at].c_str(), nullptr, 10) : 0;
}

std::optional<DayNumber> DateAt(const std::vector<std::string>& words, std::size_t at) {
    if (at >= words.size() || words[at] == "-") {
        return std::nullopt;
    }
    if (words[at] == "n") {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return kFirstOf2020 + static_cast<DayNumber>(Number(words, at));
}

template <typename Value>
Value Choice(const std::vector<std::string>& words, std::size_t at, int count) {
    const long long number = Number(words, at);
    return static_cast<Value>(((number % count) + count) % count);
}

void ReadOptions(const std::vector<std::string>& words, ExecutionCase& question) {
    question.Options.Imputation = Choice<Imputacao>(words, 1, 3);
    question.Options.BarredParole = Choice<LivramentoVedado>(words, 2, 2);
    question.Options.Art75Limit = Choice<LimiteArt75>(words, 3, 2);
    question.Convention = Choice<CountingConvention>(words, 4, 2);
    const int regime = Choice<int>(words, 5, 4);
    question.InitialRegime =
        regime < 3 ? std::optional<Regime>(static_cast<Regime>(regime)) : std::nullopt;
    question.CalculationDate = DateAt(words, 6).value_or(kFirstOf2020);
}

Conviction ReadConviction(const std::vector<std::string>& words) {
    Conviction conviction;
    conviction.Processo = "c" + std::to_string(Number(words, 1));
    conviction.TermDays = Number(words, 1);
    CaseFacts& facts = conviction.Facts;
    facts.Nature = Choice<Natureza>(words, 2, 9);
    const long long bits = Number(words, 3);
    facts.Kind = (bits & 1) != 0 ? Especie::Detencao : Especie::Reclusao;
    facts.RepeatOffender = (bits & 2) != 0;
    facts.Violence = (bits & 4) != 0;
    facts.Culposo = (bits & 8) != 0;
    facts.SpecificRepeatOffender = (bits & 16) != 0;
    facts.Paragraph3 = (bits & 32) != 0;
    facts.GoodAntecedents = (bits & 64) == 0;
    facts.CrimeDate = DateAt(words, 4);
    conviction.TransitoEmJulgado = DateAt(words, 5);
    conviction.DuringExecution = Number(words, 6) != 0;
    return conviction;
}

ExecutionEvent ReadEvent(const std::vector<std::string>& words) {
    ExecutionEvent event;
    event.Kind = Choice<EventKind>(words, 1, 6);
    event.Date = DateAt(words, 2).value_or(kFirstOf2020);
    const long long amount = Number(words, 3);
    const long long extra = Number(words, 4);
    switch (event.Kind) {
    case EventKind::FaltaGrave:
        event.RemicaoLost = extra;
        break;
    case EventKind::Remicao:
        switch (((extra % 5) + 5) % 5) {
        case 0:
            event.Days = amount;
            break;
        case 1:
            event.WorkDays = amount;
            break;
        case 2:
            event.StudyHours = amount;
            break;
        case 3:
            event.StudyHours = amount;
            event.LevelCompleted = true;
            break;
        default:
            event.Books = amount;
            break;
        }
        break;
    case EventKind::RecolhimentoNoturno:
        event.Hours = amount;
        break;
    case EventKind::Progressao:
    case EventKind::Regressao:
        event.ToRegime = static_cast<Regime>(((amount % 3) + 3) % 3);
        break;
    case EventKind::Fuga:
        break;
    }
    return event;
}

ExecutionCase ReadCase(FuzzInput& input) {
    ExecutionCase question;
    question.CalculationDate = kFirstOf2020 + 3000;
    std::size_t items = 0;
    while (!input.Empty() && items++ < kMostItems) {
        const std::vector<std::string> words = Words(input.TakeText());
        if (words.empty()) {
            continue;
        }
        if (words[0] == "o") {
            ReadOptions(words, question);
        } else if (words[0] == "c") {
            question.Convictions.push_back(ReadConviction(words));
        } else if (words[0] == "p") {
            ServingPeriod period;
            period.Start = DateAt(words, 1).value_or(kFirstOf2020);
            period.End = DateAt(words, 2);
            question.Periods.push_back(period);
        } else if (words[0] == "e") {
            question.Events.push_back(ReadEvent(words));
        }
    }
    return question;
}

bool NamesAPlace(const std::string& message) {
    const std::string_view places[] = {"condenacoes", "periodos", "eventos", "data_calculo"};
    return message.find(": ") != std::string::npos &&
           std::any_of(std::begin(places), std::end(places),
                       [&message](std::string_view place) { return message.starts_with(place); });
}

void CheckAnswer(const CaseExecutionAnswer& answer, const ExecutionCase& question) {
    Require(answer.ServedDays >= 0 && answer.ServedDays <= answer.TotalDays,
            "the time served within the total");
    Require(answer.ServedDays + answer.RemainingDays == answer.TotalDays,
            "served + remainder = total");
    const long long imputed = std::accumulate(
        answer.Imputation.begin(), answer.Imputation.end(), 0LL,
        [](long long sum, const ImputedTime& time) { return sum + time.ImputedDays; });
    Require(imputed == answer.ServedDays, "the imputed time adds up to the time served");
    for (const ImputedTime& time : answer.Imputation) {
        Require(time.ImputedDays >= 0 && time.RemainingDays >= 0,
                "no conviction imputed below nothing or beyond its term");
    }
    Require(answer.DataBase >= answer.FirstDay, "the data-base from the first day on");
    for (const ProgressionStep& step : answer.Progressions) {
        Require(step.DataBase >= answer.FirstDay, "each data-base from the first day on");
        Require(!step.DueFrom || *step.DueFrom >= step.DataBase,
                "a progression never due before its data-base");
        Require(!step.DueFrom || *step.DueFrom <= kLastDayNumber, "dates within the calendar");
        Require(step.Days >= 0, "requirements never negative");
    }
    if (answer.Parole && answer.Parole->DueFrom) {
        Require(*answer.Parole->DueFrom >= answer.FirstDay, "parole from the first day on");
    }
    if (answer.EndOfTotal) {
        Require(*answer.EndOfTotal >= answer.FirstDay - 1, "the end not before the first day");
    }
    if (answer.Art75End && answer.EndOfTotal) {
        Require(*answer.Art75End <= *answer.EndOfTotal, "the art. 75 end never after the real end");
    }
    Require(WriteCaseExecution(answer, question).ends_with(kClosingLine),
            "the text ends with the closing line");
}

} // namespace
} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zarn;
    using namespace zarn::fuzz;
    FuzzInput input(data, size);
    const ExecutionCase question = ReadCase(input);
    const CaseExecutionResult result = ComputeCaseExecution(question);
    if (!result.Ok()) {
        Require(NamesAPlace(result.Error), "a refused case's message starts with its place");
        return 0;
    }
    CheckAnswer(result.Answer, question);
    return 0;
}
