// zarn-calc driven through its entry function: arguments typed as a user types them,
// outputs in UTF-8 (non-ASCII letters written here as UTF-8 byte escapes), exit codes.

#include "cli/ZarnCalc.h"

#include "ZarnCalcRun.h"
#include "cli/FieldEntry.h"
#include "dates/Clock.h"
#include "fields/ProgramMasks.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace zarn {
namespace {

// The current year is 2026 for the two-digit years of the start date.
class ZarnCalcTest : public ::testing::Test {
protected:
    void SetUp() override { SetTodayForTesting(CivilDate{2026, 6, 17}); }
    void TearDown() override { SetTodayForTesting(std::nullopt); }
};

struct CaseRow {
    std::vector<std::string> args;
    std::string output; // without the line end
    int code;
};

// The worked examples themselves are the engine's and the end date's tests; these rows
// check what the command line adds: the arguments entered into the fields, the output and
// the exit codes.
const std::vector<CaseRow>& SentenceRows() {
    static const std::vector<CaseRow> rows = {
        {{"pena", "5", "", "", "10", "+1/6"}, " 5 anos, 10 meses e  0 dia, e  11 dias-multa", 0},
        {{"pena", "2", "", "", "", "x3"}, " 6 anos,  0 m\xC3\xAAs e  0 dia", 0},
        {{"pena", "1", "", "", "20", "x10"},
         "10 anos,  0 m\xC3\xAAs e  0 dia, e 200 dias-multa",
         0},
        {{"pena", "150", "", "", "", "+1/2"}, "225 anos,  0 m\xC3\xAAs e  0 dia", 0},
        {{"pena", "", "", "", "100", "-1/3"}, " 66 dias-multa", 0},
        {{"pena", "", "", "", "", "+1/6"}, " 0 ano,  0 m\xC3\xAAs e  0 dia", 0},
        // Typed with the space after the sign: the space beeps, the rest lands the same.
        {{"pena", "5", "", "", "10", "+ 1/6"}, " 5 anos, 10 meses e  0 dia, e  11 dias-multa", 0},
        {{"pena", "1", "", "", "", "-7/6"}, "-0 ano, -2 m\xC3\xAAs e  0 dia", 0},
        {{"pena", "1", "", "", "10", "x00/"}, " 0 ano,  0 m\xC3\xAAs e  0 dia, e   0 dia-multa", 0},
        // Input errors, as the result field shows them.
        {{"pena", "", "12", "", "", "+1/6"},
         "O n\xC3\xBAmero m\xC3\xA1ximo de meses \xC3\xA9 11.",
         1},
        {{"pena", "", "", "30", "", "+1/6"},
         "O n\xC3\xBAmero m\xC3\xA1ximo de dias \xC3\xA9 29.",
         1},
        {{"pena", "", "", "", "9", "+1/6"}, "Ser\xC3\xA1 de 10 o m\xC3\xADnimo de dias-multa.", 1},
        {{"pena", "", "", "", "66667", "+1/6"},
         "O m\xC3\xA1ximo de dias-multa \xC3\xA9 66.666 (Lei 11.343/06).",
         1},
        {{"pena", "5", "", "", "", ""}, "Opera\xC3\xA7\xC3\xA3o inv\xC3\xA1lida!", 1},
        {{"pena", "5", "", "", "",
          "\xC3\xA3"
          "1/6"},
         "Opera\xC3\xA7\xC3\xA3o inv\xC3\xA1lida!",
         1},
        // What a field would refuse or cut is refused, the field named.
        {{"pena", "a5", "", "", "", "+1/6"},
         "ANOS: o campo n\xC3\xA3o aceita o caractere \"a\".",
         1},
        {{"pena", "1234", "", "", "", "+1/6"},
         "ANOS: o texto n\xC3\xA3o cabe no campo, que tem 3 posi\xC3\xA7\xC3\xB5"
         "es.",
         1},
        {{"pena", "", "-1", "", "", "+1/6"},
         "MESES: o campo n\xC3\xA3o aceita o caractere \"-\".",
         1},
        {{"pena", "", "", "1\x01", "", "+1/6"},
         "DIAS: o campo n\xC3\xA3o aceita caracteres de controle.",
         1},
        {{"pena", "", "", "", "10\xE2\x86\x92", "+1/6"},
         "MULTA: o texto tem um caractere que o programa n\xC3\xA3o conhece.",
         1},
        {{"pena", "5", "", "", "", "+1/6/3"},
         "OPERACAO: o campo n\xC3\xA3o aceita o caractere \"/\".",
         1},
        {{"pena", "5", "", "", "", "+1/6000"},
         "OPERACAO: o texto n\xC3\xA3o cabe no campo, que tem 8 posi\xC3\xA7\xC3\xB5"
         "es.",
         1},
        // A blank, and the literal the caret has just passed, are typed without harm.
        {{"pena", "5", "", "", "10", "+12/10"},
         "11 anos,  0 m\xC3\xAAs e  0 dia, e  22 dias-multa",
         0},
        {{"pena", " 5", "", "", "10", "+ 1 / 6"},
         " 5 anos, 10 meses e  0 dia, e  11 dias-multa",
         0},
    };
    return rows;
}

const std::vector<CaseRow>& EndDateRows() {
    static const std::vector<CaseRow> rows = {
        {{"termino", "01012008", "1", "0", "0"}, "31/12/2008", 0},
        {{"termino", "31012008", "0", "1", "0"}, "28/02/2008", 0},
        {{"termino", "29022008", "1", "0", "0"}, "27/02/2009", 0},
        {{"termino", "01012008", "", "", "5"}, "05/01/2008", 0},
        {{"termino", "01012008", "", "", ""}, "Erro!", 1},
        {{"termino", "01012008", "1 ", "", ""}, "Erro!", 1},
        {{"termino", "01012008", "1 ", "0", ""}, "31/12/2008", 0},
        {{"termino", "10012008", "-5", "", ""}, "09/01/2008", 0},
        {{"termino", "01012008", "$A", "", "3"}, "03/01/2018", 0},
        {{"termino", "010508", "0", "0", "1"}, "01/05/2008", 0},
        {{"termino", "010500", "0", "0", "1"}, "Erro!", 1},
        {{"termino", "", "1", "0", "0"}, "Erro!", 1},
        // The start date is pasted: each separator meets its literal.
        {{"termino", "1/1/2008", "1", "0", "0"}, "31/12/2008", 0},
        {{"termino", "01/01/2008", "1", "0", "0"}, "31/12/2008", 0},
        {{"termino", "15/03/2008", "1", "", ""}, "14/03/2009", 0},
        {{"termino", "15-03-2008", "1", "", ""},
         "INICIO: o campo n\xC3\xA3o aceita o caractere \"-\".",
         1},
        {{"termino", "15/03/20081", "1", "", ""},
         "INICIO: o texto n\xC3\xA3o cabe no campo, que tem 10 posi\xC3\xA7\xC3\xB5"
         "es.",
         1},
        {{"termino", "01012008", "1000", "", ""},
         "ANOS: o texto n\xC3\xA3o cabe no campo, que tem 3 posi\xC3\xA7\xC3\xB5"
         "es.",
         1},
        // A shift beyond the year 9999 is the date error's message.
        {{"termino", "31129999", "1", "0", "0"}, "Invalid argument to date encode", 1},
    };
    return rows;
}

TEST_F(ZarnCalcTest, SentencesTypedAsAUserTypesThem) {
    for (const CaseRow& row : SentenceRows()) {
        SCOPED_TRACE(row.args[1] + "|" + row.args[2] + "|" + row.args[3] + "|" + row.args[4] + "|" +
                     row.args[5]);
        const RunOutput run = RunWith(row.args);
        EXPECT_EQ(run.Out, row.output + "\n");
        EXPECT_EQ(run.Code, row.code);
        EXPECT_EQ(run.Err, "");
    }
}

TEST_F(ZarnCalcTest, EndDates) {
    for (const CaseRow& row : EndDateRows()) {
        SCOPED_TRACE(row.args[1] + "|" + row.args[2] + "|" + row.args[3] + "|" + row.args[4]);
        const RunOutput run = RunWith(row.args);
        EXPECT_EQ(run.Out, row.output + "\n");
        EXPECT_EQ(run.Code, row.code);
    }
}

TEST_F(ZarnCalcTest, FieldsReceiveWhatTheWindowsFieldsWouldHold) {
    const struct {
        FieldEntry entry;
        const char* text;
    } rows[] = {
        {TypeIntoField("OPERACAO", kOperationMask, "+1/6"), "+ 1 /6  "},
        {TypeIntoField("OPERACAO", kOperationMask, "+12/10"), "+ 12/10 "},
        {TypeIntoField("ANOS", kYearsMask, ""), "   "},
        {PasteIntoField("INICIO", kDateMask, "07/12/2026"), "07/12/2026"},
        {PasteIntoField("INICIO", kDateMask, "07122026"), "07/12/2026"},
        {PasteIntoField("INICIO", kDateMask, "7/12/2026"), "7 /12/2026"},
        {EnterPlainField("ANOS", 3, "$A"), "$A"},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(row.entry.Ok) << row.entry.Refusal;
        EXPECT_EQ(row.entry.Text, row.text);
    }
}

TEST_F(ZarnCalcTest, UsageErrors) {
    const struct {
        std::vector<std::string> args;
        std::string firstLine; // empty: the usage comes first
    } rows[] = {
        {{}, ""},
        {{"pena"}, ""},
        {{"pena", "5", "", "", "10"}, ""},
        {{"pena", "5", "", "", "10", "+1/6", "extra"}, ""},
        {{"termino", "01012008", "1", "0"}, ""},
        {{"calcula", "5"}, "zarn-calc: comando desconhecido: \"calcula\"."},
        {{"PENA", "5", "", "", "10", "+1/6"}, "zarn-calc: comando desconhecido: \"PENA\"."},
        {{"--ajuda"}, "zarn-calc: op\xC3\xA7\xC3\xA3o desconhecida: \"--ajuda\"."},
        {{"--help", "pena"}, ""},
        {{"--lote", "x"}, ""},
        {{"-v"}, "zarn-calc: op\xC3\xA7\xC3\xA3o desconhecida: \"-v\"."},
    };
    const std::string usage = "Uso: zarn-calc pena ANOS MESES DIAS MULTA OPERACAO\n";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.empty() ? std::string("(none)") : row.args[0]);
        const RunOutput run = RunWith(row.args);
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Out, "");
        const std::string first = row.firstLine.empty() ? usage : row.firstLine + "\n" + usage;
        EXPECT_EQ(run.Err.rfind(first, 0), 0u) << run.Err;
    }
}

