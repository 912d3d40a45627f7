#include "ExecutionCaseBuilder.h"
#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"
#include "execution/ExecutionNames.h"
#include "law/LegalText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace zarn {
namespace {

using namespace zarn::testing;

template <typename Value, std::size_t Count>
void ExpectEveryNameReadsBack(const std::array<ChoiceName<Value>, Count>& table) {
    std::set<std::string_view> documents;
    for (const ChoiceName<Value>& name : table) {
        EXPECT_EQ(FromDocumentName<Value>(name.Document), name.Which) << name.Document;
        EXPECT_EQ(DocumentName(name.Which), name.Document);
        EXPECT_FALSE(name.Shown.empty());
        documents.insert(name.Document);
    }
    EXPECT_EQ(documents.size(), Count);
    EXPECT_FALSE(FromDocumentName<Value>("desconhecido").has_value());
}

TEST(Names, EveryChoiceReadsBackFromItsDocumentName) {
    ExpectEveryNameReadsBack(kImputacaoNames);
    ExpectEveryNameReadsBack(kLivramentoVedadoNames);
    ExpectEveryNameReadsBack(kLimiteArt75Names);
    ExpectEveryNameReadsBack(kEventKindNames);
    ExpectEveryNameReadsBack(kRegimeNames);
    ExpectEveryNameReadsBack(kConventionNames);
    EXPECT_EQ(FromDocumentName<CountingConvention>("calendario"), CountingConvention::CalendarDays);
}

std::string TextOf(const ExecutionCase& question) {
    const CaseExecutionResult result = ComputeCaseExecution(question);
    EXPECT_TRUE(result.Ok()) << result.Error;
    return WriteCaseExecution(result.Answer, question);
}

ExecutionCase EscapeCase() {
    ExecutionCase question = SixYearsFromTenthOfJanuary2021();
    question.Periods = {Serving(Date(2021, 1, 10), Date(2022, 2, 14)), Serving(Date(2022, 6, 1))};
    question.Events = {Event(EventKind::Fuga, Date(2022, 2, 14)),
                       RemicaoDays(Date(2021, 10, 1), 30),
                       RegimeEvent(EventKind::Regressao, Date(2022, 6, 1), Regime::Fechado)};
    return question;
}

// Every dated statement comes in the order of its date, whatever order the case lists them.
TEST(Text, DatedStatementsComeInDateOrder) {
    const std::string text = TextOf(EscapeCase());
    const std::vector<std::string> inOrder{
        "Per\xED"
        "odo de cumprimento de 10/01/2021 a 14/02/2022",
        "Em 01/10/2021, remi\xE7\xE3o de 30 dias",
        "Data-base em 14/02/2022: a data da fuga",
        "De 15/02/2022 a 31/05/2022, fora do cumprimento",
        "Em 01/06/2022, regress\xE3o ao regime fechado",
        "Na data do c\xE1lculo, 01/01/2025",
        "T\xE9rmino da pena: 25/03/2027",
        "Leituras e observa\xE7\xF5"
        "es:",
        std::string(kClosingLine),
    };
    std::size_t at = 0;
    for (const std::string& statement : inOrder) {
        const std::size_t found = text.find(statement);
        ASSERT_NE(found, std::string::npos) << statement;
        EXPECT_GE(found, at) << statement;
        at = found;
    }
    EXPECT_TRUE(text.ends_with(kClosingLine));
}

// The day a paragraph opens with: its first date.
std::optional<DayNumber> FirstDate(const std::string& paragraph) {
    for (std::size_t i = 0; i + 10 <= paragraph.size(); ++i) {
        const std::string candidate = paragraph.substr(i, 10);
        if (candidate[2] == '/' && candidate[5] == '/' &&
            std::all_of(candidate.begin(), candidate.end(),
                        [](char c) { return c == '/' || (c >= '0' && c <= '9'); })) {
            return Date(std::stoi(candidate.substr(6)),
                        static_cast<unsigned>(std::stoi(candidate.substr(3, 2))),
                        static_cast<unsigned>(std::stoi(candidate.substr(0, 2))));
        }
    }
    return std::nullopt;
}

std::vector<std::string> Paragraphs(const std::string& text) {
    std::vector<std::string> paragraphs;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find("\n\n", at), text.size());
        paragraphs.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return paragraphs;
}

