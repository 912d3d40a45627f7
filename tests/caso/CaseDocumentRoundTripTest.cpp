// Random documents the program accepts, written and read again, are the same document, and
// written again the same text: every key, every kind of value and every name of caso.md,
// texts of any character of the code page; executions dated around one start, so that some
// are taken by the execution and some refused.

#include "caso/CaseDocumentJson.h"
#include "caso/DocumentNames.h"
#include "dates/Clock.h"
#include "engine/Sentence.h"
#include "law/FactNames.h"
#include "prescription/PrescriptionNames.h"
#include "sentencing/SentencingNames.h"
#include "support/Sweep.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace zarn {
namespace {

constexpr long long kLargestTerm = 360LL * 100000;

class RandomDocument {
public:
    explicit RandomDocument(unsigned seed)
        : m_random(seed) {}

    CaseDocument Next() {
        CaseDocument document;
        document.Name = Text();
        document.Birth = MaybeDate();
        document.CalculationDate = MaybeDate();
        document.Convention =
            Chance() ? CountingConvention::CalendarDays : CountingConvention::Base360;
        document.Options.ConfirmingAcordaoInterrupts = Chance();
        ExecutionOptions& execution = document.Options.Execution;
        execution.Imputation = Pick(kImputacaoNames).Which;
        execution.BarredParole = Pick(kLivramentoVedadoNames).Which;
        execution.Art75Limit = Pick(kLimiteArt75Names).Which;
        SentencingOptions& options = document.Options.Sentencing;
        options.PenaBase = Pick(kBaseCriterionNames).Value;
        options.SegundaFase = Pick(kSecondPhaseNames).Value;
        options.TerceiraFase = Pick(kThirdPhaseNames).Value;
        options.MultaDosimetria = Pick(kFinesMethodNames).Value;
        options.MultaContinuado = Pick(kContinuedFinesNames).Value;
        if (Chance()) {
            const DayNumber start =
                DateFromCivil(static_cast<std::uint16_t>(Between(1950, 2030)), 1, 1) +
                static_cast<DayNumber>(Between(0, 364));
            document.Execution = Execution(start);
            // Often a date of the calculation the execution can be computed at.
            if (Chance()) {
                document.CalculationDate = start + static_cast<DayNumber>(Between(0, 5000));
            }
        }
        if (Chance()) {
            document.Prescription = Prescription();
        }
        if (Chance()) {
            document.Sentencing = Sentencing();
        }
        return document;
    }

private:
    bool Chance() { return Between(0, 1) == 1; }

    long long Between(long long least, long long most) {
        return std::uniform_int_distribution<long long>(least, most)(m_random);
    }

    template <typename Table>
    const typename Table::value_type& Pick(const Table& table) {
        return table[static_cast<std::size_t>(Between(0, std::ssize(table) - 1))];
    }

    // Any byte but the NUL: every character the code page holds, controls included.
    std::string Text() {
        std::string text(static_cast<std::size_t>(Between(0, 6)), ' ');
        for (char& c : text) {
            c = static_cast<char>(Between(1, 255));
        }
        return text;
    }

    DayNumber Date() {
        return static_cast<DayNumber>(Between(static_cast<long long>(kFirstDayNumber),
                                              static_cast<long long>(kLastDayNumber)));
    }

    std::optional<DayNumber> MaybeDate() { return Chance() ? std::optional(Date()) : std::nullopt; }

    long long Term() { return Between(0, kLargestTerm); }

    std::optional<long long> MaybeTerm() { return Chance() ? std::optional(Term()) : std::nullopt; }

    Fraction AnyFraction() { return Fraction{Between(0, 999999), Between(1, 999999)}; }

    template <typename Item>
    std::vector<Item> Several(Item (RandomDocument::*make)()) {
        std::vector<Item> items(static_cast<std::size_t>(Between(0, 3)));
        for (Item& item : items) {
            item = (this->*make)();
        }
        return items;
    }

    PrescriptionCrime PrescriptionCrimeItem() {
        PrescriptionCrime crime;
        crime.Description = Text();
        crime.DateOfFact = MaybeDate();
        crime.PeriodStart = MaybeDate();
        crime.SexualViolenceAgainstWoman = Chance();
        crime.MaximumDays = Term();
        crime.AppliedDays = MaybeTerm();
        crime.RepeatOffender = Chance();
        return crime;
    }

