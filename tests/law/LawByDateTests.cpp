#include "law/ConsequencesText.h"
#include "law/ExecutionDates.h"
#include "law/ExecutionText.h"
#include "law/FactNames.h"
#include "law/IncisoName.h"
#include "law/LawByDate.h"
#include "law/LegalText.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zarn {
namespace {

constexpr long long kYear = 360;

DayNumber Date(int year, int month, int day) {
    return DateFromCivil(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                         static_cast<std::uint16_t>(day));
}

// The facts as a short description: the natureza, then the record, violence, culposo,
// attempt and paragraph 3 as letters.
CaseFacts Facts(Natureza nature, std::string_view record, std::optional<DayNumber> date) {
    CaseFacts facts;
    facts.Nature = nature;
    facts.CrimeDate = date;
    facts.RepeatOffender = record.find('r') != std::string_view::npos;
    facts.SpecificRepeatOffender = record.find('e') != std::string_view::npos;
    facts.Violence = record.find('v') != std::string_view::npos;
    facts.Culposo = record.find('c') != std::string_view::npos;
    facts.Attempt = record.find('t') != std::string_view::npos;
    facts.Paragraph3 = record.find('3') != std::string_view::npos;
    return facts;
}

bool Holds(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// law.md 8 worked by hand for each boundary of the laws: the share of the law at the date,
// or the smaller share of a later law (which then retroacts).
TEST(LawByDate, ProgressionShareAcrossTheLawsDates) {
    const DayNumber before2007 = Date(2007, 3, 28);
    const DayNumber from2007 = Date(2007, 3, 29);
    const DayNumber before2020 = Date(2020, 1, 22);
    const DayNumber from2020 = Date(2020, 1, 23);
    const DayNumber before2024 = Date(2024, 10, 9);
    const DayNumber from2024 = Date(2024, 10, 10);
    using N = Natureza;
    struct Row {
        Natureza nature;
        std::string_view record;
        std::optional<DayNumber> date;
        std::string_view share;
        std::string_view law;
        bool retroactive;
    };
    const Row rows[] = {
        // A first offender without violence: inciso I's 16% is below 1/6 and reaches back.
        {N::Comum, "", before2007, "16%", "Lei 13.964/2019", true},
        {N::Comum, "", before2020, "16%", "Lei 13.964/2019", true},
        {N::Comum, "", from2020, "16%", "Lei 13.964/2019", false},
        // II, III and IV are harsher than 1/6.
        {N::Comum, "r", before2020, "1/6",
         "LEP art. 112, reda\xE7\xE3o anterior \xE0 Lei 13.964/2019", false},
        {N::Comum, "v", before2020, "1/6",
         "LEP art. 112, reda\xE7\xE3o anterior \xE0 Lei 13.964/2019", false},
        {N::Comum, "rv", from2020, "30%", "Lei 13.964/2019", false},
        // Hediondos: 1/6 before Lei 11.464/2007, then 2/5 and 3/5; V equals 2/5; a generic
        // repeat offender takes 40% (Tema 1084), with death 50% (Tema 1196).
        {N::Hediondo, "", before2007, "1/6",
         "LEP art. 112, reda\xE7\xE3o anterior \xE0 Lei 13.964/2019", false},
        {N::Hediondo, "", from2007, "2/5", "Lei 11.464/2007", false},
        {N::Hediondo, "r", from2007, "40%", "Lei 13.964/2019", true},
        {N::Hediondo, "re", before2020, "3/5", "Lei 11.464/2007", false},
        {N::Hediondo, "re", from2020, "60%", "Lei 13.964/2019", false},
        {N::HediondoMorte, "", before2020, "2/5", "Lei 11.464/2007", false},
        {N::HediondoMorte, "r", before2020, "50%", "Lei 13.964/2019", true},
        {N::HediondoMorte, "re", before2020, "3/5", "Lei 11.464/2007", false},
        {N::HediondoMorte, "", from2020, "50%", "Lei 13.964/2019", false},
        {N::HediondoMorte, "re", from2020, "70%", "Lei 13.964/2019", false},
        // Feminicidio: before Lei 14.994/2024 as hediondo with death, or hediondo attempted.
        {N::Feminicidio, "", before2020, "2/5", "Lei 11.464/2007", false},
        {N::Feminicidio, "", before2024, "50%", "Lei 13.964/2019", false},
        {N::Feminicidio, "t", before2024, "40%", "Lei 13.964/2019", false},
        {N::Feminicidio, "", from2024, "55%", "Lei 14.994/2024", false},
        {N::Feminicidio, "t", from2024, "55%", "Lei 14.994/2024", false},
        {N::Feminicidio, "r", from2024, "55%", "Lei 14.994/2024", false},
        {N::Feminicidio, "re", from2024, "70%", "Lei 13.964/2019", false},
        // Comando and milicia: 1/6 before 2020, 50% from it.
        {N::ComandoOrganizacao, "", before2020, "1/6",
         "LEP art. 112, reda\xE7\xE3o anterior \xE0 Lei 13.964/2019", false},
        {N::Milicia, "", from2020, "50%", "Lei 13.964/2019", false},
        {N::TraficoPrivilegiado, "", before2020, "16%", "Lei 13.964/2019", true},
        {N::TraficoPrivilegiado, "r", from2020, "20%", "Lei 13.964/2019", false},
        {N::AssociacaoTrafico, "", std::nullopt, "16%", "Lei 13.964/2019", false},
        // Par. 3 reaches earlier crimes too.
        {N::Comum, "3", before2007, "1/8", "Lei 13.769/2018", true},
        {N::Hediondo, "3", from2020, "1/8", "Lei 13.769/2018", false},
        // A culposo crime never takes III or IV.
        {N::Comum, "vc", from2020, "16%", "Lei 13.964/2019", false},
        {N::Comum, "rvc", from2020, "20%", "Lei 13.964/2019", false},
        // No date: today's law.
        {N::Feminicidio, "", std::nullopt, "55%", "Lei 14.994/2024", false},
    };
    for (const Row& row : rows) {
        const CaseFacts facts = Facts(row.nature, row.record, row.date);
        SCOPED_TRACE(std::string(NameOf(row.nature).Document) + " " + std::string(row.record) +
                     " " + (row.date ? WriteDayMonthYear(*row.date) : "sem data"));
        ASSERT_EQ(FactsContradiction(facts), "");
        const ProgressionRule rule = ProgressionRuleFor(facts);
        EXPECT_EQ(ShareText(rule), row.share);
        EXPECT_EQ(rule.Source.Wording.Law, row.law);
        EXPECT_EQ(rule.Retroactive, row.retroactive);
        EXPECT_EQ(rule.Which.has_value(), row.share.back() == '%' || row.share == "1/8");
    }
}

// law.md 6 with the dates of the bars.
TEST(LawByDate, ParoleFractionOrBarByTheDate) {
    using N = Natureza;
    const DayNumber before2020 = Date(2020, 1, 22);
    const DayNumber from2020 = Date(2020, 1, 23);
    const DayNumber before2024 = Date(2024, 10, 9);
    const DayNumber from2024 = Date(2024, 10, 10);
    struct Row {
        Natureza nature;
        std::string_view record;
        std::optional<DayNumber> date;
        std::string_view parole; // the fraction, or the article that bars it
    };
    const Row rows[] = {
        {N::Comum, "", from2020, "1/3"},
        {N::Comum, "r", from2020, "1/2"},
        {N::Comum, "rc", from2020, "1/3"},
        {N::Milicia, "", from2020, "1/3"},
        {N::ComandoOrganizacao, "r", from2020, "1/2"},
        {N::TraficoPrivilegiado, "", from2020, "1/3"},
        {N::Hediondo, "r", from2020, "2/3"},
        {N::Hediondo, "re", before2020, "CP art. 83, V"},
        {N::TraficoPessoas, "", from2020, "2/3"},
        {N::TraficoPessoas, "re", from2020, "CP art. 83, V"},
        {N::AssociacaoTrafico, "", from2020, "2/3"},
        {N::AssociacaoTrafico, "re", from2020, "Lei 11.343/2006, art. 44, par\xE1grafo \xFAnico"},
        {N::HediondoMorte, "", before2020, "2/3"},
        {N::HediondoMorte, "", from2020, "LEP art. 112, VI, a"},
        {N::HediondoMorte, "r", from2020, "2/3"},
        {N::HediondoMorte, "re", from2020, "CP art. 83, V"},
        {N::Feminicidio, "", before2020, "2/3"},
        {N::Feminicidio, "", before2024, "2/3"},
        {N::Feminicidio, "re", before2024, "CP art. 83, V"},
        {N::Feminicidio, "t", before2024, "2/3"},
        {N::Feminicidio, "", from2024, "LEP art. 112, VI-A"},
        {N::Feminicidio, "r", from2024, "2/3"},
        {N::HediondoMorte, "", std::nullopt, "LEP art. 112, VI, a"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(NameOf(row.nature).Document) + " " + std::string(row.record));
        const ParoleRule rule = ParoleRuleFor(Facts(row.nature, row.record, row.date));
        EXPECT_EQ(rule.Barred ? std::string(rule.Source.Article) : FractionText(rule.Share),
                  row.parole);
    }
}

TEST(LawByDate, Art75CapByTheDateOfTheCrime) {
    EXPECT_EQ(Art75CapFor(Date(2020, 1, 22)).Years, 30);
    EXPECT_EQ(Art75CapFor(Date(2020, 1, 23)).Years, 40);
    EXPECT_EQ(Art75CapFor(std::nullopt).Years, 40);
}

TEST(CaseFacts, ContradictionsNameBothFacts) {
    using N = Natureza;
    struct Row {
        CaseFacts facts;
        std::string_view first; // empty: the facts hold together
        std::string_view second;
    };
    CaseFacts earlierCulposo;
    earlierCulposo.EarlierDoloso = false;
    CaseFacts specificOfCulposo = Facts(N::Comum, "re", std::nullopt);
    specificOfCulposo.EarlierDoloso = false;
    CaseFacts culposoSpecificOfCulposo = specificOfCulposo;
    culposoSpecificOfCulposo.Culposo = true;
    const Row rows[] = {
        {Facts(N::Comum, "e", std::nullopt),
         "reincidente espec\xED"
         "fico",
         "prim\xE1rio"},
        {earlierCulposo, "condena\xE7\xE3o anterior por crime culposo", "prim\xE1rio"},
        {specificOfCulposo,
         "reincidente espec\xED"
         "fico",
         "condena\xE7\xE3o anterior por crime culposo"},
        {culposoSpecificOfCulposo, {}, {}},
        {Facts(N::Comum, "3v", std::nullopt), "\xA7 3\xBA", "viol\xEAncia"},
        {Facts(N::Comum, "3r", std::nullopt), "\xA7 3\xBA", "reincidente"},
        {Facts(N::Hediondo, "c", std::nullopt), "crime culposo", "hediondo"},
        {Facts(N::Comum, "ct", std::nullopt), "crime culposo", "tentativa"},
        {Facts(N::HediondoMorte, "t", std::nullopt), "tentativa", "resultado morte"},
        {Facts(N::Comum, "cv", std::nullopt), {}, {}},
        {Facts(N::Hediondo, "3", std::nullopt), {}, {}},
    };
    for (const Row& row : rows) {
        const std::string message = FactsContradiction(row.facts);
        SCOPED_TRACE(message);
        EXPECT_EQ(message.empty(), row.first.empty());
        EXPECT_TRUE(Holds(message, row.first));
        EXPECT_TRUE(Holds(message, row.second));
    }
}

// An inciso named instead of the facts sets what it implies; a fact given against it is
// refused, naming both, and the facts stay as they were.
TEST(CaseFacts, IncisoSetsTheFactsItImpliesOrRefusesAContradiction) {
    using N = Natureza;
    struct Row {
        Inciso inciso;
        CaseFacts given;
        std::optional<CaseFacts> set; // none: refused
        std::string_view fact;        // the fact the refusal names
    };
    const Row rows[] = {
        {Inciso::II, {}, Facts(N::Comum, "r", std::nullopt), {}},
        {Inciso::IV, {}, Facts(N::Comum, "rv", std::nullopt), {}},
        {Inciso::VII, {}, Facts(N::Hediondo, "re", std::nullopt), {}},
        {Inciso::VIII,
         Facts(N::Feminicidio, "", std::nullopt),
         Facts(N::Feminicidio, "re", std::nullopt),
         {}},
        {Inciso::VIc, {}, Facts(N::Milicia, "", std::nullopt), {}},
        {Inciso::Paragrafo3, {}, Facts(N::Comum, "3", std::nullopt), {}},
        {Inciso::I,
         Facts(N::TraficoPrivilegiado, "", std::nullopt),
         Facts(N::TraficoPrivilegiado, "", std::nullopt),
         {}},
        {Inciso::I, Facts(N::Comum, "vc", std::nullopt), Facts(N::Comum, "vc", std::nullopt), {}},
        {Inciso::I, Facts(N::Comum, "r", std::nullopt), std::nullopt, "reincidente"},
        {Inciso::I, Facts(N::Hediondo, "", std::nullopt), std::nullopt, "hediondo"},
        {Inciso::III, Facts(N::Comum, "c", std::nullopt), std::nullopt, "culposo"},
        {Inciso::Paragrafo3, Facts(N::Comum, "v", std::nullopt), std::nullopt, "viol\xEAncia"},
        {Inciso::V, Facts(N::Comum, "re", std::nullopt), std::nullopt,
         "espec\xED"
         "fico"},
        {Inciso::VIb, Facts(N::Milicia, "", std::nullopt), std::nullopt,
         "mil\xED"
         "cia"},
        {Inciso::V, Facts(N::Comum, "3", std::nullopt), std::nullopt, "\xA7 3\xBA"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(IncisoName(row.inciso)));
        CaseFacts facts = row.given;
        const std::string message = ApplyInciso(row.inciso, facts);
        if (row.set) {
            EXPECT_EQ(message, "");
            EXPECT_EQ(facts, *row.set);
            continue;
        }
        EXPECT_TRUE(Holds(message, "inciso " + std::string(IncisoName(row.inciso))) ||
                    Holds(message, "\xA7 3\xBA do art. 112"))
            << message;
        EXPECT_TRUE(Holds(message, row.fact)) << message;
        EXPECT_EQ(facts, row.given);
    }
}

// What the legal review found, each as it must now come out.
TEST(LawReview, FindingsOfTheConsequencesTool) {
    using N = Natureza;
    CaseFacts culposoRepeat = Facts(N::Comum, "rc", std::nullopt);
    CaseFacts detracao;
    detracao.DetracaoDays = 400;
    CaseFacts detencao;
    detencao.Kind = Especie::Detencao;
    CaseFacts sexualViolence;
    sexualViolence.SexualViolenceAgainstWoman = true;
    struct Row {
        std::string_view finding;
        long long term;
        CaseFacts facts;
        std::string_view part;
        bool present;
    };
    const Row rows[] = {
        {"1: milicia is not hediondo", 12 * kYear, Facts(N::Milicia, "", std::nullopt),
         "mais de 1/3 da pena, 1440 dias", true},
        {"2: culposo is no repeat in doloso", 6 * kYear, culposoRepeat,
         "Substitui\xE7\xE3o por penas restritivas de direitos: cab\xEDvel, por uma", true},
        {"2: parole at 1/3", 6 * kYear, culposoRepeat, "mais de 1/3 da pena, 720 dias", true},
        {"3: no health reasons beside substitution",
         3 * kYear,
         {},
         "sa\xFA"
         "de",
         false},
        {"5: VII bars parole by art. 83 V", 12 * kYear, Facts(N::Hediondo, "re", std::nullopt),
         "Livramento condicional: vedado (CP art. 83, V).", true},
        {"6: a generic repeat offender keeps parole", 20 * kYear,
         Facts(N::HediondoMorte, "r", Date(2021, 1, 10)), "STJ Tema 1196", true},
        {"8: never a zero term", kYear, detracao, "pena de 0", false},
        {"8: fully served", kYear, detracao, "integralmente cumprida (CP art. 42)", true},
        {"8: no regime said for it", kYear, detracao, "regime inicial j\xE1 \xE9 o aberto", false},
        {"no halving to bar without an age", 2 * kYear, sexualViolence, "redu\xE7\xE3o de metade",
         false},
        {"the feminicide's specific reading stated", 20 * kYear,
         Facts(N::Feminicidio, "re", Date(2025, 1, 10)),
         "Feminic\xED"
         "dio por reincidente espec\xED"
         "fico: 70%",
         true},
        {"10: nothing harsher than fechado", 9 * kYear, {}, "mais gravoso", false},
        {"10: detencao never fechado", 5 * kYear, detencao, "mais gravoso", false},
        {"11: the culposo reading in the answer", 6 * kYear, Facts(N::Comum, "cv", std::nullopt),
         "Crime culposo: a viol\xEAncia dos incisos III e IV", true},
        {"11: and the inciso", 6 * kYear, Facts(N::Comum, "cv", std::nullopt),
         "(LEP art. 112, I, Lei 13.964/2019)", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.finding));
        const ConsequencesOutcome outcome = AnalyseConsequences(row.term, row.facts);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        EXPECT_EQ(Holds(WriteConsequences(outcome.Answers, row.facts), row.part), row.present);
    }
}

TEST(LawReview, FindingsOfTheExecutionTool) {
    const DayNumber start = Date(2021, 1, 10);
    struct Row {
        std::string_view finding;
        long long term;
        std::optional<DayNumber> crimeDate;
        long long detracao;
        CountingConvention convention;
        bool fullyServed;
        std::optional<long long> cap;
        DayNumber end; // of serving; meaningless when fully served
        DayNumber wholeEnd;
    };
    const Row rows[] = {
        {"7: the cap of 40 years", 50 * kYear, Date(2021, 1, 10), 0, CountingConvention::Base360,
         false, 40, Date(2061, 1, 9), Date(2071, 1, 9)},
        {"7: the cap of 30 years", 50 * kYear, Date(2019, 1, 10), 0, CountingConvention::Base360,
         false, 30, Date(2051, 1, 9), Date(2071, 1, 9)},
        {"7: the cap counts the deductions", 50 * kYear, Date(2019, 1, 10), 30,
         CountingConvention::Base360, false, 30, Date(2050, 12, 9), Date(2070, 12, 9)},
        {"8: fully served", 6 * kYear, std::nullopt, 3000, CountingConvention::Base360, true,
         std::nullopt, 0, 0},
        {"deductions that reach the cap leave nothing to serve", 50 * kYear, Date(2019, 1, 10),
         30 * kYear, CountingConvention::Base360, true, 30, 0, 0},
        {"deductions a day short of the cap", 50 * kYear, Date(2019, 1, 10), 30 * kYear - 1,
         CountingConvention::Base360, false, 30, start, Date(2041, 1, 10)},
        {"8: one day left", 6 * kYear, std::nullopt, 6 * kYear - 1, CountingConvention::Base360,
         false, std::nullopt, start, start},
        {"9: the end laid in calendar days", 12 * kYear, std::nullopt, 100,
         CountingConvention::CalendarDays, false, std::nullopt, Date(2032, 10, 1),
         Date(2032, 10, 1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.finding));
        ExecutionRequest request;
        request.TermDays = row.term;
        request.Start = start;
        request.Facts.CrimeDate = row.crimeDate;
        request.Facts.DetracaoDays = row.detracao;
        request.Convention = row.convention;
        const ExecutionOutcome outcome = ComputeExecutionDates(request);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        const ExecutionDates& dates = outcome.Dates;
        EXPECT_EQ(dates.FullyServed, row.fullyServed);
        if (row.fullyServed) {
            EXPECT_TRUE(dates.Progressions.empty());
            EXPECT_FALSE(dates.Parole.has_value());
            // Served whole, or served up to the cap, which the text then names.
            EXPECT_EQ(dates.Cap.has_value(), row.cap.has_value());
            EXPECT_EQ(WriteExecution(dates).find("encerrado pelo limite de 30 anos") !=
                          std::string::npos,
                      row.cap.has_value());
            continue;
        }
        EXPECT_EQ(dates.Cap.has_value(), row.cap.has_value());
        if (dates.Cap) {
            EXPECT_EQ(dates.Cap->Years, *row.cap);
        }
        EXPECT_EQ(WriteDayMonthYear(dates.EndOfServing()), WriteDayMonthYear(row.end));
        EXPECT_EQ(WriteDayMonthYear(dates.LastDay), WriteDayMonthYear(row.wholeEnd));
        EXPECT_GE(dates.EndOfServing(), dates.Start);
    }
}

// Finding 15: every dated paragraph of the execution text in the order of its date.
TEST(LawReview, ExecutionTextInDateOrder) {
    ExecutionRequest request;
    request.TermDays = 30 * kYear;
    request.Start = Date(2021, 1, 10);
    // Parole at 1/3 falls before the first progression at 50%.
    request.Facts.Nature = Natureza::ComandoOrganizacao;
    request.Facts.CrimeDate = Date(2021, 1, 10);
    const ExecutionOutcome outcome = ComputeExecutionDates(request);
    ASSERT_TRUE(outcome.Ok());
    const std::string text = WriteExecution(outcome.Dates);
    DayNumber previous = 0;
    std::size_t at = 0;
    while ((at = text.find(", a partir de ", at)) != std::string::npos) {
        at += 14;
        const std::string day = text.substr(at, 10);
        const DayNumber date = Date(std::stoi(day.substr(6, 4)), std::stoi(day.substr(3, 2)),
                                    std::stoi(day.substr(0, 2)));
        EXPECT_GE(date, previous) << day;
        previous = date;
    }
    EXPECT_GT(previous, 0);
    EXPECT_LT(text.find("Livramento"), text.find("Progress\xE3o para o regime semiaberto"));
}

} // namespace
} // namespace zarn
