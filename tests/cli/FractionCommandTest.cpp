// zarn-calc fracao: the two terms typed into their fields, the matches one a line with the
// variation, the exit codes, an input error of each term named with its term, and the
// usage errors. The search itself is the engine's test; these rows check what the command
// line adds. Non-ASCII letters are written as UTF-8 byte escapes.

#include "ZarnCalcRun.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

const std::string kVariation = "Varia\xC3\xA7\xC3\xA3o: ";

TEST(FractionCommand, AnswersOneLineEachAndItsExitCode) {
    const struct {
        std::vector<std::string> args;
        std::string out;
        int code;
    } rows[] = {
        {{"fracao", "5", "", "", "5", "10", ""}, "+ 1/6\n" + kVariation + "+16,67%\n", 0},
        {{"fracao", "3", "", "", "2", "", ""}, "- 1/3\n" + kVariation + "-33,33%\n", 0},
        // Only the truncated result explains it: 391 days + 1/6 is 456.17 days.
        {{"fracao", "1", "1", "1", "1", "3", "6"}, "+ 1/6\n" + kVariation + "+16,62%\n", 0},
        // Typed as a user types: blanks are dropped, leading zeros kept.
        {{"fracao", " 5", "0", "", "005", " 10", "00"}, "+ 1/6\n" + kVariation + "+16,67%\n", 0},
        // Each match on its own line, in order: 30 days and a third or 4/11 of them, 10.9.
        {{"fracao", "", "1", "", "", "1", "10"}, "+ 1/3\n+ 4/11\n" + kVariation + "+33,33%\n", 0},
        {{"fracao", "5", "", "", "5", "", "1"},
         "Nenhuma fra\xC3\xA7\xC3\xA3o usual leva a esse resultado.\n" + kVariation + "+0,06%\n",
         1},
        {{"fracao", "", "", "", "5", "", ""},
         "Com pena inicial zero, toda fra\xC3\xA7\xC3\xA3o d\xC3\xA1 zero: nenhuma pode ser "
         "apontada.\n" +
             kVariation + "sem varia\xC3\xA7\xC3\xA3o calcul\xC3\xA1vel\n",
         1},
        // Input errors: the calculator's message, after the name of its term.
        {{"fracao", "5", "12", "", "5", "", ""},
         "Antes: O n\xC3\xBAmero m\xC3\xA1ximo de meses \xC3\xA9 11.\n",
         1},
        {{"fracao", "5", "", "", "5", "", "30"},
         "Depois: O n\xC3\xBAmero m\xC3\xA1ximo de dias \xC3\xA9 29.\n",
         1},
        // Antes is read first.
        {{"fracao", "", "", "45", "", "99", ""},
         "Antes: O n\xC3\xBAmero m\xC3\xA1ximo de dias \xC3\xA9 29.\n",
         1},
        // What a field would refuse is refused, named with its term and field.
        {{"fracao", "1a", "", "", "5", "", ""},
         "Antes ANOS: o campo n\xC3\xA3o aceita o caractere \"a\".\n",
         1},
        {{"fracao", "5", "", "", "5", "", "123"},
         "Depois DIAS: o texto n\xC3\xA3o cabe no campo, que tem 2 posi\xC3\xA7\xC3\xB5"
         "es.\n",
         1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args[1] + "|" + row.args[2] + "|" + row.args[3] + " -> " + row.args[4] +
                     "|" + row.args[5] + "|" + row.args[6]);
        const RunOutput run = RunWith(row.args);
        EXPECT_EQ(run.Out, row.out);
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(run.Code, row.code);
    }
}

TEST(FractionCommand, UsageErrors) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"fracao"},
             {"fracao", "5", "", "", "5", "10"},
             {"fracao", "5", "", "", "5", "10", "", ""},
         }) {
        SCOPED_TRACE(args.size());
        const RunOutput run = RunWith(args);
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("zarn-calc fracao ANOS MESES DIAS ANOS MESES DIAS\n"),
                  std::string::npos);
    }
    // Several lines for one line read: not a line of the batch.
    const RunOutput batch = RunWith({"--lote"}, "fracao\t5\t\t\t5\t10\t\n");
    EXPECT_EQ(batch.Code, 2);
    EXPECT_EQ(batch.Out.rfind("Linha inv\xC3\xA1lida", 0), 0u);
}

TEST(FractionCommand, HelpDescribesIt) {
    const RunOutput help = RunWith({"--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_NE(help.Out.find("     zarn-calc fracao ANOS MESES DIAS ANOS MESES DIAS\n"),
              std::string::npos);
    EXPECT_NE(help.Out.find("\n  fracao    "), std::string::npos);
}

} // namespace
} // namespace zarn