    // Facts that hold together: random ones where they do, else the defaults.
    CaseFacts Facts(std::optional<DayNumber> crimeDate) {
        CaseFacts facts;
        facts.Kind = Pick(kEspecieNames).Which;
        facts.Nature =
            kNaturezaNames[static_cast<std::size_t>(Between(0, std::ssize(kNaturezaNames) - 1))]
                .Which;
        for (bool* flag :
             {&facts.Culposo, &facts.Violence, &facts.Attempt, &facts.SexualViolenceAgainstWoman,
              &facts.RepeatOffender, &facts.EarlierDoloso, &facts.SpecificRepeatOffender,
              &facts.GoodAntecedents, &facts.FavourableCircumstances, &facts.Under21AtCrime,
              &facts.Over70AtSentence, &facts.Paragraph3}) {
            *flag = Between(0, 3) == 0 ? !*flag : *flag;
        }
        if (!FactsContradiction(facts).empty()) {
            facts = CaseFacts{};
        }
        facts.CrimeDate = crimeDate;
        return facts;
    }

    Conviction ConvictionNear(DayNumber start) {
        Conviction conviction;
        conviction.Processo = Text();
        conviction.Crime = Text();
        conviction.TermDays = Between(1, 360 * 60);
        conviction.DiasMulta = Chance() ? std::optional(Between(0, 1000)) : std::nullopt;
        conviction.TransitoEmJulgado =
            Chance() ? std::optional(start + static_cast<DayNumber>(Between(-500, 2000)))
                     : std::nullopt;
        conviction.Facts =
            Facts(Chance() ? std::optional(start + static_cast<DayNumber>(Between(-1000, 1000)))
                           : std::nullopt);
        conviction.DuringExecution = Between(0, 3) == 0;
        return conviction;
    }

    // Periods one after the other from `start`, the last one open or not.
    std::vector<ServingPeriod> PeriodsFrom(DayNumber start) {
        std::vector<ServingPeriod> periods(static_cast<std::size_t>(Between(0, 6) / 2));
        DayNumber next = start;
        for (ServingPeriod& period : periods) {
            period.Start = next;
            period.End = next + static_cast<DayNumber>(Between(0, 1500));
            period.Description = Text();
            next = *period.End + static_cast<DayNumber>(Between(1, 300));
        }
        if (!periods.empty() && Chance()) {
            periods.back().End.reset();
        }
        return periods;
    }

    // An event of any kind with only the keys of its kind.
    ExecutionEvent EventNear(DayNumber start) {
        ExecutionEvent event;
        event.Kind = Pick(kEventKindNames).Which;
        event.Date = start + static_cast<DayNumber>(Between(-10, 2000));
        event.Description = Text();
        switch (event.Kind) {
        case EventKind::FaltaGrave:
            event.RemicaoLost = Between(0, 20);
            break;
        case EventKind::Remicao: {
            const long long amount = Between(0, 400);
            switch (Between(0, 3)) {
            case 0:
                event.Days = amount;
                break;
            case 1:
                event.WorkDays = amount;
                break;
            case 2:
                event.StudyHours = amount;
                event.LevelCompleted = Chance();
                break;
            default:
                event.Books = amount;
            }
            break;
        }
        case EventKind::RecolhimentoNoturno:
            event.Hours = Between(0, 2000);
            break;
        case EventKind::Progressao:
        case EventKind::Regressao:
            event.ToRegime = Pick(kRegimeNames).Which;
            break;
        case EventKind::Fuga:
            break;
        }
        return event;
    }

    std::optional<ExecutionCase> Execution(DayNumber start) {
        ExecutionCase execution;
        execution.Convictions.resize(static_cast<std::size_t>(Between(0, 6) / 2));
        for (Conviction& conviction : execution.Convictions) {
            conviction = ConvictionNear(start);
        }
        execution.Periods = PeriodsFrom(start);
        execution.Events.resize(static_cast<std::size_t>(Between(0, 2)));
        for (ExecutionEvent& event : execution.Events) {
            event = EventNear(start);
        }
        if (Chance()) {
            execution.InitialRegime = Pick(kRegimeNames).Which;
        }
        // A document with none of these holds no execution.
        if (execution.Convictions.empty() && execution.Periods.empty() &&
            execution.Events.empty() && !execution.InitialRegime) {
            return std::nullopt;
        }
        return execution;
    }

    Marco MarcoItem() { return Marco{Pick(kMarcoKindNames).Value, Date()}; }

    Suspension SuspensionItem() {
        return Suspension{Pick(kSuspensionKindNames).Value, Date(), MaybeDate()};
    }

