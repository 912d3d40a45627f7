// The calculation record through whole calculations: each Calcula that gives a result is
// appended, Continua carries its result into the next one, Volta and Novo calculo undo.

#include "engine/CalcRecord.h"

#include "engine/CalcFlow.h"
#include "engine/CalcState.h"
#include "engine/Calculation.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

using Lines = std::vector<std::string>;

// The main window's part of a chain: the five field texts go to RunCalculation and the
// outcome with the typed operation to the record.
class Chain {
public:
    CalcOutcome Calcula(const std::string& years, const std::string& months,
                        const std::string& days, const std::string& fines,
                        const std::string& operation) {
        const CalcOutcome outcome = RunCalculation(m_state, years, months, days, fines, operation);
        m_record.AppendStep(m_state, outcome, operation);
        return outcome;
    }

    // Continua, then Calcula: the results carried into the term fields.
    CalcOutcome ContinuaThen(const std::string& operation) {
        const TermFieldTexts fields = CarryResultsForward(m_state);
        return Calcula(fields[0], fields[1], fields[2], fields[3], operation);
    }

    CalcRecord& Record() { return m_record; }

private:
    CalcState m_state;
    CalcRecord m_record;
};

TEST(CalcRecord, ChainOfTwoStepsWithDayFines) {
    Chain chain;
    ASSERT_TRUE(chain.Calcula("5  ", "  ", "  ", "10   ", "+ 1 /6  ").Ok);
    ASSERT_TRUE(chain.ContinuaThen("- 1 /3  ").Ok);
    EXPECT_EQ(chain.Record().StepCount(), 2u);
    EXPECT_EQ(chain.Record().Text(false),
              "Pena: 5 anos, e 10 dias-multa\n"
              "aumento de 1/6: 5 anos e 10 meses, e 11 dias-multa\n"
              "diminui\xE7\xE3o de 1/3: 3 anos, 10 meses e 20 dias, e 7 dias-multa");
    EXPECT_EQ(chain.Record().Lines(true).front(), "Pena: 5 (cinco) anos, e 10 (dez) dias-multa");
}

