#include "law/CaseFacts.h"

#include "law/LawTexts.h"

namespace zarn {

Inciso EffectiveInciso(const CaseFacts& facts) {
    if (facts.ChosenInciso) {
        return *facts.ChosenInciso;
    }
    const bool violent = facts.Violence && !facts.Culposo;
    if (violent) {
        return facts.RepeatOffender ? Inciso::IV : Inciso::III;
    }
    return facts.RepeatOffender ? Inciso::II : Inciso::I;
}

std::string_view RegimeName(Regime regime) {
    switch (regime) {
    case Regime::Fechado:
        return kFechadoName;
    case Regime::Semiaberto:
        return kSemiabertoName;
    case Regime::Aberto:
        break;
    }
    return kAbertoName;
}

} // namespace zarn
