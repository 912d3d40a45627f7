// Reading the values of a case document: each kind of value as caso.md gives it, and each
// refusal naming the place and what is wrong.

#include "caso/DocumentNode.h"

#include "caso/DocumentNames.h"
#include "caso/FactsDocument.h"
#include "law/FactNames.h"
#include "law/LegalText.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace zarn {
namespace {

// Reads the member "v" of a one-key object with `read`; the text of what came out, or the
// message of the refusal.
std::string Read(const std::string& value,
                 const std::function<std::string(const DocumentNode&)>& read) {
    const JsonValue document = JsonValue::parse(R"({"v": )" + value + "}");
    try {
        return read(DocumentNode(document, "x").Required("v"));
    } catch (const DocumentError& error) {
        return error.what();
    }
}

TEST(DocumentNode, ValuesAndTheirRefusals) {
    const auto date = [](const DocumentNode& n) { return WriteDayMonthYear(n.Date()); };
    const auto term = [](const DocumentNode& n) { return std::to_string(n.TermDays(100000)); };
    const auto fraction = [](const DocumentNode& n) { return FractionText(n.FractionValue()); };
    const auto whole = [](const DocumentNode& n) { return std::to_string(n.Whole(0, 10)); };
    const auto text = [](const DocumentNode& n) { return n.Text(); };
    const auto flag = [](const DocumentNode& n) {
        return std::string(n.Boolean() ? "sim" : "nao");
    };
    const auto regime = [](const DocumentNode& n) {
        return std::string(
            NameIn(kRegimeNames, n.Choice(kRegimeNames, &ChoiceName<Regime>::Document)));
    };
    struct Row {
        std::string value;
        std::function<std::string(const DocumentNode&)> read;
        std::string expected;
    };
    const std::string badDate = ": use dd/mm/aaaa, de 01/01/0001 a 31/12/9999";
    const Row rows[] = {
        {R"("29/02/2024")", date, "29/02/2024"},
        {R"("01/01/0001")", date, "01/01/0001"},
        {R"("29/02/2023")", date, "x.v: data inv\xE1lida \"29/02/2023\"" + badDate},
        {R"("1/2/2020")", date, "x.v: data inv\xE1lida \"1/2/2020\"" + badDate},
        {R"("01-02-2020")", date, "x.v: data inv\xE1lida \"01-02-2020\"" + badDate},
        {R"("01/02/+020")", date, "x.v: data inv\xE1lida \"01/02/+020\"" + badDate},
        {R"(20200101)", date, "x.v: deve ser um texto \"...\""},
        {R"({"anos": 6})", term, "2160"},
        {R"({"anos": 1, "meses": 13, "dias": 45})", term, "795"},
        {R"({})", term, "0"},
        {R"({"anos": -1})", term, "x.v.anos: deve ser um n\xFAmero inteiro de 0 a 1000000000000"},
        {R"({"anos": 1.5})", term, "x.v.anos: deve ser um n\xFAmero inteiro de 0 a 1000000000000"},
        {R"({"ano": 1})", term, "x.v.ano: chave desconhecida"},
        {R"({"anos": 300})", term, "x.v: pena acima do limite do c\xE1lculo"},
        {R"("1/6")", fraction, "1/6"},
        {R"("0/3")", fraction, "0/3"},
        {R"("1/0")", fraction,
         "x.v: fra\xE7\xE3o inv\xE1lida \"1/0\": use \"N/D\", inteiros, D maior que zero"},
        {R"("1 / 6")", fraction,
         "x.v: fra\xE7\xE3o inv\xE1lida \"1 / 6\": use \"N/D\", inteiros, D maior que zero"},
        {R"(7)", whole, "7"},
        {R"(11)", whole, "x.v: deve ser um n\xFAmero inteiro de 0 a 10"},
        {R"(18446744073709551615)", whole, "x.v: deve ser um n\xFAmero inteiro de 0 a 10"},
        {R"("m\u00eas")", text, "m\xEAs"},
        {R"("\u4e2d")", text, "x.v: texto com um caractere que o Zarn n\xE3o representa"},
        {R"(true)", flag, "sim"},
        {R"(1)", flag, "x.v: deve ser true ou false"},
        {R"("semiaberto")", regime, "semiaberto"},
        {R"("Semiaberto")", regime, "x.v: valor desconhecido \"Semiaberto\""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Read(row.value, row.read), row.expected) << row.value;
    }
}

TEST(DocumentNode, RequiredKeysAndListsNameTheirPlace) {
    const JsonValue document = JsonValue::parse(R"({"lista": [{"a": 1}, {"b": 2}]})");
    const DocumentNode root(document, "");
    try {
        root.Required("outra");
        FAIL();
    } catch (const DocumentError& error) {
        EXPECT_STREQ(error.what(), "outra: chave obrigat\xF3ria ausente");
    }
    const std::vector<DocumentNode> items = root.Required("lista").Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].Place(), "lista[1]");
    try {
        items[1].ExpectObject({"a"});
        FAIL();
    } catch (const DocumentError& error) {
        EXPECT_STREQ(error.what(), "lista[1].b: chave desconhecida");
    }
}