// Between the rules of progression and the notes, each paragraph opens with its own date,
// and those dates never go back.
TEST(Text, EveryDatedStatementOpensWithItsDateInOrder) {
    ExecutionCase crime = ExampleOfTheCaseDocument();
    crime.Convictions.push_back(Convicted("3", 2 * kYear, CrimeOn(Date(2022, 3, 1))));
    crime.Convictions.back().DuringExecution = true;
    crime.Events = {Falta(Date(2021, 5, 5)), RemicaoDays(Date(2021, 8, 1), 20),
                    RegimeEvent(EventKind::Progressao, Date(2024, 1, 1), Regime::Semiaberto)};
    ExecutionCase waiting = SixYearsFromTenthOfJanuary2021();
    waiting.Periods = {Serving(Date(2021, 1, 10), Date(2021, 6, 30))};
    waiting.InitialRegime = Regime::Fechado;
    for (const ExecutionCase& question :
         {ExampleOfTheCaseDocument(), EscapeCase(), crime, waiting}) {
        const std::vector<std::string> paragraphs = Paragraphs(TextOf(question));
        const auto first =
            std::find_if(paragraphs.begin(), paragraphs.end(), [](const std::string& p) {
                return p.starts_with("Progress\xE3o de regime: de cada data-base");
            });
        ASSERT_NE(first, paragraphs.end());
        DayNumber last = kFirstDayNumber;
        std::size_t dated = 0;
        for (auto paragraph = first + 1; paragraph != paragraphs.end(); ++paragraph) {
            if (paragraph->starts_with("Leituras") || paragraph->starts_with("Op\xE7\xF5")) {
                break;
            }
            const std::optional<DayNumber> date = FirstDate(*paragraph);
            ASSERT_TRUE(date.has_value()) << *paragraph;
            EXPECT_GE(*date, last) << *paragraph;
            last = *date;
            ++dated;
        }
        EXPECT_GT(dated, 5U);
    }
}

// Each requirement is spelled out per conviction, with its share, what remained and the
// inciso; the alternatives and the options used are said.
TEST(Text, RequirementsAndAlternativesAreSpelledOut) {
    const std::string text = TextOf(ExampleOfTheCaseDocument());
    const std::string expected[] = {
        "A partir de 25/12/2023, progress\xE3o para o regime semiaberto (j\xE1 alcan\xE7"
        "ada): da data-base de 10/01/2021, requisito de "
        "1065 dias = processo 0001111-11.2021.8.26.0050, 345 (16% de 2160; LEP art. 112, I, Lei "
        "13.964/2019) + processo 0002222-22.2021.8.26.0050, 720 (40% de 1800; LEP art. 112, V, "
        "Lei 13.964/2019).",
        "requisito de 895 dias = processo 0001111-11.2021.8.26.0050, 175 (16% de 1095;",
        "Pela imputa\xE7\xE3o por gravidade do crime, a progress\xE3o para o regime aberto, de 639 "
        "dias, seria devida a partir de 03/10/2025.",
        "A partir de 10/05/2026, livramento condicional (CP art. 84), j\xE1 alcan\xE7"
        "ado: requisito de 1920 dias",
        "Regime inicial: fechado, o da soma (LEP art. 111)",
        "Op\xE7\xF5"
        "es: imputa\xE7\xE3o transito, livramento_vedado separado, limite_art75 ultimo_crime.",
        "Conven\xE7\xE3o de contagem: base 360/30",
    };
    for (const std::string& statement : expected) {
        EXPECT_NE(text.find(statement), std::string::npos) << statement;
    }
    ExecutionCase calendar = ExampleOfTheCaseDocument();
    calendar.Convention = CountingConvention::CalendarDays;
    EXPECT_NE(TextOf(calendar).find("Conven\xE7\xE3o de contagem: dias do calend\xE1rio"),
              std::string::npos);
}

} // namespace
} // namespace zarn