TEST(CalcRecord, OperationInWordsFromTheFieldAsTyped) {
    struct Row {
        std::string operation;
        std::string line; // the step's line for a term of 1 year
    } rows[] = {
        {"+ 1 /6  ", "aumento de 1/6: 1 ano e 2 meses"},
        {"= 2 /3  ", "aumento de 2/3: 1 ano e 8 meses"},
        {"1 2 /3  ", "aumento de 12/3: 5 anos"},
        {"9 99/1  ", "aumento de 999/1: 1000 anos"},
        {"+ 00/6  ", "aumento de 0/6: 1 ano"},
        {"+ 01/006", "aumento de 1/6: 1 ano e 2 meses"},
        {"- 1 /3  ", "diminui\xE7\xE3o de 1/3: 8 meses"},
        {"_ 1 /4  ", "diminui\xE7\xE3o de 1/4: 9 meses"},
        {"x 2 /   ", "multiplica\xE7\xE3o por 2: 2 anos"},
        {"* 3 /0  ", "multiplica\xE7\xE3o por 3: 3 anos"},
        {"X 10/   ", "multiplica\xE7\xE3o por 10: 10 anos"},
        {"x 2 /3  ", "multiplica\xE7\xE3o por 2/3: 8 meses"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("\"" + row.operation + "\"");
        Chain chain;
        ASSERT_TRUE(chain.Calcula("1  ", "  ", "  ", "     ", row.operation).Ok);
        EXPECT_EQ(chain.Record().Lines(false), (Lines{"Pena: 1 ano", row.line}));
    }
}

TEST(CalcRecord, NewTermLineWhereTheChainBreaksAndNothingForInputErrors) {
    Chain chain;
    chain.Calcula("5  ", "  ", "  ", "10   ", "+ 1 /6  ");
    EXPECT_FALSE(chain.Calcula("5  ", "12", "  ", "     ", "+ 1 /6  ").Ok);
    EXPECT_FALSE(chain.Calcula("5  ", "  ", "  ", "     ", "    /   ").Ok);
    // The previous result typed by hand: the chain goes on.
    chain.Calcula("5  ", "10", "  ", "11   ", "x 2 /   ");
    // Another term typed without Novo calculo.
    chain.Calcula("  2", "  ", "  ", "     ", "- 1 /2  ");
    EXPECT_EQ(chain.Record().StepCount(), 3u);
    EXPECT_EQ(chain.Record().Lines(false),
              (Lines{"Pena: 5 anos, e 10 dias-multa",
                     "aumento de 1/6: 5 anos e 10 meses, e 11 dias-multa",
                     "multiplica\xE7\xE3o por 2: 11 anos e 8 meses, e 22 dias-multa",
                     "Pena: 2 anos", "diminui\xE7\xE3o de 1/2: 1 ano"}));
}

TEST(CalcRecord, VoltaRemovesTheLastStepAndNovoEmptiesTheRecord) {
    Chain chain;
    CalcRecord& record = chain.Record();
    record.RemoveLastStep(); // nothing to remove
    EXPECT_EQ(record.Text(false), "");
    chain.Calcula("5  ", "  ", "  ", "10   ", "+ 1 /6  ");
    chain.ContinuaThen("- 1 /3  ");
    record.RemoveLastStep();
    EXPECT_EQ(record.StepCount(), 1u);
    // Volta brought back the inputs of the removed step; it is redone with another
    // operation and continues the chain.
    chain.Calcula("5  ", "10", "  ", "11   ", "- 1 /2  ");
    EXPECT_EQ(record.Lines(false),
              (Lines{"Pena: 5 anos, e 10 dias-multa",
                     "aumento de 1/6: 5 anos e 10 meses, e 11 dias-multa",
                     "diminui\xE7\xE3o de 1/2: 2 anos e 11 meses, e 5 dias-multa"}));
    record.Clear();
    EXPECT_EQ(record.StepCount(), 0u);
    EXPECT_TRUE(record.Lines(true).empty());
    chain.Calcula("   ", "  ", "  ", "100  ", "- 1 /3  ");
    EXPECT_EQ(record.Text(true), "Pena: 100 (cem) dias-multa\n"
                                 "diminui\xE7\xE3o de 1/3: 66 (sessenta e seis) dias-multa");
}

TEST(CalcRecord, ResultsBelowZeroAsTheSentenceShowsThem) {
    Chain chain;
    chain.Calcula("1  ", "  ", "  ", "     ", "- 7 /6  ");
    // Carried forward, the negative result is the next step's term: no new term line.
    chain.ContinuaThen("+ 1 /1  ");
    chain.Calcula("   ", "  ", "  ", "10   ", "- 21/20 ");
    chain.Calcula("   ", "  ", "1 ", "     ", "- 7 /6  ");
    EXPECT_EQ(chain.Record().Lines(true),
              (Lines{"Pena: 1 (um) ano", "diminui\xE7\xE3o de 7/6: -0 ano, -2 m\xEAs e 0 dia",
                     "aumento de 1/1: -0 ano, -4 m\xEAs e 0 dia", "Pena: 10 (dez) dias-multa",
                     "diminui\xE7\xE3o de 21/20: -0 dia-multa", "Pena: 1 (um) dia",
                     "diminui\xE7\xE3o de 7/6: -0 ano, -0 m\xEAs e -0 dia"}));
}

// Volta forgets the step of the last Calcula once: a second Volta, or a Volta after a
// Calcula that ended in an input error, brings back inputs whose step is not in the record.
struct VoltaRow {
    const char* Name;
    std::vector<const char*> Events; // "ok", "error", "volta", "novo"
    std::size_t Steps;
};

TEST(CalcRecord, VoltaForgetsOnlyTheStepOfTheLastCalcula) {
    const std::vector<VoltaRow> rows = {
        {"after a result", {"ok", "ok", "volta"}, 1},
        {"twice", {"ok", "ok", "volta", "volta"}, 1},
        {"after an input error", {"ok", "error", "volta"}, 1},
        {"after a redone step", {"ok", "ok", "volta", "ok", "volta"}, 1},
        {"after Novo calculo", {"ok", "novo", "volta"}, 0},
        {"before any Calcula", {"volta"}, 0},
    };
    for (const VoltaRow& row : rows) {
        Chain chain;
        for (const std::string event : row.Events) {
            if (event == "ok") {
                chain.Calcula("5  ", "  ", "  ", "     ", "+ 1 /6  ");
            } else if (event == "error") {
                chain.Calcula("5  ", "12", "  ", "     ", "+ 1 /6  ");
            } else if (event == "volta") {
                chain.Record().ForgetLastCalcula();
            } else {
                chain.Record().Clear();
            }
        }
        EXPECT_EQ(chain.Record().StepCount(), row.Steps) << row.Name;
    }
}

} // namespace
} // namespace zarn
