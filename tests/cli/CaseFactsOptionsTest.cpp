// The flags of the facts of a case: what each sets, the positional arguments left in order,
// a subcommand's own flags collected, and each refusal with its exit code and the flag named.

#include "cli/CaseFactsOptions.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

constexpr std::array kOtherFlags{OtherFlag{"--json", false}, OtherFlag{"--regime", true}};

template <typename Change>
CaseFacts With(Change change) {
    CaseFacts facts;
    change(facts);
    return facts;
}

TEST(CaseFactsOptions, EachFlagSetsItsFact) {
    struct Row {
        std::vector<std::string> args;
        CaseFacts facts;
        std::vector<std::string> positional;
        std::vector<std::string> flags; // the other flags given, in name order
    };
    const std::vector<Row> rows = {
        {{"5", "", ""}, {}, {"5", "", ""}, {}},
        {{"--detencao"}, With([](CaseFacts& f) { f.Kind = Especie::Detencao; }), {}, {}},
        {{"--reincidente"}, With([](CaseFacts& f) { f.RepeatOffender = true; }), {}, {}},
        {{"--desfavoraveis"},
         With([](CaseFacts& f) { f.FavourableCircumstances = false; }),
         {},
         {}},
        {{"--violencia"}, With([](CaseFacts& f) { f.Violence = true; }), {}, {}},
        {{"--culposo"}, With([](CaseFacts& f) { f.Culposo = true; }), {}, {}},
        {{"--menor21"}, With([](CaseFacts& f) { f.Under21AtCrime = true; }), {}, {}},
        {{"--maior70"}, With([](CaseFacts& f) { f.Over70AtSentence = true; }), {}, {}},
        {{"--tentativa"}, With([](CaseFacts& f) { f.Attempt = true; }), {}, {}},
        {{"--violencia-sexual-mulher"},
         With([](CaseFacts& f) { f.SexualViolenceAgainstWoman = true; }),
         {},
         {}},
        {{"--maus-antecedentes"}, With([](CaseFacts& f) { f.GoodAntecedents = false; }), {}, {}},
        {{"--reincidente", "--especifico", "--anterior-culposo", "--culposo"},
         With([](CaseFacts& f) {
             f.RepeatOffender = true;
             f.SpecificRepeatOffender = true;
             f.EarlierDoloso = false;
             f.Culposo = true;
         }),
         {},
         {}},
        {{"--natureza", "trafico-pessoas"},
         With([](CaseFacts& f) { f.Nature = Natureza::TraficoPessoas; }),
         {},
         {}},
        {{"--data-crime", "23/01/2020"},
         With([](CaseFacts& f) { f.CrimeDate = DateFromCivil(2020, 1, 23); }),
         {},
         {}},
        // The inciso sets the facts it implies, once every flag is read.
        {{"--inciso", "VI-a"},
         With([](CaseFacts& f) { f.Nature = Natureza::HediondoMorte; }),
         {},
         {}},
        {{"--inciso", "par. 3"}, With([](CaseFacts& f) { f.Paragraph3 = true; }), {}, {}},
        {{"--inciso", "VIII", "--natureza", "feminicidio"},
         With([](CaseFacts& f) {
             f.Nature = Natureza::Feminicidio;
             f.RepeatOffender = true;
             f.SpecificRepeatOffender = true;
         }),
         {},
         {}},
        {{"--detracao", "30"}, With([](CaseFacts& f) { f.DetracaoDays = 30; }), {}, {}},
        {{"--detracao", " 1 5 "}, With([](CaseFacts& f) { f.DetracaoDays = 15; }), {}, {}},
        {{"--detracao", ""}, {}, {}, {}},
        // Left to the analyses, which refuse it with their own message.
        {{"--detracao", "-5"}, With([](CaseFacts& f) { f.DetracaoDays = -5; }), {}, {}},
        // A flag given twice keeps its last value; flags and arguments mix in any order.
        {{"1", "--inciso", "I", "6", "--inciso", "iv", ""},
         With([](CaseFacts& f) {
             f.RepeatOffender = true;
             f.Violence = true;
         }),
         {"1", "6", ""},
         {}},
        // An argument with a single dash is no flag: its field refuses it.
        {{"-1", "--json", "--regime", "fechado"}, {}, {"-1"}, {"--json=", "--regime=fechado"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const CaseFactsArguments read = ReadCaseFactsArguments(row.args, kOtherFlags);
        ASSERT_FALSE(read.Fault.has_value());
        EXPECT_TRUE(read.Facts == row.facts);
        EXPECT_EQ(read.Positional, row.positional);
        std::vector<std::string> flags;
        for (const auto& [name, value] : read.Flags) {
            flags.push_back(name + "=" + value);
        }
        EXPECT_EQ(flags, row.flags);
    }
}

TEST(CaseFactsOptions, RefusalsNameTheFlag) {
    struct Row {
        std::vector<std::string> args;
        int code;
        std::string message; // the first line written
    };
    const std::vector<Row> rows = {
        {{"5", "--foo"}, kExitUsage, "zarn-calc: op\xE7\xE3o desconhecida: \"--foo\"."},
        // Without the subcommand's table, its own flags are unknown too.
        {{"--regime", "aberto"}, kExitUsage, "zarn-calc: op\xE7\xE3o desconhecida: \"--regime\"."},
        {{"--inciso"}, kExitUsage, "zarn-calc: falta o valor de --inciso."},
        {{"--detracao", "--json"}, kExitUsage, "zarn-calc: falta o valor de --detracao."},
        {{"--inciso", "IX"},
         kExitUsage,
         "zarn-calc: --inciso \"IX\" n\xE3o \xE9 um inciso do art. 112 da LEP (use I a VIII, "
         "VI-a, VI-b, VI-c, VI-A ou par3)."},
        {{"--detracao", "1,5"},
         kExitInputError,
         "--detracao: \"1,5\" n\xE3o \xE9 um n\xFAmero inteiro de dias."},
        {{"--detracao", "--5"}, kExitUsage, "zarn-calc: falta o valor de --detracao."},
        {{"--detracao", "-"},
         kExitInputError,
         "--detracao: \"-\" n\xE3o \xE9 um n\xFAmero inteiro de dias."},
        {{"--natureza", "hediondos"},
         kExitUsage,
         "zarn-calc: --natureza \"hediondos\" n\xE3o \xE9 uma natureza (use comum, hediondo, "
         "hediondo-morte, feminicidio, comando, milicia, trafico-privilegiado, trafico-pessoas "
         "ou associacao-trafico)."},
        {{"--data-crime", "1/13/2020"},
         kExitInputError,
         "--data-crime: \"1/13/2020\" n\xE3o \xE9 uma data (dd/mm/aaaa)."},
        {{"--inciso", "I", "--reincidente"},
         kExitInputError,
         "Fatos contradit\xF3rios: inciso I do art. 112 da LEP e reincidente."},
        {{"--culposo", "--natureza", "hediondo"},
         kExitInputError,
         "Fatos contradit\xF3rios: crime culposo e natureza hediondo ou equiparado."},
        {{"--detracao", "99999999999999999999"},
         kExitInputError,
         "Os dias de detra\xE7\xE3o passam do limite do c\xE1lculo."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const CaseFactsArguments read = ReadCaseFactsArguments(row.args);
        ASSERT_TRUE(read.Fault.has_value());
        EXPECT_EQ(read.Fault->ExitCode, row.code);
        // Usage errors go to standard error with the hint; input errors to the output.
        const std::vector<std::string>& lines =
            row.code == kExitUsage ? read.Fault->Err : read.Fault->Out;
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), row.message);
    }
}

} // namespace
} // namespace zarn