// A stream whose writes all fail, as on a full disk or a closed pipe.
class FailingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(ZarnCalcTest, AnOutputThatCannotBeWrittenIsAFailure) {
    const std::vector<std::string> rows[] = {
        {"pena", "5", "", "", "10", "+1/6"},
        {"--help"},
        {"--version"},
        {"--lote"},
    };
    for (const auto& args : rows) {
        SCOPED_TRACE(args[0]);
        std::istringstream in("pena\t5\t\t\t10\t+1/6\n");
        FailingBuffer failing;
        std::ostream out(&failing);
        std::ostringstream err;
        EXPECT_EQ(RunZarnCalc(args, in, out, err), kExitOutputFailure);
        EXPECT_EQ(err.str().rfind("zarn-calc: n\xC3\xA3o foi poss\xC3\xADvel escrever", 0), 0u);
    }
}

TEST_F(ZarnCalcTest, HelpAndVersion) {
    const RunOutput help = RunWith({"--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_EQ(help.Out.rfind("Uso: zarn-calc", 0), 0u);
    EXPECT_NE(help.Out.find("--lote"), std::string::npos);
    EXPECT_NE(help.Out.find("c\xC3\xA1lculos"), std::string::npos); // UTF-8 output

    const RunOutput version = RunWith({"--version"});
    EXPECT_EQ(version.Code, 0);
    EXPECT_EQ(version.Out, std::string("zarn-calc ") + ZARN_EXPECTED_VERSION + "\n");
}

std::string JoinWithTabs(const std::vector<std::string>& columns) {
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        line += (i == 0 ? "" : "\t") + columns[i];
    }
    return line;
}

TEST_F(ZarnCalcTest, ABatchGivesTheOutputsOfSingleRuns) {
    std::vector<CaseRow> rows = SentenceRows();
    rows.insert(rows.end(), EndDateRows().begin(), EndDateRows().end());
    std::string input;
    std::string expected;
    for (const CaseRow& row : rows) {
        input += JoinWithTabs(row.args) + "\n";
        expected += RunWith(row.args).Out;
    }
    const RunOutput batch = RunWith({"--lote"}, input);
    EXPECT_EQ(batch.Out, expected);
    EXPECT_EQ(batch.Code, 1); // some rows are input errors
    EXPECT_EQ(batch.Err, "");
}

TEST_F(ZarnCalcTest, BatchLinesAndExitCodes) {
    const std::string malformed =
        "Linha inv\xC3\xA1lida: use pena, ANOS, MESES, DIAS, MULTA e OPERACAO ou termino, "
        "INICIO, ANOS, MESES e DIAS, separados por tabula\xC3\xA7\xC3\xA3o.\n";
    const struct {
        const char* name;
        std::string input;
        std::string output;
        int code;
    } rows[] = {
        {"empty input", "", "", 0},
        {"results only", "pena\t5\t\t\t10\t+1/6\ntermino\t01012008\t1\t0\t0\n",
         " 5 anos, 10 meses e  0 dia, e  11 dias-multa\n31/12/2008\n", 0},
        {"windows line ends", "pena\t5\t\t\t10\t+1/6\r\n",
         " 5 anos, 10 meses e  0 dia, e  11 dias-multa\n", 0},
        {"no final line end", "termino\t01012008\t1\t0\t0", "31/12/2008\n", 0},
        {"an input error", "termino\t01012008\t\t\t\npena\t\t\t\t\t+1/6\n",
         "Erro!\n 0 ano,  0 m\xC3\xAAs e  0 dia\n", 1},
        {"a malformed line in its place", "pena\t5\nbad\n\ntermino\t01012008\t1\t0\t0\n",
         malformed + malformed + malformed + "31/12/2008\n", 2},
        {"spaces are not tabs", "pena 5 0 0 10 +1/6\n", malformed, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const RunOutput run = RunWith({"--lote"}, row.input);
        EXPECT_EQ(run.Out, row.output);
        EXPECT_EQ(run.Code, row.code);
    }
}

} // namespace
} // namespace zarn
