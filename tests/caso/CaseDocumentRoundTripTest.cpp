// Random documents the program accepts, written and read again, are the same document, and
// written again the same text: every key, every kind of value and every name of caso.md,
// texts of any character of the code page.

#include "caso/CaseDocumentJson.h"
#include "dates/Clock.h"
#include "engine/Sentence.h"
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
        SentencingOptions& options = document.Options.Sentencing;
        options.PenaBase = Pick(kBaseCriterionNames).Value;
        options.SegundaFase = Pick(kSecondPhaseNames).Value;
        options.TerceiraFase = Pick(kThirdPhaseNames).Value;
        options.MultaDosimetria = Pick(kFinesMethodNames).Value;
        options.MultaContinuado = Pick(kContinuedFinesNames).Value;
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
    }
    // Without either section, or with both taken by the analyses.
    EXPECT_GT(analysable, count / 5);
    SetTodayForTesting(std::nullopt);
}

} // namespace
} // namespace zarn
