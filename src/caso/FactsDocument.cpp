#include "caso/FactsDocument.h"

#include "caso/DocumentNames.h"
#include "law/FactNames.h"

namespace zarn {
namespace {

constexpr std::int32_t kYoungAge = 21;
constexpr std::int32_t kOldAge = 70;

struct CircumstancesName {
    bool Which;
    std::string_view Name;
};
constexpr std::array kCircumstancesNames{
    CircumstancesName{true, "favoraveis"},
    CircumstancesName{false, "desfavoraveis"},
};

// A boolean fact: its key and its member.
struct FlagFact {
    std::string_view Key;
    bool CaseFacts::*Field;
};

constexpr std::array kFlagFacts{
    FlagFact{"culposo", &CaseFacts::Culposo},
    FlagFact{"violencia", &CaseFacts::Violence},
    FlagFact{"tentativa", &CaseFacts::Attempt},
    FlagFact{"violencia_sexual_mulher", &CaseFacts::SexualViolenceAgainstWoman},
    FlagFact{"reincidente", &CaseFacts::RepeatOffender},
    FlagFact{"anterior_doloso", &CaseFacts::EarlierDoloso},
    FlagFact{"reincidente_especifico", &CaseFacts::SpecificRepeatOffender},
    FlagFact{"bons_antecedentes", &CaseFacts::GoodAntecedents},
    FlagFact{"par3", &CaseFacts::Paragraph3},
    FlagFact{"menor21", &CaseFacts::Under21AtCrime},
    FlagFact{"maior70", &CaseFacts::Over70AtSentence},
};

// The facts a reader takes without any key: the defaults, the age from the date of birth.
CaseFacts Implied(std::optional<DayNumber> crimeDate, std::optional<DayNumber> birth) {
    CaseFacts facts;
    facts.CrimeDate = crimeDate;
    if (birth && crimeDate) {
        facts.Under21AtCrime = Under21On(*birth, *crimeDate);
    }
    return facts;
}

// The birthday of that age, or none when it falls after the calendar's last year, where no
// day of a document can reach it.
std::optional<DayNumber> BirthdayOf(DayNumber birth, std::int32_t age) {
    if (CivilFromDate(birth).Year + age > kLastYear) {
        return std::nullopt;
    }
    return AddYears(birth, age);
}

} // namespace

bool Under21On(DayNumber birth, DayNumber day) {
    const std::optional<DayNumber> birthday = BirthdayOf(birth, kYoungAge);
    return !birthday || *birthday > day;
}

bool Over70On(DayNumber birth, DayNumber day) {
    const std::optional<DayNumber> birthday = BirthdayOf(birth, kOldAge);
    return birthday && *birthday <= day;
}

CaseFacts ReadFacts(const std::optional<DocumentNode>& fatos, std::optional<DayNumber> crimeDate,
                    std::optional<DayNumber> birth) {
    CaseFacts facts = Implied(crimeDate, birth);
    if (!fatos) {
        return facts;
    }
    fatos->ExpectObject({"especie", "culposo", "violencia", "natureza", "tentativa",
                         "violencia_sexual_mulher", "reincidente", "anterior_doloso",
                         "reincidente_especifico", "bons_antecedentes", "circunstancias", "par3",
                         "menor21", "maior70"});
    if (const auto especie = fatos->Member("especie")) {
        facts.Kind = especie->Choice(kEspecieNames, &ChoiceName<Especie>::Document);
    }
    if (const auto natureza = fatos->Member("natureza")) {
        facts.Nature = natureza->Choice(kNaturezaNames, &NaturezaName::Document);
    }
    if (const auto circumstances = fatos->Member("circunstancias")) {
        facts.FavourableCircumstances =
            circumstances->Choice(kCircumstancesNames, &CircumstancesName::Name);
    }
    for (const FlagFact& flag : kFlagFacts) {
        if (const auto member = fatos->Member(flag.Key)) {
            facts.*flag.Field = member->Boolean();
        }
    }
    if (const std::string contradiction = FactsContradiction(facts); !contradiction.empty()) {
        fatos->Refuse(contradiction);
    }
    return facts;
}

JsonValue WriteFacts(const CaseFacts& facts, std::optional<DayNumber> birth) {
    const CaseFacts implied = Implied(facts.CrimeDate, birth);
    JsonValue object = JsonValue::object();
    if (facts.Kind != implied.Kind) {
        object["especie"] = JsonText(NameIn(kEspecieNames, facts.Kind));
    }
    for (const FlagFact& flag : kFlagFacts) {
        if (flag.Key == "tentativa") {
            // caso.md's order: natureza before tentativa.
            if (facts.Nature != implied.Nature) {
                object["natureza"] = JsonText(NameOf(facts.Nature).Document);
            }
        }
        if (flag.Key == "par3" &&
            facts.FavourableCircumstances != implied.FavourableCircumstances) {
            object["circunstancias"] = JsonText(kCircumstancesNames.back().Name);
        }
        if (facts.*flag.Field != implied.*flag.Field) {
            object[std::string(flag.Key)] = facts.*flag.Field;
        }
    }
    return object;
}

} // namespace zarn