    PrescriptionInput Prescription() {
        PrescriptionInput input;
        input.Crimes = Several(&RandomDocument::PrescriptionCrimeItem);
        input.Marcos = Several(&RandomDocument::MarcoItem);
        input.Suspensions = Several(&RandomDocument::SuspensionItem);
        return input;
    }

    // A weight with only the values it writes: a fraction, or a term, with its reason.
    CircumstanceInput Circumstance() {
        CircumstanceInput circumstance;
        circumstance.Peso = Pick(kCircumstanceWeightNames).Value;
        if (circumstance.Peso == CircumstanceWeight::Fracao) {
            circumstance.Fracao = AnyFraction();
        } else if (circumstance.Peso == CircumstanceWeight::Aumento) {
            circumstance.AumentoDias = Term();
        }
        if (circumstance.Peso == CircumstanceWeight::Fracao ||
            circumstance.Peso == CircumstanceWeight::Aumento) {
            circumstance.Motivo = Text();
        }
        return circumstance;
    }

    ModifierInput Modifier() {
        return ModifierInput{Chance() ? std::string(Pick(kModifierNames).CasoName) : Text(),
                             Chance() ? Fraction{1, 6} : AnyFraction()};
    }

    CauseInput Cause() {
        return CauseInput{Text(), Pick(kCauseKindNames).Value, AnyFraction(), Chance()};
    }

    CrimeInput SentencingCrime() {
        CrimeInput crime;
        crime.Crime = Text();
        crime.MinimoDias = Term();
        crime.MaximoDias = Term();
        crime.Multa = Chance();
        crime.MultaMinimo = Between(0, kFinesCeiling);
        crime.MultaMaximo = Between(0, kFinesCeiling);
        crime.ViolenciaSexualMulher = Chance();
        crime.DiasMulta = Chance() ? std::optional(Between(0, kFinesCeiling)) : std::nullopt;
        if (Chance()) {
            crime.PenaBase = Pick(kBaseCriterionNames).Value;
        }
        for (CircumstanceInput& circumstance : crime.Circunstancias) {
            circumstance = Circumstance();
        }
        crime.Agravantes = Several(&RandomDocument::Modifier);
        crime.Atenuantes = Several(&RandomDocument::Modifier);
        crime.Causas = Several(&RandomDocument::Cause);
        crime.SomenteMaior = Chance();
        return crime;
    }

    SentencingInput Sentencing() {
        SentencingInput input;
        input.Crimes = Several(&RandomDocument::SentencingCrime);
        if (Chance()) {
            input.Concurso = ConcursoInput{Pick(kConcursoNames).Value,
                                           Chance() ? std::optional(AnyFraction()) : std::nullopt};
        }
        return input;
    }

    std::mt19937_64 m_random;
};

TEST(CaseDocumentRoundTrip, WrittenAndReadAgainIsTheSameDocument) {
    SetTodayForTesting(CivilDate{2026, 12, 8});
    RandomDocument random(20261208);
    const int count = testing::SweepCount(2000);
    int analysable = 0;
    int analysableExecutions = 0;
    for (int i = 0; i < count; ++i) {
        const CaseDocument document = random.Next();
        const std::string written = WriteCaseDocument(document);
        const CaseReading read = ReadCaseDocumentAsWritten(written);
        ASSERT_TRUE(read.Ok()) << read.Error << "\n" << written;
        ASSERT_EQ(*read.Document, document) << written;
        EXPECT_EQ(WriteCaseDocument(*read.Document), written);
        // The documents the analyses take too are read back whole by the full reader.
        if (CaseDocumentFault(document).empty()) {
            const CaseReading checked = ReadCaseDocument(written);
            ASSERT_TRUE(checked.Ok()) << checked.Error;
            EXPECT_EQ(*checked.Document, document);
            ++analysable;
        }
        // The execution alone, however the other sections fare.
        CaseDocument execution = document;
        execution.Prescription.reset();
        execution.Sentencing.reset();
        if (execution.Execution && CaseDocumentFault(execution).empty()) {
            const CaseReading checked = ReadCaseDocument(WriteCaseDocument(execution));
            ASSERT_TRUE(checked.Ok()) << checked.Error;
            EXPECT_EQ(*checked.Document, execution);
            ++analysableExecutions;
        }
    }
    // Without any section, or with each taken by its analysis.
    EXPECT_GT(analysable, count / 10);
    EXPECT_GT(analysableExecutions, count / 20);
    SetTodayForTesting(std::nullopt);
}

} // namespace
} // namespace zarn
