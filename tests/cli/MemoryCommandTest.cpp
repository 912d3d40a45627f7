// zarn-calc memoria: a chain typed as arguments, written as its calculation record (UTF-8,
// non-ASCII letters written here as UTF-8 byte escapes), with the input error or refused
// Continua that stops it on standard error after the lines so far.

#include "ZarnCalcRun.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

const std::string kPena = "Pena: 5 anos, e 10 dias-multa\n";
const std::string kIncrease = "aumento de 1/6: 5 anos e 10 meses, e 11 dias-multa\n";
const std::string kReduction =
    "diminui\xC3\xA7\xC3\xA3o de 1/3: 3 anos, 10 meses e 20 dias, e 7 dias-multa\n";

struct ChainRow {
    const char* Name;
    std::vector<std::string> Args; // after "memoria"
    std::string Out;
    std::string Err;
    int Code;
};

TEST(MemoryCommand, ChainsAndWhatStopsThem) {
    const std::vector<ChainRow> rows = {
        {"two steps", {"5", "", "", "10", "+1/6", "-1/3"}, kPena + kIncrease + kReduction, "", 0},
        {"in words",
         {"--extenso", "5", "", "", "10", "+1/6", "-1/3"},
         "Pena: 5 (cinco) anos, e 10 (dez) dias-multa\n"
         "aumento de 1/6: 5 (cinco) anos e 10 (dez) meses, e 11 (onze) dias-multa\n"
         "diminui\xC3\xA7\xC3\xA3o de 1/3: 3 (tr\xC3\xAAs) anos, 10 (dez) meses e 20 (vinte) "
         "dias, e 7 (sete) dias-multa\n",
         "",
         0},
        // A result below zero is written as the result field shows it ("-2 dia": the
        // singular for 1 or less), and Continua carries it.
        {"below zero",
         {"", "", "4", "", "-3/2", "x1"},
         "Pena: 4 dias\n"
         "diminui\xC3\xA7\xC3\xA3o de 3/2: -0 ano, -0 m\xC3\xAAs e -2 dia\n"
         "multiplica\xC3\xA7\xC3\xA3o por 1: -0 ano, -0 m\xC3\xAAs e -2 dia\n",
         "",
         0},
        {"an input error first",
         {"", "12", "", "", "+1/6"},
         "",
         "O n\xC3\xBAmero m\xC3\xA1ximo de meses \xC3\xA9 11.\n",
         1},
        {"an input error later",
         {"5", "", "", "10", "+1/6", "q1/6", "-1/3"},
         kPena + kIncrease,
         "Opera\xC3\xA7\xC3\xA3o inv\xC3\xA1lida!\n",
         1},
        {"a refused Continua",
         {"999", "", "", "", "x2", "x1"},
         "Pena: 999 anos\nmultiplica\xC3\xA7\xC3\xA3o por 2: 1998 anos\n",
         "O resultado n\xC3\xA3o cabe nos campos; comece um novo c\xC3\xA1lculo.\n",
         1},
        {"an operation its field refuses",
         {"5", "", "", "10", "+1/6", "-1/3a"},
         kPena + kIncrease,
         "OPERACAO: o campo n\xC3\xA3o aceita o caractere \"a\".\n",
         1},
    };
    for (const ChainRow& row : rows) {
        SCOPED_TRACE(row.Name);
        std::vector<std::string> args = {"memoria"};
        args.insert(args.end(), row.Args.begin(), row.Args.end());
        const RunOutput run = RunWith(args);
        EXPECT_EQ(run.Out, row.Out);
        EXPECT_EQ(run.Err, row.Err);
        EXPECT_EQ(run.Code, row.Code);
    }
}

TEST(MemoryCommand, UsageErrors) {
    const std::vector<std::vector<std::string>> rows = {
        {"memoria"},
        {"memoria", "5", "", "", "10"},
        {"memoria", "--extenso", "5", "", "", "10"},
        {"memoria", "--extenso", "--extenso", "5", "", "", "10", "+1/6"},
        {"memoria", "--palavras", "5", "", "", "10", "+1/6"},
    };
    for (const auto& args : rows) {
        SCOPED_TRACE(args.size());
        const RunOutput run = RunWith(args);
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err.rfind("Uso: zarn-calc", 0), 0u) << run.Err;
    }
}

TEST(MemoryCommand, HelpDescribesItAndTheBatchLeavesItOut) {
    const RunOutput help = RunWith({"--help"});
    EXPECT_NE(help.Out.find("zarn-calc memoria [--extenso] ANOS MESES DIAS MULTA OPERACAO "
                            "[OPERACAO...]\n"),
              std::string::npos);
    EXPECT_NE(help.Out.find("\n  memoria   "), std::string::npos);

    // A chain writes many lines for one; a batch line gives one line each.
    const RunOutput batch = RunWith({"--lote"}, "memoria\t5\t\t\t10\t+1/6\n");
    EXPECT_EQ(batch.Code, 2);
    EXPECT_EQ(batch.Out.rfind("Linha inv\xC3\xA1lida", 0), 0u);
}

} // namespace
} // namespace zarn