CaseFacts ReadFactsText(const std::string& fatos, std::optional<DayNumber> crime,
                        std::optional<DayNumber> birth) {
    const JsonValue document = JsonValue::parse(fatos);
    return ReadFacts(DocumentNode(document, "condenacoes[1].fatos"), crime, birth);
}

TEST(FactsDocument, ReadsTheFactsAndRefusesTheirContradictions) {
    const DayNumber crime = DateFromCivil(2010, 11, 1);
    const CaseFacts read = ReadFactsText(
        R"({"especie": "detencao", "natureza": "trafico_pessoas", "reincidente": true,
            "reincidente_especifico": true, "circunstancias": "desfavoraveis",
            "bons_antecedentes": false})",
        crime, std::nullopt);
    EXPECT_EQ(read.Kind, Especie::Detencao);
    EXPECT_EQ(read.Nature, Natureza::TraficoPessoas);
    EXPECT_TRUE(read.RepeatOffender && read.SpecificRepeatOffender);
    EXPECT_FALSE(read.FavourableCircumstances || read.GoodAntecedents);
    EXPECT_EQ(read.CrimeDate, crime);
    // The age from the date of birth where it is not given: 21 on the day after the crime.
    EXPECT_TRUE(ReadFactsText("{}", crime, DateFromCivil(1989, 11, 2)).Under21AtCrime);
    EXPECT_FALSE(ReadFactsText("{}", crime, DateFromCivil(1989, 11, 1)).Under21AtCrime);
    EXPECT_FALSE(
        ReadFactsText(R"({"menor21": false})", crime, DateFromCivil(1989, 11, 2)).Under21AtCrime);
    const std::pair<std::string, std::string> refusals[] = {
        {R"({"natureza": "hediondos"})",
         "condenacoes[1].fatos.natureza: valor desconhecido \"hediondos\""},
        {R"({"reincidente_especifico": true})",
         "condenacoes[1].fatos: Fatos contradit\xF3rios: reincidente espec\xED"
         "fico e prim\xE1rio."},
        {R"({"par3": true, "violencia": true})",
         "condenacoes[1].fatos: Fatos contradit\xF3rios: " + std::string(kParagraph3Fact) + " e " +
             std::string(kViolenceFact) + "."},
        {R"({"culposo": "sim"})", "condenacoes[1].fatos.culposo: deve ser true ou false"},
        {R"([])", "condenacoes[1].fatos: deve ser um objeto {...}"},
    };
    for (const auto& [fatos, message] : refusals) {
        try {
            ReadFactsText(fatos, crime, std::nullopt);
            ADD_FAILURE() << fatos;
        } catch (const DocumentError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

// Any facts that hold together, written and read again, are the same facts.
TEST(FactsDocument, WrittenFactsReadBackTheSame) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> bit(0, 1);
    std::uniform_int_distribution<int> nature(0, static_cast<int>(kNaturezaNames.size()) - 1);
    int checked = 0;
    for (int i = 0; i < 4000; ++i) {
        CaseFacts facts;
        facts.Kind = bit(random) != 0 ? Especie::Detencao : Especie::Reclusao;
        facts.Nature = static_cast<Natureza>(nature(random));
        for (bool* field :
             {&facts.Culposo, &facts.Violence, &facts.Attempt, &facts.SexualViolenceAgainstWoman,
              &facts.RepeatOffender, &facts.EarlierDoloso, &facts.SpecificRepeatOffender,
              &facts.GoodAntecedents, &facts.FavourableCircumstances, &facts.Paragraph3,
              &facts.Under21AtCrime, &facts.Over70AtSentence}) {
            *field = bit(random) != 0;
        }
        if (!FactsContradiction(facts).empty()) {
            continue;
        }
        const std::optional<DayNumber> birth =
            bit(random) != 0 ? std::optional<DayNumber>(DateFromCivil(1990, 5, 6)) : std::nullopt;
        facts.CrimeDate =
            bit(random) != 0 ? std::optional<DayNumber>(DateFromCivil(2010, 5, 6)) : std::nullopt;
        const JsonValue written = WriteFacts(facts, birth);
        const JsonValue reparsed = JsonValue::parse(written.dump());
        EXPECT_EQ(ReadFacts(DocumentNode(reparsed, "fatos"), facts.CrimeDate, birth), facts)
            << written.dump();
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

// A birth near the calendar's end: the birthdays fall beyond it, and nothing throws.
TEST(FactsDocument, AgesOfABirthNearTheEndOfTheCalendar) {
    const DayNumber birth = DateFromCivil(9990, 12, 31);
    const DayNumber last = DateFromCivil(9999, 12, 31);
    EXPECT_TRUE(Under21On(birth, last));
    EXPECT_FALSE(Over70On(birth, last));
    EXPECT_TRUE(ReadFactsText("{}", last, birth).Under21AtCrime);
    // Where the birthday is in the calendar, it decides.
    EXPECT_FALSE(Under21On(DateFromCivil(9978, 12, 31), last));
    EXPECT_TRUE(Over70On(DateFromCivil(9929, 12, 31), last));
}

} // namespace
} // namespace zarn
