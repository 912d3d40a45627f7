#include "law/FactNames.h"

#include <algorithm>

namespace zarn {
namespace {

template <typename Field>
std::optional<Natureza> FindNatureza(std::string_view name, Field field) {
    const auto found = std::find_if(kNaturezaNames.begin(), kNaturezaNames.end(),
                                    [&](const NaturezaName& n) { return n.*field == name; });
    return found == kNaturezaNames.end() ? std::nullopt : std::optional<Natureza>(found->Which);
}

} // namespace

const NaturezaName& NameOf(Natureza nature) {
    const auto found = std::find_if(kNaturezaNames.begin(), kNaturezaNames.end(),
                                    [nature](const NaturezaName& n) { return n.Which == nature; });
    return found == kNaturezaNames.end() ? kNaturezaNames.front() : *found;
}

std::optional<Natureza> NaturezaFromDocument(std::string_view name) {
    return FindNatureza(name, &NaturezaName::Document);
}

std::optional<Natureza> NaturezaFromFlag(std::string_view name) {
    return FindNatureza(name, &NaturezaName::Flag);
}

} // namespace zarn
