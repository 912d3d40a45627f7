#include "sentencing/SentencingNames.h"

namespace zarn {

const ModifierName* FindModifier(ModifierRole role, std::string_view casoName) {
    for (const ModifierName& row : kModifierNames) {
        if (row.Role == role && row.CasoName == casoName) {
            return &row;
        }
    }
    return nullptr;
}

std::vector<const ModifierName*> OfferedModifiers(ModifierRole role, bool violenciaSexualMulher) {
    std::vector<const ModifierName*> offered;
    for (const ModifierName& row : kModifierNames) {
        const bool barred = violenciaSexualMulher && row.Class == ModifierClass::Age;
        if (row.Role == role && !barred) {
            offered.push_back(&row);
        }
    }
    return offered;
}

} // namespace zarn
