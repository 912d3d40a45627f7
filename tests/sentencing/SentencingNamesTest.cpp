// The names of the choices: every document name reads back as its value, none twice, and the
// window's agravantes and atenuantes leave out the age atenuante where the law bars it.

#include "sentencing/SentencingNames.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string_view>

namespace zarn {
namespace {

template <typename Table>
void ExpectEachNameReadsBack(const Table& table) {
    std::set<std::string_view> seen;
    for (const auto& row : table) {
        EXPECT_TRUE(seen.insert(row.CasoName).second) << row.CasoName;
        using Enum = decltype(row.Value);
        EXPECT_EQ(FromCasoName<Enum>(row.CasoName), row.Value) << row.CasoName;
        EXPECT_EQ(CasoName(row.Value), row.CasoName);
        EXPECT_FALSE(DisplayName(row.Value).empty());
    }
}

TEST(SentencingNames, EachDocumentNameReadsBackAsItsValue) {
    ExpectEachNameReadsBack(kBaseCriterionNames);
    ExpectEachNameReadsBack(kSecondPhaseNames);
    ExpectEachNameReadsBack(kThirdPhaseNames);
    ExpectEachNameReadsBack(kFinesMethodNames);
    ExpectEachNameReadsBack(kContinuedFinesNames);
    ExpectEachNameReadsBack(kConcursoNames);
    ExpectEachNameReadsBack(kCauseKindNames);
    ExpectEachNameReadsBack(kCircumstanceWeightNames);
    EXPECT_EQ(FromCasoName<ConcursoKind>("formal_impropio"), std::nullopt);
}

TEST(SentencingNames, ModifierNamesAreUniqueAndTheSpecialOnesAreThere) {
    std::set<std::string_view> seen;
    for (const ModifierName& row : kModifierNames) {
        EXPECT_TRUE(seen.insert(row.CasoName).second) << row.CasoName;
    }
    EXPECT_EQ(FindModifier(ModifierRole::Agravante, "reincidencia")->Class,
              ModifierClass::Reincidencia);
    EXPECT_EQ(FindModifier(ModifierRole::Agravante, "multirreincidencia")->Class,
              ModifierClass::Multirreincidencia);
    EXPECT_EQ(FindModifier(ModifierRole::Atenuante, "confissao")->Class, ModifierClass::Confissao);
    EXPECT_EQ(FindModifier(ModifierRole::Agravante, "confissao"), nullptr);
}

bool OffersAge(const std::vector<const ModifierName*>& offered) {
    return std::any_of(offered.begin(), offered.end(),
                       [](const ModifierName* row) { return row->Class == ModifierClass::Age; });
}

TEST(SentencingNames, TheAgeAtenuanteIsNotOfferedForSexualViolenceAgainstAWoman) {
    const auto ordinary = OfferedModifiers(ModifierRole::Atenuante, false);
    const auto barred = OfferedModifiers(ModifierRole::Atenuante, true);
    EXPECT_TRUE(OffersAge(ordinary));
    EXPECT_FALSE(OffersAge(barred));
    EXPECT_EQ(ordinary.size() - barred.size(), 2U);
    EXPECT_EQ(OfferedModifiers(ModifierRole::Agravante, true).size(),
              OfferedModifiers(ModifierRole::Agravante, false).size());
}

} // namespace
} // namespace zarn
